#include "platform/conversion_text_path.h"

#include <cstdlib>

namespace platform {

std::string ConversionTextPath() {
#ifdef TOVIKAN_TEST_PATHS
    char const* const testPath = std::getenv("TOVIKAN_TEST_CONVERSION_TEXT");
    if (testPath != nullptr && testPath[0] == '/') return testPath;
#endif
    return kConversionTextPath;
}

}  // namespace platform

// Arbitrary Shift-JIS text through the translation facade's normal road: no
// crash, the call answers true, progress ends at 100 for any text with a
// character, and the post-edit spans of the last sentence lie inside the
// texts they point into.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/pipeline/corvan_if.h"
#include "translation_fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, std::size_t size) {
    static CorvanIF facade;
    std::string text(reinterpret_cast<char const*>(data), size);
    Check(facade.Translation(&text));
    Check(facade.IsSink());
    Check(facade.GetRatio() == (size == 0 ? 0 : 100));
    CheckSinkAndPostEdit(facade, size);
    return 0;
}

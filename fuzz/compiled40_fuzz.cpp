// Treats the input as a compiled dictionary file of format 4.0 (see
// compiled_fuzz_support.h).
#include "compiled_fuzz_support.h"
#include "engine/compiled/compiled_dictionary_40.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return compiled_fuzz::RunInput(data, size, [](int fd) -> Dictionary_EX { return Dictionary_EX_40Compiled(fd); });
}

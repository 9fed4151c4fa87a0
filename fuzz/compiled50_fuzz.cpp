// Treats the input as a compiled dictionary file of format 5.0 (see
// compiled_fuzz_support.h), with the fixed idiom type switched on so that
// the values it changes are read too.
#include "compiled_fuzz_support.h"
#include "engine/compiled/compiled_dictionary_50.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return compiled_fuzz::RunInput(data, size, [](int fd) -> Dictionary_EX {
        Dictionary_EX dictionary = Dictionary_EX_50Compiled(fd);
        dictionary.GetNamedInterfaceOf<Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_>()->SetFixedIdiomType(
            true);
        return dictionary;
    });
}

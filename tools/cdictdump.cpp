// cdictdump FILE          prints every field of a compiled dictionary (format
//                         5.0 or 4.0) as dictionary text, one line per entry,
//                         fine part of speech and paraphrase
// cdictdump --text FILE   prints a dictionary-text file the same way, as the
//                         temporary dictionary it loads into
// Exit 1 when the file cannot be read as such a dictionary, 2 for usage.
#include <fcntl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>

#include "engine/compiled/dictionary_text.h"
#include "engine/compiled/open_compiled_dictionary.h"
#include "engine/foundation/file_errors.h"

namespace {

Dictionary_EX OpenDictionary(bool text, char const* path) {
    if (text) {
        std::ifstream in(path, std::ios::binary);
        if (!in) throw FileNotFoundException(path);
        return ReadDictionaryText(in);
    }
    int const fd = open(path, O_RDONLY);
    if (fd < 0) FileException::ThrowLastError(path);
    return OpenCompiledDictionaryInAppropriateFormat(fd);
}

}  // namespace

int main(int argc, char** argv) {
    bool const text = argc == 3 && std::strcmp(argv[1], "--text") == 0;
    if (argc != 2 && !text) {
        std::fprintf(stderr, "usage: cdictdump FILE\n       cdictdump --text FILE\n");
        return 2;
    }
    try {
        WriteDictionaryText(OpenDictionary(text, argv[argc - 1]), std::cout);
    } catch (FileException const& error) {
        std::fprintf(stderr, "cdictdump: %s: %s\n", argv[argc - 1], error.Message());
        return 1;
    } catch (DictionaryTextError const& error) {
        std::fprintf(stderr, "cdictdump: %s: %s\n", argv[argc - 1], error.what());
        return 1;
    }
    return 0;
}

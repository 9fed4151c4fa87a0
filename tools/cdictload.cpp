// cdictload FILE   reads a dictionary-text file into a temporary dictionary
//                  and reports how many entries, fine parts of speech and
//                  paraphrases it holds, or the first line it cannot read
// Exit 1 when the text cannot be read, 2 for usage.
#include <cstdio>
#include <fstream>

#include "engine/compiled/dictionary_text.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_errors.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cdictload FILE\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cdictload: cannot open %s\n", argv[1]);
        return 1;
    }
    try {
        Dictionary_EX const dictionary = ReadDictionaryText(in);
        unsigned long entries = 0, finePOSes = 0, paraphrases = 0;
        for (auto it = dictionary.GetEntryIterator_start(); !it.IsAtEnd(); ++it, ++entries) {
            for (ForwardIterator<FinePOS_EX> fp = (*it).GetFinePOSIterator(); !fp.IsAtEnd(); ++fp, ++finePOSes) {
                if ((*fp).IsACF()) continue;
                for (ForwardIterator<Paraphrase_EX> pp = (*fp).GetParaphraseIterator(); !pp.IsAtEnd(); ++pp)
                    ++paraphrases;
            }
        }
        std::printf("%lu entries, %lu fine parts of speech, %lu paraphrases\n", entries, finePOSes, paraphrases);
    } catch (DictionaryTextError const& error) {
        std::fprintf(stderr, "cdictload: %s: %s\n", argv[1], error.what());
        return 1;
    }
    return 0;
}

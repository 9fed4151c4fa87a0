// cdictcompile [--format 4.0|5.0] [--wide] [--sort LIST] [--utf8] TEXT OUT
//     reads the dictionary-text file TEXT and writes it as a compiled
//     dictionary into OUT, in format 4.0 unless --format says otherwise;
//     --wide writes wide feature-set blocks (format 4.0 only), --sort places
//     the entries of the headwords listed in LIST (one a line) first, --utf8
//     reads TEXT as UTF-8 instead of Shift-JIS.  A refused compilation leaves
//     OUT without a valid header.
// Exit 1 when the text or the compilation is refused, 2 for usage.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "engine/compiled/compiled_compiler.h"
#include "engine/compiled/dictionary_text.h"
#include "engine/foundation/file_errors.h"
#include "platform/text_recode.h"

namespace {

int Usage() {
    std::fprintf(stderr, "usage: cdictcompile [--format 4.0|5.0] [--wide] [--sort LIST] [--utf8] TEXT OUT\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    char const* format = "4.0";
    bool wide = false;
    bool utf8 = false;
    char const* sortList = nullptr;
    int arg = 1;
    for (; arg < argc && argv[arg][0] == '-' && argv[arg][1] == '-'; ++arg) {
        if (std::strcmp(argv[arg], "--wide") == 0) {
            wide = true;
        } else if (std::strcmp(argv[arg], "--utf8") == 0) {
            utf8 = true;
        } else if (std::strcmp(argv[arg], "--sort") == 0 && arg + 1 < argc) {
            sortList = argv[++arg];
        } else if (std::strcmp(argv[arg], "--format") == 0 && arg + 1 < argc) {
            format = argv[++arg];
        } else {
            return Usage();
        }
    }
    if (argc - arg != 2) return Usage();
    std::unique_ptr<CompiledFormatCompiler> compiler;
    if (std::strcmp(format, "4.0") == 0) {
        auto compiler40 = std::make_unique<Dictionary_EX_40Compiler>();
        compiler40->SetBug2001Flag(wide);
        compiler = std::move(compiler40);
    } else if (std::strcmp(format, "5.0") == 0 && !wide) {
        compiler = std::make_unique<Dictionary_EX_50Compiler>();
    } else {
        return Usage();
    }
    if (sortList != nullptr) {
        std::ifstream list(sortList);
        if (!list) {
            std::fprintf(stderr, "cdictcompile: cannot open %s\n", sortList);
            return 1;
        }
        compiler->SetSortEntriesByList(list);
    }
    std::ifstream in(argv[arg], std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cdictcompile: cannot open %s\n", argv[arg]);
        return 1;
    }
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (utf8 && !Recode("CP932", "UTF-8", text, &text)) {
        std::fprintf(stderr, "cdictcompile: %s: not UTF-8, or a character Shift-JIS lacks\n", argv[arg]);
        return 1;
    }
    std::istringstream source(text);
    try {
        CompileDictionaryFile(ReadDictionaryText(source), argv[arg + 1], *compiler);
    } catch (DictionaryTextError const& error) {
        std::fprintf(stderr, "cdictcompile: %s: %s\n", argv[arg], error.what());
        return 1;
    } catch (FileException const& error) {
        std::fprintf(stderr, "cdictcompile: %s: %s\n", argv[arg + 1], error.Message());
        return 1;
    }
    Dictionary_EX_Compiler_::Stats const stats = compiler->GetStats();
    std::printf("%u entries, %u bytes\n", stats.counters[Dictionary_EX_Compiler_::Stats::kEntries],
                stats.counters[Dictionary_EX_Compiler_::Stats::kFileSize]);
    return 0;
}

#pragma once
// Shared by the compiled-dictionary tests: temporary dictionaries written as
// dictionary text, scratch files, compiling into them and opening them again.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/compiled/compiled_compiler.h"
#include "engine/compiled/compiled_dictionary_40.h"
#include "engine/compiled/compiled_dictionary_50.h"
#include "engine/compiled/compiled_format.h"
#include "engine/compiled/dictionary_text.h"
#include "support/scratch_folder.h"

namespace compiled_test {

// A file path in a scratch folder of its own, removed with the object.
class ScratchFile {
public:
    explicit ScratchFile(std::string const& name = "dictionary.cdict") : fPath(fFolder / name) {}

    std::string const& Path() const { return fPath; }

private:
    ScratchFolder fFolder{"compiled_test"};
    std::string fPath;
};

inline Bytes ReadFileBytes(std::string const& path) {
    std::string const bytes = ReadWholeFile(path);
    return Bytes(bytes.begin(), bytes.end());
}

inline void WriteFileBytes(std::string const& path, Bytes const& bytes) {
    WriteWholeFile(path, std::string(bytes.begin(), bytes.end()));
}

// Compiles the source into path in format 4.0.
inline Dictionary_EX_Compiler_::Stats Compile40(Dictionary_EX const& source, std::string const& path,
                                                bool wideFeatures = false) {
    Dictionary_EX_40Compiler compiler;
    compiler.SetBug2001Flag(wideFeatures);
    CompileDictionaryFile(source, path, compiler);
    return compiler.GetStats();
}

// The compiled dictionary at path; it owns its descriptor.
inline Dictionary_EX Open40(std::string const& path) {
    int const fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    return Dictionary_EX_40Compiled(fd);
}

// Text -> temporary dictionary -> format 4.0 file at path -> reader.
inline Dictionary_EX CompileText40(std::string const& text, std::string const& path) {
    Compile40(DictionaryFromText(text), path);
    return Open40(path);
}

// One compiled format: how to write a dictionary in it and how to open it.
struct FormatKit {
    char const* name;
    CompiledFormatTraits const* traits;
    std::unique_ptr<CompiledFormatCompiler> (*makeCompiler)();
    Dictionary_EX (*open)(int fd);
};

inline std::vector<FormatKit> Formats() {
    return {
        {"Format40", &kFormat40Traits,
         [] { return std::unique_ptr<CompiledFormatCompiler>(new Dictionary_EX_40Compiler); },
         [](int fd) -> Dictionary_EX { return Dictionary_EX_40Compiled(fd); }},
        {"Format50", &kFormat50Traits,
         [] { return std::unique_ptr<CompiledFormatCompiler>(new Dictionary_EX_50Compiler); },
         [](int fd) -> Dictionary_EX { return Dictionary_EX_50Compiled(fd); }},
    };
}

// Compiles the source into path in the format, the entries of the sort list
// (one headword a line) first.
inline Dictionary_EX_Compiler_::Stats CompileAs(FormatKit const& format, Dictionary_EX const& source,
                                                std::string const& path, std::string const& sortList = "") {
    std::unique_ptr<CompiledFormatCompiler> compiler = format.makeCompiler();
    std::istringstream list(sortList);
    compiler->SetSortEntriesByList(list);
    CompileDictionaryFile(source, path, *compiler);
    return compiler->GetStats();
}

inline Dictionary_EX OpenAs(FormatKit const& format, std::string const& path) {
    int const fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) throw std::runtime_error("cannot open " + path);
    return format.open(fd);
}

// Text -> temporary dictionary -> file of the format at path -> reader.
inline Dictionary_EX CompileTextAs(FormatKit const& format, std::string const& text, std::string const& path) {
    CompileAs(format, DictionaryFromText(text), path);
    return OpenAs(format, path);
}

// A small dictionary touching every field: flags, features, weights,
// semantics, domains, a transplant and a conjugated-form chain across
// entries ("ran" and "runs" are forms of "run").
inline std::string const& SampleDictionaryText() {
    static std::string const text =
        "dictionary\tid=7\tdomains=technical,manual\n"
        "entry\tapple\n"
        "fpos\tpos=N\tidiom=0\tprimed=1\tquoted=0\thidden=0\taltonly=0\tcannotbegin=1\tcannotend=0"
        "\tcannotbeginandend=0\tpvalue=-3\tfeatures0=abc\tfeatures1=\tfeatures2=____x\tweights=technical:10\n"
        "para\tid=1\tcooked={ringo}\traw=\tjpos=<<UNKNOWN>>\tpvalue=5\taltonly=0\tthey=1\ttransplant=t1"
        "\tdomains=media\tsem=3:human,-dospeak:nm:x\n"
        "para\tid=2\tcooked={ringo}\traw=\tjpos=<<UNKNOWN>>\tpvalue=0\taltonly=1\tthey=0\ttransplant=\tdomains="
        "\tsem=\n"
        "entry\tran\n"
        "fpos\tpos=VP\tidiom=0\tprimed=0\tquoted=0\thidden=0\taltonly=0\tcannotbegin=0\tcannotend=0"
        "\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1=\tfeatures2=\tweights=\tbase=3.1\n"
        "entry\trun\n"
        "fpos\tpos=VP\tidiom=0\tprimed=0\tquoted=0\thidden=0\taltonly=0\tcannotbegin=0\tcannotend=0"
        "\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1=\tfeatures2=\tweights=\tcfs=2.1,4.1\n"
        "para\tid=0\tcooked={hashi}ru\traw=\tjpos=<<UNKNOWN>>\tpvalue=0\taltonly=0\tthey=0\ttransplant=\tdomains="
        "\tsem=\n"
        "entry\truns\n"
        "fpos\tpos=VP\tidiom=0\tprimed=0\tquoted=0\thidden=0\taltonly=0\tcannotbegin=0\tcannotend=0"
        "\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1=\tfeatures2=\tweights=\tbase=3.1\n"
        "entry\tU.S.A.\n"
        "fpos\tpos=N\tidiom=4\tprimed=0\tquoted=0\thidden=0\taltonly=0\tcannotbegin=0\tcannotend=0"
        "\tcannotbeginandend=0\tpvalue=0\tfeatures0=\tfeatures1=\tfeatures2=\tweights=\n"
        "para\tid=0\tcooked={beikoku}\traw=\tjpos=<<UNKNOWN>>\tpvalue=0\taltonly=0\tthey=0\ttransplant=\tdomains="
        "\tsem=\n";
    return text;
}

}  // namespace compiled_test

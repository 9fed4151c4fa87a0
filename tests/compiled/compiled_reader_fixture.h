#pragma once
// What the compiled-dictionary reader tests share: small temporary
// dictionaries written in a compiled format and opened again, and the file
// patching the tests of damaged files need.  The tests run over every format
// in ReaderFormats(), so the same suite checks each compiled format's reader.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "engine/compiled/compiled_compiler.h"
#include "engine/compiled/compiled_format.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/pos_codes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "support/scratch_folder.h"

namespace compiled_reader_test {

using ReaderFormat = compiled_test::FormatKit;

inline std::vector<ReaderFormat> ReaderFormats() { return compiled_test::Formats(); }

inline void PrintTo(ReaderFormat const& format, std::ostream* out) { *out << format.name; }

inline std::string FormatName(testing::TestParamInfo<ReaderFormat> const& info) { return info.param.name; }

// One reading of a source dictionary: a headword with one fine part of
// speech and one paraphrase.  Readings of one headword go to one entry.
struct Reading {
    std::string headword;
    POS_E_Source pos = kCatN;
    std::string cooked = "{x}";
};

inline Dictionary_EX MakeSource(std::vector<Reading> const& readings) {
    Dictionary_EX_Temporary source;
    for (Reading const& reading : readings) {
        // Lookups ignore case; an entry is its exact spelling.
        auto found = source.Lookup(reading.headword, nullptr);
        while (!found.IsAtEnd() && (*found).GetSrcText() != reading.headword) ++found;
        Entry_EX entry = found.IsAtEnd() ? source.CreateNewEntry(reading.headword) : *found;
        FinePOS_EX finePOS = entry.CreateNewFinePOS();
        finePOS.SetFinePOS(reading.pos);
        finePOS.CreateNewParaphrase().SetCookedTranslation(reading.cooked);
    }
    return source;
}

// Overwrites bytes of the file in place.
inline void Patch(std::string const& path, uint64_t offset, Bytes const& bytes) {
    std::string file = ReadWholeFile(path);
    file.replace(offset, bytes.size(), reinterpret_cast<char const*>(bytes.data()), bytes.size());
    WriteWholeFile(path, file);
}

// Counts the lookups' hints that longer headwords may exist.
struct CountingCallback : MaybeAnyLongerCallback {
    void FoundOne() override { ++calls; }
    int GetCoreSpeed() override { return 0; }
    int calls = 0;
};

inline std::vector<std::string> Headwords(ForwardIterator<Entry_EX> it) {
    std::vector<std::string> seen;
    for (; !it.IsAtEnd(); ++it) seen.push_back((*it).GetSrcText());
    return seen;
}

// A test over each format, with a folder of its own for files.
class CompiledReaderTest : public testing::TestWithParam<ReaderFormat> {
protected:
    ReaderFormat const& Format() const { return GetParam(); }
    std::string PathOf(std::string const& name) const { return fFolder / name; }

    // The source compiled to a file of this name.
    std::string CompileFile(Dictionary_EX const& source, std::string const& name = "dictionary") {
        std::string const path = PathOf(name);
        compiled_test::CompileAs(Format(), source, path);
        return path;
    }
    Dictionary_EX Open(std::string const& path) const { return Format().open(::open(path.c_str(), O_RDONLY)); }
    Dictionary_EX Compiled(std::vector<Reading> const& readings) { return Open(CompileFile(MakeSource(readings))); }

    CompiledHeader HeaderOf(std::string const& path) const {
        std::string const bytes = ReadWholeFile(path);
        return DecodeCompiledHeader(ByteView(reinterpret_cast<uint8_t const*>(bytes.data()), bytes.size()),
                                    *Format().traits);
    }

private:
    ScratchFolder fFolder{"compiled_reader_test"};
};

}  // namespace compiled_reader_test

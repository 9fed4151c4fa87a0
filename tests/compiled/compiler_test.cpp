// The compilers of both formats: placement, sharing, and the compilations
// they refuse.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/temporary_dictionary.h"
#include "support/faulty_file_system.h"

namespace {

using compiled_test::FormatKit;
using compiled_test::ScratchFile;
using Stats = Dictionary_EX_Compiler_::Stats;

class CompilerTest : public testing::TestWithParam<FormatKit> {
protected:
    FormatKit const& Format() const { return GetParam(); }
    bool Is40() const { return Format().traits == &kFormat40Traits; }
    Stats Compile(Dictionary_EX const& source, std::string const& path, std::string const& sortList = "") const {
        return compiled_test::CompileAs(Format(), source, path, sortList);
    }
    Dictionary_EX Open(std::string const& path) const { return compiled_test::OpenAs(Format(), path); }
    Dictionary_EX CompileText(std::string const& text, std::string const& path) const {
        return compiled_test::CompileTextAs(Format(), text, path);
    }
    CompiledHeader HeaderOf(std::string const& path) const {
        return DecodeCompiledHeader(ByteView(compiled_test::ReadFileBytes(path)), *Format().traits);
    }
};

// The number of entries in the folder of path.
std::size_t FilesBeside(std::string const& path) {
    std::size_t count = 0;
    for (auto const& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path())) {
        (void)entry;
        ++count;
    }
    return count;
}

std::string Paraphrases(int count) {
    std::string text = "entry\tmany\nfpos\tpos=N\n";
    for (int i = 0; i < count; ++i) text += "para\tid=" + std::to_string(i) + "\tcooked={a}\n";
    return text;
}

std::string FinePOSes(int count) {
    std::string text = "entry\tmany\n";
    for (int i = 0; i < count; ++i) text += "fpos\tpos=N\tpvalue=" + std::to_string(i) + "\n";
    return text;
}

TEST_P(CompilerTest, RefusedCompilationLeavesTheOldDictionaryWhole) {
    struct Case {
        char const* what;
        std::string text;
        char const* named;  // in the message
    };
    std::vector<Case> cases = {
        {"string of 256 bytes", "entry\tw\nfpos\tpos=N\npara\tcooked=" + std::string(256, 'a') + "\n", "\"w\""},
        {"64 paraphrases", Paraphrases(64), "\"many\""},
        {"one fine part of speech too many", FinePOSes(Format().traits->maxFinePOSCount + 1), "\"many\""},
    };
    if (Is40()) {
        cases.push_back(
            {"paraphrase domain beyond 58", "entry\tw\nfpos\tpos=N\npara\tcooked={a}\tdomains=#59\n", "\"w\""});
        cases.push_back({"dictionary domain beyond 58", "dictionary\tid=1\tdomains=#80\nentry\tw\n", "domains"});
    }
    for (Case const& c : cases) {
        ScratchFile file;
        // A valid, longer dictionary is there before.
        CompileText(compiled_test::SampleDictionaryText(), file.Path());
        Bytes const before = compiled_test::ReadFileBytes(file.Path());
        Dictionary_EX const source = DictionaryFromText(c.text);
        try {
            Compile(source, file.Path());
            ADD_FAILURE() << c.what << " was compiled";
        } catch (CorruptDictionary const& error) {
            EXPECT_NE(std::string(error.Message()).find(c.named), std::string::npos)
                << c.what << ": " << error.Message();
        }
        EXPECT_EQ(compiled_test::ReadFileBytes(file.Path()), before) << c.what;
        EXPECT_EQ(FilesBeside(file.Path()), 1u) << c.what;
    }
}

// Overwriting a dictionary: the new one is written beside it and renamed
// over it only when whole, so a compilation whose write, truncate, sync or
// rename fails reports it and leaves the old dictionary whole and nothing
// else behind; a reader that had the old one open keeps reading it.
TEST_P(CompilerTest, AFailedWriteTruncateSyncOrRenameIsReportedAndLeavesTheOldDictionary) {
    using Call = FaultyFileSystem::Call;
    struct Case {
        char const* what;
        Call call;
        int n;
    };
    Case const cases[] = {
        {"zeroing the header", Call::kWrite, 1}, {"syncing the zeroed header", Call::kSync, 1},
        {"writing the body", Call::kWrite, 2},   {"cutting to length", Call::kTruncate, 1},
        {"syncing the body", Call::kSync, 2},    {"writing the header", Call::kWrite, 3},
        {"syncing the header", Call::kSync, 3},  {"renaming it into place", Call::kRename, 1},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFile file;
        Dictionary_EX const reader = CompileText(compiled_test::SampleDictionaryText(), file.Path());
        Bytes const before = compiled_test::ReadFileBytes(file.Path());
        Dictionary_EX const source = DictionaryFromText("entry\tzebra\nfpos\tpos=N\n");
        {
            FaultyFileSystem files;
            files.FailAt(c.call, c.n, EIO);
            EXPECT_THROW(Compile(source, file.Path()), FileException);
            EXPECT_EQ(files.Count(c.call), c.n);
        }
        EXPECT_EQ(compiled_test::ReadFileBytes(file.Path()), before);
        EXPECT_EQ(FilesBeside(file.Path()), 1u);
    }
}

TEST_P(CompilerTest, AReaderOfTheOldDictionaryKeepsItsEntriesWhenItIsRecompiled) {
    ScratchFile file;
    Dictionary_EX const reader = CompileText("entry\tapple\nfpos\tpos=N\n", file.Path());
    Compile(DictionaryFromText("entry\tzebra\nfpos\tpos=N\n"), file.Path());
    EXPECT_FALSE(reader.Lookup("apple", nullptr).IsAtEnd());
    EXPECT_TRUE(Open(file.Path()).Lookup("apple", nullptr).IsAtEnd());
    EXPECT_FALSE(Open(file.Path()).Lookup("zebra", nullptr).IsAtEnd());
}

TEST_P(CompilerTest, AcceptsTheLargestCountsTheFormatHolds) {
    ScratchFile file;
    unsigned const most = Format().traits->maxFinePOSCount;
    Dictionary_EX const compiled = CompileText(Paraphrases(63) + FinePOSes(static_cast<int>(most)), file.Path());
    auto entries = compiled.Lookup("many", nullptr);
    EXPECT_EQ((*entries).GetFinePOSCount() + (*++entries).GetFinePOSCount(), most + 1);
}

TEST_P(CompilerTest, ConjugatedFormWhoseBaseIsOutsideTheSourceIsRefusedByHeadword) {
    Dictionary_EX other = Dictionary_EX_Temporary();
    FinePOS_EX base = other.CreateNewEntry("go").CreateNewFinePOS();
    Dictionary_EX source = Dictionary_EX_Temporary();
    source.CreateNewEntry("went").CreateNewFinePOS().SetBaseForm(base);
    ScratchFile file;
    try {
        Compile(source, file.Path());
        ADD_FAILURE() << "compiled";
    } catch (CorruptDictionary const& error) {
        EXPECT_NE(std::string(error.Message()).find("\"went\""), std::string::npos) << error.Message();
    }
    EXPECT_FALSE(std::filesystem::exists(file.Path()));
}

TEST_P(CompilerTest, OverwritingALongerFileCutsItToTheNewLength) {
    ScratchFile file;
    compiled_test::WriteFileBytes(file.Path(), Bytes(100000, 0x77));
    Stats const stats = Compile(DictionaryFromText("entry\ta\nfpos\tpos=N\n"), file.Path());
    EXPECT_EQ(compiled_test::ReadFileBytes(file.Path()).size(), stats.counters[Stats::kFileSize]);
    EXPECT_LT(stats.counters[Stats::kFileSize], 1000u);
}

TEST_P(CompilerTest, EntryReachedByEveryPassIsWrittenOnceWhereTheFirstPutIt) {
    ScratchFile file;
    Dictionary_EX const source = DictionaryFromText("entry\tapple\nfpos\tpos=N\nentry\tzebra\nfpos\tpos=N\n");
    Stats const stats = Compile(source, file.Path(), "zebra\nzebra\n");
    EXPECT_EQ(stats.counters[Stats::kEntries], 2u);
    CompiledHeader const header = HeaderOf(file.Path());
    EXPECT_EQ(header.entryCount, 2u);
    EXPECT_EQ(header.headwordCount, 2u);
    // The sort list placed "zebra" first: its record has the lower offset.
    Bytes const image = compiled_test::ReadFileBytes(file.Path());
    std::vector<uint32_t> const byHeadword = DecodeOffsetArray(
        ByteView(image.data() + header.headwordEntryTable, image.size() - header.headwordEntryTable), 2);
    EXPECT_GT(byHeadword[0], byHeadword[1]);
    EXPECT_EQ(stats.counters[Stats::kSortListEntries], 2u);
}

TEST_P(CompilerTest, IdiomIndexOnlyWithAlmightyIdioms) {
    ScratchFile plain;
    ScratchFile idioms("idioms.cdict");
    Compile(DictionaryFromText("entry\tU.S.A.\nfpos\tpos=N\tidiom=3\n"), plain.Path());
    Compile(DictionaryFromText("entry\tU.S.A.\nfpos\tpos=N\tidiom=4\n"), idioms.Path());
    EXPECT_EQ(HeaderOf(plain.Path()).idiomIndex, 0u);
    Bytes const image = compiled_test::ReadFileBytes(idioms.Path());
    IdiomIndex const index = DecodeIdiomIndex(ByteView(image.data() + HeaderOf(idioms.Path()).idiomIndex, 64));
    EXPECT_EQ(index[0].count, 2u);  // two inner periods
}

TEST_P(CompilerTest, IdenticalItemsAreWrittenOnce) {
    ScratchFile file;
    Stats const stats =
        Compile(DictionaryFromText("entry\ta\nfpos\tpos=N\tfeatures2=____\npara\tcooked={x}\tsem=1:human::\n"
                                   "entry\tb\nfpos\tpos=N\tfeatures2=____\npara\tcooked={x}\tsem=1:human::\n"),
                file.Path());
    EXPECT_EQ(stats.counters[Stats::kFeatureBytesWritten], 303u);
    EXPECT_EQ(stats.counters[Stats::kFeatureBytesReused], 303u);
    EXPECT_EQ(stats.counters[Stats::kSemanticsBytesWritten], stats.counters[Stats::kSemanticsBytesReused]);
    EXPECT_GT(stats.counters[Stats::kItemsReused], 0u);
}

INSTANTIATE_TEST_SUITE_P(Formats, CompilerTest, testing::ValuesIn(compiled_test::Formats()),
                         [](testing::TestParamInfo<FormatKit> const& info) { return info.param.name; });

}  // namespace

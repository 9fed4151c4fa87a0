// The compilers of both formats: placement, sharing, and the compilations
// they refuse.
#include <gtest/gtest.h>

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

TEST_P(CompilerTest, RefusedCompilationLeavesNoReadableDictionary) {
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
        Dictionary_EX const source = DictionaryFromText(c.text);
        try {
            Compile(source, file.Path());
            ADD_FAILURE() << c.what << " was compiled";
        } catch (CorruptDictionary const& error) {
            EXPECT_NE(std::string(error.Message()).find(c.named), std::string::npos)
                << c.what << ": " << error.Message();
        }
        EXPECT_THROW(Open(file.Path()), CorruptDictionary) << c.what;
    }
}

// Overwriting a dictionary: the old header is zeroed and synced first, the
// new one written and synced last, so a compilation whose write, truncate or
// sync fails reports it and leaves the old dictionary whole, or no file a
// reader takes for a dictionary, or (the header in place) the new one.
TEST_P(CompilerTest, AFailedWriteTruncateOrSyncIsReportedAndLeavesNoHalfDictionary) {
    using Call = FaultyFileSystem::Call;
    enum class Left { kOld, kNothing, kNew };
    struct Case {
        char const* what;
        Call call;
        int n;
        Left left;
    };
    Case const cases[] = {
        {"zeroing the header", Call::kWrite, 1, Left::kOld},
        {"syncing the zeroed header", Call::kSync, 1, Left::kNothing},
        {"writing the body", Call::kWrite, 2, Left::kNothing},
        {"cutting to length", Call::kTruncate, 1, Left::kNothing},
        {"syncing the body", Call::kSync, 2, Left::kNothing},
        {"writing the header", Call::kWrite, 3, Left::kNothing},
        {"syncing the header", Call::kSync, 3, Left::kNew},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFile file;
        CompileText(compiled_test::SampleDictionaryText(), file.Path());
        uint32_t const oldHeadwords = HeaderOf(file.Path()).headwordCount;
        Dictionary_EX const source = DictionaryFromText("entry\tzebra\nfpos\tpos=N\n");
        {
            FaultyFileSystem files;
            files.FailAt(c.call, c.n, EIO);
            EXPECT_THROW(Compile(source, file.Path()), FileException);
            EXPECT_EQ(files.Count(c.call), c.n);
        }
        if (c.left == Left::kNothing) {
            EXPECT_THROW(Open(file.Path()), CorruptDictionary);
        } else {
            EXPECT_NO_THROW(Open(file.Path()));
            EXPECT_EQ(HeaderOf(file.Path()).headwordCount, c.left == Left::kOld ? oldHeadwords : 1u);
        }
    }
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
    EXPECT_THROW(Open(file.Path()), CorruptDictionary);
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

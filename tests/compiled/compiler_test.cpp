// The 4.0 compiler: placement, sharing, and the compilations it refuses.
#include <gtest/gtest.h>

#include <sstream>

#include "compiled/compiled_test_support.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/temporary_dictionary.h"

namespace {

using compiled_test::ScratchFile;
using Stats = Dictionary_EX_Compiler_::Stats;

CompiledHeader HeaderOf(std::string const& path) {
    return DecodeCompiledHeader(ByteView(compiled_test::ReadFileBytes(path)), kFormat40Traits);
}

std::string Paraphrases(int count) {
    std::string text = "entry\tmany\nfpos\tpos=N\n";
    for (int i = 0; i < count; ++i)
        text += "para\tid=" + std::to_string(i) + "\tcooked={a}\n";
    return text;
}

std::string FinePOSes(int count) {
    std::string text = "entry\tmany\n";
    for (int i = 0; i < count; ++i)
        text += "fpos\tpos=N\tpvalue=" + std::to_string(i) + "\n";
    return text;
}

TEST(CompilerTest, RefusedCompilationLeavesNoReadableDictionary) {
    struct Case {
        char const* what;
        std::string text;
        char const* named;  // in the message
    };
    Case const cases[] = {
        {"paraphrase domain beyond 58", "entry\tw\nfpos\tpos=N\npara\tcooked={a}\tdomains=#59\n", "\"w\""},
        {"dictionary domain beyond 58", "dictionary\tid=1\tdomains=#80\nentry\tw\n", "domains"},
        {"string of 256 bytes", "entry\tw\nfpos\tpos=N\npara\tcooked=" + std::string(256, 'a') + "\n", "\"w\""},
        {"64 paraphrases", Paraphrases(64), "\"many\""},
        {"255 fine parts of speech", FinePOSes(255), "\"many\""},
    };
    for (Case const& c : cases) {
        ScratchFile file;
        // A valid, longer dictionary is there before.
        compiled_test::CompileText40(compiled_test::SampleDictionaryText(), file.Path());
        Dictionary_EX const source = DictionaryFromText(c.text);
        try {
            compiled_test::Compile40(source, file.Path());
            ADD_FAILURE() << c.what << " was compiled";
        } catch (CorruptDictionary const& error) {
            EXPECT_NE(std::string(error.Message()).find(c.named), std::string::npos) << c.what << ": " << error.Message();
        }
        EXPECT_THROW(compiled_test::Open40(file.Path()), CorruptDictionary) << c.what;
    }
}

TEST(CompilerTest, AcceptsTheLargestCountsTheFormatHolds) {
    ScratchFile file;
    Dictionary_EX const compiled = compiled_test::CompileText40(Paraphrases(63) + FinePOSes(254), file.Path());
    auto entries = compiled.Lookup("many", nullptr);
    EXPECT_EQ((*entries).GetFinePOSCount() + (*++entries).GetFinePOSCount(), 255u);
}

TEST(CompilerTest, ConjugatedFormWhoseBaseIsOutsideTheSourceIsRefusedByHeadword) {
    Dictionary_EX other = Dictionary_EX_Temporary();
    FinePOS_EX base = other.CreateNewEntry("go").CreateNewFinePOS();
    Dictionary_EX source = Dictionary_EX_Temporary();
    source.CreateNewEntry("went").CreateNewFinePOS().SetBaseForm(base);
    ScratchFile file;
    try {
        compiled_test::Compile40(source, file.Path());
        ADD_FAILURE() << "compiled";
    } catch (CorruptDictionary const& error) {
        EXPECT_NE(std::string(error.Message()).find("\"went\""), std::string::npos) << error.Message();
    }
    EXPECT_THROW(compiled_test::Open40(file.Path()), CorruptDictionary);
}

TEST(CompilerTest, OverwritingALongerFileCutsItToTheNewLength) {
    ScratchFile file;
    compiled_test::WriteFileBytes(file.Path(), Bytes(100000, 0x77));
    Stats const stats = compiled_test::Compile40(DictionaryFromText("entry\ta\nfpos\tpos=N\n"), file.Path());
    EXPECT_EQ(compiled_test::ReadFileBytes(file.Path()).size(), stats.counters[Stats::kFileSize]);
    EXPECT_LT(stats.counters[Stats::kFileSize], 1000u);
}

TEST(CompilerTest, EntryReachedByEveryPassIsWrittenOnceWhereTheFirstPutIt) {
    ScratchFile file;
    Dictionary_EX_40Compiler compiler;
    std::istringstream list("zebra\nzebra\n");
    compiler.SetSortEntriesByList(list);
    Dictionary_EX const source = DictionaryFromText("entry\tapple\nfpos\tpos=N\nentry\tzebra\nfpos\tpos=N\n");
    CompileDictionaryFile(source, file.Path(), compiler);
    Stats const stats = compiler.GetStats();
    EXPECT_EQ(stats.counters[Stats::kEntries], 2u);
    CompiledHeader const header = HeaderOf(file.Path());
    EXPECT_EQ(header.entryCount, 2u);
    EXPECT_EQ(header.headwordCount, 2u);
    // The sort list placed "zebra" first: its record has the lower offset.
    Bytes const image = compiled_test::ReadFileBytes(file.Path());
    std::vector<uint32_t> const byHeadword =
        DecodeOffsetArray(ByteView(image.data() + header.headwordEntryTable, image.size() - header.headwordEntryTable), 2);
    EXPECT_GT(byHeadword[0], byHeadword[1]);
    EXPECT_EQ(stats.counters[Stats::kSortListEntries], 2u);
}

TEST(CompilerTest, IdiomIndexOnlyWithAlmightyIdioms) {
    ScratchFile plain;
    ScratchFile idioms("idioms.cdict");
    compiled_test::Compile40(DictionaryFromText("entry\tU.S.A.\nfpos\tpos=N\tidiom=3\n"), plain.Path());
    compiled_test::Compile40(DictionaryFromText("entry\tU.S.A.\nfpos\tpos=N\tidiom=4\n"), idioms.Path());
    EXPECT_EQ(HeaderOf(plain.Path()).idiomIndex, 0u);
    Bytes const image = compiled_test::ReadFileBytes(idioms.Path());
    IdiomIndex const index = DecodeIdiomIndex(ByteView(image.data() + HeaderOf(idioms.Path()).idiomIndex, 64));
    EXPECT_EQ(index[0].count, 2u);  // two inner periods
}

TEST(CompilerTest, IdenticalItemsAreWrittenOnce) {
    ScratchFile file;
    Stats const stats = compiled_test::Compile40(
        DictionaryFromText("entry\ta\nfpos\tpos=N\tfeatures2=____\npara\tcooked={x}\tsem=1:human::\n"
                           "entry\tb\nfpos\tpos=N\tfeatures2=____\npara\tcooked={x}\tsem=1:human::\n"),
        file.Path());
    EXPECT_EQ(stats.counters[Stats::kFeatureBytesWritten], 303u);
    EXPECT_EQ(stats.counters[Stats::kFeatureBytesReused], 303u);
    EXPECT_EQ(stats.counters[Stats::kSemanticsBytesWritten], stats.counters[Stats::kSemanticsBytesReused]);
    EXPECT_GT(stats.counters[Stats::kItemsReused], 0u);
}

}  // namespace

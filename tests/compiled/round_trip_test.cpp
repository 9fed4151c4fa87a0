// Text -> temporary dictionary -> format 4.0 -> reader -> text.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "compiled/compiled_test_support.h"
#include "cp932.h"
#include "engine/foundation/entry.h"

namespace {

using compiled_test::CompileText40;
using compiled_test::ScratchFile;

// The printer's own form of the sample: what every round trip must give back.
std::string CanonicalSample() { return DictionaryToText(DictionaryFromText(compiled_test::SampleDictionaryText())); }

TEST(RoundTripTest, TextIsAFixedPointOfLoadingAndPrinting) {
    std::string const canonical = CanonicalSample();
    EXPECT_EQ(DictionaryToText(DictionaryFromText(canonical)), canonical);
}

TEST(RoundTripTest, CompiledDictionaryPrintsAsItsSourceText) {
    ScratchFile file;
    std::string const canonical = CanonicalSample();
    EXPECT_EQ(DictionaryToText(CompileText40(canonical, file.Path())), canonical);
}

TEST(RoundTripTest, JapaneseTextAndEscapesSurvive) {
    // 0x5C as a trail byte, a tab and a backslash inside texts.
    std::string const text = "dictionary\tid=3\tdomains=\n"
                              "entry\t" + EscapeText(CP932("表 table\\x")) + "\n"
                              "fpos\tpos=N\tfeatures0=" + EscapeText("a\tb") + "\n"
                              "para\tid=0\tcooked=" + EscapeText(CP932("{表}")) + "\ttransplant=" +
                              EscapeText(CP932("ソ\\")) + "\n";
    ScratchFile file;
    std::string const canonical = DictionaryToText(DictionaryFromText(text));
    EXPECT_NE(canonical.find(CP932("表 table")), std::string::npos);
    EXPECT_EQ(DictionaryToText(CompileText40(canonical, file.Path())), canonical);
}

TEST(RoundTripTest, RecompilingACompiledFileGivesTheSameDumpWithoutDuplicates) {
    ScratchFile first;
    ScratchFile second("again.cdict");
    std::string const canonical = CanonicalSample();
    Dictionary_EX const compiled = CompileText40(canonical, first.Path());
    Dictionary_EX_40Compiler compiler;
    std::istringstream sortList("run\nU.S.A.\n");
    compiler.SetSortEntriesByList(sortList);
    CompileDictionaryFile(compiled, second.Path(), compiler);
    Dictionary_EX const again = compiled_test::Open40(second.Path());

    EXPECT_EQ(DictionaryToText(again), canonical);
    EXPECT_EQ(compiler.GetStats().counters[Dictionary_EX_Compiler_::Stats::kEntries], 5u);
    std::set<std::string> headwords;
    unsigned long count = 0;
    for (auto it = again.GetEntryIterator_start(); !it.IsAtEnd(); ++it, ++count)
        headwords.insert((*it).GetSrcText());
    EXPECT_EQ(count, headwords.size());
    EXPECT_EQ(count, 5u);
}

TEST(RoundTripTest, ConjugatedFormChainAcrossEntriesReadsBack) {
    ScratchFile file;
    Dictionary_EX const compiled = CompileText40(compiled_test::SampleDictionaryText(), file.Path());
    Entry_EX const runs = *compiled.Lookup("runs", nullptr);
    FinePOS_EX const form = runs.GetIthFinePOS(0);
    ASSERT_TRUE(form.IsACF());
    EXPECT_EQ(form.GetBaseForm().GetEntry().GetSrcText(), "run");
    // The form's paraphrases are its base form's.
    EXPECT_EQ((*form.GetParaphraseIterator()).GetCookedTranslation(), "{hashi}ru");
}

TEST(RoundTripTest, SharedCookedStringsAreStoredOnce) {
    ScratchFile file;
    Dictionary_EX const source = DictionaryFromText(compiled_test::SampleDictionaryText());
    compiled_test::Compile40(source, file.Path());
    Bytes const image = compiled_test::ReadFileBytes(file.Path());
    std::string const bytes(image.begin(), image.end());
    std::string const cooked = std::string("{ringo}") + '\0';
    std::size_t const first = bytes.find(cooked);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(bytes.find(cooked, first + 1), std::string::npos);
}

}  // namespace

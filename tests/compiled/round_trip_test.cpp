// Text -> temporary dictionary -> compiled file (each format) -> reader -> text.
#include <gtest/gtest.h>

#include <set>

#include "compiled/compiled_test_support.h"
#include "cp932.h"
#include "engine/foundation/entry.h"

namespace {

using compiled_test::CompileTextAs;
using compiled_test::FormatKit;
using compiled_test::ScratchFile;

// The printer's own form of the sample: what every round trip must give back.
std::string CanonicalSample() { return DictionaryToText(DictionaryFromText(compiled_test::SampleDictionaryText())); }

TEST(RoundTripTest, TextIsAFixedPointOfLoadingAndPrinting) {
    std::string const canonical = CanonicalSample();
    EXPECT_EQ(DictionaryToText(DictionaryFromText(canonical)), canonical);
}

class FormatRoundTripTest : public testing::TestWithParam<FormatKit> {
protected:
    FormatKit const& Format() const { return GetParam(); }
};

TEST_P(FormatRoundTripTest, CompiledDictionaryPrintsAsItsSourceText) {
    ScratchFile file;
    std::string const canonical = CanonicalSample();
    EXPECT_EQ(DictionaryToText(CompileTextAs(Format(), canonical, file.Path())), canonical);
}

TEST_P(FormatRoundTripTest, JapaneseTextAndEscapesSurvive) {
    // 0x5C as a trail byte, a tab and a backslash inside texts.
    std::string const text =
        "dictionary\tid=3\tdomains=\n"
        "entry\t" +
        EscapeText(CP932("表 table\\x")) +
        "\n"
        "fpos\tpos=N\tfeatures0=" +
        EscapeText("a\tb") +
        "\n"
        "para\tid=0\tcooked=" +
        EscapeText(CP932("{表}")) + "\ttransplant=" + EscapeText(CP932("ソ\\")) + "\n";
    ScratchFile file;
    std::string const canonical = DictionaryToText(DictionaryFromText(text));
    EXPECT_NE(canonical.find(CP932("表 table")), std::string::npos);
    EXPECT_EQ(DictionaryToText(CompileTextAs(Format(), canonical, file.Path())), canonical);
}

// Into each format from each format.
TEST_P(FormatRoundTripTest, RecompilingACompiledFileGivesTheSameDumpWithoutDuplicates) {
    for (FormatKit const& target : compiled_test::Formats()) {
        SCOPED_TRACE(target.name);
        ScratchFile first;
        ScratchFile second("again.cdict");
        std::string const canonical = CanonicalSample();
        Dictionary_EX const compiled = CompileTextAs(Format(), canonical, first.Path());
        Dictionary_EX_Compiler_::Stats const stats =
            compiled_test::CompileAs(target, compiled, second.Path(), "run\nU.S.A.\n");
        Dictionary_EX const again = compiled_test::OpenAs(target, second.Path());

        EXPECT_EQ(DictionaryToText(again), canonical);
        EXPECT_EQ(stats.counters[Dictionary_EX_Compiler_::Stats::kEntries], 5u);
        std::set<std::string> headwords;
        unsigned long count = 0;
        for (auto it = again.GetEntryIterator_start(); !it.IsAtEnd(); ++it, ++count)
            headwords.insert((*it).GetSrcText());
        EXPECT_EQ(count, headwords.size());
        EXPECT_EQ(count, 5u);
    }
}

TEST_P(FormatRoundTripTest, ConjugatedFormChainAcrossEntriesReadsBack) {
    ScratchFile file;
    Dictionary_EX const compiled = CompileTextAs(Format(), compiled_test::SampleDictionaryText(), file.Path());
    Entry_EX const runs = *compiled.Lookup("runs", nullptr);
    FinePOS_EX const form = runs.GetIthFinePOS(0);
    ASSERT_TRUE(form.IsACF());
    EXPECT_EQ(form.GetBaseForm().GetEntry().GetSrcText(), "run");
    // The form's paraphrases are its base form's.
    EXPECT_EQ((*form.GetParaphraseIterator()).GetCookedTranslation(), "{hashi}ru");
}

TEST_P(FormatRoundTripTest, SharedCookedStringsAreStoredOnce) {
    ScratchFile file;
    Dictionary_EX const source = DictionaryFromText(compiled_test::SampleDictionaryText());
    compiled_test::CompileAs(Format(), source, file.Path());
    Bytes const image = compiled_test::ReadFileBytes(file.Path());
    std::string const bytes(image.begin(), image.end());
    std::string const cooked = std::string("{ringo}") + '\0';
    std::size_t const first = bytes.find(cooked);
    ASSERT_NE(first, std::string::npos);
    EXPECT_EQ(bytes.find(cooked, first + 1), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatRoundTripTest, testing::ValuesIn(compiled_test::Formats()),
                         [](testing::TestParamInfo<FormatKit> const& info) { return info.param.name; });

}  // namespace

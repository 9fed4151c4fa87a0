// The core lexicon the build compiles: current with its source, readable by
// the grammar, and found through the rewriting composite in its inflected
// forms.
#include "engine/compiled/core_lexicon.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/feature_tables.h"
#include "engine/parse/pseudo_words.h"
#include "platform/text_recode.h"

namespace {

using namespace compiled_test;

std::string const kSourceText = std::string(TEST_DATA_DIR) + "/../../data/lexicon/core.txt";

Dictionary_EX OpenCoreLexicon() {
    int const fd = open(CoreLexiconPath().c_str(), O_RDONLY);
    if (fd < 0) throw std::runtime_error("no core lexicon at " + CoreLexiconPath());
    return Dictionary_EX_50Compiled(fd);
}

std::vector<FinePOS_EX> FinePOSes(Entry_EX const& entry) {
    std::vector<FinePOS_EX> all;
    for (ForwardIterator<FinePOS_EX> it = entry.GetFinePOSIterator(); !it.IsAtEnd(); ++it) all.push_back(*it);
    return all;
}

TEST(CoreLexiconTest, TheBuildsDictionaryIsItsSourceCompiled) {
    std::string shiftJIS;
    ASSERT_TRUE(Recode("CP932", "UTF-8", ReadWholeFile(kSourceText), &shiftJIS));
    ScratchFile fresh;
    Dictionary_EX_50Compiler compiler;
    std::istringstream in(shiftJIS);
    CompileDictionaryFile(ReadDictionaryText(in), fresh.Path(), compiler);
    EXPECT_TRUE(ReadFileBytes(fresh.Path()) == ReadFileBytes(CoreLexiconPath()))
        << CoreLexiconPath() << " is not data/lexicon/core.txt compiled: rebuild";
}

// Every reading's feature strings are ones the grammar reads without a
// complaint, and every reading has a named category.
TEST(CoreLexiconTest, EveryReadingFitsTheGrammar) {
    Dictionary_EX const lexicon = OpenCoreLexicon();
    int readings = 0;
    for (auto it = lexicon.GetEntryIterator_start(); !it.IsAtEnd(); ++it) {
        for (FinePOS_EX const& finePOS : FinePOSes(*it)) {
            std::string const what = (*it).GetSrcText() + " " + FormatEnglishPOS(finePOS.GetFinePOS());
            EXPECT_NE(FormatEnglishPOS(finePOS.GetFinePOS())[0], '#') << what;
            FeatureSets_E_Source const sets = finePOS.GetFeatureSets();
            std::string text;
            for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) text += std::string(sets.GetSet(i)) + '\0';
            text += '\0';
            gErrBuf[0] = '\0';
            unsigned short bits[kMaxFeatureVectorWords] = {};
            FeatureSetsToBits(bits, finePOS.GetFinePOS(), text.c_str());
            EXPECT_STREQ(gErrBuf, "") << what;
            ++readings;
        }
    }
    EXPECT_GT(readings, 400);
}

// What one lookup through the rewriting composite reaches: each entry's
// original headword, the headwords of its readings' base forms, and the
// readings' categories.
struct Reached {
    std::set<std::string> headwords;
    std::set<std::string> bases;
    std::set<std::string> categories;
};

Reached LookUp(RewritingCompositeDictionary_XX const& composite, std::string const& text) {
    Reached reached;
    for (ForwardIterator<Entry_EX> it = composite.Lookup(text, nullptr); !it.IsAtEnd(); ++it) {
        Entry_EX const original = composite.GetRep()->MapToOriginal(*it);
        reached.headwords.insert(original.GetSrcText());
        for (FinePOS_EX const& finePOS : FinePOSes(original)) {
            reached.bases.insert(finePOS.GetBaseForm().GetEntry().GetSrcText());
            reached.categories.insert(FormatEnglishPOS(finePOS.GetFinePOS()));
        }
    }
    return reached;
}

TEST(CoreLexiconTest, WordsAndTheirFormsAreFoundThroughTheRewritingComposite) {
    struct Case {
        char const* text;
        char const* base;  // the headword of the base reading reached
        char const* category;
    };
    Case const cases[] = {
        // Irregular forms are stored and lead to their base reading.
        {"went", "go", "VI01"},
        {"children", "child", "N"},
        {"is", "be", "BE"},
        {"better", "good", "ADJ"},
        {"met", "meet", "VT01"},
        {"could", "can", "AUXCAN"},
        // Regular ones come from morphology.
        {"dogs", "dog", "N"},
        {"walked", "walk", "VI01"},
        {"meets", "meet", "VT01"},
        // Words of several words, function words and pseudo-words.
        {"in front of", "in front of", "PREP"},
        {"New York", "New York", "N"},
        {"New York Times", "New York Times", "N"},
        {"Bank of New York", "Bank of New York", "N"},
        {"him", "him", "PRN"},
        {"the", "the", "ART"},
        {"not", "not", "Not"},
        {"zxjPRDor0", "zxjPRDor0", "PERIOD"},
        {"zxjCLOSEQ", "zxjCLOSEQ", "CLOSEQ"},
        {"zxjCOLON_NOSPACE", "zxjCOLON_NOSPACE", "COLON"},
        {",", ",", "COMMA"},
    };
    RewritingCompositeDictionary_XX composite{std::vector<Dictionary_EX>{OpenCoreLexicon()}};
    composite.GetRep()->SetAllowReverseEntryMapping(true);
    for (Case const& c : cases) {
        Reached const reached = LookUp(composite, c.text);
        EXPECT_EQ(reached.bases.count(c.base), 1u) << c.text;
        EXPECT_EQ(reached.categories.count(c.category), 1u) << c.text;
    }
    // Words the synthetic readings are for stay out.
    for (char const* absent : {"glorb", "NASA", "1999"}) EXPECT_TRUE(LookUp(composite, absent).headwords.empty());
}

// Every text the preparser gives the parser for punctuation and layout is a
// word of the lexicon.
TEST(CoreLexiconTest, HoldsTheWordsThePreparserMakes) {
    Dictionary_EX const lexicon = OpenCoreLexicon();
    std::vector<char const*> texts(pseudo_words::kAll.begin(), pseudo_words::kAll.end());
    texts.insert(texts.end(), pseudo_words::kPunctuation.begin(), pseudo_words::kPunctuation.end());
    texts.insert(texts.end(), pseudo_words::kClockSuffixes.begin(), pseudo_words::kClockSuffixes.end());
    for (char const* text : texts) EXPECT_FALSE(lexicon.Lookup(text, nullptr).IsAtEnd()) << text;
}

// "depend" has a reading that needs "on" (named by its third feature set)
// and one that needs nothing; the preposition names itself in its first.
TEST(CoreLexiconTest, ReadingsNameThePrepositionsTheyNeed) {
    Dictionary_EX const lexicon = OpenCoreLexicon();
    std::vector<std::string> needed;
    for (FinePOS_EX const& finePOS : FinePOSes(*lexicon.Lookup("depend", nullptr)))
        needed.push_back(finePOS.GetFeatureSets().GetSet(2));
    std::sort(needed.begin(), needed.end());
    EXPECT_EQ(needed, (std::vector<std::string>{"", "on"}));
    EXPECT_STREQ(FinePOSes(*lexicon.Lookup("on", nullptr)).front().GetFeatureSets().GetSet(0), "on");
    EXPECT_STREQ(FinePOSes(*lexicon.Lookup("in front of", nullptr)).front().GetFeatureSets().GetSet(0), "in_front_of");
}

}  // namespace

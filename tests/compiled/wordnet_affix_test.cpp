// The suffix rule set checked against WordNet: with WordNet's noun lemmas in
// a dictionary, the irregular plurals of its exception list that follow the
// "lf" -> "lves" and "sis" -> "ses" rows must be found from their singular.
// Counts are printed so the test log shows how much of the list was covered.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unordered_set>

#include "compiled/affix_test_support.h"
#include "compiled/wordnet_exceptions.h"

using namespace affix_test;

namespace {

bool EndsWith(std::string const& s, std::string const& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The one-word lemmas of index.noun (its first field; header lines begin
// with blanks).
std::unordered_set<std::string> ReadNounLemmas() {
    std::unordered_set<std::string> lemmas;
    std::ifstream in(std::string(kWordNetDir) + "/index.noun");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == ' ') continue;
        std::string const lemma = line.substr(0, line.find(' '));
        if (lemma.find('_') == std::string::npos) lemmas.insert(lemma);
    }
    return lemmas;
}

class WordNetAffixTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!WordNetInstalled()) return;
        sLemmas = new std::unordered_set<std::string>(ReadNounLemmas());
        Dictionary_EX_Temporary nouns;
        nouns.SetID(kSystemDictionaryID);
        for (std::string const& lemma : *sLemmas)
            AddReading(nouns, {lemma, "N", "{" + lemma + "}", kCountableNounFeatures});
        RewriteRuleSetMakers makers;
        makers.suffix = &MakeSuffixRuleSet;
        sDictionary = new RewritingDictionary_EX(nouns, makers);
    }
    static void TearDownTestSuite() {
        delete sDictionary;
        delete sLemmas;
        sDictionary = nullptr;
        sLemmas = nullptr;
    }
    void SetUp() override {
        if (!WordNetInstalled()) GTEST_SKIP() << "WordNet not installed in " << kWordNetDir;
    }

    // Checks every pair "Xplural" <- "Xsingular" of noun.exc whose singular is
    // a lemma and whose plural is not (a plural found as written needs no
    // rule).  Prints and returns (matched, checked).
    static std::pair<int, int> CheckPlurals(std::string const& plural, std::string const& singular) {
        int checked = 0;
        int matched = 0;
        for (WordNetPair const& pair : ReadWordNetExceptions("noun.exc")) {
            if (!EndsWith(pair.inflected, plural) || !EndsWith(pair.base, singular)) continue;
            std::string const stem = pair.base.substr(0, pair.base.size() - singular.size());
            if (pair.inflected != stem + plural || !sLemmas->count(pair.base) || sLemmas->count(pair.inflected))
                continue;
            ++checked;
            bool derived = false;
            for (Entry_EX const& entry : LookupAll(*sDictionary, pair.inflected)) {
                if (entry.GetSrcText() != pair.inflected) continue;
                for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
                    for (ForwardIterator<Paraphrase_EX> pp = (*fp).GetParaphraseIterator(); !pp.IsAtEnd(); ++pp)
                        derived = derived || (*pp).GetCookedTranslation() == "{" + pair.base + "}";
                }
            }
            EXPECT_TRUE(derived) << pair.inflected << " from " << pair.base;
            matched += derived;
        }
        std::printf("%s %d/%d\n", plural.c_str(), matched, checked);
        return {matched, checked};
    }

    static std::unordered_set<std::string>* sLemmas;
    static RewritingDictionary_EX* sDictionary;
};

std::unordered_set<std::string>* WordNetAffixTest::sLemmas = nullptr;
RewritingDictionary_EX* WordNetAffixTest::sDictionary = nullptr;

}  // namespace

TEST_F(WordNetAffixTest, PluralsInLvesFoundFromLf) {
    auto const [matched, checked] = CheckPlurals("lves", "lf");
    EXPECT_GE(checked, 5);
    EXPECT_EQ(matched, checked);
}

TEST_F(WordNetAffixTest, PluralsInSesFoundFromSis) {
    auto const [matched, checked] = CheckPlurals("ses", "sis");
    EXPECT_GE(checked, 50);
    EXPECT_EQ(matched, checked);
}

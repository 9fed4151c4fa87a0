// The regular spelling rules checked against WordNet's exception lists,
// wherever a list's pair follows a rule the engine implements.  Counts are
// printed so the test log shows how much of the list was covered.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "compiled/respelling_test_support.h"
#include "compiled/wordnet_exceptions.h"
#include "engine/compiled/english_inflection.h"
#include "engine/compiled/suffix_pattern.h"

namespace {

bool EndsWith(std::string const& s, std::string const& suffix) {
    return s.size() >= suffix.size() && s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string Chop(std::string const& s, std::size_t n) { return s.substr(0, s.size() - n); }

bool Contains(std::vector<std::string> const& list, std::string const& s) {
    for (std::string const& item : list) {
        if (item == s) return true;
    }
    return false;
}

class WordNetMorphologyTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!WordNetInstalled()) GTEST_SKIP() << "WordNet exception lists not installed in " << kWordNetDir;
    }
};

// "carried" <- "carry": the past and past participle of "Xy" are "Xied".
TEST_F(WordNetMorphologyTest, PastOfConsonantYVerbs) {
    int checked = 0;
    int matched = 0;
    for (WordNetPair const& pair : ReadWordNetExceptions("verb.exc")) {
        if (!EndsWith(pair.inflected, "ied") || !EndsWith(pair.base, "y") ||
            Chop(pair.inflected, 3) != Chop(pair.base, 1))
            continue;
        ++checked;
        std::string const past = CreateInflectionWithoutDictionary(pair.base, kGrossPast);
        std::string const participle = CreateInflectionWithoutDictionary(pair.base, kGrossPastParticiple);
        EXPECT_EQ(past, pair.inflected) << pair.base;
        EXPECT_EQ(participle, pair.inflected) << pair.base;
        if (past == pair.inflected && participle == pair.inflected) ++matched;
    }
    std::printf("ied %d/%d\n", matched, checked);
    EXPECT_GT(checked, 200);
}

// "potatoes" <- "potato": the plural of "Xo" is "Xoes".
TEST_F(WordNetMorphologyTest, PluralOfNounsInO) {
    int checked = 0;
    int matched = 0;
    for (WordNetPair const& pair : ReadWordNetExceptions("noun.exc")) {
        if (!EndsWith(pair.inflected, "oes") || !EndsWith(pair.base, "o") || pair.inflected != pair.base + "es")
            continue;
        ++checked;
        std::string const plural = CreateInflectionWithoutDictionary(pair.base, kGrossPlural);
        EXPECT_EQ(plural, pair.inflected) << pair.base;
        if (plural == pair.inflected) ++matched;
    }
    std::printf("oes %d/%d\n", matched, checked);
    EXPECT_GT(checked, 50);
}

// "travelled"/"travelling" <- "travel": the respelling rewriter offers
// "traveled"/"traveling".  Its "-Vlled"/"-Vlling" rows need a stem of two
// letters before the vowel, which rules out three-letter bases.
TEST_F(WordNetMorphologyTest, DoubledLBecomesSingle) {
    std::vector<std::string> const tooShortStem = {"gelled", "gelling", "palled", "palling"};
    std::vector<std::string> skipped;
    int checked = 0;
    int offered = 0;
    for (WordNetPair const& pair : ReadWordNetExceptions("verb.exc")) {
        std::string const& base = pair.base;
        if (base.size() < 2 || !EndsWith(base, "l") || !IsVowel(base[base.size() - 2])) continue;
        for (char const* ending : {"ed", "ing"}) {
            if (pair.inflected != base + "l" + ending) continue;
            if (base.size() < 4) {
                skipped.push_back(pair.inflected);
                continue;
            }
            ++checked;
            bool const ok = Contains(RespellingsOf(pair.inflected.c_str()), base + ending);
            EXPECT_TRUE(ok) << pair.inflected << " -> " << base + ending;
            if (ok) ++offered;
        }
    }
    std::printf("doubled l %d/%d (stem too short: %zu)\n", offered, checked, skipped.size());
    EXPECT_EQ(skipped, tooShortStem);
    EXPECT_GT(checked, 200);
}

}  // namespace

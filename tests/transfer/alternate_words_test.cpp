// The alternate words of a translated word: the order they are offered in,
// which of two same-Japanese readings stays, and the set built over
// dictionaries.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/transfer/alt_duplicate_rules.h"
#include "engine/transfer/alt_sorter.h"

namespace {

// ---- Order ---------------------------------------------------------------------

// Best matches "for up" and "after"; keys that reach every step of the
// order, words not in any best match and lists that end early included.
struct SortFixture {
    SortFixture() : sorter(bestMatches) {
        for (auto const& [japanese, words] : std::vector<std::pair<char const*, char const*>>{{"", ""},
                                                                                              {"", "for"},
                                                                                              {"a", ""},
                                                                                              {"b", ""},
                                                                                              {"a", "for"},
                                                                                              {"b", "for"},
                                                                                              {"a", "up"},
                                                                                              {"a", "for up"},
                                                                                              {"b", "for up"},
                                                                                              {"a", "after"},
                                                                                              {"a", "over"},
                                                                                              {"b", "under"},
                                                                                              {"a", "for over"},
                                                                                              {"a", "for under"},
                                                                                              {"b", "up for"},
                                                                                              {"c", "over up"},
                                                                                              {"c", "under up"},
                                                                                              {"a", "after for"}})
            keys.push_back(sorter.MakeKey(japanese, SplitParticleWords(words)));
    }

    std::vector<BestMatch_t> bestMatches{{0, {"for", "up"}}, {1, {"after"}}};
    AltSorter sorter;
    std::vector<AltSortKey> keys;
};

std::string Shown(AltSortKey const& key) {
    std::string shown = "'" + key.japanese + "' [";
    for (std::string const& word : key.words) shown += word + " ";
    return shown + "]";
}

TEST(AltSorter, IsAStrictWeakOrderingOverEveryPairAndTriple) {
    SortFixture fixture;
    std::vector<AltSortKey> const& keys = fixture.keys;
    AltSorter const& sorter = fixture.sorter;
    for (AltSortKey const& a : keys) {
        EXPECT_EQ(sorter.Compare(a, a), 0) << Shown(a);
        for (AltSortKey const& b : keys) {
            EXPECT_EQ(sorter.Compare(a, b), -sorter.Compare(b, a)) << Shown(a) << " / " << Shown(b);
            for (AltSortKey const& c : keys) {
                if (sorter(a, b) && sorter(b, c)) {
                    EXPECT_TRUE(sorter(a, c)) << Shown(a) << Shown(b) << Shown(c);
                }
                if (sorter.Compare(a, b) == 0 && sorter.Compare(b, c) == 0) {
                    EXPECT_EQ(sorter.Compare(a, c), 0) << Shown(a) << Shown(b) << Shown(c);
                }
            }
        }
    }
}

TEST(AltSorter, OrdersByTheStepsInTurn) {
    SortFixture fixture;
    AltSorter const& sorter = fixture.sorter;
    auto key = [&](char const* japanese, char const* words) {
        return sorter.MakeKey(japanese, SplitParticleWords(words));
    };
    struct Case {
        AltSortKey a, b;
        int expected;
    } const cases[] = {
        {key("", ""), key("", "for"), 0},                   // two dropped entries are equal
        {key("b", ""), key("", ""), -1},                    // dropped last
        {key("b", "for"), key("a", ""), -1},                // particles first
        {key("a", ""), key("b", ""), -1},                   // without particles, by Japanese
        {key("a", ""), key("a", ""), 0},                    // and equal with equal Japanese
        {key("b", "up"), key("a", "after"), -1},            // fits the earlier best match
        {key("b", "over"), key("a", "for"), -1},            // fits none before the first
        {key("b", "for"), key("a", "for up"), -1},          // ends where the other's next word fits
        {key("b", "for up"), key("a", "for over"), 1},      // fitting no best match goes first
        {key("a", "for"), key("b", "up"), -1},              // the word found earlier first
        {key("a", "over"), key("b", "over under"), 1},      // a word not in the best match before an end
        {key("a", "for over"), key("a", "for under"), -1},  // two words not in it by bytes
        {key("b", "for up"), key("a", "for up"), 1},        // same words: by Japanese
    };
    for (Case const& c : cases) EXPECT_EQ(sorter.Compare(c.a, c.b), c.expected) << Shown(c.a) << " / " << Shown(c.b);
}

// ---- Duplicates ----------------------------------------------------------------

TEST(ChooseDuplicateLoser, TheFirstRuleThatDecidesWins) {
    DuplicateFacts const plain;
    auto with = [&](auto change) {
        DuplicateFacts facts = plain;
        change(facts);
        return facts;
    };
    DuplicateFacts const best = with([](DuplicateFacts& f) { f.bestMatch = true; });
    DuplicateFacts const ofPOS = with([](DuplicateFacts& f) { f.hasBestMatchPOS = true; });
    DuplicateFacts const wrongCase = with([](DuplicateFacts& f) { f.caseMatches = false; });
    DuplicateFacts const altOnly = with([](DuplicateFacts& f) { f.altOnly = true; });
    DuplicateFacts const highFP = with([](DuplicateFacts& f) { f.finePOSPValue = 5; });
    DuplicateFacts const highPP = with([](DuplicateFacts& f) { f.paraphrasePValue = 5; });
    // Each later rule's winner against an earlier rule's loser shows the
    // earlier rule decides.
    DuplicateFacts const ofPOSButWrongCase = with([](DuplicateFacts& f) {
        f.hasBestMatchPOS = true;
        f.caseMatches = false;
    });
    DuplicateFacts const wrongCaseButHigh = with([](DuplicateFacts& f) {
        f.caseMatches = false;
        f.finePOSPValue = 9;
    });
    DuplicateFacts const altOnlyButHigh = with([](DuplicateFacts& f) {
        f.altOnly = true;
        f.finePOSPValue = 9;
    });
    DuplicateFacts const bestButAltOnly = with([](DuplicateFacts& f) {
        f.bestMatch = true;
        f.altOnly = true;
    });
    DuplicateFacts const highFPLowPP = with([](DuplicateFacts& f) {
        f.finePOSPValue = 5;
        f.paraphrasePValue = -5;
    });
    using L = DuplicateLoser;
    struct Case {
        char const* name;
        DuplicateFacts first, second;
        bool withPOS;
        DuplicateLoser loser;
    } const cases[] = {
        {"two best matches stay", best, best, true, L::kNeither},
        {"a best match wins", plain, best, true, L::kFirst},
        {"over everything after", bestButAltOnly, highFP, true, L::kSecond},
        {"the best match's part of speech wins", ofPOS, plain, true, L::kSecond},
        {"only when there is a best match", ofPOS, highFP, false, L::kFirst},
        {"over the case", ofPOSButWrongCase, plain, true, L::kSecond},
        {"the case that matches wins", wrongCase, plain, true, L::kFirst},
        {"over the p-values", wrongCaseButHigh, plain, true, L::kFirst},
        {"not alternate-only wins", plain, altOnly, true, L::kSecond},
        {"over the p-values", altOnlyButHigh, plain, true, L::kFirst},
        {"the higher fine p-value wins", plain, highFP, true, L::kFirst},
        {"over the paraphrase's", highFPLowPP, highPP, true, L::kSecond},
        {"then the paraphrase's", highPP, plain, true, L::kSecond},
        {"a tie loses the second", plain, plain, true, L::kSecond},
    };
    for (Case const& c : cases) EXPECT_EQ(ChooseDuplicateLoser(c.first, c.second, c.withPOS), c.loser) << c.name;
}

TEST(CaseMatches, ExactWhenEqualIgnoringCaseElseByTheInitial) {
    struct Case {
        char const* source;
        char const* headword;
        bool matches;
    } const cases[] = {
        {"bank", "bank", true},  {"Bank", "bank", false},  {"bank", "Bank", false}, {"Banks", "Bank", true},
        {"banks", "bank", true}, {"Banks", "bank", false}, {"", "", true},          {"", "Bank", false},
    };
    for (Case const& c : cases)
        EXPECT_EQ(CaseMatches(c.source, c.headword), c.matches) << c.source << "/" << c.headword;
}

}  // namespace

// The compiled analysis rules hold together: every index lies inside its
// table, every key is a bit of the bitmap that some trie sets, and the tries
// are laid out as the bitmap builder walks them.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "engine/transfer/analysis_tables.h"

namespace {

struct Region {
    char const* name;
    ANALOPT const* opt;
    unsigned forwardWords;
    unsigned backwardWords;
};

// The room each region has in the bitmap, in words.
Region const kRegions[] = {
    {"JStr", &kAOJStr, 50, 343},       {"JPOS", &kAOJPOS, 9, 1},        {"EBase", &kAOEBase, 39, 3},
    {"ESurface", &kAOESurface, 12, 0}, {"Constit", &kAOConstit, 44, 2}, {"Semant", &kAOSemant, 8, 0},
};

// Checks one trie and adds the global bits it can set.
void CollectTrieBits(char const* what, LetterMapRecord const* records, uint32_t count, uint16_t firstWord,
                     unsigned words, std::set<unsigned>* bits) {
    SCOPED_TRACE(what);
    if (records == nullptr) {
        EXPECT_EQ(count, 0u);
        return;
    }
    ASSERT_GT(count, 0u);
    ASSERT_GT(words, 0u) << "a trie for a region without room";
    std::vector<int> parents(count, -1);
    for (uint32_t i = 0; i < count; ++i) {
        LetterMapRecord const& record = records[i];
        for (uint16_t bit : {record.wholeBit, record.prefixBit}) {
            if (bit == 0) continue;
            EXPECT_LT(bit, words * 32) << "record " << i;
            bits->insert(firstWord * 32u + bit);
        }
        if (record.childCount == 0) continue;
        ASSERT_GT(record.firstChild, i) << "record " << i;
        ASSERT_LE(record.firstChild + record.childCount, count) << "record " << i;
        for (unsigned c = 0; c < record.childCount; ++c) {
            unsigned const child = record.firstChild + c;
            EXPECT_EQ(parents[child], -1) << "record " << child << " has two parents";
            parents[child] = static_cast<int>(i);
            if (c > 0) {
                EXPECT_LT(records[child - 1].letter, records[child].letter) << "children of " << i;
            }
        }
    }
    for (uint32_t i = 1; i < count; ++i) EXPECT_NE(parents[i], -1) << "record " << i << " is unreachable";
}

TEST(AnalysisTablesTest, RulesConstituentsAndTermsLieInsideTheirTables) {
    ASSERT_GT(kAnalysisRuleCount, 0u);
    EXPECT_LE(kFirstNumberRule, kAnalysisRuleCount);
    unsigned previousNumber = 0;
    for (unsigned r = 0; r < kAnalysisRuleCount; ++r) {
        AnalysisRule const& rule = kAnalysisRules[r];
        SCOPED_TRACE("rule at line " + std::to_string(rule.number));
        EXPECT_GE(rule.number, previousNumber) << "rules are in source order";
        previousNumber = rule.number;
        ASSERT_GE(rule.constitCount, 1u);
        ASSERT_LE(rule.constitCount, kMaxAnalConstits);
        ASSERT_LE(rule.firstConstit + rule.constitCount, kAnalConstitCount);
        uint8_t const styles = rule.options & (AnalysisRule::kPolite | AnalysisRule::kPlain | AnalysisRule::kWritten);
        EXPECT_TRUE(styles == 0 || (styles & (styles - 1)) == 0) << "one style at most: a rule of two never runs";
        for (unsigned c = 0; c < rule.constitCount; ++c) {
            AnalConstit const& constit = kAnalConstits[rule.firstConstit + c];
            ASSERT_LE(constit.firstTerm + constit.termCount, kAnalTermCount);
            EXPECT_LE(constit.GetAdvanceMode(), 2);
            for (unsigned t = 0; t < constit.termCount; ++t) {
                AnalTerm const& term = kAnalTerms[constit.firstTerm + t];
                ASSERT_NE(term.text, nullptr);
                bool const paired = term.kind == 12 || term.kind == 19 || term.kind == 27;
                bool const acts = (term.flags & AnalTerm::kAction) != 0;
                EXPECT_EQ(term.text2 != nullptr, paired && acts) << "a second text only for the paired actions";
                EXPECT_LT(term.featureIndex, 3);
                EXPECT_LE(term.moveMode, 4);
                bool const inserts = (term.flags & (AnalTerm::kInsertAfter | AnalTerm::kInsertBefore)) != 0;
                EXPECT_TRUE(acts || !inserts) << "only an action inserts";
                EXPECT_FALSE(acts && constit.GetMatchMode() == AnalConstit::kStar) << "a star slot may be null";
            }
        }
    }
}

TEST(AnalysisTablesTest, EveryKeyIsInTheBitmapAndSomeTrieSetsIt) {
    std::set<unsigned> settable;
    for (Region const& region : kRegions) {
        ANALOPT const& opt = *region.opt;
        CollectTrieBits((std::string(region.name) + " forward").c_str(), opt.forward, opt.forwardCount,
                        opt.forwardRegion, region.forwardWords, &settable);
        CollectTrieBits((std::string(region.name) + " backward").c_str(), opt.backward, opt.backwardCount,
                        opt.backwardRegion, region.backwardWords, &settable);
    }
    for (unsigned bit : settable) EXPECT_LT(bit, kAnalBitmapWords * 32u);
    for (unsigned r = 0; r < kAnalysisRuleCount; ++r) {
        AnalysisRule const& rule = kAnalysisRules[r];
        SCOPED_TRACE("rule at line " + std::to_string(rule.number));
        bool ended = false;
        for (uint16_t key : rule.keys) {
            if (key == 0) {
                ended = true;
                continue;
            }
            EXPECT_FALSE(ended) << "a key after the terminating 0";
            EXPECT_TRUE(settable.count(key)) << "key " << key << " is set by no trie: the rule would never run";
        }
    }
}

}  // namespace

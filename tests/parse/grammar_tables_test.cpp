#include "engine/parse/grammar_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/feature_tables.h"
#include "engine/parse/grammar_dump.h"
#include "support/scratch_folder.h"

namespace {

unsigned Code(char const* name) {
    POS_E_Source pos{};
    EXPECT_TRUE(gSourcePOSDatabase().Lookup(name, &pos)) << name;
    return pos;
}

unsigned SetOf(unsigned category, unsigned slot) {
    return category < kCatFeatICount ? kCatFeatI[category][slot] : kNoFeatureSet;
}

// The generator's dump is what these tables decompile to: the C++ tables are
// the ones the generator compiled (and its check reads the dump back).
TEST(GrammarTables, DecompileToTheCheckedInDump) {
    std::string const dump = ReadWholeFile(TEST_DATA_DIR "/../../engine/parse/grammar.dump");
    ASSERT_FALSE(dump.empty());
    std::string const decompiled = GrammarDump();
    EXPECT_TRUE(decompiled == dump)
        << "the first difference is at byte "
        << std::mismatch(dump.begin(), dump.end(), decompiled.begin(), decompiled.end()).first - dump.begin();
}

// What the parser relies on without checking.
TEST(GrammarTables, IndexRunsAndRecordsAreConsistent) {
    EXPECT_EQ(kRuleList[0].category, 0);
    EXPECT_EQ(kPureRules[0].id, 0);
    EXPECT_EQ(guNumRules, kRuleListCount);
    EXPECT_EQ(RuleIndexFor(kRuleIndexCount).firstRule, 0);  // past the table: no rules
    EXPECT_EQ(RuleIndexFor(14999).unaryUnprimed + RuleIndexFor(14999).binaryUnprimed, 0);

    RuleKeys const keys = DaughterKeysOfRules();
    for (unsigned rule = 1; rule < kRuleListCount; ++rule) {
        SCOPED_TRACE(rule);
        RuleRecord const& r = kRuleList[rule];
        ASSERT_NE(keys.left[rule], RuleKeys::kNone) << "no index run places the rule";
        ASSERT_GT(r.pureRule, 0);
        ASSERT_LT(r.pureRule, kPureRuleCount);
        if (r.programLength != 0) {
            ASSERT_NE(RuleProgram(r), nullptr);
        }
        // Every test and setting is of the set its slot holds.
        unsigned const left = keys.left[rule] / 2;
        for (unsigned slot = 0; slot < 3; ++slot) {
            struct {
                uint16_t index;
                unsigned category;
            } const records[] = {
                {r.settings[slot], r.category}, {r.leftTests[slot], left}, {r.rightTests[slot], keys.right[rule] / 2}};
            for (auto const& record : records) {
                if (record.index == 0) continue;
                uint16_t const* bits = FeatureBitRecord(record.index);
                ASSERT_NE(bits, nullptr);
                EXPECT_EQ(bits[0] & 0xFF, SetOf(record.category, slot)) << "slot " << slot;
            }
        }
    }
    // Runs ascend, end, and cover the binary rules of their key exactly.
    for (unsigned category = 0; category < kRuleIndexCount; ++category) {
        RuleIndexRecord const& index = RuleIndexFor(category);
        uint16_t const binary[2] = {index.binaryUnprimed, index.binaryPrimed};
        for (unsigned primed = 0; primed < 2; ++primed) {
            unsigned count = 0;
            unsigned previous = 0;
            unsigned pair = index.rightRuns[primed];
            for (; kRuleRHeap[pair].rightKey != RuleRHeapPair::kRunEnd; ++pair) {
                ASSERT_LT(pair + 1, kRuleRHeapCount);
                EXPECT_GT(kRuleRHeap[pair].rightKey + 1u, previous);
                previous = kRuleRHeap[pair].rightKey + 1u;
                count += kRuleRHeap[pair].count;
            }
            EXPECT_EQ(count, binary[primed]) << category;
        }
    }
}

// Both attachments of a prepositional phrase are in the grammar, so "I saw
// the man with the telescope." keeps two analyses.
TEST(GrammarTables, HoldTheRulesTheFirstSentencesNeed) {
    RuleKeys const keys = DaughterKeysOfRules();
    std::set<std::string> rules;
    for (unsigned rule = 1; rule < kRuleListCount; ++rule) {
        std::string text = std::to_string(kRuleList[rule].category) + " <- " + std::to_string(keys.left[rule]);
        if (keys.right[rule] != RuleKeys::kNone) text += " " + std::to_string(keys.right[rule]);
        rules.insert(text);
    }
    auto const rule = [](char const* result, char const* left, char const* right) {
        std::string text = std::to_string(Code(result)) + " <- " + std::to_string(Code(left) * 2);
        if (right != nullptr) text += " " + std::to_string(Code(right) * 2);
        return text;
    };
    for (std::string const& wanted :
         {rule("VP", "VP", "PP"), rule("NP", "NP", "PP"), rule("VP", "VT01", "NP"), rule("S", "SDECL", "PERIOD"),
          rule("S", "SQ", "INTERROG"), rule("S", "QWH", "INTERROG"), rule("SIMP", "VP", nullptr),
          rule("NP", "NP", "NPCONJ"), rule("NP", "PRN", nullptr)})
        EXPECT_EQ(rules.count(wanted), 1u) << wanted;
}

TEST(GrammarTables, TextOperandsReadBack) {
    std::set<std::string> texts;
    for (unsigned rule = 1; rule < kRuleListCount; ++rule) {
        uint16_t const* program = RuleProgram(kRuleList[rule]);
        for (unsigned i = 0; program != nullptr && i < kRuleList[rule].programLength; ++i) {
            unsigned const opcode = (program[i] >> 7) & 31;
            if (opcode == 12)
                texts.insert(RuleHeapText(program[++i]));
            else if (opcode == 1)
                i += 2;
        }
    }
    EXPECT_EQ(texts, (std::set<std::string>{"N time", "N townname personname product"}));
}

}  // namespace

#include "engine/parse/grammar_tables.h"

namespace {

constexpr unsigned kWordsPerUnit = 4;
constexpr RuleIndexRecord kNoRules{};

}  // namespace

RuleIndexRecord const& RuleIndexFor(unsigned category) {
    return category < kRuleIndexCount ? gpRuleIndex[category] : kNoRules;
}

uint16_t const* RuleProgram(RuleRecord const& rule) {
    unsigned const start = unsigned{rule.programStart} * kWordsPerUnit;
    if (rule.programLength == 0 || start + rule.programLength > kRuleHeapCount) return nullptr;
    return kRuleHeap + start;
}

uint16_t const* FeatureBitRecord(uint16_t index) {
    unsigned const start = unsigned{index} * kWordsPerUnit;
    if (index == 0 || start >= kFeatureBitHeapCount) return nullptr;
    return kFeatureBitHeap + start;
}

std::string RuleHeapText(uint16_t operand) {
    std::string text;
    for (unsigned word = unsigned{operand} * kWordsPerUnit; word < kRuleHeapCount; ++word) {
        for (unsigned shift : {0u, 8u}) {
            char const c = static_cast<char>((kRuleHeap[word] >> shift) & 0xFF);
            if (c == '\0') return text;
            text += c;
        }
    }
    return text;
}

RuleKeys DaughterKeysOfRules() {
    RuleKeys keys;
    for (unsigned category = 0; category < kRuleIndexCount; ++category) {
        RuleIndexRecord const& index = RuleIndexFor(category);
        unsigned rule = index.firstRule;
        uint16_t const unary[2] = {index.unaryUnprimed, index.unaryPrimed};
        uint16_t const binary[2] = {index.binaryUnprimed, index.binaryPrimed};
        for (unsigned primed = 0; primed < 2; ++primed) {
            unsigned const left = category * 2 + primed;
            for (unsigned i = 0; i < unary[primed] && rule < kRuleListCount; ++i) keys.left[rule++] = left;
            if (binary[primed] == 0) continue;
            for (unsigned pair = index.rightRuns[primed];
                 pair < kRuleRHeapCount && kRuleRHeap[pair].rightKey != RuleRHeapPair::kRunEnd; ++pair) {
                for (unsigned i = 0; i < kRuleRHeap[pair].count && rule < kRuleListCount; ++i) {
                    keys.left[rule] = left;
                    keys.right[rule++] = kRuleRHeap[pair].rightKey;
                }
            }
        }
    }
    return keys;
}

#include "engine/transfer/analyze_codes.h"

#include <array>

#include "engine/transfer/analysis_bitmap.h"
#include "engine/transfer/analysis_node_tests.h"
#include "engine/transfer/analyze_codes_actor.h"
#include "engine/transfer/tree_analyzer.h"

namespace {

// What one bit of an auxiliary-verb mask demands: field == value.
struct AuxCondition {
    int8_t field = -1;  // -1: the bit demands nothing
    uint8_t value = 0;
};
using AuxConditionTable = std::array<std::array<AuxCondition, 16>, AnalysisRule::kAuxMaskCount>;

AuxConditionTable BuildAuxConditions() {
    AuxConditionTable table{};
    // A run of bits from firstBit giving the field the values firstValue on.
    auto run = [&table](int mask, int firstBit, int bits, int field, int firstValue) {
        for (int i = 0; i < bits; ++i)
            table[mask][firstBit + i] = {static_cast<int8_t>(field), static_cast<uint8_t>(firstValue + i)};
    };
    run(0, 0, 3, 0, 1), run(0, 3, 3, 1, 1), run(0, 6, 2, 2, 1), run(0, 8, 3, 3, 1);
    run(1, 0, 6, 4, 1), run(1, 6, 7, 5, 1);
    run(2, 0, 4, 6, 1), run(2, 4, 6, 7, 1), run(2, 14, 1, 9, 2), run(2, 15, 1, 11, 2);
    run(3, 14, 1, 8, 1), run(3, 0, 3, 8, 2), run(4, 6, 1, 8, 5), run(4, 15, 1, 8, 6);
    run(3, 3, 1, 9, 1), run(3, 4, 1, 9, 3), run(4, 2, 1, 9, 4), run(4, 3, 1, 9, 5);
    run(3, 15, 1, 10, 1), run(3, 6, 4, 10, 2), run(4, 4, 2, 10, 6);
    run(3, 10, 1, 11, 1), run(3, 11, 3, 11, 3), run(4, 0, 2, 11, 6);
    run(5, 0, 4, 12, 1), run(6, 6, 2, 12, 5), run(5, 4, 4, 13, 1), run(6, 2, 2, 13, 5);
    run(5, 8, 4, 14, 1), run(6, 4, 2, 14, 5), run(5, 12, 4, 15, 1), run(6, 0, 2, 15, 5);
    run(7, 0, 3, 16, 1), run(7, 13, 1, 16, 4), run(7, 3, 3, 17, 1), run(7, 14, 1, 17, 4);
    run(7, 6, 2, 18, 1), run(7, 12, 1, 18, 3), run(7, 8, 4, 19, 1);
    run(8, 0, 2, 20, 1), run(8, 12, 1, 20, 3), run(8, 2, 2, 21, 1), run(8, 4, 3, 22, 1), run(8, 7, 5, 23, 1);
    run(9, 0, 2, 24, 1), run(9, 13, 1, 24, 3), run(9, 2, 2, 25, 1), run(9, 12, 1, 25, 3);
    run(9, 4, 3, 26, 1), run(9, 11, 1, 26, 4), run(9, 7, 4, 27, 1);
    return table;
}

AuxConditionTable const& AuxConditions() {
    static AuxConditionTable const table = BuildAuxConditions();
    return table;
}

bool AuxiliaryVerbConditionsHold(AnalysisRule const& rule, AuxiliaryVerbsUserOption_J const& auxiliaryVerbs) {
    constexpr unsigned kFields = AuxiliaryVerbsUserOption_J::kWordCount;
    uint32_t demanded = 0;  // bit f: some mask bit names field f
    uint32_t granted = 0;   // bit f: one of them holds
    for (unsigned mask = 0; mask < AnalysisRule::kAuxMaskCount; ++mask) {
        uint16_t const bits = rule.auxMasks[mask];
        if (bits == 0) continue;
        for (unsigned bit = 0; bit < 16; ++bit) {
            if ((bits & (1u << bit)) == 0) continue;
            AuxCondition const condition = AuxConditions()[mask][bit];
            if (condition.field < 0 || static_cast<unsigned>(condition.field) >= kFields) continue;
            demanded |= uint32_t{1} << condition.field;
            if (auxiliaryVerbs.fWords[condition.field] == condition.value) granted |= uint32_t{1} << condition.field;
        }
    }
    if (demanded != granted) return false;
    for (unsigned flag = 0; flag < AuxiliaryVerbsUserOption_J::kFlagCount; ++flag)
        if ((rule.flagMask & (uint32_t{1} << flag)) != 0 && auxiliaryVerbs.fFlags[flag] == 0) return false;
    return true;
}

// The rule's tables lie inside the set: a broken set skips the rule.
bool RuleFitsTables(AnalysisRule const& rule, AnalysisRuleSet const& rules) {
    if (rule.constitCount == 0 || rule.constitCount > kMaxAnalConstits) return false;
    if (uint64_t{rule.firstConstit} + rule.constitCount > rules.constitCount) return false;
    for (unsigned c = 0; c < rule.constitCount; ++c) {
        AnalConstit const& constit = rules.constits[rule.firstConstit + c];
        if (uint64_t{constit.firstTerm} + constit.termCount > rules.termCount) return false;
    }
    return true;
}

bool KeysSet(AnalysisRule const& rule, uint32_t const* bitmap) {
    for (uint16_t key : rule.keys) {
        if (key == 0) return true;
        if (!IsSetInBitmap(key, bitmap)) return false;
    }
    return true;
}

unsigned CountNodes(PARSED_NODE const* tree) {
    unsigned count = 0;
    AnyNodeOfTree(tree, [&count](PARSED_NODE const*) {
        ++count;
        return false;  // every node
    });
    return count;
}

// No scope: the rule does not run.
constexpr PlainClauseScope kNowhere = static_cast<PlainClauseScope>(0xFF);

// Where the rule runs.  In a polite sentence that holds clauses spelt in
// plain style, the plain rules spell those clauses and the polite rules the
// rest; otherwise a rule runs everywhere when its options hold.
PlainClauseScope ScopeOf(AnalysisRule const& rule, PolitenessLevelUserOption politeness, uint32_t youMode,
                         AuxiliaryVerbsUserOption_J const& auxiliaryVerbs, bool plainClauses) {
    bool const holds = AnalysisRuleOptionsHold(rule, politeness, youMode, auxiliaryVerbs);
    if (!plainClauses) return holds ? PlainClauseScope::kAnywhere : kNowhere;
    if (holds) return (rule.options & AnalysisRule::kPolite) != 0 ? PlainClauseScope::kOutside : PlainClauseScope::kAnywhere;
    PolitenessLevelUserOption plain;
    plain.SetPolitenessLevel(PolitenessLevelUserOption::kPlainStyle);
    if ((rule.options & AnalysisRule::kPlain) != 0 && AnalysisRuleOptionsHold(rule, plain, youMode, auxiliaryVerbs))
        return PlainClauseScope::kInside;
    return kNowhere;
}

}  // namespace

bool AnalysisRuleOptionsHold(AnalysisRule const& rule, PolitenessLevelUserOption politeness, uint32_t youMode,
                             AuxiliaryVerbsUserOption_J const& auxiliaryVerbs) {
    uint8_t const options = rule.options;
    uint8_t const politenessBits = options & (AnalysisRule::kPolite | AnalysisRule::kPlain | AnalysisRule::kWritten);
    if (politenessBits != 0) {
        uint8_t held = 0;
        switch (politeness.GetPolitenessLevel()) {
            case PolitenessLevelUserOption::kPoliteStyle:
                held = AnalysisRule::kPolite;
                break;
            case PolitenessLevelUserOption::kPlainStyle:
                held = AnalysisRule::kPlain;
                break;
            case PolitenessLevelUserOption::kWrittenStyle:
                held = AnalysisRule::kWritten;
                break;
        }
        if ((politenessBits & held) == 0) return false;
    }
    uint8_t const youBits = options & (AnalysisRule::kYouMode0 | AnalysisRule::kYouMode1);
    if (youBits != 0) {
        uint8_t const held = youMode == 0 ? AnalysisRule::kYouMode0 : youMode == 1 ? AnalysisRule::kYouMode1 : 0;
        if ((youBits & held) == 0) return false;
    }
    return AuxiliaryVerbConditionsHold(rule, auxiliaryVerbs);
}

unsigned AnalyzeCodes(PARSED_NODE* tree, PolitenessLevelUserOption politeness, uint32_t youMode,
                      AuxiliaryVerbsUserOption_J const& auxiliaryVerbs, bool option, bool singleOnly,
                      AnalysisRuleSet const& rules) {
    if (tree == nullptr) return 0;
    AnalBitmap bitmap = {};
    ConstructBitmap_(tree, rules, bitmap);
    bool const hasNumber = HasNumber(tree);
    bool const plainClauses =
        politeness.GetPolitenessLevel() == PolitenessLevelUserOption::kPoliteStyle && HasPlainStyleClause(tree);
    AnalyzeCodesContext context(rules, bitmap, option);
    unsigned walked = 0;
    for (unsigned index = 0; index < rules.ruleCount; ++index) {
        AnalysisRule const& rule = rules.rules[index];
        if (index >= rules.firstNumberRule && !hasNumber) continue;
        if (singleOnly && rule.constitCount > 1) continue;
        if (!KeysSet(rule, bitmap)) continue;
        PlainClauseScope const scope = ScopeOf(rule, politeness, youMode, auxiliaryVerbs, plainClauses);
        if (scope == kNowhere) continue;
        if (!RuleFitsTables(rule, rules)) continue;
        ++walked;
        // Enough for a match at every node and at each node it inserts.
        context.actionBudget = 2 * CountNodes(tree) + 16;
        AnalyzeCodesMatcherActor actor(rule.constitCount, rules.constits + rule.firstConstit, &context, scope);
        Analyzer<AnalyzeCodesMatcherActor, false> analyzer(actor);
        if ((rule.options & AnalysisRule::kDepthFirst) != 0)
            analyzer.MatchFirstConstit_DepthFirst(tree);
        else
            analyzer.MatchFirstConstit(tree);
    }
    return walked;
}

#include "engine/parse/grammar_check.h"

#include <string>

namespace {

constexpr unsigned kWordsPerUnit = 4;
constexpr unsigned kNotACategory = 14999;

class FaultList {
public:
    void Add(std::string fault) { fFaults.push_back(std::move(fault)); }
    std::vector<std::string> Take() { return std::move(fFaults); }

private:
    std::vector<std::string> fFaults;
};

std::string Rule(unsigned number) { return "kRuleList[" + std::to_string(number) + "]"; }

bool CategoryOk(GrammarTablesView const& t, unsigned category) {
    return category < t.indexCount && category != kNotACategory;
}

void CheckRule(GrammarTablesView const& t, unsigned number, FaultList& faults) {
    RuleRecord const& r = t.rules[number];
    if (!CategoryOk(t, r.category))
        faults.Add(Rule(number) + ": result category " + std::to_string(r.category) + " has no index record");
    if (r.pureRule == 0 || r.pureRule >= t.pureRuleCount)
        faults.Add(Rule(number) + ": pure rule " + std::to_string(r.pureRule) + " is not in kPureRules");
    if (r.programLength != 0 && unsigned{r.programStart} * kWordsPerUnit + r.programLength > t.ruleHeapWords)
        faults.Add(Rule(number) + ": its program runs past kRuleHeap");
    for (uint16_t const* group : {r.settings, r.leftTests, r.rightTests}) {
        for (unsigned slot = 0; slot < 3; ++slot) {
            if (group[slot] != 0 && (unsigned{group[slot]} + 1) * kWordsPerUnit > t.featureHeapWords)
                faults.Add(Rule(number) + ": feature record " + std::to_string(group[slot]) +
                           " is past kFeatureBitHeap");
        }
    }
}

// Counts the rules one key claims; a fault when they leave kRuleList.
void ClaimRules(unsigned first, unsigned count, std::string const& where, std::vector<unsigned>& claims,
                FaultList& faults) {
    if (first == 0 || first + count > claims.size()) {
        faults.Add(where + ": rules " + std::to_string(first) + " to " + std::to_string(first + count) +
                   " are not in kRuleList");
        return;
    }
    for (unsigned rule = first; rule < first + count; ++rule) ++claims[rule];
}

// The rules of a binary run, or a fault when the run leaves kRuleRHeap.
unsigned RunRules(GrammarTablesView const& t, unsigned pair, std::string const& where, FaultList& faults) {
    unsigned rules = 0;
    for (; pair < t.runCount; ++pair) {
        RuleRHeapPair const& p = t.runs[pair];
        if (p.rightKey == RuleRHeapPair::kRunEnd) return rules;
        if (!CategoryOk(t, p.rightKey / 2))
            faults.Add("kRuleRHeap[" + std::to_string(pair) + "]: right key " + std::to_string(p.rightKey) +
                       " names no category");
        rules += p.count;
    }
    faults.Add(where + ": its run has no end in kRuleRHeap");
    return rules;
}

void CheckIndex(GrammarTablesView const& t, FaultList& faults) {
    std::vector<unsigned> claims(t.ruleCount, 0);
    for (unsigned category = 0; category < t.indexCount; ++category) {
        RuleIndexRecord const& i = t.index[category];
        uint16_t const unary[2] = {i.unaryUnprimed, i.unaryPrimed};
        uint16_t const binary[2] = {i.binaryUnprimed, i.binaryPrimed};
        if (unary[0] + unary[1] + binary[0] + binary[1] == 0) continue;
        std::string const where = "kRuleIndex[" + std::to_string(category) + "]";
        unsigned next = i.firstRule;
        for (unsigned primed = 0; primed < 2; ++primed) {
            if (binary[primed] != 0) {
                unsigned const inRun = RunRules(t, i.rightRuns[primed], where, faults);
                if (inRun != binary[primed])
                    faults.Add(where + ": " + std::to_string(binary[primed]) + " binary rules but its run holds " +
                               std::to_string(inRun));
            }
            ClaimRules(next, unary[primed] + binary[primed], where, claims, faults);
            next += unary[primed] + binary[primed];
        }
    }
    for (unsigned rule = 1; rule < t.ruleCount; ++rule) {
        if (claims[rule] != 1)
            faults.Add(Rule(rule) + ": reached from " + std::to_string(claims[rule]) + " daughter keys, not 1");
    }
}

void CheckPureRules(GrammarTablesView const& t, FaultList& faults) {
    for (unsigned i = 1; i < t.pureRuleCount; ++i) {
        PureRuleRecord const& p = t.pureRules[i];
        std::string const where = "kPureRules[" + std::to_string(i) + "]";
        if (p.firstTerm + p.termCount > t.termCount) faults.Add(where + ": its terms run past kPureTerms");
        if (unsigned{p.firstCode} + p.codeCount > t.pureCCodeCount)
            faults.Add(where + ": its conversion codes run past kPureCCodes");
    }
    for (unsigned i = 0; i < t.termCount; ++i) {
        if (unsigned{t.terms[i].firstVCat} + t.terms[i].vCatCount > t.vCatCount)
            faults.Add("kPureTerms[" + std::to_string(i) + "]: its virtual nodes run past kPureVCats");
    }
    for (unsigned i = 0; i < t.altProbCount; ++i) {
        bool named = false;
        for (unsigned p = 1; p < t.pureRuleCount && !named; ++p) named = t.pureRules[p].id == t.altProbs[i].pureRuleId;
        if (!named)
            faults.Add("kAltProbs[" + std::to_string(i) + "]: rule " + std::to_string(t.altProbs[i].pureRuleId) +
                       " is not a rule of the grammar");
    }
}

void CheckExcludedCats(GrammarTablesView const& t, FaultList& faults) {
    for (unsigned i = 0; i < t.excludedCatCount; ++i) {
        if (!CategoryOk(t, t.excludedCats[i]))
            faults.Add("kExcludedCats[" + std::to_string(i) + "]: " + std::to_string(t.excludedCats[i]) +
                       " is not a category");
        if (i > 0 && t.excludedCats[i] <= t.excludedCats[i - 1])
            faults.Add("kExcludedCats[" + std::to_string(i) + "]: not in ascending order");
    }
}

}  // namespace

GrammarTablesView CompiledGrammarTables() {
    GrammarTablesView t;
    t.rules = kRuleList;
    t.ruleCount = kRuleListCount;
    t.index = gpRuleIndex;
    t.indexCount = kRuleIndexCount;
    t.runs = kRuleRHeap;
    t.runCount = kRuleRHeapCount;
    t.ruleHeapWords = kRuleHeapCount;
    t.featureHeapWords = kFeatureBitHeapCount;
    t.pureRules = kPureRules;
    t.pureRuleCount = kPureRuleCount;
    t.pureCCodeCount = kPureCCodeCount;
    t.terms = kPureTerms;
    t.termCount = kUsedPureTermCount;
    t.vCatCount = kUsedPureVCatCount;
    t.altProbs = kAltProbs;
    t.altProbCount = kUsedAltProbCount;
    t.excludedCats = kExcludedCats;
    t.excludedCatCount = kUsedExcludedCatCount;
    return t;
}

std::vector<std::string> GrammarTableFaults(GrammarTablesView const& tables) {
    FaultList faults;
    if (tables.ruleCount == 0 || tables.pureRuleCount == 0) {
        faults.Add("kRuleList and kPureRules need their dummy record 0");
        return faults.Take();
    }
    for (unsigned rule = 1; rule < tables.ruleCount; ++rule) CheckRule(tables, rule, faults);
    CheckIndex(tables, faults);
    CheckPureRules(tables, faults);
    CheckExcludedCats(tables, faults);
    return faults.Take();
}

#include "engine/parse/grammar_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Copies of the compiled tables that a case may alter.
struct TableCopies {
    std::vector<RuleRecord> rules{kRuleList, kRuleList + kRuleListCount};
    std::vector<RuleIndexRecord> index{gpRuleIndex, gpRuleIndex + kRuleIndexCount};
    std::vector<RuleRHeapPair> runs{kRuleRHeap, kRuleRHeap + kRuleRHeapCount};
    std::vector<PureRuleRecord> pureRules{kPureRules, kPureRules + kPureRuleCount};
    std::vector<PureTermRecord> terms{kPureTerms, kPureTerms + kUsedPureTermCount};
    std::vector<AltProbRecord> altProbs{kAltProbs, kAltProbs + kUsedAltProbCount};
    std::vector<uint16_t> excluded{kExcludedCats, kExcludedCats + kUsedExcludedCatCount};

    GrammarTablesView View() const {
        GrammarTablesView view = CompiledGrammarTables();
        view.rules = rules.data();
        view.index = index.data();
        view.runs = runs.data();
        view.pureRules = pureRules.data();
        view.terms = terms.data();
        view.altProbs = altProbs.data();
        view.excludedCats = excluded.data();
        return view;
    }

    // The first index record whose unprimed key has binary rules.
    RuleIndexRecord& IndexOfFirstBinaryKey() {
        for (RuleIndexRecord& record : index) {
            if (record.binaryUnprimed != 0) return record;
        }
        throw std::logic_error("the grammar has no binary rule");
    }
};

std::string Joined(std::vector<std::string> const& faults) {
    std::string text;
    for (std::string const& fault : faults) text += fault + "\n";
    return text;
}

TEST(GrammarCheck, TheCompiledTablesHoldTogether) {
    EXPECT_EQ(Joined(GrammarTableFaults(CompiledGrammarTables())), "");
}

TEST(GrammarCheck, EachBrokenReferenceIsNamed) {
    struct Case {
        char const* what;
        std::function<void(TableCopies&)> breakIt;
        char const* expected;
    } const cases[] = {
        {"result category", [](TableCopies& t) { t.rules[3].category = 14999; }, "kRuleList[3]: result category"},
        {"pure rule zero", [](TableCopies& t) { t.rules[4].pureRule = 0; }, "kRuleList[4]: pure rule 0"},
        {"pure rule past", [](TableCopies& t) { t.rules[4].pureRule = kPureRuleCount; }, "kRuleList[4]: pure rule"},
        {"program", [](TableCopies& t) { t.rules[5].programStart = kRuleHeapCount / 4; },
         "kRuleList[5]: its program runs past kRuleHeap"},
        {"feature record", [](TableCopies& t) { t.rules[6].rightTests[2] = kFeatureBitHeapCount / 4; },
         "kRuleList[6]: feature record"},
        {"rule claimed twice",
         [](TableCopies& t) {
             t.index[kRuleIndexCount - 1] = {1, 1, 0, 0, 0, {0, 0}};
         },
         "kRuleList[1]: reached from 2 daughter keys"},
        {"rule unclaimed",
         [](TableCopies& t) {
             for (RuleIndexRecord& record : t.index) {
                 if (record.firstRule == 1) record.firstRule = 0;
             }
         },
         "are not in kRuleList"},
        {"run count", [](TableCopies& t) { ++t.IndexOfFirstBinaryKey().binaryUnprimed; }, "binary rules but its run"},
        {"run without end",
         [](TableCopies& t) {
             for (RuleRHeapPair& pair : t.runs)
                 pair.rightKey = pair.rightKey == RuleRHeapPair::kRunEnd ? 2 : pair.rightKey;
         },
         "its run has no end"},
        {"right key", [](TableCopies& t) { t.runs[t.IndexOfFirstBinaryKey().rightRuns[0]].rightKey = 14999 * 2; },
         "names no category"},
        {"terms", [](TableCopies& t) { t.pureRules[1].firstTerm = kUsedPureTermCount; },
         "kPureRules[1]: its terms run past"},
        {"codes", [](TableCopies& t) { t.pureRules[2].codeCount = kPureCCodeCount + 1; },
         "kPureRules[2]: its conversion codes"},
        {"virtual nodes", [](TableCopies& t) { t.terms[0].vCatCount = 1; }, "kPureTerms[0]: its virtual nodes"},
        {"alternative probability", [](TableCopies& t) { t.altProbs[0].pureRuleId = 9999; }, "kAltProbs[0]: rule 9999"},
        {"excluded order", [](TableCopies& t) { t.excluded[1] = t.excluded[0]; }, "kExcludedCats[1]: not in ascending"},
    };
    for (Case const& c : cases) {
        TableCopies tables;
        c.breakIt(tables);
        std::string const faults = Joined(GrammarTableFaults(tables.View()));
        EXPECT_NE(faults.find(c.expected), std::string::npos) << c.what << ":\n" << faults;
    }
}

}  // namespace

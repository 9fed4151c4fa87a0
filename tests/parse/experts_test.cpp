// The scoring experts: the rule probability and its alternates, structural
// balance on real and glue nodes, the dictionary experts over spans and
// dictionaries of every kind, the capital table, learned usage, and which
// experts the weighted sum runs for which node.
#include "engine/parse/expert_context.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/sentence.h"
#include "parse/hand_built_graph.h"

namespace {

constexpr float kUnit = 2048.0f;
constexpr uint16_t kLeaf = EXPERT_VIEW::kDictionaryLeaf;
constexpr uint16_t kSized = EXPERT_VIEW::kCountsForBalance;

// The first rule piece of the grammar rule with this id.
uint16_t RuleOf(uint16_t pureId) {
    for (unsigned r = 1; r < kRuleListCount; ++r) {
        if (kRuleList[r].pureRule < kPureRuleCount && kPureRules[kRuleList[r].pureRule].id == pureId)
            return static_cast<uint16_t>(r);
    }
    ADD_FAILURE() << "no rule " << pureId;
    return 0;
}

struct Switches {
    uint8_t dialog = 0;
    uint8_t paren = 0;
    unsigned learningStrength = LearningStrengthUserOption::kDefaultStrength;
};

// A two-word sentence, its dictionaries (system 1, user 10000, technical 100,
// missing-word and special) ranked user, system, technical, and readings
// made in them.
class ExpertsTest : public ::testing::Test {
protected:
    ExpertsTest() {
        fSystem.SetID(1);
        fUser.SetID(kMinUserDictionaryID);
        fTechnical.SetID(kMinTechnicalDictionaryID);
        fMissing.SetID(kMissingWordDictionaryID);
        fSpecial.SetID(kSpecialDictionaryID);
        Make({});
    }

    void Make(Switches const& switches) {
        SentenceUserOptions options;
        options.fDialog = switches.dialog;
        options.fSentenceFlag1 = switches.paren;
        options.fLearningStrength.Set(switches.learningStrength);
        options.fDictionaryPriorities.Set(fSystem.GetID(), 2.0);
        options.fDictionaryPriorities.Set(fUser.GetID(), 1.0);
        options.fDictionaryPriorities.Set(fTechnical.GetID(), 3.0);
        options.fDictionaryPriorities.Normalize();  // user 0, system 1, technical 2, dynamic 3
        fContext.reset();
        fSentence = std::make_unique<Sentence>(options);
        fSentence->SetPreparsedWords(std::vector<PreparsedWord>(2), {}, {}, false);
        fSentence->Chart().Allocate(2);
        fContext = std::make_unique<ExpertContext>(*fSentence);
    }

    static FinePOS_EX Reading(Dictionary_EX& dictionary, std::string const& headword, short pValue = -1024) {
        FinePOS_EX fp = dictionary.CreateNewEntry(headword).CreateNewFinePOS();
        fp.SetFinePOS(POS_E_Source{22});
        fp.SetPValue(pValue);
        return fp;
    }
    static EXPERT_VIEW LeafView(FinePOS_EX fp, short paraPValue = 0, unsigned d = 0, unsigned e = 0) {
        Paraphrase_EX para = fp.CreateNewParaphrase();
        para.SetPValue(paraPValue);
        EXPERT_VIEW view(fp, para);
        view.flags = kLeaf;
        view.start = static_cast<uint16_t>(d);
        view.end = static_cast<uint16_t>(e);
        return view;
    }
    // The semantic experts' part of a node's score, whatever they judge.
    float SemanticPart(EXPERT_VIEW view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule, bool leaf) {
        float part = kExpertWeight_selres * fContext->SelResExpert(&view, left, right, rule) +
                     kExpertWeight_dist * fContext->DistanceExpert(&view, left, right, rule);
        if (leaf) part += kExpertWeight_SWAN * fContext->WSANExpert(&view, left, right, rule);
        return part;
    }

    Dictionary_EX_Temporary fSystem, fUser, fTechnical, fMissing, fSpecial;
    std::unique_ptr<Sentence> fSentence;
    std::unique_ptr<ExpertContext> fContext;
};

TEST_F(ExpertsTest, WeightsAreFixedBeforeAnyOptionIsRead) {
    static_assert(kExpertWeight_usertot == 0.11f, "the learning strength scales a constant");
    struct {
        char const* name;
        float weight;
    } const expected[] = {{"rulep", 0.178f}, {"sbal", 0.0123f}, {"dictp", 0.18f},   {"caps", 0.034f},
                          {"selres", 0.16f}, {"dist", 0.021f},  {"usertot", 0.11f}, {"SWAN", 0.1f}};
    ASSERT_EQ(std::size(fExperts), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_STREQ(fExperts[i].name, expected[i].name);
        EXPECT_EQ(fExperts[i].weight, expected[i].weight) << expected[i].name;
    }
    // 20 % of the base weight, as the options compute it.
    EXPECT_FLOAT_EQ(fContext->UserTotWeight(), 0.022f);
}

TEST_F(ExpertsTest, RuleProbabilityFollowsTheViewAndItsFlags) {
    uint16_t const plain = RuleOf(21);  // p -0.2, no alternates
    float const p = -410 / kUnit;
    struct {
        int32_t category;
        uint16_t flags;
        uint16_t rule;
        float expected;
    } const cases[] = {
        {45, 0, plain, p},
        {45, kLeaf, plain, 0.0f},  // dictionary leaves, glue and empty pieces get none
        {15000, EXPERT_VIEW::kDictionaryOrGlue, plain, 0.0f},
        {19, EXPERT_VIEW::kEmptyGluePiece, plain, 0.0f},
        {12, kLeaf, plain, 2.0f},  // category 12 gets its bonus all the same
        {12, 0, plain, p + 2.0f},
        {45, EXPERT_VIEW::kCommaPenalty, plain, p - 5.0f},
        {45, EXPERT_VIEW::kCrossesForcedUnit, plain, p - 5.0f},
        {45, EXPERT_VIEW::kCommaPenalty | EXPERT_VIEW::kCrossesForcedUnit, plain, p - 10.0f},
        {45, 0, ALLP_SOURCE::kNoRule, 0.0f},
        {45, 0, 0, 0.0f},      // the dummy rule
        {45, 0, 60000, 0.0f},  // past the tables
    };
    for (auto const& c : cases) {
        EXPERT_VIEW view;
        view.category = c.category;
        view.flags = c.flags;
        EXPECT_FLOAT_EQ(fContext->RuleExpert(&view, nullptr, nullptr, c.rule), c.expected)
            << "category " << c.category << " flags " << c.flags << " rule " << c.rule;
    }
}

TEST_F(ExpertsTest, AlternateProbabilitiesFollowTheDialogueAndParenthesisSwitches) {
    // Rule 21 has no alternates, 113 a dialogue one, 16 both; with the
    // parenthesis switch on, a rule without its record keeps its plain
    // probability even when the dialogue switch is on too.
    struct {
        uint16_t pureId;
        float byDialogParen[2][2];  // [dialog][paren]
    } const cases[] = {
        {21, {{-410, -410}, {-410, -410}}},
        {113, {{-1229, -1229}, {-819, -1229}}},
        {16, {{-1024, -614}, {-205, -614}}},
    };
    for (uint8_t dialog = 0; dialog < 2; ++dialog) {
        for (uint8_t paren = 0; paren < 2; ++paren) {
            Make({dialog, paren});
            for (auto const& c : cases) {
                EXPERT_VIEW view;
                view.category = 45;
                EXPECT_FLOAT_EQ(fContext->RuleExpert(&view, nullptr, nullptr, RuleOf(c.pureId)),
                                c.byDialogParen[dialog][paren] / kUnit)
                    << "rule " << c.pureId << " dialog " << int{dialog} << " paren " << int{paren};
            }
        }
    }
}

TEST_F(ExpertsTest, ParserRuleScoreCountsNamedCategoriesOnly) {
    struct {
        uint16_t category;
        float expected;
    } const cases[] = {
        {45, 0.178f * -410 / kUnit},
        {12, 0.178f * (2.0f - 410 / kUnit)},
        {15000, 0.0f},  // a piece of a split rule: counted at its top piece
        {0, 0.0f},
    };
    for (auto const& c : cases) {
        ParseChartEntry entry;
        entry.category = c.category;
        entry.rule = RuleOf(21);
        EXPECT_FLOAT_EQ(fContext->RunRuleExpert(entry), c.expected) << c.category;
    }
}

// A node over the daughters for the balance expert.
struct BalanceNode {
    int32_t category;
    uint16_t flags;
    uint8_t words;
    uint8_t smallestPiece = 0;
    float largestWeightedPiece = 0;
};

TEST_F(ExpertsTest, BalancePenalisesALargePieceBeforeASmallOne) {
    uint16_t const weightOne = RuleOf(81);   // bal 1
    uint16_t const weightHalf = RuleOf(88);  // bal 0.5
    ASSERT_EQ(kRuleList[weightOne].balanceWeight, 1.0f);
    ASSERT_EQ(kRuleList[weightHalf].balanceWeight, 0.5f);
    struct {
        BalanceNode left, right;
        uint16_t rule;
        float expected;
        uint8_t words;
    } const cases[] = {
        // t = 1 - (3/1 + (3-1)/2) = -3; -6 (t/-6)^3
        {{26, kSized, 3}, {26, kSized, 1}, weightOne, -0.75f, 4},
        {{26, kSized, 3}, {26, kSized, 1}, weightHalf, -0.09375f, 4},
        {{26, kSized, 1}, {26, kSized, 3}, weightOne, 0.0f, 4},  // the larger piece last
        {{26, 0, 3}, {26, kSized, 1}, weightOne, 0.0f, 4},       // a piece that does not count
        {{26, kSized, 200}, {26, kSized, 1}, weightOne, -50000.0f, 201},
        {{26, kSized, 250}, {26, kSized, 250}, weightOne, 0.0f, 255},  // the count saturates
    };
    for (auto const& c : cases) {
        HandBuiltGraph graph;
        ALLP_TOP* left = graph.Top(static_cast<uint16_t>(c.left.category), 0, 0);
        left->view.flags = c.left.flags;
        left->view.wordCount = c.left.words;
        ALLP_TOP* right = graph.Top(static_cast<uint16_t>(c.right.category), 0, 0);
        right->view.flags = c.right.flags;
        right->view.wordCount = c.right.words;
        EXPERT_VIEW view;
        view.category = 293;
        EXPECT_FLOAT_EQ(fContext->StructBalanceExpert(&view, left, right, c.rule), c.expected)
            << int{c.left.words} << "+" << int{c.right.words} << " rule " << c.rule;
        EXPECT_EQ(view.wordCount, c.words);
        EXPECT_EQ(view.smallestPiece, 0);
    }

    // Through a glue node: the constituents are 1, 4 and 1 words, the last
    // two reached under the glue's rule (weight 1): t = 1 - (4 + 1.5).
    HandBuiltGraph graph;
    ALLP_TOP* first = graph.Top(26, 0, 0);
    ALLP_TOP* second = graph.Top(26, 3, 4);
    ALLP_TOP* third = graph.Top(26, 0, 5);
    ALLP_TOP* const pieces[] = {first, second, third};
    uint8_t const sizes[] = {1, 4, 1};
    for (int i = 0; i < 3; ++i) {
        pieces[i]->view.flags = kSized;
        pieces[i]->view.wordCount = sizes[i];
    }
    ALLP_TOP* glue = graph.Top(15000, 4, 5);
    glue->view.category = 15000;
    glue->view.wordCount = 5;
    ALLP_SOURCE* source = graph.Source(0, second, third);
    source->rule = weightOne;
    HandBuiltGraph::SetSources(glue, {source});
    EXPERT_VIEW view;
    view.category = 293;
    EXPECT_FLOAT_EQ(fContext->StructBalanceExpert(&view, first, glue, weightHalf), -6.0f * 0.75f * 0.75f * 0.75f);
    EXPECT_EQ(view.wordCount, 6);

    // No left daughter, or the glue top: nothing, not even the word count.
    view = EXPERT_VIEW();
    view.category = 20;
    EXPECT_EQ(fContext->StructBalanceExpert(&view, first, glue, weightOne), 0.0f);
    EXPECT_EQ(view.wordCount, 0);
}

TEST_F(ExpertsTest, BalanceOnGlueRecordsThePiecesInsteadOfScoring) {
    uint16_t const weightHalf = RuleOf(88);
    struct {
        BalanceNode left, right;
        uint8_t smallest;
        float largestWeighted;
    } const cases[] = {
        // left (3 - 1) x 0.5 = 1, right unweighted 2 - 1 = 1
        {{26, kSized, 3}, {26, kSized, 2}, 2, 1.0f},
        {{26, kSized, 5}, {26, kSized, 1}, 1, 2.0f},
        {{26, 0, 3}, {26, kSized, 4}, 4, 3.0f},              // a piece that does not count is left out
        {{15000, 0, 6, 2, 4.5f}, {26, kSized, 1}, 1, 4.5f},  // a glue daughter passes its own
        {{26, 0, 3}, {26, 0, 3}, 0, 0.0f},
    };
    for (auto const& c : cases) {
        HandBuiltGraph graph;
        ALLP_TOP* sides[2];
        BalanceNode const* nodes[2] = {&c.left, &c.right};
        for (int i = 0; i < 2; ++i) {
            sides[i] = graph.Top(static_cast<uint16_t>(nodes[i]->category), 0, 0);
            sides[i]->view.flags = nodes[i]->flags;
            sides[i]->view.wordCount = nodes[i]->words;
            sides[i]->view.smallestPiece = nodes[i]->smallestPiece;
            sides[i]->view.largestWeightedPiece = nodes[i]->largestWeightedPiece;
        }
        EXPERT_VIEW view;
        view.category = 15001;
        view.smallestPiece = 9;  // cleared first
        EXPECT_EQ(fContext->StructBalanceExpert(&view, sides[0], sides[1], weightHalf), 0.0f);
        EXPECT_EQ(view.smallestPiece, c.smallest) << int{c.left.words} << "+" << int{c.right.words};
        EXPECT_FLOAT_EQ(view.largestWeightedPiece, c.largestWeighted);
    }
}

TEST_F(ExpertsTest, PartOfSpeechScoreWeighsDictionarySpanAndPriority) {
    // Priorities after normalising: user 0, system 1, technical 2, dynamic
    // (missing-word, special) and unranked 3 and 2.  p-value -0.5 throughout.
    Dictionary_EX_Temporary unranked;
    unranked.SetID(2);
    struct {
        Dictionary_EX* dictionary;
        char const* headword;
        unsigned d;
        float expected;
    } const cases[] = {
        {&fUser, "dog", 0, -0.5f},
        {&fUser, "dog - cat", 2, 0.014f - 0.5f + 0.001f},      // multi-word bonus, hyphenated user word
        {&fUser, "well - known dog", 2, 0.014f - 0.5f},        // a blank after the hyphen
        {&fSystem, "dog - cat", 2, 0.014f - 0.5f - 0.1f * 3},  // only user words get the hyphen bonus
        {&fTechnical, "dog", 1, 0.007f - 0.5f - 0.2f * 2},
        {&fMissing, "dog", 1, 0.007f - 0.5f + (-0.5f - 0.3f) * 2},
        {&fSpecial, "dog", 1, 0.007f - 0.5f + (-3.0f - 0.3f) * 2},
        {&unranked, "dog", 0, -0.5f - 0.2f},  // ranked with the last one
    };
    for (auto const& c : cases) {
        FinePOS_EX const fp = Reading(*c.dictionary, c.headword);
        ExpertContext::PruningExpertData const data{c.d, c.d, fp};
        EXPECT_NEAR(fContext->POSProbFunc(data), c.expected, 1e-5) << c.dictionary->GetID() << " " << c.headword;
        // The parser's sum: no capital cost away from the sentence start.
        EXPECT_NEAR(fContext->RunDictExperts(fp, c.d, c.d), 0.18f * c.expected, 1e-5);
        EXPECT_EQ(fContext->UserTotalProbExpert(data), 0.0f);
    }
}

TEST_F(ExpertsTest, DomainsBoostReadingsAndParaphrases) {
    DomainIDSet active;
    active.Set(DomainID{5});
    fSentence->Domains().ActivateDomainsExplicitly(active);
    struct {
        uint32_t domain;
        bool general;
        float posBoost;
    } const cases[] = {{5, false, 0.32f}, {7, false, 0.0f}, {1, true, 0.33f}, {1, false, 0.0f}};
    for (auto const& c : cases) {
        fSentence->Domains().SetGeneralMode(c.general);
        FinePOS_EX fp = Reading(fUser, "dog", 0);
        fp.SetDomainWeights({DomainWeightInfoRecord{DomainID{c.domain}, 1}});
        EXPECT_NEAR(fContext->POSProbFunc({0, 0, fp}), c.posBoost, 1e-6) << c.domain;

        // The paraphrase's domains boost the leaf once more; its p-value adds.
        EXPERT_VIEW view = LeafView(fp, 512);
        DomainIDSet paraDomains;
        paraDomains.Set(DomainID{c.domain});
        Paraphrase_EX para = view.paraphrase.Get().GetParaphrase();
        para.SetDomainIDSet(paraDomains);
        EXPECT_NEAR(fContext->POSProbExpert(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule), 2 * c.posBoost + 0.25f,
                    1e-6);
    }
    EXPERT_VIEW inner = LeafView(Reading(fUser, "dog", 0), 512);
    inner.flags = 0;  // not a leaf
    EXPECT_EQ(fContext->POSProbExpert(&inner, nullptr, nullptr, ALLP_SOURCE::kNoRule), 0.0f);
}

TEST_F(ExpertsTest, CapitalCostFollowsTheFirstWordsCellAndTheHeadword) {
    constexpr uint16_t kCap = PCHART_CELL::kCapitalInitial, kTrue = PCHART_CELL::kTrulyCapitalised,
                       kUpper = PCHART_CELL::kMatchedCapitalised, kLower = PCHART_CELL::kMatchedLowerCase;
    struct {
        uint16_t flags;
        float capital, lowerCase;
    } const cases[] = {
        {kCap | kTrue | kUpper | kLower, 0, -10},
        {kCap | kTrue | kUpper, 0, -10},
        {kCap | kTrue | kLower, -8, 0},
        {kCap | kTrue, 0, -10},
        {kCap | kUpper | kLower, 0, -1.5f},
        {kCap | kUpper, 0, 0},
        {kCap, 0, -5},
        {kCap | kLower, -40, 0},
        {kTrue | kUpper | kLower, 0, 0},  // the word does not begin with a capital
    };
    FinePOS_EX const capital = Reading(fSystem, "Apple", 0);
    FinePOS_EX const lowerCase = Reading(fSystem, "apple", 0);
    for (auto const& c : cases) {
        fSentence->Chart().Cell(0, 0).flags = c.flags;
        EXPECT_EQ(fContext->CapExpert({0, 0, capital}), c.capital) << c.flags;
        EXPECT_EQ(fContext->CapExpert({0, 0, lowerCase}), c.lowerCase) << c.flags;
        EXPERT_VIEW view = LeafView(capital);
        EXPECT_EQ(fContext->CapExpert(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule), c.capital);
    }
    // Only one-word spans pay, by their word's cell.
    fSentence->Chart().Cell(0, 1).flags = kCap | kLower;
    EXPECT_EQ(fContext->CapExpert({0, 1, capital}), -40.0f);
    EXPECT_EQ(fContext->CapExpert({1, 1, capital}), 0.0f);  // two words: no cost
    EXPECT_EQ(fContext->CapExpert({0, 7, capital}), 0.0f);  // past the chart

    // Matched in lower case only, an entry with a capital: -40 x 0.034 (the
    // reading's own score is 0: system priority 1 costs 0.1 a word, so
    // take it from a user dictionary).
    fSentence->Chart().Cell(0, 0).flags = kCap | kLower;
    EXPECT_FLOAT_EQ(fContext->RunDictExperts(Reading(fUser, "Apple", 0), 0, 0), -40 * 0.034f);
}

// A learning value recorded for a reading of the user dictionary.
TEST_F(ExpertsTest, LearnedUsageIsClampedAndMarksTheView) {
    auto* learning = fUser.GetDictionaryLearningInterface(true);
    ASSERT_NE(learning, nullptr);
    float const nan = std::numeric_limits<float>::quiet_NaN();
    struct {
        bool recorded;
        float value;
        float expected;
    } const cases[] = {
        {true, 0.5f, 140.0f},   {true, -1.0f, -280.0f}, {true, 1e30f, 280.0f},
        {true, -7.0f, -280.0f}, {true, nan, 0.0f},      {false, 0.0f, 0.0f},
    };
    for (auto const& c : cases) {
        FinePOS_EX const fp = Reading(fUser, "dog", 0);
        EXPERT_VIEW view = LeafView(fp);
        if (c.recorded) learning->SetLearningValue(fp, view.paraphrase.Get().GetParaphrase(), c.value);
        EXPECT_FLOAT_EQ(fContext->UserTotalProbExpert(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule), c.expected)
            << c.value;
        bool const counted = c.recorded && !std::isnan(c.value);
        EXPECT_EQ((view.flags & EXPERT_VIEW::kLearnedUsage) != 0, counted) << c.value;
    }
}

TEST_F(ExpertsTest, WeightedSumRunsEachExpertOnlyForItsNodes) {
    uint16_t const rule = RuleOf(21);
    for (unsigned strength : {0u, 20u}) {
        Make({0, 0, strength});
        auto* learning = fUser.GetDictionaryLearningInterface(true);
        FinePOS_EX const fp = Reading(fUser, "dog", -1024);
        EXPERT_VIEW leaf = LeafView(fp, 512);
        learning->SetLearningValue(fp, leaf.paraphrase.Get().GetParaphrase(), 0.5f);
        float const semantic = SemanticPart(leaf, nullptr, nullptr, ALLP_SOURCE::kNoRule, true);
        // dictp x (-0.5 + 0.25), and at 20 % the learned 140 x 0.022.
        float const learned = strength == 0 ? 0.0f : 0.022f * 140.0f;
        EXPECT_NEAR(fContext->RunExperts(&leaf, nullptr, nullptr, ALLP_SOURCE::kNoRule),
                    0.18f * -0.25f + learned + semantic, 1e-4)
            << strength;
        EXPECT_EQ((leaf.flags & EXPERT_VIEW::kLearnedUsage) != 0, strength != 0);

        // The graph's dictionary sum over a paraphrase is the leaf's without
        // the rule, balance and node-level semantic experts.
        Paraphrase_EX const para = leaf.paraphrase.Get().GetParaphrase();
        EXPERT_VIEW again(fp, para);
        again.flags = kLeaf;
        float const swan = kExpertWeight_SWAN * fContext->WSANExpert(&again, nullptr, nullptr, ALLP_SOURCE::kNoRule);
        EXPECT_NEAR(fContext->RunDictExperts(fp, para, 0, 0), 0.18f * -0.25f + learned + swan, 1e-4);
    }

    // A parent node: rule probability and balance, no dictionary experts.
    HandBuiltGraph graph;
    ALLP_TOP* left = graph.Top(26, 2, 2);
    left->view.flags = kSized;
    left->view.wordCount = 3;
    ALLP_TOP* right = graph.Top(26, 0, 3);
    right->view.flags = kSized;
    right->view.wordCount = 1;
    EXPERT_VIEW parent;
    parent.category = 293;
    parent.flags = kSized;
    float const semantic = SemanticPart(parent, left, right, rule, false);
    EXPECT_NEAR(fContext->RunExperts(&parent, left, right, rule), 0.178f * -410 / kUnit + 0.0123f * -0.75f + semantic,
                1e-5);
    EXPECT_EQ(parent.wordCount, 4);
}

TEST(ExpertsHelpers, HyphenatedWordsAndRuleLookup) {
    struct {
        char const* text;
        bool hyphenated;
    } const words[] = {{"dog - cat", true}, {"dog-cat", false}, {"dog - cat food", false},
                       {"dog -cat", false}, {"dog", false},     {"", false}};
    for (auto const& w : words) EXPECT_EQ(ExpertContext::WordHyphenWord(w.text), w.hyphenated) << w.text;
    EXPECT_FALSE(ExpertContext::WordHyphenWord(nullptr));

    EXPECT_EQ(ExpertContext::BinRuleToPure(0), nullptr);
    EXPECT_EQ(ExpertContext::BinRuleToPure(kRuleListCount), nullptr);
    EXPECT_EQ(ExpertContext::BinRuleToPure(ALLP_SOURCE::kNoRule), nullptr);
    ASSERT_NE(ExpertContext::BinRuleToPure(RuleOf(21)), nullptr);
    EXPECT_EQ(ExpertContext::BinRuleToPure(RuleOf(21))->id, 21);
}

}  // namespace

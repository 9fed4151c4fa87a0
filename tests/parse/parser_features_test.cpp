// Feature tests and feature programs of the compiled grammar's rules, over
// the vectors dictionary readings give.
#include <gtest/gtest.h>

#include "engine/foundation/feature_bits.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/parser_features.h"

namespace {

constexpr char const* kSingularNoun = "SSSC1101110M0__";
constexpr char const* kPluralNoun = "PPPC1101110M0__";

// The vector of a reading of `category` with these feature strings.
FeatureVector Features(uint16_t category, char const* f0, char const* f1 = "", char const* f2 = "") {
    std::string text = std::string(f0) + '\0' + f1 + '\0' + f2 + '\0' + '\0';
    unsigned short words[kMaxFeatureVectorWords] = {};
    FeatureSetsToBits(words, POS_E_Source{category}, text.c_str());
    FeatureVector v;
    std::copy(words, words + kMaxFeatureVectorWords, v.words);
    v.size = static_cast<uint8_t>(GetSizeFeatures(words));
    return v;
}

// The top piece of the grammar rule with this number.
RuleRecord const& Rule(uint16_t id) {
    for (unsigned r = 1; r < kRuleListCount; ++r) {
        if (kPureRules[kRuleList[r].pureRule].id == id && kRuleList[r].category < kFirstTemporaryCategory)
            return kRuleList[r];
    }
    ADD_FAILURE() << "no rule " << id;
    return kRuleList[0];
}

TEST(ParserFeatures, RuleProgramsTestAndAgree) {
    FeatureVector const none;
    struct Case {
        char const* what;
        uint16_t rule;
        FeatureVector left, right;
        bool passes;
    } const cases[] = {
        {"a singular subject with a third-person verb", 20, Features(grammar::kNP, kSingularNoun),
         Features(grammar::kPRED, "S1T0S30000000_0"), true},
        {"a singular subject with a plural verb", 20, Features(grammar::kNP, kSingularNoun),
         Features(grammar::kPRED, "P1T0P30000000_0"), false},
        {"a plural subject with a plural verb", 20, Features(grammar::kNP, kPluralNoun),
         Features(grammar::kPRED, "P1T0P_0000000_0"), true},
        {"agreement needs the verb's number", 20, Features(grammar::kNP, kSingularNoun),
         Features(grammar::kPRED, "B1T0__0000000_0"), false},
        {"a verb without number takes the other rule", 21, Features(grammar::kNP, kSingularNoun),
         Features(grammar::kPRED, "B1T0__0000000_0"), true},
        {"which refuses a verb with one", 21, Features(grammar::kNP, kSingularNoun),
         Features(grammar::kPRED, "S1T0S30000000_0"), false},
        {"'the' fits a singular noun", 110, Features(grammar::kART, "M31B0"), Features(grammar::kNBAR, kSingularNoun),
         true},
        {"'a' does not fit a plural noun", 110, Features(grammar::kART, "S30B0"), Features(grammar::kNBAR, kPluralNoun),
         false},
        {"a noun without features cannot agree", 110, Features(grammar::kART, "S30B0"), none, false},
    };
    for (Case const& c : cases) {
        RuleRecord const& rule = Rule(c.rule);
        FeatureVector result;
        bool const passes = FeatureMatch_Exact(rule.leftTests, c.left) &&
                            FeatureMatch_Exact(rule.rightTests, c.right) &&
                            FeatureCopyAndMatch(rule, c.left, c.right, result);
        EXPECT_EQ(passes, c.passes) << c.what;
        // The fuzzy test never refuses what the exact one lets through.
        if (passes) {
            EXPECT_TRUE(FeatureMatch_Fuzzy(rule.rightTests, c.right)) << c.what;
        }
    }
}

TEST(ParserFeatures, ResultsCopyDaughtersAndTakeSettings) {
    FeatureVector const verb = Features(grammar::kPRED, "S1T0S30000000_0");
    FeatureVector result;
    ASSERT_TRUE(FeatureCopyAndMatch(Rule(20), Features(grammar::kNP, kSingularNoun), verb, result));
    EXPECT_EQ(result, verb);  // copy 0 <- 2.0, nothing set

    // "set 0 question=1" on top of the copied verb.
    FeatureVector const auxiliary = Features(grammar::kAUXP, "B1T0S30000000_0");
    ASSERT_TRUE(FeatureCopyAndMatch(Rule(40), auxiliary, Features(grammar::kVP, "B1T0__0000000_0"), result));
    EXPECT_EQ(SlotSet(result, 0), SlotSet(auxiliary, 0));
    EXPECT_NE(result, auxiliary);
    EXPECT_EQ(FeatureBitsToChars(result, 0).substr(0, 6), FeatureBitsToChars(auxiliary, 0).substr(0, 6));

    // A capital sequence has no features; its noun phrase is made singular.
    ASSERT_TRUE(FeatureCopyAndMatch(Rule(115), FeatureVector{}, FeatureVector{}, result));
    EXPECT_EQ(FeatureBitsToChars(result, 0).substr(0, 2), "SS");

    // A rule that neither copies nor sets makes no features.
    ASSERT_TRUE(FeatureCopyAndMatch(Rule(10), verb, Features(grammar::kPERIOD, ""), result));
    EXPECT_TRUE(result.Empty());
}

TEST(ParserFeatures, VectorsRenderSlotByActualSets) {
    FeatureVector const noun = Features(grammar::kN, kSingularNoun, "010000000000000");
    EXPECT_EQ(GetSizeFeatures(noun.words), noun.size);
    EXPECT_EQ(FeatureBitsToChars(noun, 0), "SSSC1101110M000");
    EXPECT_EQ(FeatureBitsToChars(noun, 1), "010000000000000");
    EXPECT_EQ(FeatureBitsToChars(FeatureVector{}, 0), "");

    // OR of two vectors: a slot missing on one side takes the other's.
    FeatureVector both = Features(grammar::kNP, kSingularNoun);
    OrFeatures(both, Features(grammar::kNP, kPluralNoun));
    EXPECT_EQ(FeatureBitsToChars(both, 0).substr(0, 3), "MMM");
    FeatureVector empty;
    OrFeatures(empty, noun);
    EXPECT_EQ(empty, noun);

    EXPECT_LT(CompareFeatures(FeatureVector{}, noun), 0);
    EXPECT_EQ(CompareFeatures(noun, noun), 0);
}

}  // namespace

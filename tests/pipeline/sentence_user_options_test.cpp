#include <gtest/gtest.h>

#include <vector>

#include "engine/foundation/temporary_dictionary.h"
#include "engine/pipeline/dictionary_priorities.h"
#include "engine/pipeline/sentence_options_mapping.h"

namespace {

Dictionary_EX WithID(unsigned short id) {
    Dictionary_EX dictionary = Dictionary_EX_Temporary();
    dictionary.SetID(id);
    return dictionary;
}

TEST(SentenceUserOptions, StartsAtTheDefaults) {
    SentenceUserOptions const options;
    EXPECT_TRUE(options.fDictionaryPriorities.GetPriorities().empty());
    EXPECT_FALSE(options.fDictionaryPriorities.IsNormalized());
    EXPECT_EQ(options.fLearningStrength.GetStrength(), 20u);
    EXPECT_EQ(options.fLearningStrength.GetWeight(), 20.0f * fOriginalUserTotWeight / 100.0f);
    EXPECT_EQ(options.fMaxSavedParses, 1);
    EXPECT_EQ(options.fSpeed, 10);
    EXPECT_EQ(options.fProperNounMode, 13u);
    EXPECT_EQ(options.fSentenceFlag3, 1);
    EXPECT_EQ(options.fThey.GetCPVAL_THEY_TRANS(), 41u);
    EXPECT_EQ(options.fPoliteness.GetPolitenessLevel(), 23u);
    EXPECT_EQ(options.fAuxiliaryVerbs.fFlags[10], 1);
    EXPECT_EQ(options.fAuxiliaryVerbs.fFlags[9], 0);
}

TEST(SentenceUserOptions, SettersKeepTheirValueLists) {
    LearningStrengthUserOption strength;
    struct {
        unsigned long strength;
        float weight;
    } const strengths[] = {{50, 50.0f * 0.11f / 100.0f}, {0, 0.0f}, {8, 8.0f * 0.11f / 100.0f}};
    for (auto const& s : strengths) {
        strength.Set(s.strength);
        EXPECT_EQ(strength.GetStrength(), s.strength);
        EXPECT_EQ(strength.GetWeight(), s.weight) << s.strength;  // bit for bit
    }

    struct {
        uint32_t code;
        bool human, nonHuman, combined;
    } const they[] = {
        {42, true, false, false}, {45, true, false, false},  // 45 is stored, the flags stay
        {43, false, true, false}, {44, false, false, true}, {41, true, true, true},
    };
    TheyTransUserOption option;
    for (auto const& t : they) {
        option.SetCPVAL_THEY_TRANS(static_cast<TheyTransUserOption::CPVAL_THEY>(t.code));
        EXPECT_EQ(option.GetCPVAL_THEY_TRANS(), t.code);
        EXPECT_EQ(option.fAllowHuman, t.human) << t.code;
        EXPECT_EQ(option.fAllowNonHuman, t.nonHuman) << t.code;
        EXPECT_EQ(option.fAllowCombined, t.combined) << t.code;
    }

    PolitenessLevelUserOption politeness;
    EXPECT_TRUE(politeness.SetPolitenessLevel(21));
    EXPECT_FALSE(politeness.SetPolitenessLevel(24));
    EXPECT_FALSE(politeness.SetPolitenessLevel(0));
    EXPECT_EQ(politeness.GetPolitenessLevel(), 21u);
}

TEST(SentenceUserOptions, DictionaryTypesByNumber) {
    struct {
        unsigned short id;
        int type;
    } const cases[] = {
        {0, kSystemDictType},      {1, kSystemDictType},          {99, kSystemDictType},     {100, kTechnicalDictType},
        {997, kTechnicalDictType}, {998, kSystemDictType},        {10000, kUserDictType},    {30000, kUserDictType},
        {30001, kSystemDictType},  {30002, kMissingWordDictType}, {30003, kSpecialDictType},
    };
    for (auto const& c : cases) EXPECT_EQ(GetDictType(WithID(c.id)), c.type) << c.id;
}

TEST(SentenceUserOptions, PrioritiesFollowTheListOrderAndAreNormalised) {
    struct {
        char const* what;
        std::vector<unsigned short> ids;
        std::vector<double> priorities;  // in list order
        double range;
    } const cases[] = {
        {"users, systems and technicals", {10000, 1, 10001, 100, 101, 10002}, {0.0, 1.0, 0.01, 2.0, 2.01, 0.02}, 2.01},
        {"a user after two others gets 1.02", {10000, 10001, 10002, 2}, {0.0, 0.01, 0.02, 1.0}, 1.0},
        {"the missing-word dictionary ranks last", {1, 30002}, {0.0, 32766.0}, 32765.0},
        {"one dictionary", {5}, {0.0}, 0.0},
        {"a number listed twice keeps its first priority", {10000, 10000, 1}, {0.0, 0.0, 1.0}, 1.0},
    };
    for (auto const& c : cases) {
        std::vector<Dictionary_EX> list;
        for (unsigned short id : c.ids) list.push_back(WithID(id));
        DictionaryPriorityMap const map = MakeDictionaryPriorityMap(list);
        EXPECT_TRUE(map.IsNormalized()) << c.what;
        for (std::size_t i = 0; i < c.ids.size(); ++i)
            EXPECT_NEAR(map.Get(c.ids[i]), c.priorities[i], 1e-9) << c.what << " #" << i;
        EXPECT_NEAR(map.GetRange(), c.range, 1e-9) << c.what;
        EXPECT_NEAR(map.Get(kDefaultDictionaryID), 1.0 + c.range, 1e-9) << c.what;
    }

    // No dictionary: an empty map, normalised, and dynamic readings at 1.
    DictionaryPriorityMap const empty = MakeDictionaryPriorityMap({});
    EXPECT_TRUE(empty.IsNormalized());
    EXPECT_TRUE(empty.GetPriorities().empty());
    EXPECT_EQ(empty.Get(kMissingWordDictionaryID), 1.0);
}

TEST(SentenceUserOptions, SelectorsMapToTheEngineCodes) {
    struct {
        char const* what;
        uint32_t BasicTranslationOptions::*field;
        uint32_t value;
        uint32_t (*read)(SentenceUserOptions const&);
        uint32_t expected;
    } const cases[] = {
#define READ(expr) [](SentenceUserOptions const& o) -> uint32_t { return expr; }
        {"speed 0", &BasicTranslationOptions::fSpeed, 0, READ(o.fSpeed), 10},
        {"speed 25", &BasicTranslationOptions::fSpeed, 25, READ(o.fSpeed), 30},
        {"speed 50", &BasicTranslationOptions::fSpeed, 50, READ(o.fSpeed), 50},
        {"speed 75", &BasicTranslationOptions::fSpeed, 75, READ(o.fSpeed), 80},
        {"speed 100", &BasicTranslationOptions::fSpeed, 100, READ(o.fSpeed), 100},
        {"speed 60 is not a step", &BasicTranslationOptions::fSpeed, 60, READ(o.fSpeed), 10},
        {"they 0", &BasicTranslationOptions::fThey, 0, READ(o.fThey.GetCPVAL_THEY_TRANS()), 41},
        {"they 2", &BasicTranslationOptions::fThey, 2, READ(o.fThey.GetCPVAL_THEY_TRANS()), 43},
        {"they 3", &BasicTranslationOptions::fThey, 3, READ(o.fThey.GetCPVAL_THEY_TRANS()), 44},
        {"they 7", &BasicTranslationOptions::fThey, 7, READ(o.fThey.GetCPVAL_THEY_TRANS()), 41},
        {"style 0", &BasicTranslationOptions::fStyle, 0, READ(o.fPoliteness.GetPolitenessLevel()), 21},
        {"style 1", &BasicTranslationOptions::fStyle, 1, READ(o.fPoliteness.GetPolitenessLevel()), 22},
        {"style 2", &BasicTranslationOptions::fStyle, 2, READ(o.fPoliteness.GetPolitenessLevel()), 23},
        {"style 5", &BasicTranslationOptions::fStyle, 5, READ(o.fPoliteness.GetPolitenessLevel()), 23},
        {"numeric 0", &BasicTranslationOptions::fNumeric, 0, READ(o.fNumericMode), 2},
        {"numeric 1", &BasicTranslationOptions::fNumeric, 1, READ(o.fNumericMode), 1},
        {"numeric 2", &BasicTranslationOptions::fNumeric, 2, READ(o.fNumericMode), 0},
        {"numeric 9", &BasicTranslationOptions::fNumeric, 9, READ(o.fNumericMode), 0},
        {"strength 0", &BasicTranslationOptions::fStrength, 0, READ(o.fLearningStrength.GetStrength()), 8},
        {"strength 1", &BasicTranslationOptions::fStrength, 1, READ(o.fLearningStrength.GetStrength()), 20},
        {"strength 2", &BasicTranslationOptions::fStrength, 2, READ(o.fLearningStrength.GetStrength()), 50},
        {"proper 0", &BasicTranslationOptions::fProper, 0, READ(o.fProperNounMode), 11},
        {"proper 3", &BasicTranslationOptions::fProper, 3, READ(o.fProperNounMode), 13},
        {"you 1", &BasicTranslationOptions::fYou, 1, READ(o.fYouMode), 1},
        {"you 2", &BasicTranslationOptions::fYou, 2, READ(o.fYouMode), 0},
#undef READ
    };
    for (auto const& c : cases) {
        BasicTranslationOptions options;
        options.*c.field = c.value;
        EXPECT_EQ(c.read(MapSentenceUserOptions(options)), c.expected) << c.what;
    }

    // The defaults give polite style, and flags and blocks are carried.
    BasicTranslationOptions options;
    options.fDialog = true;
    options.fSentenceFlag3 = false;
    options.fAuxiliaryVerbWords[27] = 5;
    options.fAuxiliaryVerbFlags[10] = 0;
    options.fAuxiliaryVerbFlags[19] = 7;
    SentenceUserOptions const mapped = MapSentenceUserOptions(options);
    EXPECT_EQ(mapped.fPoliteness.GetPolitenessLevel(), PolitenessLevelUserOption::kPoliteStyle);
    EXPECT_EQ(mapped.fDialog, 1);
    EXPECT_EQ(mapped.fSentenceFlag3, 0);
    EXPECT_EQ(mapped.fAuxiliaryVerbs.fWords[27], 5u);
    EXPECT_EQ(mapped.fAuxiliaryVerbs.fFlags[10], 0);
    EXPECT_EQ(mapped.fAuxiliaryVerbs.fFlags[19], 7);
}

}  // namespace

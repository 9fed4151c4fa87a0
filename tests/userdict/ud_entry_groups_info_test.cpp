// The entry-group record, its comparisons, and the POS strings of its forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/userdict/ud35_entry_groups.h"

namespace {

using Info = UDEntryGroupInfo_EX;

TEST(UDEntryGroupInfo, SettersFillTheirKindAndForms) {
    Info verb;
    verb.Set_Verb("go", Info::kIntransitive, "went", "gone", "goes", "going", "answer", "particle");
    EXPECT_EQ(verb.kind, Info::kVerbGroup);
    EXPECT_EQ(verb.transitivity, Info::kIntransitive);
    EXPECT_EQ(std::vector<std::string>(verb.forms, verb.forms + 5),
              (std::vector<std::string>{"go", "went", "gone", "goes", "going"}));
    EXPECT_EQ(verb.answer, "answer");
    EXPECT_EQ(verb.particle, "particle");

    Info oneByOne;
    oneByOne.Set_Verb_1Inflection(Info::kTransitive, Info::kThirdSingularForm, "goes", "a", "p");
    oneByOne.Set_Verb_1Inflection(Info::kTransitivityNotMarked, 5, "ignored", "b", "q");
    EXPECT_EQ(oneByOne.kind, Info::kVerbGroup);
    EXPECT_EQ(oneByOne.transitivity, Info::kTransitivityNotMarked);
    EXPECT_EQ(std::vector<std::string>(oneByOne.forms, oneByOne.forms + 5),
              (std::vector<std::string>{"", "", "", "goes", ""}));
    EXPECT_EQ(oneByOne.answer, "b");
    EXPECT_EQ(oneByOne.particle, "q");

    Info noun;
    noun.Set_Noun("", "mice");
    EXPECT_EQ(noun.kind, Info::kNounGroup);
    EXPECT_EQ(noun.GetBaseForm(), "mice");
    EXPECT_EQ(noun.NumberOfSrcInflections(), 2u);

    Info adjective;
    adjective.Set_Adjective("red", "x");
    adjective.forms[1] = "not a form of an adjective";
    EXPECT_EQ(adjective.kind, Info::kAdjectiveGroup);
    EXPECT_EQ(adjective.answer, "x");
    EXPECT_EQ(adjective.NumberOfSrcInflections(), 1u);
    adjective.forms[0].clear();
    EXPECT_EQ(adjective.GetBaseForm(), "");

    Info phrase;
    phrase.Set_PrepositionalPhrase("on top", "y");
    EXPECT_EQ(phrase.kind, Info::kPrepositionalPhraseGroup);
    EXPECT_EQ(Info().NumberOfSrcInflections(), 1u);
    EXPECT_EQ(verb.NumberOfSrcInflections(), 5u);
}

// Each case changes one field of a verb or a preposition; the exact
// comparison and the lookup comparison see it or not.
TEST(UDEntryGroupInfo, ComparisonsLookAtTheirFieldsOnly) {
    Info verb;
    verb.Set_Verb("go", Info::kTransitive, "went", "gone", "goes", "going", "a", "p");
    verb.translation = "t";
    Info preposition;
    preposition.kind = Info::kPrepositionGroup;
    preposition.forms[0] = "about";
    preposition.translation = "t";

    struct Case {
        char const* name;
        Info base;
        void (*change)(Info&);
        bool exact;
        bool lookup;
    };
    Case const cases[] = {
        {"nothing", verb, [](Info&) {}, true, true},
        {"a form", verb, [](Info& r) { r.forms[4] = "goin"; }, false, false},
        {"a form's case", verb, [](Info& r) { r.forms[0] = "Go"; }, false, false},
        {"the translation", verb, [](Info& r) { r.translation = "u"; }, false, false},
        {"the kind", verb, [](Info& r) { r.kind = Info::kNounGroup; }, false, false},
        {"the answer", verb, [](Info& r) { r.answer = "b"; }, false, true},
        {"the particle", verb, [](Info& r) { r.particle = "q"; }, false, true},
        {"the transitivity", verb, [](Info& r) { r.transitivity = Info::kIntransitive; }, false, true},
        {"the idiom kind", verb, [](Info& r) { r.idiomKind = 1; }, false, true},
        {"the frequencies", verb, [](Info& r) { r.frequencies[0].batch = 9; }, true, true},
        {"a preposition's subtype", preposition, [](Info& r) { r.subtype = 1; }, false, true},
        {"a preposition's answer", preposition, [](Info& r) { r.answer = "b"; }, true, true},
        {"a preposition's second form", preposition, [](Info& r) { r.forms[1] = "x"; }, true, true},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Info changed = c.base;
        c.change(changed);
        EXPECT_EQ(c.base == changed, c.exact);
        EXPECT_EQ(c.base != changed, !c.exact);
        EXPECT_EQ(EntryGroupsMatchEnufForLookupInfo(c.base, changed), c.lookup);
    }
}

TEST(UDEntryGroupPOS, EachFormHasItsPOSStringAndEachStringItsCookClass) {
    struct Case {
        uint32_t kind;
        uint32_t variant;  // transitivity or subtype
        uint32_t form;
        char const* pos;
        int gross;
    };
    Case const cases[] = {
        {1, 0, 0, "ADJ", 0},     {2, 0, 0, "ADV", 1},     {3, 0, 0, "N_SING", 2},   {3, 0, 1, "N_PLURAL", 2},
        {4, 0, 0, "VT_INF", 3},  {4, 0, 1, "VT_PAST", 3}, {4, 0, 2, "VT_PASTP", 3}, {4, 0, 3, "VT_3RD", 3},
        {4, 0, 4, "VT_GER", 3},  {4, 1, 0, "VI_INF", 3},  {4, 1, 2, "VI_PASTP", 3}, {4, 1, 4, "VI_GER", 3},
        {4, 2, 0, "V_INF", 3},   {4, 2, 1, "V_PAST", 3},  {4, 2, 3, "V_3RD", 3},    {5, 0, 0, "CONJ", 4},
        {6, 0, 0, "PREPADJ", 5}, {6, 1, 0, "PREPADV", 6}, {7, 0, 0, "PP", 0},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.pos);
        Info record;
        record.kind = c.kind;
        record.transitivity = static_cast<Info::VerbTransativityType>(c.kind == 4 ? c.variant : 0);
        record.subtype = c.kind == 6 ? c.variant : 0;
        EXPECT_STREQ(UD35EntryGroupInterface_EJ::MapEntryGroupInfoToFilePOSString(record, c.form), c.pos);
        EXPECT_EQ(cvtUDPos(c.pos), c.gross);
        uint32_t kind = 0, variant = 0, form = 0;
        ASSERT_TRUE(ParseUDPOSString(c.pos, &kind, &variant, &form));
        EXPECT_EQ(kind, c.kind);
        EXPECT_EQ(variant, c.variant);
        EXPECT_EQ(form, c.form);
    }

    Info noun;
    noun.kind = Info::kNounGroup;
    EXPECT_STREQ(UD35EntryGroupInterface_EJ::MapEntryGroupInfoToFilePOSString(noun, 2), "");
    noun.kind = 0;
    EXPECT_STREQ(UD35EntryGroupInterface_EJ::MapEntryGroupInfoToFilePOSString(noun, 0), "");
    for (char const* notAPOS : {"", "adj", "V_", "VX_INF", "N_SINGULAR"}) {
        SCOPED_TRACE(notAPOS);
        EXPECT_EQ(cvtUDPos(notAPOS), eCookNone);
    }
    EXPECT_EQ(cvtUDPos(nullptr), eCookNone);
}

}  // namespace

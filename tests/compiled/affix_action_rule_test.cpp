// The affix action rules and pattern rows on their own: p-values, feature
// patterns, Japanese templates, semantics, stripping, and the compiled-in
// tables' consistency.
#include "engine/compiled/affix_action_rule.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "compiled/affix_test_support.h"
#include "cp932.h"
#include "engine/compiled/affix_pattern.h"
#include "engine/foundation/atom_databases.h"
#include "engine/foundation/feature_bits.h"
#include "engine/foundation/feature_tables.h"

using namespace affix_test;

namespace {

AffixActionRule Rule() {
    return AffixActionRule{0, "N", "N", {"", "", ""}, {"", "", ""}, {"", "", ""}, "", "@", POS_J_Target{}, 0, 0, 0};
}

AffixActionRule PValueRule(bool change, bool additive, short delta) {
    AffixActionRule rule = Rule();
    rule.changesPValue = change;
    rule.additive = additive;
    rule.pValueDelta = delta;
    return rule;
}

unsigned short Atom(char const* name) {
    unsigned short atom = 0;
    gSemanticAtomDatabase_E_Source().Lookup(name, &atom);
    return atom;
}

std::vector<unsigned short> Atoms(SemanticRecord const& record) {
    return std::vector<unsigned short>(record.atoms, record.atoms + record.AtomCount());
}

}  // namespace

TEST(AffixActionRuleTest, PValueIsComputedWideAndHeldToSixteenBits) {
    struct Case {
        bool change, additive;
        short delta, p, expected;
    };
    Case const cases[] = {
        {false, false, -6144, 123, 123},     {true, true, -6144, 0, -6144},
        {true, true, -6144, -30000, -32768},  // would wrap to 29392 in 16 bits
        {true, true, 30000, 30000, 32767},   {true, false, -3480, 100, -3470},
        {true, false, -3480, -15, -3481},  // the sum truncated toward zero
        {true, false, -3480, 15, -3478},   // not the tenth first
        {true, false, 2664, -15, 2662},      {true, false, 2664, 15, 2665},
        {true, false, -3480, -32768, -6756}, {true, false, 2664, 0, 2664},
    };
    for (Case const& c : cases) {
        EXPECT_EQ(PValueRule(c.change, c.additive, c.delta).GetDerivedPOSProb(c.p), c.expected)
            << c.delta << " on " << c.p;
    }
}

TEST(AffixActionRuleTest, DerivedFeaturesOverwriteTheStemsLetters) {
    struct Case {
        char const* pattern;
        char const* stem;
        char const* expected;
    };
    Case const cases[] = {
        {"NO", "SSSC1101110M0__", ""},
        {"", "SSSC", "SSSC"},
        {"PPP", "SSSC1", "PPPC1"},
        {"*P$.X", "ABCDE", "APCDX"},
        {"PPP", "#", "PPP"},
        {"*P", "#", "?P"},
        {"PPPC1100120M0__", "SSSC1101110M0__", "PPPC1100120M0__"},
        {"**X", "S", "S?X"},
    };
    for (Case const& c : cases) {
        AffixActionRule rule = Rule();
        rule.derivedFeatures[1] = c.pattern;
        std::string out = "junk";
        rule.GetDerivedFeatures(&out, c.stem, 1);
        EXPECT_EQ(out, c.expected) << c.pattern << " over " << c.stem;
    }
}

TEST(AffixActionRuleTest, StemFeaturesMatchLetterByLetter) {
    struct Case {
        char const* pattern;
        char const* features;
        bool matches;
    };
    Case const cases[] = {
        {"", "anything", true},  {"SSS*", "SSSX", true},
        {"SSS*", "PSSX", false}, {"SS", "SSSC", true},  // features beyond the pattern are free
        {"SS__*", "SS", true},                          // pattern beyond the features: "_" and "*" only
        {"SSC", "SS", false},    {"#", "#", true},
        {"#", "", false},        {"SSSC1101110M0__", "SSSC1101110M0__", true},
    };
    for (Case const& c : cases) {
        AffixActionRule rule = Rule();
        rule.stemFeatures[2] = c.pattern;
        EXPECT_EQ(rule.FeaturesMatch(c.features, 2), c.matches) << c.pattern << " on " << c.features;
    }
}

TEST(AffixActionRuleTest, TranslationTemplates) {
    struct Case {
        char const* templateUtf8;
        char const* expectedUtf8;
    };
    // Stem translation "王", surface "kingdom", stem "king".
    Case const cases[] = {
        {"+再び", "再び王"},           {"-王国", "王王国"},
        {"@たち", "王たち"},           {"<{WORD}>", "{kingdom}"},
        {"@<{WORD}>", "王{kingdom}"},  {"<{STEM}>", "{king}"},
        {"新<{WORD}>", "新{kingdom}"}, {"ァ@", "ァ@"},  // "@" only counts first; 0x40 here is a trail byte
    };
    for (Case const& c : cases) {
        AffixActionRule rule = Rule();
        std::string const templateText = CP932(c.templateUtf8);
        rule.translationTemplate = templateText.c_str();
        EXPECT_EQ(rule.GetDerivedJ(CP932("王"), "kingdom", "king"), CP932(c.expectedUtf8)) << c.templateUtf8;
    }
}

TEST(AffixActionRuleTest, TransplantTemplateReplacesEveryAtCharacter) {
    struct Case {
        char const* templateUtf8;
        char const* expectedUtf8;
    };
    Case const cases[] = {
        {"", ""}, {"@", "移"}, {"@の@", "移の移"}, {"ァ@ァ", "ァ移ァ"},  // "ァ" is 0x83 0x40: its trail byte is no "@"
    };
    for (Case const& c : cases) {
        AffixActionRule rule = Rule();
        std::string const templateText = CP932(c.templateUtf8);
        rule.transplantTemplate = templateText.c_str();
        EXPECT_EQ(rule.GetDerivedJTransplant(CP932("移")), CP932(c.expectedUtf8)) << c.templateUtf8;
    }
}

TEST(AffixActionRuleTest, ParaphraseSemanticsFromTheLists) {
    Dict_Semantics_E_Source stem;
    stem.records[0].atoms[0] = Atom("human");
    stem.records[1].atoms[0] = Atom("action");

    AffixActionRule keep = Rule();
    EXPECT_EQ(keep.GetDerivedParaphraseSemantics(stem).records[1].atoms[0], Atom("action"));

    AffixActionRule first = Rule();
    first.semanticLists[0] = "place nosuchatom personname";
    Dict_Semantics_E_Source const fromFirst = first.GetDerivedParaphraseSemantics(stem);
    EXPECT_EQ(Atoms(fromFirst.records[0]), (std::vector<unsigned short>{Atom("place"), Atom("personname")}));
    EXPECT_TRUE(fromFirst.records[0].IsOneSlot() && fromFirst.records[0].IsNounLike());
    EXPECT_FALSE(fromFirst.records[0].IsSelRes());
    EXPECT_EQ(fromFirst.records[1].AtomCount(), 0u);

    AffixActionRule second = Rule();
    second.semanticLists[1] = "state action";
    second.semanticLists[2] = "all";
    Dict_Semantics_E_Source const fromSecond = second.GetDerivedParaphraseSemantics(stem);
    EXPECT_EQ(Atoms(fromSecond.records[0]), (std::vector<unsigned short>{Atom("all"), Atom("state"), Atom("action")}));
    EXPECT_TRUE(fromSecond.records[0].IsOneSlot() && fromSecond.records[0].IsSelRes());
    EXPECT_FALSE(fromSecond.records[0].IsNounLike());
}

TEST(AffixActionRuleTest, TwentyAtomsAreCutToTen) {
    std::string const ten = "place state action all human animate product townname organization reflex";
    AffixActionRule rule = Rule();
    rule.semanticLists[1] = ten.c_str();
    rule.semanticLists[2] = ten.c_str();
    SemanticRecord const record = rule.GetDerivedParaphraseSemantics(Dict_Semantics_E_Source()).records[0];
    ASSERT_EQ(record.AtomCount(), SemanticRecord::kMaxAtoms);
    EXPECT_EQ(record.atoms[0], Atom("place"));
    EXPECT_EQ(record.atoms[9], Atom("reflex"));
}

TEST(AffixActionRuleTest, MissingWordSemanticsKeepTheStemsFlags) {
    Dict_Semantics_E_Source stem;
    stem.records[0].flags = SemanticRecord::kOneSlot | SemanticRecord::kNounLike;
    stem.records[1].atoms[0] = Atom("action");

    AffixActionRule rule = Rule();
    rule.semanticLists[0] = "personname";
    Dict_Semantics_E_Source const derived = rule.GetDerivedSemantics(stem);
    EXPECT_EQ(Atoms(derived.records[0]), (std::vector<unsigned short>{Atom("personname")}));
    EXPECT_TRUE(derived.records[0].IsOneSlot() && derived.records[0].IsNounLike());
    EXPECT_EQ(derived.records[1].AtomCount(), 0u);

    rule.semanticLists[0] = "*";
    EXPECT_EQ(rule.GetDerivedSemantics(stem).records[1].atoms[0], Atom("action"));
}

TEST(AffixPatternTest, StrippingPrefixesAndSuffixes) {
    AffixActionRule const rule = Rule();
    struct Case {
        AffixPattern pattern;
        char const* word;
        char const* stem;  // "" when the row does not apply
    };
    std::string const longWord = "auto" + std::string(81, 'x');
    Case const cases[] = {
        {{&rule, 1, 1, "", "auto"}, "autoformat", "format"},
        {{&rule, 1, 1, "", "auto"}, "Autoformat", "Format"},
        {{&rule, 1, 1, "", "auto"}, "AUTOFORMAT", "FORMAT"},
        {{&rule, 1, 1, "", "auto"}, "auto", ""},
        {{&rule, 1, 1, "", "auto"}, "format", ""},
        {{&rule, 1, 1, "", "auto"}, longWord.c_str(), ""},  // stems stay under 81 bytes
        {{&rule, 1, 0, "lf", "lves"}, "elves", "elf"},      // a stem of one byte is enough
        {{&rule, 1, 0, "sis", "ses"}, "ses", ""},           // but none is not
        {{&rule, 1, 0, "Vy", "Vys"}, "days", "day"},
        {{&rule, 1, 0, "Vy", "Vys"}, "cries", ""},
        {{&rule, 1, 0, "", "s"}, "s", ""},
    };
    for (Case const& c : cases) {
        std::string stem = "junk";
        EXPECT_EQ(c.pattern.Apply(&stem, c.word), *c.stem != '\0') << c.word;
        EXPECT_EQ(stem, c.stem) << c.word;
    }
}

TEST(AffixPatternTest, NextMatchingPatternWalksPrefixThenSuffixRows) {
    std::vector<std::pair<std::size_t, std::string>> matches;  // (rule, stem)
    int index = 0;
    char stem[AffixPattern::kStemBufferSize];
    AffixActionRule const* rule = nullptr;
    while (ApplyNextMatchingPattern(&index, "McBride", stem, &rule))
        matches.emplace_back(static_cast<std::size_t>(rule - kAffixActions), stem);
    ASSERT_GE(matches.size(), 2u);
    EXPECT_EQ(matches[0], (std::pair<std::size_t, std::string>{6, "Bride"}));
    EXPECT_EQ(matches[1], (std::pair<std::size_t, std::string>{7, "Bride"}));
    EXPECT_FALSE(ApplyNextMatchingPattern(&index, "McBride", stem, &rule));
}

TEST(AffixTablesTest, EveryRuleAndRowIsWellFormed) {
    for (std::size_t i = 0; i < kAffixActionCount; ++i) {
        AffixActionRule const& rule = kAffixActions[i];
        EXPECT_NE(rule.GetStemCategory(), POS_E_Source{}) << "rule " << i;
        EXPECT_NE(rule.GetDerivedCategory(), POS_E_Source{}) << "rule " << i;
        EXPECT_STRNE(rule.translationTemplate, "") << "rule " << i;
    }
    struct Table {
        AffixPattern const* rows;
        std::size_t count;
        bool prefix;
    };
    for (Table const& table :
         {Table{kPrefixPatterns, kPrefixPatternCount, true}, Table{kSuffixPatterns, kSuffixPatternCount, false},
          Table{kFirstWordSuffixPatterns, kFirstWordSuffixPatternCount, false}}) {
        std::set<AffixActionRule const*> started;
        for (std::size_t i = 0; i < table.count; ++i) {
            AffixPattern const& row = table.rows[i];
            EXPECT_EQ(row.isPrefix != 0, table.prefix) << i;
            bool const first = i == 0 || table.rows[i - 1].rule != row.rule;
            EXPECT_EQ(row.firstOfRule != 0, first) << i;
            if (first) {
                EXPECT_TRUE(started.insert(row.rule).second) << "rule rows apart at " << i;
            }
        }
    }
}

TEST(AffixTablesTest, NamedRows) {
    AffixActionRule const& re = kAffixActions[130];
    EXPECT_EQ(re.GetStemCategory(), SourcePOS("VT16c"));
    EXPECT_EQ(re.GetDerivedJ(CP932("使う"), "reuse", "use"), CP932("再び使う"));
    EXPECT_EQ(re.GetDerivedPOSProb(0), -6144);
    EXPECT_STREQ(kAffixActions[9].stemFeatures[0], "SSSC1101110M0__");
    EXPECT_STREQ(kAffixActions[9].derivedFeatures[0], "PPPC1100120M0__");
    EXPECT_TRUE(kAffixActions[7].IsMissingWordAction() && kAffixActions[8].IsMissingWordAction());
    EXPECT_EQ(kAffixActions[7].GetDerivedPOSProb(0), 2664);
    for (std::size_t i = 0; i < kFirstWordSuffixPatternCount; ++i)
        EXPECT_EQ(kFirstWordSuffixPatterns[i].rule, &kAffixActions[9]);
    int additive = 0;
    for (AffixActionRule const& rule : kAffixActions) additive += rule.changesPValue && rule.additive;
    EXPECT_EQ(additive, 237);
}

// Every literal feature string of the rules is written in the grammar's
// feature sets for its category.
TEST(AffixTablesTest, LiteralFeatureStringsFitTheGrammarsFeatureSets) {
    for (AffixActionRule const& rule : kAffixActions) {
        struct Side {
            char const* category;
            char const* const* features;
        } const sides[] = {{rule.stemCategory, rule.stemFeatures}, {rule.derivedCategory, rule.derivedFeatures}};
        for (Side const& side : sides) {
            std::string name(side.category);
            if (!name.empty() && name.back() == '\'') name.pop_back();
            for (unsigned slot = 0; slot < AffixActionRule::kFeatureSetCount; ++slot) {
                std::string const text(side.features[slot]);
                if (text.empty() || text == "NO" || text.find_first_of("*$.") != std::string::npos) continue;
                SCOPED_TRACE(name + " slot " + std::to_string(slot) + " " + text);
                // Earlier slots take their defaults, which never fail.
                std::string all;
                for (unsigned before = 0; before < slot; ++before) all += std::string("#") + '\0';
                all += text + '\0' + '\0';
                gErrBuf[0] = '\0';
                unsigned short bits[kMaxFeatureVectorWords] = {};
                FeatureSetsToBits(bits, SourcePOS(name.c_str()), all.c_str());
                EXPECT_STREQ(gErrBuf, "");
            }
        }
    }
}

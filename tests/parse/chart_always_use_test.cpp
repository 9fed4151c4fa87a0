// Decisions chart building imposes before parsing: always-use readings win
// their span, almighty idioms clear what lies inside them, hyphen sequences
// are protected as units, and part-of-speech settings make a span one
// constituent with default readings.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/always_use_readings.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

constexpr POS_E_Source kNoun{22};
constexpr POS_E_Source kVerb{54};  // "VT01"
constexpr POS_E_Source kPrep{201};
constexpr POS_E_Source kStartLiteral{55};
constexpr POS_E_Source kEndLiteral{56};

// Dictionaries of the fixture and their priorities: a smaller one is
// stronger.
constexpr uint16_t kUserA = 10000;  // 1.0
constexpr uint16_t kUserB = 10001;  // 1.01: ties with kUserA
constexpr uint16_t kSystem = 1;     // 2.0

using Span = std::pair<int, int>;  // first and last word of a cell

class ChartDecisions : public testing::Test {
protected:
    ChartDecisions() {
        fDictionaries[0].SetID(kUserA);
        fDictionaries[1].SetID(kUserB);
        fDictionaries[2].SetID(kSystem);
    }

    // A sentence of n words "w0" ... "w<n-1>" at byte offsets 0, 3, 6 ...
    // with an empty chart.
    void MakeSentence(int n, uint16_t flags = Sentence::kOneParseKept) {
        SentenceUserOptions options;
        options.fDictionaryPriorities.Set(kUserA, 1.0);
        options.fDictionaryPriorities.Set(kUserB, 1.01);
        options.fDictionaryPriorities.Set(kSystem, 2.0);
        fSentence = std::make_unique<Sentence>(options);
        std::vector<PreparsedWord> words(static_cast<std::size_t>(n));
        for (int w = 0; w < n; ++w) {
            words[w].fText = "w" + std::to_string(w);
            words[w].fStart = static_cast<uint16_t>(3 * w);
            words[w].fEnd = static_cast<uint16_t>(3 * w + 2);
        }
        fSentence->SetPreparsedWords(words, {}, {}, false);
        fSentence->SetFlags(flags);
        fSentence->Chart().Allocate(static_cast<std::size_t>(n));
        fCreator = std::make_unique<ParseChartCreator>(fSentence.get());
    }

    FinePOS_EX Reading(std::string const& headword, POS_E_Source pos, IdiomType type, uint16_t dictionary = kUserA,
                       char const* set1 = "") {
        Dictionary_EX_Temporary& in = dictionary == kUserA   ? fDictionaries[0]
                                      : dictionary == kUserB ? fDictionaries[1]
                                                             : fDictionaries[2];
        FinePOS_EX fp = in.CreateNewEntry(headword).CreateNewFinePOS();
        fp.SetFinePOS(pos);
        fp.SetIdiomType(type);
        FeatureSets_E_Source sets;
        sets.SetSet(1, set1);
        fp.SetFeatureSets(sets);
        return fp;
    }

    // Puts a reading into the cell of words first..last.
    void Put(FinePOS_EX const& fp, int first, int last) { fCreator->FillChartEntry(fp, first, last - first, false); }
    // A plain noun reading in every cell.
    void FillEveryCell() {
        int const n = static_cast<int>(Chart().WordCount());
        for (int first = 0; first < n; ++first)
            for (int last = first; last < n; ++last) Put(Reading("plain", kNoun, eIdiomNormal), first, last);
    }

    ParseChart& Chart() { return fSentence->Chart(); }
    PCHART_CELL& Cell(int first, int last) { return Chart().Cell(last - first, last); }

    template <class Test>
    std::set<Span> CellsWhere(Test test) {
        std::set<Span> found;
        int const n = static_cast<int>(Chart().WordCount());
        for (int first = 0; first < n; ++first)
            for (int last = first; last < n; ++last)
                if (test(Cell(first, last))) found.emplace(first, last);
        return found;
    }
    std::set<Span> CellsWithReadings() {
        return CellsWhere([](PCHART_CELL const& cell) { return cell.Count() != 0; });
    }
    std::set<Span> CellsFlagged(uint16_t flag) {
        return CellsWhere([flag](PCHART_CELL const& cell) { return cell.Has(flag); });
    }
    // Headwords of the cell's readings in order.
    std::vector<std::string> Headwords(int first, int last) {
        std::vector<std::string> words;
        for (ParseChartEntry const& entry : Cell(first, last).entries)
            words.push_back(Chart().FinePOSOf(entry).GetEntry().GetSrcText());
        return words;
    }
    std::string AlwaysUseHeadword(int first, int last) {
        PCHART_CELL const& cell = Cell(first, last);
        return cell.alwaysUseReading.IsNull() ? "" : cell.alwaysUseReading.Get().GetEntry().GetSrcText();
    }
    // Everything but the almighty and shadow steps of chart building that
    // concern always-use readings.
    void ChooseAndImposeAlwaysUse() {
        fCreator->FindAUFinePOSForEachCell();
        fCreator->AlwaysUse();
    }

    Dictionary_EX_Temporary fDictionaries[3];
    std::unique_ptr<Sentence> fSentence;
    std::unique_ptr<ParseChartCreator> fCreator;
};

// ---- strength -----------------------------------------------------------

struct Side {
    bool present;
    IdiomType type;
    uint16_t dictionary;
};
constexpr Side kAbsent{false, eIdiomNormal, kUserA};

struct StrengthCase {
    char const* what;
    Side a, b;
    int expected;
};

TEST_F(ChartDecisions, AlwaysUseStrengthByIdiomTypeThenWholePriorityDifference) {
    StrengthCase const cases[] = {
        {"both absent", kAbsent, kAbsent, 0},
        {"present beats absent", {true, eIdiomPreferredPOS, kSystem}, kAbsent, 1},
        {"absent loses", kAbsent, {true, eIdiomNormal, kUserA}, -1},
        {"preferred-always beats preferred-POS",
         {true, eIdiomPreferredAlways, kSystem},
         {true, eIdiomPreferredPOS, kUserA},
         1},
        {"preferred-POS loses to preferred-always",
         {true, eIdiomPreferredPOS, kUserA},
         {true, eIdiomPreferredAlways, kSystem},
         -1},
        {"a plain reading always loses", {true, eIdiomNormal, kUserA}, {true, eIdiomNormal, kSystem}, -1},
        {"an almighty reading always loses", {true, eIdiomAlmighty, kUserA}, {true, eIdiomPreferredPOS, kSystem}, -1},
        {"same type: user before system",
         {true, eIdiomPreferredAlways, kUserA},
         {true, eIdiomPreferredAlways, kSystem},
         1},
        {"same type: system after user",
         {true, eIdiomPreferredAlways, kSystem},
         {true, eIdiomPreferredAlways, kUserA},
         -1},
        {"priorities less than one apart tie",
         {true, eIdiomPreferredAlways, kUserB},
         {true, eIdiomPreferredAlways, kUserA},
         0},
        {"preferred-POS against plain goes by priority",
         {true, eIdiomPreferredPOS, kSystem},
         {true, eIdiomNormal, kUserA},
         -1},
    };
    for (StrengthCase const& c : cases) {
        MakeSentence(1);
        auto side = [&](Side const& s) {
            return s.present ? CanBeNull<FinePOS_EX>(Reading("x", kPrep, s.type, s.dictionary))
                             : CanBeNull<FinePOS_EX>();
        };
        EXPECT_EQ(AlwaysUseStrengthCmp(side(c.a), side(c.b), *fSentence), c.expected) << c.what;
    }
}

struct CategoryCase {
    POS_E_Source a;
    char const* aSet1;
    POS_E_Source b;
    char const* bSet1;
    bool matches;
};

TEST_F(ChartDecisions, AReadingMatchesAnAlwaysUseReadingOfItsGrossClass) {
    constexpr POS_E_Source kVI01{51}, kADJ{3}, kADJP{4}, kADV{5}, kAUX{9}, kNP{26}, kPP{30}, kPREPADJ{31}, kCONJ{99};
    CategoryCase const cases[] = {
        {kNoun, "", kNP, "", true},
        {kNoun, "", kVerb, "", false},
        {kVerb, "", kVI01, "", true},
        {kADJ, "", kADJP, "", true},
        {kADV, "", kNoun, "", false},
        {kPP, "", kPP, "", true},
        {kPP, "", kPREPADJ, "", false},
        {kCONJ, "", kCONJ, "", true},
        {kAUX, "", kAUX, "", false},
        {kPrep, "0001", kPrep, "00011", true},
        {kPrep, "0001", kPrep, "00001", false},
        {kPrep, "00001", kPrep, "", true},
    };
    MakeSentence(1);
    for (CategoryCase const& c : cases) {
        FinePOS_EX const a = Reading("a", c.a, eIdiomNormal, kUserA, c.aSet1);
        FinePOS_EX const b = Reading("b", c.b, eIdiomNormal, kUserA, c.bSet1);
        EXPECT_EQ(AlwaysUseCatMatch(a, b), c.matches)
            << EnglishPOSName(c.a) << " " << c.aSet1 << " against " << EnglishPOSName(c.b) << " " << c.bSet1;
    }
}

// ---- always-use ----------------------------------------------------------

TEST_F(ChartDecisions, EqualOverlappingAlwaysUseCellsGoToTheEarlierStart) {
    MakeSentence(6);
    FillEveryCell();
    // Words 1..3 and 2..4 are equally strong; of the weaker ones from word 0,
    // 0..2 crosses the winner and 0..0 is what word 0 falls back to.
    Put(Reading("winner", kPrep, eIdiomPreferredAlways, kUserA, "0001"), 1, 3);
    Put(Reading("same type", kPrep, eIdiomNormal, kUserA, "0001"), 1, 3);
    Put(Reading("open type", kPrep, eIdiomNormal, kUserA, "0000"), 1, 3);
    Put(Reading("other type", kPrep, eIdiomNormal, kUserA, "00001"), 1, 3);
    Put(Reading("tie", kPrep, eIdiomPreferredAlways, kUserB), 2, 4);
    Put(Reading("weak long", kPrep, eIdiomPreferredAlways, kSystem), 0, 2);
    Put(Reading("weak short", kPrep, eIdiomPreferredAlways, kSystem), 0, 0);

    ChooseAndImposeAlwaysUse();

    // Everything touching words 1..3 is cleared but the winner; 0..0 won next.
    EXPECT_EQ(CellsWithReadings(), (std::set<Span>{{0, 0}, {1, 3}, {4, 4}, {4, 5}, {5, 5}}));
    EXPECT_EQ(AlwaysUseHeadword(1, 3), "winner");
    EXPECT_EQ(AlwaysUseHeadword(0, 0), "weak short");
    EXPECT_EQ(AlwaysUseHeadword(2, 4), "");
    // Beside the winner stay prepositions of a type that agrees with it.
    EXPECT_EQ(Headwords(1, 3), (std::vector<std::string>{"winner", "same type", "open type"}));
    // Shadow marking, as the walk is set up, marks nothing.
    EXPECT_TRUE(CellsFlagged(PCHART_CELL::kAlwaysUseShadow).empty());
}

TEST_F(ChartDecisions, APreferredPOSReadingIsACellsAlwaysUseReadingButClearsNothing) {
    MakeSentence(4);
    FillEveryCell();
    Put(Reading("preferred", kNoun, eIdiomPreferredPOS, kSystem), 1, 2);
    Put(Reading("stronger", kNoun, eIdiomPreferredPOS, kUserA), 1, 2);
    ChooseAndImposeAlwaysUse();
    EXPECT_EQ(CellsWithReadings().size(), 10u);
    EXPECT_EQ(AlwaysUseHeadword(1, 2), "stronger");
    EXPECT_EQ(Cell(1, 2).Count(), 3u);
}

TEST_F(ChartDecisions, AReadingRemovedAfterItWasChosenNoLongerClearsItsRivals) {
    MakeSentence(4);
    FillEveryCell();
    Put(Reading("idiom", kPrep, eIdiomPreferredAlways), 1, 2);
    fCreator->FindAUFinePOSForEachCell();
    // A later pass of chart building drops the reading.
    fCreator->RemoveParseChartEntry(Cell(1, 2), 1);
    fCreator->AlwaysUse();
    EXPECT_EQ(CellsWithReadings().size(), 10u);
    EXPECT_EQ(AlwaysUseHeadword(1, 2), "");
}

// ---- almighty idioms --------------------------------------------------------

struct AlmightyCase {
    char const* what;
    uint16_t sentenceFlags;
    uint16_t crossingFlag;  // on the cell of words 1..2
    bool cleared;
};

TEST_F(ChartDecisions, AnAlmightyIdiomClearsTheCellsInsideIt) {
    AlmightyCase const cases[] = {
        {"one parse kept", Sentence::kOneParseKept, 0, true},
        {"several parses kept", 0, 0, false},
        {"a crossing unit to be parsed", Sentence::kOneParseKept, PCHART_CELL::kParseAsUnit, false},
        {"a crossing closed cell does not count", Sentence::kOneParseKept, PCHART_CELL::kClosed, true},
    };
    for (AlmightyCase const& c : cases) {
        SCOPED_TRACE(c.what);
        MakeSentence(7, c.sentenceFlags);
        FillEveryCell();
        Put(Reading("almighty", kPrep, eIdiomAlmighty), 2, 4);
        Put(Reading("always", kPrep, eIdiomPreferredPOS), 2, 4);
        Cell(1, 2).flags |= c.crossingFlag;
        fCreator->FindAUFinePOSForEachCell();
        fCreator->AlmightySeek();
        std::set<Span> const inside{{2, 2}, {2, 3}, {3, 3}, {3, 4}, {4, 4}};
        std::set<Span> withReadings = CellsWithReadings();
        for (Span const& span : inside) EXPECT_EQ(withReadings.count(span) == 0, c.cleared);
        EXPECT_EQ(withReadings.size(), c.cleared ? 28u - inside.size() : 28u);
        EXPECT_EQ(Cell(1, 2).Count(), 1u);  // crossing cells stay as they were
        EXPECT_EQ(Cell(2, 4).Has(PCHART_CELL::kKeepsAlmighty), c.cleared);
        using Words = std::vector<std::string>;
        Words const kept = c.cleared ? Words{"almighty"} : Words{"plain", "almighty", "always"};
        EXPECT_EQ(Headwords(2, 4), kept);
        EXPECT_EQ(AlwaysUseHeadword(2, 4), c.cleared ? "" : "always");
    }
}

// ---- forced units ---------------------------------------------------------

struct UnitCase {
    char const* what;
    std::vector<Span> sequences;  // first and last word of each hyphen sequence
    std::vector<Span> longer;     // cells with readings besides the one-word cells
    std::set<Span> crossing;      // cells flagged as cutting into a unit
};

TEST_F(ChartDecisions, HyphenSequencesAreProtectedAsUnits) {
    UnitCase const cases[] = {
        {"one sequence", {{2, 4}}, {{2, 4}}, {{1, 2}, {0, 2}, {4, 5}}},
        {"extended to the left over a longer span", {{2, 4}}, {{1, 2}, {2, 4}}, {{0, 2}, {4, 5}}},
        {"extended to the right up to the sentence's end", {{2, 4}}, {{4, 5}}, {{1, 2}, {0, 2}}},
        {"a sequence without an end", {{2, 6}}, {}, {}},
        // Words 1..4 reach back into the first unit (words 0..2): no unit is kept.
        {"units that overlap", {{0, 2}, {4, 5}}, {{1, 4}}, {}},
    };
    for (UnitCase const& c : cases) {
        SCOPED_TRACE(c.what);
        MakeSentence(6);
        for (int w = 0; w < 6; ++w) Put(Reading("word", kNoun, eIdiomNormal), w, w);
        for (Span const& span : c.longer) Put(Reading("span", kNoun, eIdiomNormal), span.first, span.second);
        fCreator->ForcedUnits().assign(6, {});
        for (Span const& sequence : c.sequences) {
            ++fCreator->ForcedUnits()[sequence.first].starts;
            if (sequence.second < 6) ++fCreator->ForcedUnits()[sequence.second].ends;
        }
        fCreator->MarkForcedUnits();
        EXPECT_EQ(CellsFlagged(PCHART_CELL::kForcedUnitCrossing), c.crossing);
    }
}

// ---- part-of-speech settings ------------------------------------------------

struct SettingCase {
    char const* what;
    POS_SETTING setting;  // over words 0 .. 4 at bytes 0-2, 3-5, 6-8, 9-11, 12-14
    Span span;            // the cell it fixes; (-1, -1) for none
    std::vector<std::string> defaults;
};

std::vector<std::string> CategoryNames(std::vector<FinePOS_EX> const& readings) {
    std::vector<std::string> names;
    for (FinePOS_EX const& fp : readings) names.emplace_back(EnglishPOSName(fp.GetFinePOS()));
    return names;
}

TEST_F(ChartDecisions, ASettingMakesItsSpanOneUnitWithDefaultReadings) {
    SettingCase const cases[] = {
        {"any of three phrases", {0x0181, 3, 11}, {1, 3}, {"NP", "VP", "ADJP"}},
        {"a verb", {0x0002, 6, 8}, {2, 2}, {"VI01", "VT01"}},
        {"a prepositional phrase kept as text", {0x8000 | 'C', 0, 14}, {0, 4}, {"PP"}},
        {"a code without defaults", {0x0007, 3, 5}, {1, 1}, {}},
        {"a start that is no word's start", {0x0001, 4, 11}, {-1, -1}, {}},
        {"an end that is no word's end", {0x0001, 3, 10}, {-1, -1}, {}},
        {"an end before the start", {0x0001, 9, 5}, {-1, -1}, {}},
    };
    for (SettingCase const& c : cases) {
        SCOPED_TRACE(c.what);
        MakeSentence(5);
        FillEveryCell();
        fSentence->Settings().assign(1, c.setting);
        fCreator->MarkChartForSetPOS(fSentence->SpecialDictionary());
        std::set<Span> const units = CellsFlagged(PCHART_CELL::kParseAsUnit);
        if (c.span.first < 0) {
            EXPECT_TRUE(units.empty());
            EXPECT_EQ(CellsWithReadings().size(), 15u);
            continue;
        }
        EXPECT_EQ(units, std::set<Span>{c.span});
        PCHART_CELL const& cell = Cell(c.span.first, c.span.second);
        EXPECT_EQ(cell.settingCode, c.setting.code);
        EXPECT_EQ(CategoryNames(cell.setPOSReadings), c.defaults);
        // Cells that contain or cross the span are cleared; the span and the
        // cells inside it and beside it keep their readings.
        for (Span const& span : CellsWithReadings()) {
            bool const inside = span.first >= c.span.first && span.second <= c.span.second;
            bool const apart = span.second < c.span.first || span.first > c.span.second;
            EXPECT_TRUE(inside || apart) << span.first << ".." << span.second;
        }
        EXPECT_EQ(Cell(c.span.first, c.span.second).Count(), 1u);
    }
}

TEST_F(ChartDecisions, LiteralBracketsMakeTheWordsBetweenThemANounKeptAsText) {
    struct {
        char const* what;
        int open, close;  // the bracket words
        Span literal;     // (-1, -1) for none
    } const cases[] = {
        {"two words between", 1, 4, {2, 3}},
        {"nothing between", 1, 2, {-1, -1}},
        {"a closing bracket first", 3, 1, {-1, -1}},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.what);
        MakeSentence(6);
        FillEveryCell();
        Put(Reading("[", kStartLiteral, eIdiomNormal), c.open, c.open);
        Put(Reading("]", kEndLiteral, eIdiomNormal), c.close, c.close);
        fCreator->MarkLiteralBrackets(fSentence->SpecialDictionary());
        std::set<Span> const units = CellsFlagged(PCHART_CELL::kParseAsUnit);
        if (c.literal.first < 0) {
            EXPECT_TRUE(units.empty());
            continue;
        }
        EXPECT_EQ(units, std::set<Span>{c.literal});
        EXPECT_EQ(Cell(c.literal.first, c.literal.second).settingCode, 0x8001);
        EXPECT_EQ(CategoryNames(Cell(c.literal.first, c.literal.second).setPOSReadings), std::vector<std::string>{"N"});
    }
}

// ---- long sentences ---------------------------------------------------------

TEST_F(ChartDecisions, ThreeHundredWordsTakeEveryStep) {
    constexpr int n = 300;
    MakeSentence(n);
    for (int w = 0; w < n; ++w) Put(Reading("word", kNoun, eIdiomNormal), w, w);
    // Overlapping pairs of idioms every ten words, an almighty idiom every
    // fifty, a hyphen sequence every thirty.
    for (int w = 0; w + 4 < n; w += 10) {
        Put(Reading("idiom", kPrep, eIdiomPreferredAlways), w, w + 2);
        Put(Reading("idiom", kPrep, eIdiomPreferredAlways, kSystem), w + 1, w + 3);
    }
    for (int w = 5; w + 3 < n; w += 50) Put(Reading("almighty", kNoun, eIdiomAlmighty), w, w + 3);
    fCreator->ForcedUnits().assign(n, {});
    for (int w = 7; w + 2 < n; w += 30) {
        Put(Reading("well-known", kNoun, eIdiomNormal), w, w + 2);
        ++fCreator->ForcedUnits()[w].starts;
        ++fCreator->ForcedUnits()[w + 2].ends;
    }
    fSentence->Settings().assign(1, POS_SETTING{0x0181, 3 * 280, 3 * 299 + 2});

    fCreator->FindAUFinePOSForEachCell();
    fCreator->MarkForcedUnits();
    fCreator->MarkChartForSetPOS(fSentence->SpecialDictionary());
    fCreator->AlwaysUse();
    fCreator->AlmightySeek();

    for (int w = 0; w + 4 < 280; w += 10) {
        EXPECT_EQ(Headwords(w, w + 2), std::vector<std::string>{"idiom"}) << w;
        EXPECT_EQ(Cell(w + 1, w + 3).Count(), 0u) << w;
    }
    EXPECT_EQ(CellsFlagged(PCHART_CELL::kParseAsUnit), (std::set<Span>{{280, 299}}));
    EXPECT_FALSE(CellsFlagged(PCHART_CELL::kForcedUnitCrossing).empty());
    EXPECT_TRUE(CellsFlagged(PCHART_CELL::kAlwaysUseShadow).empty());
}

}  // namespace

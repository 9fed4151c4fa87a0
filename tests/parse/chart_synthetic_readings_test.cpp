// Readings the chart makes for what no dictionary lists: numbers and clock
// values, initials, words in capitals, hyphen and capital sequences, and
// unknown words with the callback that reports them.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/missing_word_table.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

using T = EnglishTokens;

PreparsedWord Word(std::string const& text, TokenTypeID type = T::kWord) {
    PreparsedWord word;
    word.fText = text;
    word.fToken = MakeToken(1, type);
    return word;
}

std::vector<std::pair<std::string, uint16_t>> sReported;
void RecordUnknownWord(std::string const& text, uint16_t start, void*) { sReported.emplace_back(text, start); }

// A sentence with its chart allocated and nothing in it, from the real
// front of the chain or from words made by hand.
class ChartSentence {
public:
    explicit ChartSentence(std::string const& text) : fChain(text) {
        PreparsedSentence preparsed;
        PreparseNextSentence(fChain, nullptr, &preparsed);
        fSentence.SetSourceTokens(preparsed.tokens, &fChain.Strings());
        Start(preparsed.words, preparsed.senses);
    }
    explicit ChartSentence(std::vector<PreparsedWord> const& words) : fChain("") { Start(words, {}); }

    Sentence& S() { return fSentence; }
    ParseChartCreator& Creator() { return fCreator; }
    std::vector<PreparsedWord>& Words() { return fSentence.MutableWords(); }
    Dictionary_EX Special() { return fSentence.SpecialDictionary(); }
    Dictionary_EX Missing() { return fSentence.MissingWordDictionary(); }

    // Gives word w a reading of its own, as a dictionary would.
    void Know(int w) {
        FinePOS_EX const fp = fKnown.CreateNewEntry(Words()[w].fText).CreateNewFinePOS();
        fCreator.FillChartEntry(fp, w, 0, false);
    }
    void KnowAllBut(int unknown) {
        for (int w = 0; w < static_cast<int>(Words().size()); ++w)
            if (w != unknown) Know(w);
    }

    std::vector<FinePOS_EX> Readings(int d, int e) {
        std::vector<FinePOS_EX> readings;
        for (ParseChartEntry const& entry : fSentence.Chart().Cell(d, e).entries)
            readings.push_back(fSentence.Chart().FinePOSOf(entry));
        return readings;
    }
    // The readings' Japanese, joined by "|".
    std::wstring Japanese(int d, int e) {
        std::wstring joined;
        std::vector<FinePOS_EX> const readings = Readings(d, e);
        for (std::size_t i = 0; i < readings.size(); ++i) {
            FinePOS_EX const& fp = readings[i];
            if (i != 0) joined += L"|";
            auto const paraphrases = fp.GetParaphraseIterator();
            if (!paraphrases.IsAtEnd()) joined += DecodeSJISLenient((*paraphrases).GetCookedTranslation());
        }
        return joined;
    }
    // The dictionaries the readings of the cell belong to, one for all.
    unsigned DictionaryOf(int d, int e) {
        unsigned id = 0;
        for (FinePOS_EX const& fp : Readings(d, e)) {
            unsigned const own = Dictionary_EX(fp.GetEntry().GetDictionary()).GetID();
            if (id != 0 && id != own) return 0;
            id = own;
        }
        return id;
    }

private:
    void Start(std::vector<PreparsedWord> const& words, std::vector<PreparseSense> const& senses) {
        fSentence.SetPreparsedWords(words, senses, {}, false);
        fSentence.Chart().Allocate(words.size());
        sReported.clear();
        fSentence.SetUnknownWordCallback(RecordUnknownWord, nullptr);
    }

    SentenceChain fChain;
    Sentence fSentence{SentenceUserOptions()};
    ParseChartCreator fCreator{&fSentence};
    Dictionary_EX_Temporary fKnown;
};

TEST(SyntheticReadings, NumbersReadAsTheirKindsAndNothingWithoutADigit) {
    struct Case {
        std::string text;
        TokenTypeID type;
        bool made;
        std::wstring japanese;
    } const cases[] = {
        {"12-34", T::kNumberSequence, true, L"１２{-}３４"},
        {"-12", T::kNumberSequence, false, L""},
        {"12-", T::kNumberSequence, false, L""},
        {"21st", T::kWord, true, L"２１ 番目"},
        {"3rd", T::kWord, true, L"３ 番目"},
        {"1,000th", T::kWord, true, L"１,０００ 番目"},
        {"21th", T::kWord, true, L"２１ 番目"},  // any number before "th"
        {"22rd", T::kWord, false, L""},
        {"5st", T::kWord, false, L""},
        {",th", T::kWord, false, L""},
        {"1999", T::kNumber, true, L"１９９９ 年|１９９９"},
        {"1999\x81\x40", T::kNumber, true, L"１９９９\u3000 年|１９９９\u3000"},  // a full-width space ends it
        {"3000", T::kNumber, true, L"３０００"},
        {"1,000.5", T::kNumber, true, L"１,０００.５"},
        {std::string(80, '9'), T::kNumber, true, std::wstring(80, L'９')},
        {"12a", T::kWord, false, L""},
        {",", T::kWord, false, L""},
        {",,", T::kWord, false, L""},
    };
    for (Case const& c : cases) {
        ChartSentence chart({Word(c.text, c.type)});
        EXPECT_EQ(chart.Creator().CreateNumericEntries(chart.Words()[0], 0, chart.Special()), c.made) << c.text;
        EXPECT_EQ(chart.Japanese(0, 0), c.japanese) << c.text;
    }
}

TEST(SyntheticReadings, NumbersTheSplitterTookAmOrPmFromAreHoursBelow25AndMinutes) {
    ChartSentence chart("We met at 10pm and 30PM.");
    ASSERT_EQ(chart.Words()[3].fText, "10");
    ASSERT_EQ(chart.Words()[6].fText, "30");
    for (int w : {3, 6}) EXPECT_TRUE(chart.Creator().CreateNumericEntries(chart.Words()[w], w, chart.Special()));
    EXPECT_EQ(chart.Japanese(0, 3), L"１０ 時|１０ 分");
    EXPECT_EQ(chart.Japanese(0, 6), L"３０ 分");
}

TEST(SyntheticReadings, UncoveredWordsTakeTheFirstMakerThatFitsAndOnlyTheUnknownAreReportedAndCounted) {
    struct Case {
        PreparsedWord word;
        unsigned dictionary;
        bool reported;
        uint16_t counted;
        std::wstring japanese;  // empty: not compared
    } const cases[] = {
        {Word("1999", T::kNumber), kSpecialDictionaryID, false, 0, L"１９９９ 年|１９９９"},
        {Word("X.Y."), kMissingWordDictionaryID, false, 0, L"zxqUSE_SURFACE_FORM"},
        {Word("www.example.com", T::kInternetName), kSpecialDictionaryID, false, 0, L"zxqUSE_SURFACE_FORM"},
        {Word("555-1234", T::kPhoneNumber), kSpecialDictionaryID, false, 0, L"５５５{-}１２３４"},
        {Word("12a"), kSpecialDictionaryID, true, 0, L"zxqUSE_SURFACE_FORM"},
        {Word("glorb"), kMissingWordDictionaryID, true, 1, L""},
    };
    for (Case const& c : cases) {
        ChartSentence chart({Word("see"), c.word, Word("now")});
        chart.KnowAllBut(1);
        EXPECT_EQ(chart.Creator().GenerateMissingWordEntries(chart.Words(), chart.Special(), chart.Missing()),
                  c.counted)
            << c.word.fText;
        EXPECT_EQ(sReported.size(), c.reported ? 1u : 0u) << c.word.fText;
        ASSERT_FALSE(chart.Readings(0, 1).empty()) << c.word.fText;
        EXPECT_EQ(chart.DictionaryOf(0, 1), c.dictionary) << c.word.fText;
        if (!c.japanese.empty()) {
            EXPECT_EQ(chart.Japanese(0, 1), c.japanese) << c.word.fText;
        }
        for (int w : {0, 2}) EXPECT_EQ(chart.Readings(0, w).size(), 1u) << "a known word got more";
    }
}

TEST(SyntheticReadings, AnUnknownWordIsReportedWithItsByteOffsetInTheSentence) {
    ChartSentence chart("I saw a glorb.");
    ASSERT_EQ(chart.Words()[3].fText, "glorb");
    chart.KnowAllBut(3);
    EXPECT_EQ(chart.Creator().GenerateMissingWordEntries(chart.Words(), chart.Special(), chart.Missing()), 1);
    ASSERT_EQ(sReported.size(), 1u);
    EXPECT_EQ(sReported[0], std::make_pair(std::string("glorb"), uint16_t{8}));
    EXPECT_FALSE(chart.Readings(0, 3).empty());
    EXPECT_EQ(chart.DictionaryOf(0, 3), kMissingWordDictionaryID);
}

// A covered word that begins with a capital only a lower-case form matched
// may still be a name; a common word at the start of a sentence is not.
TEST(SyntheticReadings, ACapitalisedWordKnownOnlyInLowerCaseGetsNameReadings) {
    struct Case {
        std::string text;
        uint8_t flags;
        bool more;
    } const cases[] = {
        {"Smith", PreparsedWord::kMatchedLowerCase, true},    {"The", PreparsedWord::kMatchedLowerCase, false},
        {"Smith", PreparsedWord::kMatchedCapitalised, false}, {"Smith", PreparsedWord::kAllCapitalReading, false},
        {"smith", PreparsedWord::kMatchedLowerCase, false},
    };
    for (Case const& c : cases) {
        PreparsedWord word = Word(c.text);
        word.fFlags = c.flags;
        ChartSentence chart({word});
        chart.Know(0);
        EXPECT_EQ(chart.Creator().GenerateMissingWordEntries(chart.Words(), chart.Special(), chart.Missing()), 0);
        EXPECT_EQ(chart.Readings(0, 0).size() > 1, c.more) << c.text;
        EXPECT_TRUE(sReported.empty());
    }
    // A capitalised identifier stays one.
    ChartSentence chart({Word("R2D2")});
    chart.Know(0);
    chart.Creator().CreateUppercaseTemporaryEntries(chart.Words()[0], 0, chart.Missing());
    EXPECT_EQ(chart.Japanese(0, 0), L"|zxqUSE_SURFACE_FORM");
}

TEST(SyntheticReadings, InitialsAreCapitalsEachFollowedByAPeriod) {
    PreparsedWord spaced = Word("J.R");
    spaced.fFlags2 = PreparsedWord::kWhiteFollows;
    struct Case {
        std::vector<PreparsedWord> words;
        bool made;
    } const cases[] = {
        {{Word("J.R"), Word(".")}, true},
        {{spaced, Word(".")}, false},
        {{Word("J.R")}, false},
        {{Word("X.Y.")}, true},
        {{Word("X.Y.Z"), Word(".")}, true},
        {{Word("X.y.")}, false},
        {{Word("X.")}, false},
    };
    for (Case const& c : cases) {
        ChartSentence chart(c.words);
        PreparsedWord const* next = c.words.size() > 1 ? &chart.Words()[1] : nullptr;
        EXPECT_EQ(chart.Creator().CreateInitialSequenceEntries(chart.Words()[0], 0, next, chart.Missing()), c.made)
            << c.words[0].fText;
        if (!c.made) continue;
        FinePOS_EX const fp = chart.Readings(0, 0).at(0);
        EXPECT_EQ(chart.DictionaryOf(0, 0), kMissingWordDictionaryID);
        Dict_Semantics_E_Source const semantics = (*fp.GetParaphraseIterator()).GetSemantics();
        EXPECT_TRUE(semantics.records[0] ==
                    ConvertNounSemanticsFromText("N human product organization all").records[0]);
        EXPECT_FALSE(semantics.records[0] == GetDefaultProperNounSemantics().records[0]);
    }
}

TEST(SyntheticReadings, WordsInCapitalsAreNamesUnlessThreeOrMoreStandTogether) {
    struct Case {
        char const* text;
        std::vector<int> named;
    } const cases[] = {
        {"NASA said it.", {0}},
        {"THE UNITED NATIONS met.", {}},
        {"US NAVY said it.", {0, 1}},
    };
    for (Case const& c : cases) {
        ChartSentence chart(c.text);
        chart.Creator().CreateAllCapWordEntries(chart.Words(), chart.Special());
        std::vector<int> named;
        for (int w = 0; w < static_cast<int>(chart.Words().size()); ++w) {
            EXPECT_EQ(chart.Words()[w].Has(PreparsedWord::kAllCapitalReading), !chart.Readings(0, w).empty());
            if (!chart.Readings(0, w).empty()) named.push_back(w);
        }
        EXPECT_EQ(named, c.named) << c.text;
        EXPECT_EQ(sReported.size(), c.named.size()) << c.text << ": each was unknown before";
    }
    ChartSentence chart("NASA said it.");
    chart.Know(0);
    chart.Creator().CreateAllCapWordEntries(chart.Words(), chart.Special());
    EXPECT_EQ(chart.Japanese(0, 0), L"|{NASA}");
    EXPECT_TRUE(sReported.empty());
    // Its own reading covers it: it is neither unknown nor read again as a name.
    chart.KnowAllBut(0);
    EXPECT_EQ(chart.Creator().GenerateMissingWordEntries(chart.Words(), chart.Special(), chart.Missing()), 0);
    EXPECT_EQ(chart.Readings(0, 0).size(), 2u);
}

TEST(SyntheticReadings, HyphenMarksBecomeSensesOfNumericOrWordKind) {
    auto const marked = [](std::vector<PreparsedWord> words) {
        ++words.front().fHyphenSequencesBegun;
        ++words.back().fHyphenSequencesEnded;
        return words;
    };
    struct Case {
        std::vector<PreparsedWord> words;
        std::vector<uint32_t> kinds;
    } const cases[] = {
        {marked({Word("well"), Word("-"), Word("known")}), {PreparseSense::kHyphenSequence}},
        {marked({Word("F"), Word("-"), Word("16")}), {PreparseSense::kNumericHyphenSequence}},
        {marked({Word("3"), Word("-"), Word("D")}), {PreparseSense::kNumericHyphenSequence}},
        {marked({Word("3"), Word("-"), Word("Dee")}), {PreparseSense::kHyphenSequence}},
        {marked({Word("#"), Word("-"), Word("b")}), {}},
        {{Word("a"), Word("-"), Word("b")}, {}},
    };
    for (Case const& c : cases) {
        ChartSentence chart(c.words);
        chart.Creator().MakeHyphenSeqs(chart.Words());
        std::vector<uint32_t> kinds;
        for (PreparseSense const& sense : chart.S().Senses()) kinds.push_back(sense.fKind);
        EXPECT_EQ(kinds, c.kinds) << c.words[0].fText << c.words[2].fText;
    }
}

TEST(SyntheticReadings, SequencesWeighTheirWordsAndHyphenReadingsFillOnlyEmptyCells) {
    short const hyphenP = FindMWAssignment("N_HYPHEN")->pValue / 2;
    short const capitalP = FindMWAssignment("N_CAPSEQ")->pValue / 2;

    ChartSentence hyphens("It is a well-known fact.");
    hyphens.Creator().MakeHyphenSeqs(hyphens.Words());
    ASSERT_EQ(hyphens.S().Senses().size(), 1u);
    EXPECT_EQ(hyphens.S().Senses()[0].fMarker, "{well-known}");
    hyphens.Creator().HandleSenses(hyphens.Special());
    std::vector<FinePOS_EX> const readings = hyphens.Readings(2, 5);
    ASSERT_EQ(readings.size(), 5u);
    EXPECT_EQ(readings[0].GetPValue(), hyphenP * 3);
    EXPECT_EQ(readings[0].GetEntry(), readings[4].GetEntry()) << "one shared entry";
    EXPECT_EQ(readings[0].GetEntry().GetSrcText(), "(hyphenseq)");
    EXPECT_TRUE(hyphens.Creator().ForcedUnits().empty());
    hyphens.Creator().HandleSenses(hyphens.Special());
    EXPECT_EQ(hyphens.Readings(2, 5).size(), 5u) << "the cell has readings: none are added";

    ChartSentence capitals("He lives in New York City.");
    ASSERT_EQ(capitals.S().Senses().size(), 1u);
    capitals.Creator().HandleSenses(capitals.Special());
    ASSERT_EQ(capitals.Readings(2, 5).size(), 1u);
    EXPECT_EQ(capitals.Readings(2, 5)[0].GetPValue(), capitalP * 2);
    EXPECT_TRUE(capitals.S().Chart().Cell(2, 5).Has(PCHART_CELL::kCapitalSequence));
}

TEST(SyntheticReadings, DoctoredPValuesSaturateAtBothEnds) {
    struct Case {
        short p;
        int k;
        short doctored;
    } const cases[] = {{-512, 2, -1024}, {-512, 100, -32768}, {20000, 2, 32767}, {-300, 0, 0}};
    Dictionary_EX_Temporary dictionary;
    for (Case const& c : cases) {
        FinePOS_EX fp = dictionary.CreateNewEntry("x").CreateNewFinePOS();
        fp.SetPValue(c.p);
        DoctorPValueForSynthesizedMultiWordEntries(fp, c.k);
        EXPECT_EQ(fp.GetPValue(), c.doctored) << c.p << " x " << c.k;
    }
}

}  // namespace

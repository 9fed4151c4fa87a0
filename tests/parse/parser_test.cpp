// The chart parser over the compiled grammar, on charts filled from a small
// temporary dictionary: what it writes into the cells, pruning, settings,
// segments and its limits.
#include "engine/parse/parser.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/foundation/temporary_dictionary.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/parse_chart_creator.h"
#include "engine/parse/sentence.h"

namespace {

struct Reading {
    uint16_t category;
    char const* features[3];
};

// The readings of the fixture's words, with the feature strings the core
// lexicon gives them.
std::map<std::string, std::vector<Reading>> const kLexicon = {
    {"the", {{grammar::kART, {"M31B0", "", ""}}}},
    {"a", {{grammar::kART, {"S30B0", "", ""}}}},
    {"dog", {{grammar::kN, {"SSSC1101110M0__", "000000000000000", "________________________"}}}},
    {"dogs", {{grammar::kN, {"PPPC1101110M0__", "000000000000000", "________________________"}}}},
    {"meat", {{grammar::kN, {"SSSU1101110M0__", "000000000000000", "________________________"}}}},
    {"eats", {{grammar::kVT01, {"S1T0S30000000_0_________", "", ""}}}},
    {"eat", {{grammar::kVT01, {"P1T0P_0000000_0_________", "", ""}}}},
    {".", {{grammar::kPERIOD, {"", "", ""}}}},
};

uint32_t sTicks = 0;
uint32_t RunningTicks() { return sTicks += 100000; }

class ParserTest : public ::testing::Test {
protected:
    // A sentence whose chart holds the lexicon's readings of the words.
    std::unique_ptr<Sentence> Make(std::vector<std::string> const& words, unsigned speed = 1) {
        SentenceUserOptions options;
        options.fSpeed = speed;
        auto sentence = std::make_unique<Sentence>(options);
        sentence->SetPreparsedWords(std::vector<PreparsedWord>(words.size()), {}, {}, false);
        sentence->Chart().Allocate(words.size());
        ParseChartCreator creator(sentence.get());
        for (std::size_t w = 0; w < words.size(); ++w) {
            for (FinePOS_EX const& fp : FinePOSOf(words[w])) creator.FillChartEntry(fp, static_cast<int>(w), 0, false);
        }
        return sentence;
    }

    std::vector<FinePOS_EX> FinePOSOf(std::string const& word) {
        std::vector<FinePOS_EX> out;
        Entry_EX entry = fDictionary.CreateNewEntry(word);
        for (Reading const& reading : kLexicon.at(word)) {
            FinePOS_EX fp = entry.CreateNewFinePOS();
            fp.SetFinePOS(POS_E_Source{reading.category});
            FeatureSets_E_Source sets;
            for (unsigned i = 0; i < 3; ++i) sets.SetSet(i, reading.features[i]);
            fp.SetFeatureSets(sets);
            fp.CreateNewParaphrase();  // a reading the parse graph can use
            out.push_back(fp);
        }
        return out;
    }

    Dictionary_EX_Temporary fDictionary;
};

bool SpansSentence(Sentence& sentence) {
    std::size_t const n = sentence.Chart().WordCount();
    return Parser::CellHasAnalysis(sentence.Chart().Cell(n - 1, n - 1), grammar::kS);
}

// Every parsed cell points only inside itself and at parsed smaller cells;
// every other cell still holds chart building's readings.
void ExpectConsistent(Sentence& sentence, char const* what) {
    ParseChart& chart = sentence.Chart();
    std::size_t const n = chart.WordCount();
    for (std::size_t e = 0; e < n; ++e) {
        for (std::size_t d = 0; d <= e; ++d) {
            PCHART_CELL const& cell = chart.Cell(d, e);
            std::string const where = std::string(what) + " cell " + std::to_string(d) + "," + std::to_string(e);
            if (!cell.parsed) {
                for (ParseChartEntry const& entry : cell.entries) EXPECT_EQ(entry.kind, 254) << where;
                continue;
            }
            ASSERT_FALSE(cell.index.empty()) << where;
            EXPECT_EQ(cell.index.back().key, PCHART_CELL::IndexRecord::kEnd) << where;
            std::size_t counted = 0;
            for (PCHART_CELL::IndexRecord const& record : cell.index) counted += record.count;
            EXPECT_EQ(counted, cell.entries.size()) << where;
            for (std::size_t i = 0; i < cell.entries.size(); ++i) {
                ParseChartEntry const& entry = cell.entries[i];
                EXPECT_LT(entry.featureOffset / 2u, std::max<std::size_t>(cell.featureHeap.size(), 1)) << where;
                if (entry.kind == ParseChartEntry::kUnaryEntry) {
                    EXPECT_LT(entry.a, cell.entries.size()) << where;
                    EXPECT_EQ(entry.b, 0xFFFF) << where;
                } else if (entry.kind < ParseChartEntry::kDictionaryReading) {
                    ASSERT_LT(entry.kind, d) << where;
                    PCHART_CELL const& left = chart.Cell(d - entry.kind - 1, e - entry.kind - 1);
                    PCHART_CELL const& right = chart.Cell(entry.kind, e);
                    EXPECT_TRUE(left.parsed && right.parsed) << where;
                    EXPECT_LT(entry.a, left.entries.size()) << where;
                    EXPECT_LT(entry.b, right.entries.size()) << where;
                } else {
                    EXPECT_LT(entry.a, chart.FinePOSCount()) << where;
                }
            }
        }
    }
}

TEST_F(ParserTest, FindsTheSentenceAtEveryPruneLength) {
    struct Case {
        char const* what;
        std::vector<std::string> words;
        bool spans;
    } const cases[] = {
        {"the dog eats meat .", {"the", "dog", "eats", "meat", "."}, true},
        {"dogs eat meat .", {"dogs", "eat", "meat", "."}, true},
        {"a subject that does not agree", {"the", "dog", "eat", "meat", "."}, false},
        {"a determiner that does not fit", {"a", "dogs", "eat", "meat", "."}, false},
        {"one word", {"."}, false},
    };
    for (Case const& c : cases) {
        for (uint16_t length : {0, 1, 13}) {
            std::string const what = std::string(c.what) + " at prune length " + std::to_string(length);
            auto sentence = Make(c.words);
            sentence->SetPruning(length, 10.0f, 3.0e38f);
            Parser parser(sentence.get());
            // Without a sentence analysis a glue graph stands in.
            EXPECT_EQ(parser.CParse(), c.spans ? kParsed : kQuickOrPartial) << what;
            EXPECT_EQ(SpansSentence(*sentence), c.spans) << what;
            EXPECT_GT(sentence->ParserEntryCount(), 0u) << what;
            ExpectConsistent(*sentence, what.c_str());
        }
    }
}

TEST_F(ParserTest, WritesGroupsUnaryChainsAndScores) {
    auto sentence = Make({"the", "dog", "eats", "meat", "."});
    Parser parser(sentence.get());
    ASSERT_EQ(parser.CParse(), kParsed);
    ParseChart& chart = sentence->Chart();
    // "meat" alone: its reading, the noun bar over it and the noun phrase
    // over that, each naming its daughter in the cell.
    PCHART_CELL const& meat = chart.Cell(0, 3);
    std::map<uint16_t, ParseChartEntry> byCategory;
    for (ParseChartEntry const& entry : meat.entries) byCategory[entry.category] = entry;
    ASSERT_EQ(byCategory.count(grammar::kN) + byCategory.count(grammar::kNBAR) + byCategory.count(grammar::kNP), 3u);
    EXPECT_EQ(meat.entries[byCategory[grammar::kNP].a].category, grammar::kNBAR);
    EXPECT_EQ(meat.entries[byCategory[grammar::kNBAR].a].category, grammar::kN);
    EXPECT_NE(byCategory[grammar::kN].featureOffset, 0);
    // At prune length 0 nothing is scored.
    for (ParseChartEntry const& entry : meat.entries) EXPECT_EQ(entry.score, 0.0f);

    // The top: a binary sentence analysis split before the full stop.
    PCHART_CELL const& top = chart.Cell(4, 4);
    auto const sentenceEntry = std::find_if(top.entries.begin(), top.entries.end(), [](ParseChartEntry const& e) {
        return e.category == grammar::kS && !e.Has(ParseChartEntry::kPrimed);
    });
    ASSERT_NE(sentenceEntry, top.entries.end());
    EXPECT_EQ(sentenceEntry->kind, 0);  // the right daughter is one word
    EXPECT_EQ(chart.Cell(3, 3).entries[sentenceEntry->a].category, grammar::kSDECL);

    // Scored by the experts, the bare noun phrase pays its rule's weighted
    // probability on top of its noun's reading, which a temporary
    // dictionary ranked above every other gives (0.1 a word).
    auto scored = Make({"the", "dog", "eats", "meat", "."});
    scored->SetPruning(13, 10.0f, 3.0e38f);
    Parser(scored.get()).CParse();
    for (ParseChartEntry const& entry : scored->Chart().Cell(0, 3).entries) {
        if (entry.category == grammar::kNP) {
            EXPECT_NEAR(entry.score, 0.178f * -0.6f + 0.18f * -0.1f, 0.001f);
        }
    }
}

TEST_F(ParserTest, SegmentsAreUsedThroughTheirApex) {
    // "the dog" parsed as a unit: the sentence is still found through its
    // apex.
    auto sentence = Make({"the", "dog", "eats", "meat", "."});
    sentence->Chart().Cell(1, 1).flags |= PCHART_CELL::kParseAsUnit;
    ASSERT_EQ(Parser(sentence.get()).CParse(), kParsed);

    // A unit that cuts the subject from its determiner blocks the sentence.
    auto cut = Make({"the", "dog", "eats", "meat", "."});
    cut->Chart().Cell(1, 2).flags |= PCHART_CELL::kParseAsUnit;
    EXPECT_EQ(Parser(cut.get()).CParse(), kQuickOrPartial);  // glued
    ExpectConsistent(*cut, "a unit across the subject");
}

TEST_F(ParserTest, ASettingNoAnalysisMeetsTakesItsOwnReadings) {
    auto sentence = Make({"the", "dog", "eats", "meat", "."});
    PCHART_CELL& cell = sentence->Chart().Cell(0, 2);  // "eats" set to be a noun
    cell.settingCode = 1;                              // nouns
    cell.setPOSReadings = FinePOSOf("meat");
    Parser(sentence.get()).CParse();
    EXPECT_TRUE(cell.Has(PCHART_CELL::kSetPOSNotMet));
    for (ParseChartEntry const& entry : cell.entries) EXPECT_NE(entry.category, grammar::kVT01);
    EXPECT_TRUE(Parser::CellHasAnalysis(cell, grammar::kNP));
    ExpectConsistent(*sentence, "set noun");
}

TEST_F(ParserTest, QuickTranslationKeepsTheLongestReadingsLeftToRight) {
    auto sentence = Make({"the", "dog", "eats", "meat", "."});
    ParseChartCreator creator(sentence.get());
    creator.FillChartEntry(FinePOSOf("dog").front(), 0, 1, false);  // "the dog" as one noun
    sentence->SetFlags(sentence->Flags() | Sentence::kSkipParsing);
    EXPECT_EQ(Parser(sentence.get()).CParse(), kQuickOrPartial);
    ParseChart& chart = sentence->Chart();
    EXPECT_EQ(chart.Cell(1, 1).entries.size(), 1u);
    EXPECT_EQ(chart.Cell(1, 1).entries[0].category, grammar::kN);
    for (auto [d, e] : {std::pair{0, 0}, {0, 1}}) EXPECT_TRUE(chart.Cell(d, e).entries.empty()) << d << "," << e;
    for (std::size_t w = 2; w < 5; ++w) EXPECT_EQ(chart.Cell(0, w).entries.size(), 1u) << w;
    EXPECT_TRUE(sentence->Flags() & Sentence::kQuickSynthesis);
}

TEST_F(ParserTest, EachLimitThrowsAndLeavesTheChartConsistent) {
    struct Case {
        char const* what;
        uint32_t ParserLimits::*limit;
        uint32_t value;
    } const cases[] = {
        {"entries in the sentence", &ParserLimits::sentenceEntries, 12},
        {"entries in a cell", &ParserLimits::cellEntries, 2},
        {"bytes of a cell's features", &ParserLimits::cellFeatureBytes, 40},
        {"unary depth", &ParserLimits::unaryDepth, 1},
        {"words in a sentence", &ParserLimits::sentenceWords, 4},
    };
    for (Case const& c : cases) {
        auto sentence = Make({"the", "dog", "eats", "meat", "."});
        Parser parser(sentence.get());
        ParserLimits limits;
        limits.*c.limit = c.value;
        parser.SetLimits(limits);
        EXPECT_THROW(parser.CParse(), HitLimitException) << c.what;
        ExpectConsistent(*sentence, c.what);
    }

    // The time limit, on a clock that runs fast.
    auto slow = Make({"the", "dog", "eats", "meat", "."}, 100);
    slow->SetTickSource(&RunningTicks);
    EXPECT_THROW(Parser(slow.get()).CParse(), HitLimitException);
    ExpectConsistent(*slow, "time");
}

}  // namespace

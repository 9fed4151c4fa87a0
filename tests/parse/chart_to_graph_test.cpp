// Building the parse graph from the parsed chart: sentences of the core
// lexicon through the real front and parser, and charts built by hand where
// they show a fault better (shared daughters, words without analysis, deep
// charts, limits).
#include "engine/parse/chart_to_graph.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/compiled/core_lexicon.h"
#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/analysis_settings.h"
#include "engine/parse/best_tree_extraction.h"
#include "engine/parse/comma_penalty.h"
#include "engine/parse/preparsed_text.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/graph_tables.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/parser.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/sentence_chain.h"

namespace {

EnglishTokens const sEnglishTokens;

// A sentence of the core lexicon, preparsed and charted as the translator
// does, kept with what its source text needs.
class LexiconSentence {
public:
    LexiconSentence(std::string const& text, uint16_t keptParses, bool glue = true) : fChain(text) {
        static Dictionary_EX const lookup = mkRewritingCompositeDictionary({OpenCoreLexicon()});
        PreparsedSentence preparsed;
        PreparseNextSentence(fChain, &lookup, &preparsed);
        SentenceUserOptions options;
        options.fFlag = glue ? 1 : 0;
        fSentence = std::make_unique<Sentence>(options);
        fSentence->SetSourceTokens(preparsed.tokens, &fChain.Strings());
        fSentence->SetPreparsedWords(preparsed.words, preparsed.senses, preparsed.extra, false);
        fSentence->SetMaxSavedParses(keptParses);
        CBeforeParse(fSentence.get(), nullptr, nullptr, false, lookup);
    }
    Sentence& operator*() { return *fSentence; }
    Sentence* operator->() { return fSentence.get(); }

private:
    SentenceChain fChain;
    std::unique_ptr<Sentence> fSentence;
};

// Every node and source under the sentence's tops, each once.
struct GraphContents {
    std::vector<ALLP_TOP*> tops;
    std::vector<ALLP_SOURCE*> sources;
};
GraphContents Contents(Sentence& sentence) {
    GraphContents contents;
    std::set<ALLP_TOP*> seen;
    std::vector<ALLP_TOP*> pending;
    for (ALLP_TOP* top = sentence.GraphTops(); top != nullptr; top = top->next) pending.push_back(top);
    while (!pending.empty()) {
        ALLP_TOP* top = pending.back();
        pending.pop_back();
        if (!seen.insert(top).second) continue;
        contents.tops.push_back(top);
        for (ALLP_SOURCE* source = top->sources; source != nullptr; source = source->next) {
            contents.sources.push_back(source);
            for (ALLP_TOP* daughter : {source->left, source->right}) {
                if (daughter != nullptr) pending.push_back(daughter);
            }
        }
    }
    return contents;
}

unsigned TopCount(Sentence& sentence) {
    unsigned count = 0;
    for (ALLP_TOP* top = sentence.GraphTops(); top != nullptr; top = top->next) ++count;
    return count;
}

TEST(ParseGraph, SentencesGiveTheirAnalysesOrAGlueGraph) {
    struct Case {
        char const* text;
        uint16_t keptParses;
        bool glue;
        uint16_t status;
        uint16_t topCategory;  // 0: no graph
        float analyses;
    } const cases[] = {
        // The prepositional phrase attaches to the verb phrase or to the man.
        {"I saw the man with a telescope.", 20, true, kParsed, grammar::kS, 2},
        {"I saw the man with a telescope.", 1, true, kParsed, grammar::kS, 2},
        {"The dog eats the meat.", 1, true, kParsed, grammar::kS, 1},
        {"dog the meat eats .", 20, true, kQuickOrPartial, kGlueTopCategory, 0},
        {"dog the meat eats .", 1, true, kQuickOrPartial, kGlueTopCategory, 0},
        {"dog the meat eats .", 20, false, kNoUsableAnalysis, 0, 0},
    };
    for (Case const& c : cases) {
        std::string const what =
            std::string(c.text) + " keeping " + std::to_string(c.keptParses) + (c.glue ? "" : " without glue");
        LexiconSentence sentence(c.text, c.keptParses, c.glue);
        EXPECT_EQ(Parser(&*sentence).CParse(), c.status) << what;
        if (c.topCategory == 0) {
            EXPECT_EQ(sentence->GraphTops(), nullptr) << what;
            continue;
        }
        ASSERT_NE(sentence->GraphTops(), nullptr) << what;
        EXPECT_EQ(sentence->GraphTops()->category, c.topCategory) << what;
        if (c.analyses != 0) {
            EXPECT_EQ(sentence->TotalAnalysisCount(), c.analyses) << what;
        }
        EXPECT_EQ(sentence->ParserState(), c.status == kQuickOrPartial ? 1 : 0) << what;

        // Every top and source has a record of its own within the choice tables.
        GraphContents const contents = Contents(*sentence);
        std::set<uint32_t> serials;
        for (ALLP_TOP* top : contents.tops) serials.insert(top->serial);
        for (ALLP_SOURCE* source : contents.sources) serials.insert(source->serial);
        EXPECT_EQ(serials.size(), contents.tops.size() + contents.sources.size()) << what;
        EXPECT_LT(*serials.rbegin(), sentence->GraphNodeCount()) << what;
        sentence->Choices().CMakeChoicePlatform();
        if (c.keptParses > 1) {
            for (uint32_t serial : serials) EXPECT_NO_THROW(sentence->Choices().Record(serial)) << what;
        }
        // The best tree can be taken out of the graph.
        PARSED_NODE* tree = ParseTreeCreator(&*sentence).ExtractForTrans();
        ASSERT_NE(tree, nullptr) << what;
        EXPECT_EQ(tree->category, c.topCategory) << what;
        FreeSubtree(tree);
    }
}

TEST(ParseGraph, CommaListsNotFollowedByPunctuationTakeThePenalty) {
    struct Case {
        char const* text;
        bool penalised;
    } const cases[] = {
        // "the dog , the cat" is followed by "and".
        {"The dog , the cat and the bird eat meat.", true},
        {"I saw the dog , the cat .", false},
        {"I saw the dog and the cat .", false},
    };
    for (Case const& c : cases) {
        LexiconSentence sentence(c.text, 20);
        Parser(&*sentence).CParse();
        bool entryMarked = false;
        for (PCHART_CELL const& cell : sentence->Chart().Cells()) {
            for (ParseChartEntry const& entry : cell.entries) entryMarked |= entry.Has(ParseChartEntry::kCommaPenalty);
        }
        bool viewMarked = false;
        for (ALLP_TOP* top : Contents(*sentence).tops)
            viewMarked |= (top->view.flags & EXPERT_VIEW::kCommaPenalty) != 0;
        EXPECT_EQ(entryMarked, c.penalised) << c.text;
        EXPECT_EQ(viewMarked, c.penalised) << c.text;
    }
}

TEST(ParseGraph, PunctuationAndCommasAreNotedBeforeParsing) {
    LexiconSentence sentence("I saw the dog , the cat .", 1);
    PreloadCommaPenaltyInfo(&*sentence);
    EXPECT_EQ(sentence->PunctuationBits(),
              (std::vector<bool>{false, false, false, false, true, false, false, true, true}));
    EXPECT_EQ(sentence->CommaBits(), (std::vector<bool>{false, false, false, false, true, false, false, false}));
}

TEST(ParseGraph, CutoffScoresFollowTheSpan) {
    struct Case {
        float best;
        unsigned words, d;
        float difference, cutoff;
    } const cases[] = {
        {5, 6, 5, -1, -1e30f},   // the whole sentence is never pruned
        {5, 40, 39, 3, -1e30f},  //
        {5, 6, 2, 3, 5 - 1.2f},  // four words from the end: 0.2 * sqrt(4) of the difference
        {5, 40, 0, 3, 2},        // 25 or more from the end: the whole difference
        {5, 24, 0, 1, 5 - 0.2f * 4.89898f},
    };
    for (Case const& c : cases) {
        EXPECT_NEAR(ChartToGraph::CutoffScore(c.best, c.words, c.d, c.difference), c.cutoff, 1e-4)
            << c.words << " words, d " << c.d;
    }
}

// A chart filled by hand: written entries of chosen kinds over readings of
// one dictionary word with one paraphrase.
class HandChart {
public:
    explicit HandChart(unsigned words, uint16_t keptParses = 20) : fSentence(SentenceUserOptions()) {
        fSentence.SetPreparsedWords(std::vector<PreparsedWord>(words), {}, {}, false);
        fSentence.Chart().Allocate(words);
        fSentence.SetMaxSavedParses(keptParses);
        if (keptParses == 1) fSentence.SetFlags(Sentence::kOneParseKept);
        fSentence.ResetClock();
        Entry_EX entry = fDictionary.CreateNewEntry("word");
        fFinePOS = std::make_unique<FinePOS_EX>(entry.CreateNewFinePOS());
        fFinePOS->CreateNewParaphrase();
    }

    ParseChartEntry& Leaf(unsigned d, unsigned e, uint16_t category) {
        ParseChartEntry entry;
        entry.category = category;
        entry.kind = ParseChartEntry::kDictionaryReading;
        fSentence.Chart().AssignFinePOSToEntry(entry, *fFinePOS);
        return Add(d, e, entry);
    }
    ParseChartEntry& Unary(unsigned d, unsigned e, uint16_t category, uint16_t daughter) {
        ParseChartEntry entry;
        entry.category = category;
        entry.kind = ParseChartEntry::kUnaryEntry;
        entry.a = daughter;
        entry.b = 0xFFFF;
        return Add(d, e, entry);
    }
    ParseChartEntry& Binary(unsigned d, unsigned e, uint16_t category, uint8_t split, uint16_t left, uint16_t right) {
        ParseChartEntry entry;
        entry.category = category;
        entry.kind = split;
        entry.a = left;
        entry.b = right;
        return Add(d, e, entry);
    }

    // Builds the graph as the parser does after parsing.
    void Build() {
        ExpertContext experts(fSentence);
        ChartToGraph(fSentence).MakeAllPGraph(&experts);
    }
    Sentence& Get() { return fSentence; }

private:
    ParseChartEntry& Add(unsigned d, unsigned e, ParseChartEntry const& entry) {
        PCHART_CELL& cell = fSentence.Chart().Cell(d, e);
        cell.entries.push_back(entry);
        cell.parsed = true;
        return cell.entries.back();
    }

    Dictionary_EX_Temporary fDictionary;
    std::unique_ptr<FinePOS_EX> fFinePOS;
    Sentence fSentence;
};

TEST(ParseGraph, ASentenceAnalysisThatIsAlsoADaughterIsListedOnce) {
    // Entry 0 is a sentence over entry 1, itself a sentence, or the other way round.
    for (bool daughterFirst : {false, true}) {
        HandChart chart(1);
        if (daughterFirst) {
            chart.Leaf(0, 0, grammar::kS);
            chart.Unary(0, 0, grammar::kS, 0).rule = 16;
        } else {
            chart.Unary(0, 0, grammar::kS, 1).rule = 16;
            chart.Leaf(0, 0, grammar::kS);
        }
        chart.Build();
        ASSERT_EQ(TopCount(chart.Get()), 1u) << daughterFirst;
        ALLP_TOP const* top = chart.Get().GraphTops();
        ASSERT_NE(top->sources, nullptr);
        EXPECT_NE(top->sources->left, nullptr) << "the unary analysis is the one listed";
        EXPECT_EQ(chart.Get().TotalAnalysisCount(), 1.0f);
    }
}

TEST(ParseGraph, AWordWithoutAnalysisIsAGluePieceThatKeepsItsWords) {
    HandChart chart(3);
    chart.Leaf(0, 0, grammar::kN);
    chart.Leaf(0, 2, grammar::kPERIOD);
    chart.Build();
    EXPECT_EQ(chart.Get().ParserState(), 1);
    ASSERT_NE(chart.Get().GraphTops(), nullptr);
    EXPECT_EQ(chart.Get().GraphTops()->category, kGlueTopCategory);
    EXPECT_EQ(ChartToGraph(chart.Get()).BestPartition(), (std::vector<unsigned>{1, 1, 1}));
    unsigned empty = 0;
    for (ALLP_TOP* top : Contents(chart.Get()).tops) {
        if (!(top->view.flags & EXPERT_VIEW::kEmptyGluePiece)) continue;
        ++empty;
        EXPECT_EQ(top->category, kEmptyGlueCategory);
        EXPECT_EQ(top->view.start, 0);
        EXPECT_EQ(top->view.end, 1);
        EXPECT_EQ(top->view.wordCount, 1);
    }
    EXPECT_EQ(empty, 1u);
}

TEST(ParseGraph, GluePiecesPreferGoodCategoriesAndTheFullStopStandsAlone) {
    // "dog" | "the meat eats" as one clause | "."
    HandChart chart(5);
    for (unsigned w = 0; w < 5; ++w) chart.Leaf(0, w, grammar::kN);
    chart.Leaf(2, 3, grammar::kSDECL);  // words 1 to 3
    chart.Leaf(4, 4, grammar::kSDECL);  // the whole, full stop included: not a piece of its own
    EXPECT_EQ(ChartToGraph(chart.Get()).BestPartition(), (std::vector<unsigned>{1, 3, 1}));
}

TEST(ParseGraph, ADeepChartOfALongSentenceBuildsWithoutExhaustingTheStack) {
    // Along the left spine every cell holds a chain of unary analyses over
    // a binary one: paths some ten thousand entries deep.
    unsigned const words = 255, chain = 40;
    HandChart chart(words);
    for (unsigned w = 0; w < words; ++w) chart.Leaf(0, w, grammar::kN);
    for (unsigned d = 1; d < words; ++d) {
        for (unsigned i = 0; i < chain; ++i)
            chart.Unary(d, d, i == 0 && d + 1 == words ? grammar::kS : grammar::kNP, static_cast<uint16_t>(i + 1));
        chart.Binary(d, d, grammar::kNP, 0, 0, 0);
    }
    chart.Build();
    ASSERT_EQ(TopCount(chart.Get()), 1u);
    EXPECT_EQ(chart.Get().TotalAnalysisCount(), 1.0f);
    EXPECT_EQ(chart.Get().GraphTops()->view.wordCount, 255);
}

TEST(ParseGraph, LimitsEndTheBuildWithHitLimitException) {
    {
        long const saved = glGraphNodeCutoff;
        glGraphNodeCutoff = 5;
        LexiconSentence sentence("I saw the man with a telescope.", 20);
        EXPECT_THROW(Parser(&*sentence).CParse(), HitLimitException);
        glGraphNodeCutoff = saved;
    }
    {
        HandChart chart(300);
        for (unsigned w = 0; w < 300; ++w) chart.Leaf(0, w, grammar::kN);
        EXPECT_THROW(Parser(&chart.Get()).CParse(), HitLimitException);
    }
}

TEST(ParseGraph, FreeingTheGraphReleasesItsNodesAndMarks) {
    LexiconSentence sentence("I saw the man with a telescope.", 20);
    ASSERT_EQ(Parser(&*sentence).CParse(), kParsed);
    ChartToGraph(*sentence).FreeAllPViaParseChart();
    EXPECT_EQ(sentence->GraphTops(), nullptr);
    EXPECT_EQ(sentence->GraphNodeCount(), 0u);
    EXPECT_TRUE(sentence->GraphNodes().empty());
    for (PCHART_CELL const& cell : sentence->Chart().Cells()) {
        for (ParseChartEntry const& entry : cell.entries) EXPECT_FALSE(entry.Has(ParseChartEntry::kWalked));
    }
    // Built again, the graph is the same.
    ExpertContext experts(*sentence);
    ChartToGraph(*sentence).MakeAllPGraph(&experts);
    EXPECT_EQ(sentence->TotalAnalysisCount(), 2.0f);
}

}  // namespace

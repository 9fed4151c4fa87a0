// The K best scores of the parse graph: merging vectors of daughters and
// of alternatives, where each kept score came from, the choice tables'
// layout and their shrinking, and the walks' depth and extent relations.
#include <gtest/gtest.h>

#include <new>
#include <vector>

#include "engine/parse/choice_platform.h"
#include "engine/parse/graph_walker.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/kbest_scores.h"
#include "engine/parse/sentence.h"
#include "parse/hand_built_graph.h"

namespace {

// A sentence of three words whose parse graph the test builds by hand.
class Graph {
public:
    explicit Graph(uint16_t k) : fSentence(SentenceUserOptions()) {
        std::vector<PreparsedWord> words(3);
        for (uint16_t w = 0; w < 3; ++w) {
            words[w].fStart = static_cast<uint16_t>(w * 2);
            words[w].fEnd = static_cast<uint16_t>(w * 2 + 1);
        }
        fSentence.SetPreparsedWords(words, {}, {}, false);
        fSentence.SetMaxSavedParses(k);
    }

    ALLP_TOP* Top(std::vector<ALLP_SOURCE*> const& sources, uint16_t d = 0, uint16_t e = 0) {
        ALLP_TOP* top = fGraph.Top(0, d, e);
        HandBuiltGraph::SetSources(top, sources);
        return top;
    }
    ALLP_SOURCE* Source(float score, ALLP_TOP* left = nullptr, ALLP_TOP* right = nullptr) {
        return fGraph.Source(score, left, right);
    }
    // A top over leaves of these scores.
    ALLP_TOP* Leaves(std::vector<float> const& scores) {
        std::vector<ALLP_SOURCE*> sources;
        for (float score : scores) sources.push_back(Source(score));
        return Top(sources);
    }

    // Scores the graph whose whole-sentence tops are chained from `first`.
    CHOICE_PLATFORM& Score(std::vector<ALLP_TOP*> const& tops) {
        fGraph.Install(fSentence, tops);
        return fSentence.Choices();
    }

    std::vector<float> Scores(ALLP_TOP const* top) { return Vector(Choices().Record(top->serial)); }
    std::vector<SINDEX> From(ALLP_SOURCE const* source) {
        ScoreRecord record = Choices().Record(source->serial);
        std::vector<SINDEX> from;
        for (unsigned i = 0; i < Vector(record).size(); ++i) from.push_back(record.From(i));
        return from;
    }
    bool Dropped(uint32_t serial) { return Choices().Record(serial).Has(ScoreRecord::kDropped); }
    std::vector<float> Result() {
        std::vector<float> scores;
        for (float score : Choices().resultScores) {
            if (IsScoreEnd(score)) break;
            scores.push_back(score);
        }
        return scores;
    }
    CHOICE_PLATFORM& Choices() { return fSentence.Choices(); }
    Sentence& Get() { return fSentence; }

private:
    static std::vector<float> Vector(ScoreRecord const& record) {
        std::vector<float> scores;
        for (unsigned i = 0; i <= record.K() && !IsScoreEnd(record.Score(i)); ++i) scores.push_back(record.Score(i));
        return scores;
    }

    Sentence fSentence;
    HandBuiltGraph fGraph;
};

TEST(KBestScores, TwoDaughtersMergeIntoTheBestSumsWithTheirPositions) {
    Graph graph(3);
    ALLP_TOP* left = graph.Leaves({3, 1});
    ALLP_TOP* right = graph.Leaves({2, 0});
    ALLP_SOURCE* parent = graph.Source(0.5f, left, right);
    ALLP_TOP* top = graph.Top({parent}, 2, 2);
    graph.Score({top});
    EXPECT_EQ(graph.Scores(top), (std::vector<float>{5.5f, 3.5f, 3.5f}));
    EXPECT_EQ(graph.From(parent), (std::vector<SINDEX>{0x0000, 0x0100, 0x0001}));
    EXPECT_EQ(graph.Result(), (std::vector<float>{5.5f, 3.5f, 3.5f}));
    EXPECT_EQ(graph.Choices().resultFrom[1], 0x0001);  // item 0, position 1
    EXPECT_EQ(graph.Choices().choiceCount, 1);
}

TEST(KBestScores, AlternativesKeepArrivalOrderOnTiesAndDropThoseThatAddNothing) {
    struct Case {
        uint16_t k;
        std::vector<std::vector<float>> sources;  // leaf scores under each source's unary daughter
        std::vector<float> kept;
        std::vector<SINDEX> from;
        std::vector<bool> dropped;
    };
    Case const cases[] = {
        // K = 1: the first of equal scores wins.
        {1, {{4}, {4}}, {4}, {0x0000}, {false, true}},
        // The second source adds nothing, so the third is item 1.
        {2, {{9, 8}, {1}, {8.5}}, {9, 8.5}, {0x0000, 0x0020}, {false, true, false}},
        // Ties keep the earlier source first.
        {3, {{5}, {5, 4}}, {5, 5, 4}, {0x0000, 0x0020, 0x0021}, {false, false, false}},
    };
    for (Case const& c : cases) {
        Graph graph(c.k);
        std::vector<ALLP_SOURCE*> sources;
        for (auto const& leaves : c.sources) sources.push_back(graph.Source(0, graph.Leaves(leaves)));
        ALLP_TOP* top = graph.Top(sources, 2, 2);
        graph.Score({top});
        EXPECT_EQ(graph.Scores(top), c.kept);
        ScoreRecord record = graph.Choices().Record(top->serial);
        for (std::size_t i = 0; i < c.from.size(); ++i) EXPECT_EQ(record.From(static_cast<unsigned>(i)), c.from[i]);
        for (std::size_t i = 0; i < sources.size(); ++i) EXPECT_EQ(graph.Dropped(sources[i]->serial), c.dropped[i]);
    }
}

TEST(KBestScores, AUnarySourceAddsItsScoreToItsDaughters) {
    Graph graph(2);
    ALLP_TOP* leaf = graph.Leaves({1.5f});
    ALLP_TOP* top = graph.Top({graph.Source(2, leaf)}, 2, 2);
    graph.Score({top});
    EXPECT_EQ(graph.Scores(top), (std::vector<float>{3.5f}));
}

TEST(KBestScores, ChoiceTablesAreLaidOutForKAndShrinkKWhenTheyDoNotFit) {
    struct Case {
        unsigned k;
        uint16_t offset;
        uint16_t stride;
        uint16_t perChunk;
    };
    for (Case const& c : {Case{20, 44, 132, 484}, Case{1, 4, 16, 4000}, Case{3, 8, 28, 2285}}) {
        ChoiceSizes const sizes = ComputeCPSizes(c.k, 0);
        EXPECT_EQ(sizes.scoreOffset, c.offset) << c.k;
        EXPECT_EQ(sizes.stride, c.stride) << c.k;
        EXPECT_EQ(sizes.perChunk, c.perChunk) << c.k;
        EXPECT_EQ(sizes.chunks, 1u);
    }

    // More than 800 chunks at K = 20: the tables keep 799 chunks and the
    // highest K whose records fit in them.
    Graph big(20);
    big.Get().SetGraphNodeCount(800u * 484u + 1);
    big.Get().SetGraphTops(nullptr);
    big.Choices().CMakeChoicePlatform();
    EXPECT_LT(big.Choices().K(), 20u);
    EXPECT_LE(ComputeCPSizes(big.Choices().K(), 800u * 484u + 1).chunks, 799u);
    EXPECT_GT(ComputeCPSizes(big.Choices().K() + 1, 800u * 484u + 1).chunks, 799u);

    // So many nodes that not even K = 2 fits: the failure reaches the caller.
    Graph huge(20);
    huge.Get().SetGraphNodeCount(4000000);
    EXPECT_THROW(huge.Choices().CMakeChoicePlatform(), std::bad_alloc);

    // One parse kept: no tables at all; K is kept within 1..20.
    Graph one(1);
    one.Get().SetFlags(Sentence::kOneParseKept);
    one.Choices().CMakeChoicePlatform();
    EXPECT_FALSE(one.Choices().HasRecords());
    Graph many(500);
    many.Get().SetGraphTops(nullptr);
    many.Choices().CMakeChoicePlatform();
    EXPECT_EQ(many.Choices().K(), 20u);
}

TEST(KBestScores, LimitsEndTheAnalysis) {
    SINDEX from;
    PackSIndex(&from, 2047, 31);
    EXPECT_EQ(from, 0xFFFF);
    EXPECT_THROW(PackSIndex(&from, 2048, 0), HitLimitException);

    // A chain of 401 unary nodes is deeper than a walk goes.
    Graph graph(2);
    ALLP_TOP* top = graph.Leaves({1});
    for (int i = 0; i < 400; ++i) top = graph.Top({graph.Source(0, top)});
    EXPECT_THROW(graph.Score({top}), HitLimitException);
}

TEST(GraphWalker, RelatesANodesExtentToTheWalks) {
    struct Walker : GraphWalker {
        using GraphWalker::GraphWalker;
        bool GraphFunc(uint16_t, ALLP_TOP*, ALLP_SOURCE*, uint16_t) override { return false; }
    };
    Sentence sentence{SentenceUserOptions()};
    Walker walker(&sentence);
    struct Case {
        EXTENT node;
        uint16_t relation;
    };
    EXTENT const walk{10, 20};
    Case const cases[] = {
        {{2, 8}, 1},   {{2, 10}, 1},  {{2, 15}, 2},  {{2, 20}, 3},  {{10, 15}, 6}, {{10, 20}, 5},
        {{10, 25}, 3}, {{12, 18}, 6}, {{12, 20}, 6}, {{20, 25}, 1}, {{15, 25}, 2},
    };
    for (Case const& c : cases)
        EXPECT_EQ(walker.RelateExtents(c.node, nullptr, walk), c.relation) << c.node.start << "-" << c.node.end;
    EXPECT_EQ(walker.RelateExtents(EXTENT{0, 0}, nullptr, EXTENT{0, 0}), 5);
}

}  // namespace

// Alternate analyses of a selected stretch: mapping the selection to the
// narrowest ambiguous node, building and choosing among its analyses,
// pinning and unpinning one, and keeping the score records whole when a
// limit is reached in the middle of a rewrite.
#include "engine/transfer/alternate_translation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/parse/best_tree_extraction.h"
#include "engine/parse/hit_limit_exception.h"
#include "transfer/attachment_graph.h"

namespace {

using AT = AlternateTranslate;

// The graph nodes of the tree of the sentence's selected parse, in pre-order.
std::vector<ALLP_TOP const*> ExtractedNodes(Sentence& sentence) {
    PARSED_NODE* tree = ParseTreeCreator(&sentence).ExtractForTrans();
    std::vector<ALLP_TOP const*> nodes;
    std::vector<PARSED_NODE const*> pending{tree};
    while (!pending.empty()) {
        PARSED_NODE const* node = pending.back();
        pending.pop_back();
        if (node == nullptr) continue;
        nodes.push_back(node->graphNode);
        pending.push_back(node->rightSibling);
        pending.push_back(node->firstChild);
    }
    FreeSubtree(tree);
    return nodes;
}

std::vector<ALLP_TOP const*> TreeOfParse(Sentence& sentence, uint16_t n) {
    uint16_t const saved = sentence.Choices().selectedParse;
    sentence.Choices().selectedParse = n;
    std::vector<ALLP_TOP const*> nodes = ExtractedNodes(sentence);
    sentence.Choices().selectedParse = saved;
    return nodes;
}

TEST(AltTranslateExtent, SelectionMapsToTheNarrowestAmbiguousNode) {
    struct Case {
        uint16_t start, end, flags;
        uint16_t status, foundStart, foundEnd;
    } const cases[] = {
        {6, 9, 0, AT::kOK, 2, 9},           // the prepositional phrase: the verb phrase attaches it two ways
        {6, 7, 0, AT::kOK, 2, 9},           // one word inside it
        {2, 9, 0, AT::kOK, 2, 9},           // the ambiguous node itself
        {2, 9, AT::kExact, AT::kOK, 0, 9},  // exact: not the equal node by itself
        {0, 0xFFFF, 0, AT::kOK, 0, 9},      // no selection: the whole sentence
        {9, 3, 0, AT::kOK, 2, 9},           // reversed
        {4, 9, AT::kJapaneseUnits, AT::kNothingToChoose, 0, 0},  // nothing translated yet
    };
    for (Case const& c : cases) {
        AttachmentGraph graph;
        graph.BuildAttachment();
        AlternateTranslate alt(&graph.Get());
        EXPECT_EQ(alt.CIsAmbiguous(), AT::kOK);
        uint16_t start = 0, end = 0;
        EXPECT_EQ(alt.CUserToSysExtent(c.start, c.end, c.flags), c.status) << c.start << ":" << c.end;
        EXPECT_EQ(alt.CGetExtentBounds(&start, &end, 0), c.status);
        EXPECT_EQ(start, c.foundStart) << c.start << ":" << c.end;
        EXPECT_EQ(end, c.foundEnd) << c.start << ":" << c.end;
        EXPECT_EQ(alt.CGetExtentBounds(&start, &end, AT::kJapaneseUnits), AT::kNoJapaneseExtent);
    }
}

TEST(AltTranslateExtent, OneAnalysisHasNothingToChoose) {
    AttachmentGraph graph(5, 2);
    ALLP_TOP* s = graph.Node(7, 1, 1, {graph.Source(0, graph.Word(0), graph.Word(1))});
    graph.Install({s});
    AlternateTranslate alt(&graph.Get());
    EXPECT_EQ(alt.CIsAmbiguous(), AT::kNothingToChoose);
    EXPECT_EQ(alt.CUserToSysExtent(0, 0xFFFF, 0), AT::kNothingToChoose);
    uint16_t count = 7;
    EXPECT_EQ(alt.CConsiderPin(&count), AT::kNothingToChoose);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(alt.CSetCurrChoice(0), AT::kNothingToChoose);
}

TEST(AltTranslateChoices, EachChoiceExtractsItsAnalysisBestFirst) {
    AttachmentGraph graph;
    graph.BuildAttachment();
    std::vector<ALLP_TOP const*> const verbAttached = TreeOfParse(graph.Get(), 0);
    std::vector<ALLP_TOP const*> const nounAttached = TreeOfParse(graph.Get(), 1);
    ASSERT_NE(verbAttached, nounAttached);

    AlternateTranslate alt(&graph.Get());
    ASSERT_EQ(alt.CUserToSysExtent(6, 9, 0), AT::kOK);
    uint16_t count = 0;
    ASSERT_EQ(alt.CConsiderPin(&count), AT::kOK);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(graph.Get().Choices().resultScores[0], 10.0f);
    EXPECT_EQ(graph.Get().Choices().resultScores[1], 8.5f);
    ASSERT_EQ(alt.CSetCurrChoice(0), AT::kOK);
    EXPECT_EQ(ExtractedNodes(graph.Get()), verbAttached);
    ASSERT_EQ(alt.CSetCurrChoice(1), AT::kOK);
    EXPECT_EQ(ExtractedNodes(graph.Get()), nounAttached);
    // A choice past those built is refused and changes nothing.
    for (uint16_t choice : {2, 20, 0xFFFF}) {
        EXPECT_EQ(alt.CSetCurrChoice(choice), AT::kNothingToChoose);
        EXPECT_EQ(alt.CPin(choice), AT::kNothingToChoose);
    }
    EXPECT_EQ(graph.Get().Choices().selectedParse, 1);
}

TEST(AltTranslatePins, PinKeepsTheChoiceAndUnpinRestoresAFreshScoring) {
    AttachmentGraph graph;
    graph.BuildAttachment();
    std::vector<unsigned char> const fresh = graph.Snapshot();
    std::vector<ALLP_TOP const*> const nounAttached = TreeOfParse(graph.Get(), 1);

    AlternateTranslate alt(&graph.Get());
    uint16_t count = 0;
    ASSERT_EQ(alt.CUserToSysExtent(6, 9, 0), AT::kOK);
    ASSERT_EQ(alt.CConsiderPin(&count), AT::kOK);
    ASSERT_EQ(alt.CPin(1), AT::kOK);
    CHOICE_PLATFORM& platform = graph.Get().Choices();
    EXPECT_EQ(platform.selectedParse, 0);
    EXPECT_EQ(platform.pins.Length(), 1u);
    EXPECT_EQ(platform.resultScores[0], 8.5f);
    EXPECT_TRUE(IsScoreEnd(platform.resultScores[1]));
    EXPECT_EQ(ExtractedNodes(graph.Get()), nounAttached);
    EXPECT_EQ(alt.CIsAmbiguous(), AT::kNothingToChoose);
    EXPECT_EQ(alt.CPin(0), AT::kNothingToChoose);  // the choices went with the pin

    // A selection inside the pin maps to the pin.
    uint16_t start = 0, end = 0;
    ASSERT_EQ(alt.CUserToSysExtent(6, 7, 0), AT::kNothingToChoose);

    EXPECT_EQ(alt.CUnpin(0, 1, 0), AT::kNoPinCovers);
    EXPECT_EQ(platform.pins.Length(), 1u);
    ASSERT_EQ(alt.CUnpin(6, 9, 0), AT::kOK);
    EXPECT_EQ(platform.pins.Length(), 0u);
    EXPECT_EQ(graph.Snapshot(), fresh);
    EXPECT_EQ(alt.CUnpin(6, 9, 0), AT::kNoPinCovers);
    EXPECT_EQ(graph.Snapshot(), fresh);
    EXPECT_EQ(alt.CUserToSysExtent(6, 9, 0), AT::kOK);
    EXPECT_EQ(alt.CGetExtentBounds(&start, &end, 0), AT::kOK);
    EXPECT_EQ(start, 2);
}

TEST(AltTranslatePins, ChoicesRankBySentenceScoreAndPinningKeepsTheOneChosen) {
    // Two nodes over words 1..2, each with one analysis: the one the words
    // alone prefer fits the sentence worse.
    AttachmentGraph graph(5, 3);
    ALLP_TOP* first = graph.Word(0);
    ALLP_TOP* locallyBetter = graph.Node(2, 1, 2, {graph.Source(5)});
    ALLP_TOP* fitsBetter = graph.Node(3, 1, 2, {graph.Source(4)});
    ALLP_TOP* s = graph.Node(7, 2, 2, {graph.Source(0, first, locallyBetter), graph.Source(10, first, fitsBetter)});
    graph.Install({s});

    AlternateTranslate alt(&graph.Get());
    ASSERT_EQ(alt.CUserToSysExtent(2, 5, 0), AT::kOK);  // two nodes of one extent are ambiguous
    uint16_t count = 0;
    ASSERT_EQ(alt.CConsiderPin(&count), AT::kOK);
    ASSERT_EQ(count, 2);
    ASSERT_EQ(alt.CSetCurrChoice(0), AT::kOK);
    std::vector<ALLP_TOP const*> const best = ExtractedNodes(graph.Get());
    EXPECT_NE(std::find(best.begin(), best.end(), fitsBetter), best.end());
    ASSERT_EQ(alt.CPin(0), AT::kOK);
    std::vector<ALLP_TOP const*> const pinned = ExtractedNodes(graph.Get());
    EXPECT_EQ(pinned, best);
    EXPECT_TRUE(IsScoreEnd(graph.Get().Choices().resultScores[1]));
}

TEST(AltTranslatePins, ALimitInTheMiddleLeavesTheScoresAsAFreshScoring) {
    // A top whose best two scores come from one source, with over 2047 more
    // sources each better than the last for the ambiguous word pair: only
    // the choices' vectors number them all.
    AttachmentGraph graph(2, 3);
    ALLP_TOP* pair = graph.Node(2, 1, 1, {graph.Source(5), graph.Source(4)});
    ALLP_TOP* last = graph.Word(2);
    ALLP_TOP* whole = graph.Node(3, 2, 2, {graph.Source(100), graph.Source(99)});
    std::vector<ALLP_SOURCE*> sources{graph.Source(0, whole)};
    for (int j = 1; j <= 2100; ++j) sources.push_back(graph.Source(static_cast<float>(j) * 0.001f, pair, last));
    ALLP_TOP* top = graph.Node(7, 2, 2, sources);
    graph.Install({top});
    std::vector<unsigned char> const fresh = graph.Snapshot();

    AlternateTranslate alt(&graph.Get());
    ASSERT_EQ(alt.CUserToSysExtent(0, 3, 0), AT::kOK);
    uint16_t count = 0;
    EXPECT_THROW(alt.CConsiderPin(&count), HitLimitException);
    EXPECT_EQ(graph.Snapshot(), fresh);
    EXPECT_EQ(graph.Get().Choices().pins.Length(), 0u);
    EXPECT_EQ(alt.CSetCurrChoice(0), AT::kNothingToChoose);
}

}  // namespace

#pragma once
// Builds the packed parse graph of a parsed sentence.  The whole-sentence
// analyses of the chart are unfolded top-down into graph nodes: each walked
// chart entry gives the nodes its members make, views the experts see alike
// (same category, cell, features, flags, semantics) merged into one node
// with several sources.  Every node and source takes the next serial of one
// counter, which addresses its score record in the choice tables.  When no
// whole-sentence analysis exists, a glue graph over the cheapest partition
// of the sentence into pieces stands in (graph_glue.cpp).
//
// The graph's memory comes from the sentence's graph heap; the builder is
// made on the stack per use and keeps only what one build needs.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/parse/parse_chart.h"
#include "engine/parse/parse_graph.h"

class ExpertContext;
class Sentence;

class ChartToGraph {
public:
    static constexpr unsigned kHashBuckets = 4001;
    static constexpr unsigned kMostGluePieces = 256;
    // Views made between looks at the clock.
    static constexpr uint32_t kTimeCheckEvery = 10000;
    // A view's word count and smallest piece are bytes.
    static constexpr unsigned kMostCountedWords = 255;

    explicit ChartToGraph(Sentence& sentence);
    ~ChartToGraph();
    ChartToGraph(ChartToGraph const&) = delete;
    ChartToGraph& operator=(ChartToGraph const&) = delete;

    // Builds the sentence's graph from its parsed chart, scoring every view
    // with `experts`, and sets the sentence's graph tops, node count, total
    // analysis count and parser state.  HitLimitException past the node
    // cutoff or the time limit.
    void MakeAllPGraph(ExpertContext* experts);
    // Releases the sentence's graph: its tops, counts and memory, and the
    // marks the build left on the chart's entries.
    void FreeAllPViaParseChart();

    // The score below which a source of a node over d + 1 words of an
    // n-word sentence is pruned, given the best score among the node's
    // tops; no cutoff (-1e30) for the whole sentence.
    static float CutoffScore(float best, unsigned words, unsigned d, float semanticDifference);
    // The cost of each cell as a glue piece and the cheapest partition of
    // the sentence into pieces: the piece lengths in words, left to right.
    std::vector<unsigned> BestPartition();

private:
    struct Hash;
    struct Frame;

    // ---- walking the chart (chart_to_graph.cpp) --------------------------
    // The top list of entry `index` of cell (d, e), walking it (and what it
    // needs) when not yet walked.
    ALLP_TOP* WalkNode(unsigned d, unsigned e, unsigned index);
    // Marks the entry entered; its recorded list when walked, else whether
    // it must still be walked (false: it is being walked: a cycle).
    bool Visit(unsigned d, unsigned e, unsigned index, ALLP_TOP** tops, bool* mustWalk);
    // Makes the nodes of the member at the frame's position when its
    // daughters are walked; false when a daughter must be walked first
    // (pushed onto `stack`).
    bool StepMember(Frame& frame, std::vector<Frame>& stack);
    void DictionaryMember(Frame& frame, ParseChartEntry const& entry);
    void DictLeaf(Frame& frame, ParseChartEntry const& entry, FinePOS_EX const& finePOS, Paraphrase_EX const& para,
                  uint16_t extraFlags);
    void FinishWalk(Frame& frame);

    // ---- making nodes (graph_nodes.cpp) ------------------------------------
    void StartView(EXPERT_VIEW* view, ParseChartEntry const& entry, unsigned d, unsigned e, uint16_t cellFlags) const;
    void StartView(EXPERT_VIEW* view, int32_t category, bool primed, unsigned d, unsigned e, uint16_t cellFlags) const;
    float MakeView(EXPERT_VIEW* view, ParseChartEntry const& entry, ALLP_TOP const* left, ALLP_TOP const* right,
                   unsigned d, unsigned e, uint16_t cellFlags);
    ALLP_TOP* IncorporateView(Hash& hash, EXPERT_VIEW const& view);
    ALLP_TOP* NewTop(EXPERT_VIEW const& view);
    void AddSource(ALLP_TOP* top, float score, ALLP_TOP* left, ALLP_TOP* right, uint16_t rule);
    ALLP_SOURCE* NewSource();
    ALLP_TOP* PruneNode(ALLP_TOP* list, unsigned d);
    float cutoffScore(ALLP_TOP const* list, unsigned d) const;
    void CountView();

    // ---- the glue graph (graph_glue.cpp) -----------------------------------
    ALLP_TOP* MakeGlomGraph();
    ALLP_TOP* MakeGlomNode(unsigned start, unsigned length);
    ALLP_TOP* EmptyPiece(unsigned d, unsigned e, uint16_t cellFlags);
    ALLP_TOP* MakeGlomParent(unsigned d, unsigned e, ALLP_TOP* piece, ALLP_TOP* rest, bool first);

    Hash& AcquireHash();
    void ReleaseHash(Hash& hash);
    bool OneParse() const;

    Sentence& fSentence;
    ParseChart& fChart;
    ExpertContext* fExperts = nullptr;
    uint32_t fNextSerial = 0;  // of every top and source: its score record
    uint32_t fViews = 0;       // views made, against the node cutoff
    ALLP_SOURCE* fFreeSources = nullptr;
    // Per cell, per entry: the top list recorded by its walk.
    std::vector<std::vector<ALLP_TOP*>> fWalked;
    std::vector<std::unique_ptr<Hash>> fHashes;  // pooled: one per walk in progress
    std::vector<Hash*> fFreeHashes;
};

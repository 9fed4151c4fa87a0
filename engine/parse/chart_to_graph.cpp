// Walking the parsed chart into the graph: the whole-sentence analyses,
// each entry's members (dictionary readings, unary and binary analyses),
// the merging of alike views, and releasing the graph.
//
// The walk is iterative: a chain of unary rules in every cell of a long
// sentence makes paths thousands of entries deep, too deep for the stack.
#include "engine/parse/chart_to_graph.h"

#include <algorithm>
#include <cstring>

#include "engine/parse/analysis_settings.h"
#include "engine/parse/comma_penalty.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/grammar_ids.h"
#include "engine/parse/sentence.h"

namespace {

constexpr uint8_t kEntered = 0x40;  // reuses the parser's set-POS bit once entries are written
constexpr unsigned kGroupDone = 0xFFFFFFFF;
// A reading the dictionaries mark as rare.
constexpr unsigned short kRareSemanticCode = 293;
constexpr unsigned kRareCheckWords = 20;
constexpr unsigned kRareCheckSpeed = 50;

bool IsHead(ParseChartEntry const& entry) { return !entry.Has(ParseChartEntry::kDisabled); }

bool IsSentenceAnalysis(ParseChartEntry const& entry) {
    return IsHead(entry) && !entry.Has(ParseChartEntry::kPrimed) && entry.category == grammar::kS;
}

bool SameView(EXPERT_VIEW const& a, EXPERT_VIEW const& b) {
    if (!(a.paraphrase == b.paraphrase) || a.flags != b.flags || a.smallestPiece != b.smallestPiece ||
        a.largestWeightedPiece != b.largestWeightedPiece || a.wordCount != b.wordCount)
        return false;
    for (unsigned i = 0; i < EXPERT_VIEW::kSemanticSetCount; ++i) {
        if (a.semantics[i] != b.semantics[i]) return false;
    }
    return true;
}

// The bucket of a view among views of one category, cell and features.
unsigned ViewBucket(EXPERT_VIEW const& view) {
    double const base = std::max(
        0.0, view.smallestPiece * 3.0 + view.flags * 2.0 + static_cast<double>(view.largestWeightedPiece) * 5.0);
    uint32_t h = static_cast<uint32_t>(std::min(base, 4.0e9)) + view.wordCount * 7u;
    uint32_t factor = 1;
    auto const add = [&](uint32_t value) {
        h += value * factor;
        factor = factor % 9 + 1;
    };
    for (SemanticRecord const& set : view.semantics) {
        for (unsigned i = 0; i < SemanticRecord::kMaxAtoms && set.atoms[i] != 0; ++i) add(set.atoms[i]);
        for (unsigned n = 0; n < SemanticRecord::kNameCount; ++n) {
            std::size_t const length = set.NameLength(n);
            if (n == 1 && set.NameLength(0) == 0) break;
            for (std::size_t i = 0; i < length; ++i) add(static_cast<uint32_t>(static_cast<int8_t>(set.names[n][i])));
        }
    }
    return h % ChartToGraph::kHashBuckets;
}

// The counting semantic records of a reading.
template <class Each>
void ForEachSemanticRecord(Paraphrase_EX const& para, Each each) {
    Dict_Semantics_E_Source const semantics = para.GetSemantics();
    for (unsigned r = 0; r < semantics.CountingRecords(); ++r) each(semantics.records[r]);
}

// The reading names an idiom word ("!word") that the sentence lacks.
bool BangIdiomMissingFromSentence(Paraphrase_EX const& para, Sentence const& sentence) {
    bool missing = false;
    ForEachSemanticRecord(para, [&](SemanticRecord const& record) {
        for (unsigned n = 0; n < SemanticRecord::kNameCount; ++n) {
            std::string const name(record.names[n], record.NameLength(n));
            if (name.size() > 1 && name[0] == '!' && !sentence.SWords().SWordFound(name.c_str() + 1)) missing = true;
        }
    });
    return missing;
}

bool IsRareReading(Paraphrase_EX const& para) {
    bool rare = false;
    ForEachSemanticRecord(para, [&](SemanticRecord const& record) {
        for (unsigned i = 0; i < record.AtomCount(); ++i) rare = rare || record.atoms[i] == kRareSemanticCode;
    });
    return rare;
}

}  // namespace

// The views of one walk.  Most walks make a handful of nodes, and a long
// sentence has thousands of walks in progress at once, so the buckets are
// made only once a walk has many nodes; until then the nodes are searched
// in order, by bucket number first.
struct ChartToGraph::Hash {
    static constexpr std::size_t kSearchedInOrder = 32;

    std::vector<ALLP_TOP*> tops;     // in the order they were made
    std::vector<unsigned> bucketOf;  // of each top
    bool bucketed = false;
    std::vector<ALLP_TOP*> buckets;  // while bucketed
    std::vector<unsigned> used;      // buckets holding tops
};

// One entry being walked: its group's head, the member being made and the
// hash its nodes merge in.
struct ChartToGraph::Frame {
    unsigned d, e, head;
    unsigned member;
    Hash* hash;
    bool commaChecked;
};

ChartToGraph::ChartToGraph(Sentence& sentence) : fSentence(sentence), fChart(sentence.Chart()) {}
ChartToGraph::~ChartToGraph() = default;

bool ChartToGraph::OneParse() const { return (fSentence.Flags() & Sentence::kOneParseKept) != 0; }

ChartToGraph::Hash& ChartToGraph::AcquireHash() {
    if (fFreeHashes.empty()) {
        fHashes.push_back(std::make_unique<Hash>());
        return *fHashes.back();
    }
    Hash* hash = fFreeHashes.back();
    fFreeHashes.pop_back();
    return *hash;
}

void ChartToGraph::ReleaseHash(Hash& hash) {
    for (unsigned bucket : hash.used) hash.buckets[bucket] = nullptr;
    hash.used.clear();
    hash.bucketed = false;
    hash.tops.clear();
    hash.bucketOf.clear();
    fFreeHashes.push_back(&hash);
}

ALLP_TOP* ChartToGraph::IncorporateView(Hash& hash, EXPERT_VIEW const& view) {
    unsigned const bucket = ViewBucket(view);
    if (hash.bucketed) {
        for (ALLP_TOP* top = hash.buckets[bucket]; top != nullptr; top = top->next) {
            if (SameView(top->view, view)) return top;
        }
    } else {
        for (std::size_t i = 0; i < hash.tops.size(); ++i) {
            if (hash.bucketOf[i] == bucket && SameView(hash.tops[i]->view, view)) return hash.tops[i];
        }
    }
    ALLP_TOP* top = NewTop(view);
    hash.tops.push_back(top);
    hash.bucketOf.push_back(bucket);
    auto const chain = [&hash](ALLP_TOP* node, unsigned b) {
        if (hash.buckets[b] == nullptr) hash.used.push_back(b);
        node->next = hash.buckets[b];
        hash.buckets[b] = node;
    };
    if (hash.bucketed) {
        chain(top, bucket);
    } else if (hash.tops.size() > Hash::kSearchedInOrder) {
        if (hash.buckets.empty()) hash.buckets.assign(kHashBuckets, nullptr);
        hash.bucketed = true;
        for (std::size_t i = 0; i < hash.tops.size(); ++i) chain(hash.tops[i], hash.bucketOf[i]);
    }
    return top;
}

void ChartToGraph::MakeAllPGraph(ExpertContext* experts) {
    fExperts = experts;
    std::size_t const n = fChart.Exists() ? fChart.WordCount() : 0;
    fSentence.SetGraphTops(nullptr);
    fSentence.SetParserState(0);
    fSentence.SetTotalAnalysisCount(0);
    if (n == 0) return;
    // A graph built before left its marks.
    for (PCHART_CELL& cell : fChart.Cells()) {
        for (ParseChartEntry& entry : cell.entries)
            entry.flags &= static_cast<uint8_t>(~(kEntered | ParseChartEntry::kWalked));
    }
    fWalked.assign(fChart.CellCount(), {});

    unsigned const last = static_cast<unsigned>(n - 1);
    std::vector<ParseChartEntry>& whole = fChart.Cell(last, last).entries;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (!IsSentenceAnalysis(whole[i]) || whole[i].Has(kEntered)) continue;
        WalkNode(last, last, static_cast<unsigned>(i));
        whole[i].flags &= static_cast<uint8_t>(~kEntered);
    }
    // An analysis reached as another's daughter is listed under that one only.
    ALLP_TOP* first = nullptr;
    ALLP_TOP** tail = &first;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (!IsSentenceAnalysis(whole[i]) || whole[i].Has(kEntered) || !whole[i].Has(ParseChartEntry::kWalked))
            continue;
        for (ALLP_TOP* top = fWalked[ParseChart::CellIndex(last, last)][i]; top != nullptr; top = top->next) {
            *tail = top;
            tail = &top->next;
        }
        *tail = nullptr;
    }
    if (first == nullptr && fSentence.GlueSwitch()) {
        first = MakeGlomGraph();
        fSentence.SetParserState(1);
    }
    if (OneParse() && first != nullptr) {
        ALLP_TOP** best = &first;
        for (ALLP_TOP** link = &first; *link != nullptr; link = &(*link)->next) {
            if ((*link)->sources && (*best)->sources && (*link)->sources->score > (*best)->sources->score) best = link;
        }
        if (*best != first) {
            ALLP_TOP* top = *best;
            *best = top->next;
            top->next = first;
            first = top;
        }
    }
    float total = 0;
    for (ALLP_TOP* top = first; top != nullptr; top = top->next) total += top->analysisCount;
    fSentence.SetGraphTops(first);
    fSentence.SetTotalAnalysisCount(total);
    fSentence.SetGraphNodeCount(fNextSerial);
}

bool ChartToGraph::Visit(unsigned d, unsigned e, unsigned index, ALLP_TOP** tops, bool* mustWalk) {
    *tops = nullptr;
    *mustWalk = false;
    if (d > e || e >= fChart.WordCount()) return false;
    std::vector<ParseChartEntry>& entries = fChart.Cell(d, e).entries;
    if (index >= entries.size()) return false;
    ParseChartEntry& entry = entries[index];
    bool const entered = entry.Has(kEntered);
    entry.flags |= kEntered;
    if (entry.Has(ParseChartEntry::kWalked)) {
        std::vector<ALLP_TOP*> const& walked = fWalked[ParseChart::CellIndex(d, e)];
        *tops = index < walked.size() ? walked[index] : nullptr;
        return true;
    }
    // Entered but not walked: it lies on the path being walked.
    if (entered) return false;
    *mustWalk = true;
    return true;
}

ALLP_TOP* ChartToGraph::WalkNode(unsigned d, unsigned e, unsigned index) {
    ALLP_TOP* tops = nullptr;
    bool mustWalk = false;
    if (!Visit(d, e, index, &tops, &mustWalk) || !mustWalk) return tops;
    std::vector<Frame> stack;
    stack.push_back(Frame{d, e, index, index, &AcquireHash(), false});
    try {
        while (!stack.empty()) {
            Frame& frame = stack.back();
            if (frame.member == kGroupDone) {
                FinishWalk(frame);
                ReleaseHash(*frame.hash);
                stack.pop_back();
                continue;
            }
            if (!StepMember(frame, stack)) continue;  // a daughter is walked first
            std::vector<ParseChartEntry> const& entries = fChart.Cell(frame.d, frame.e).entries;
            bool const more = entries[frame.member].Has(ParseChartEntry::kMoreInGroup);
            frame.member = more && frame.member + 1 < entries.size() ? frame.member + 1 : kGroupDone;
            frame.commaChecked = false;
        }
    } catch (...) {
        for (Frame& frame : stack) ReleaseHash(*frame.hash);
        throw;
    }
    std::vector<ALLP_TOP*> const& walked = fWalked[ParseChart::CellIndex(d, e)];
    return index < walked.size() ? walked[index] : nullptr;
}

bool ChartToGraph::StepMember(Frame& frame, std::vector<Frame>& stack) {
    PCHART_CELL& cell = fChart.Cell(frame.d, frame.e);
    ParseChartEntry& entry = cell.entries[frame.member];
    if (entry.kind == ParseChartEntry::kDictionaryReading) {
        DictionaryMember(frame, entry);
        return true;
    }
    // Walks a daughter first when it is not yet walked.
    auto const daughter = [&](unsigned d, unsigned e, unsigned index, ALLP_TOP** tops) {
        bool mustWalk = false;
        Visit(d, e, index, tops, &mustWalk);
        if (!mustWalk) return true;
        stack.push_back(Frame{d, e, index, index, &AcquireHash(), false});
        return false;
    };
    unsigned const d = frame.d, e = frame.e;
    uint16_t const cellFlags = cell.flags;
    Hash& hash = *frame.hash;
    EXPERT_VIEW view;
    if (entry.kind == ParseChartEntry::kUnaryEntry) {
        ALLP_TOP* tops = nullptr;
        if (!daughter(d, e, entry.a, &tops)) return false;
        for (ALLP_TOP* top = tops; top != nullptr; top = top->next) {
            float const score = MakeView(&view, entry, top, nullptr, d, e, cellFlags);
            AddSource(IncorporateView(hash, view), score, top, nullptr, entry.rule);
        }
        return true;
    }
    unsigned const split = entry.kind;
    if (split >= d) return true;  // not a split of this cell
    if (!frame.commaChecked) {
        GiveCommaPenalty(fSentence, entry, d, e);
        frame.commaChecked = true;
    }
    ALLP_TOP* lefts = nullptr;
    ALLP_TOP* rights = nullptr;
    if (!daughter(d - split - 1, e - split - 1, entry.a, &lefts)) return false;
    if (!daughter(split, e, entry.b, &rights)) return false;
    for (ALLP_TOP* left = lefts; left != nullptr; left = left->next) {
        for (ALLP_TOP* right = rights; right != nullptr; right = right->next) {
            float const score = MakeView(&view, entry, left, right, d, e, cellFlags);
            AddSource(IncorporateView(hash, view), score, left, right, entry.rule);
            // A reading lacking its idiom word is combined once at most.
            if (view.flags & EXPERT_VIEW::kIdiomWordMissing) return true;
        }
    }
    return true;
}

void ChartToGraph::DictionaryMember(Frame& frame, ParseChartEntry const& entry) {
    if (entry.a >= fChart.FinePOSCount()) return;
    FinePOS_EX const finePOS = fChart.FinePOSOf(entry);
    if (fSentence.Flags() & Sentence::kQuickSynthesis) {
        ForwardIterator<Paraphrase_EX> it = finePOS.GetParaphraseIterator();
        if (!it.IsAtEnd()) DictLeaf(frame, entry, finePOS, *it, 0);
        return;
    }
    bool const checkRare =
        !gbKeepRareParas && fChart.WordCount() >= kRareCheckWords && fSentence.Speed() >= kRareCheckSpeed;
    bool used = false;
    for (ForwardIterator<Paraphrase_EX> it = finePOS.GetParaphraseIterator(); !it.IsAtEnd(); ++it) {
        Paraphrase_EX const para = *it;
        if (ParaDisabledForAnyReason(finePOS, para, fSentence)) continue;
        bool const doubtful = BangIdiomMissingFromSentence(para, fSentence) || (checkRare && IsRareReading(para));
        // A doubtful reading stands in only when nothing better came before.
        if (doubtful && used) continue;
        DictLeaf(frame, entry, finePOS, para, doubtful ? EXPERT_VIEW::kIdiomWordMissing : 0);
        used = true;
    }
    if (used) return;
    for (ForwardIterator<Paraphrase_EX> it = finePOS.GetParaphraseIterator(); !it.IsAtEnd(); ++it) {
        Paraphrase_EX const para = *it;
        if (!IsParaAltOnly(fSentence.Domains(), finePOS, para) && TheyOK(para, fSentence.TheyTrans()))
            DictLeaf(frame, entry, finePOS, para, 0);
    }
}

void ChartToGraph::DictLeaf(Frame& frame, ParseChartEntry const& entry, FinePOS_EX const& finePOS,
                            Paraphrase_EX const& para, uint16_t extraFlags) {
    EXPERT_VIEW view;
    StartView(&view, entry, frame.d, frame.e, fChart.Cell(frame.d, frame.e).flags);
    view.flags |= EXPERT_VIEW::kDictionaryLeaf | extraFlags;
    view.paraphrase = CanBeNull<POSAndParaphrase>(POSAndParaphrase(finePOS, para));
    view.wordCount = static_cast<uint8_t>(std::min(frame.d + 1, kMostCountedWords));
    float const score = fExperts ? fExperts->RunExperts(&view, nullptr, nullptr, ALLP_SOURCE::kNoRule) : 0.0f;
    AddSource(IncorporateView(*frame.hash, view), score, nullptr, nullptr, ALLP_SOURCE::kNoRule);
}

void ChartToGraph::FinishWalk(Frame& frame) {
    Hash& hash = *frame.hash;
    ALLP_TOP* list = nullptr;
    for (std::size_t i = hash.tops.size(); i-- > 0;) {
        hash.tops[i]->next = list;
        list = hash.tops[i];
    }
    if (OneParse()) list = PruneNode(list, frame.d);
    std::vector<ALLP_TOP*>& walked = fWalked[ParseChart::CellIndex(frame.d, frame.e)];
    std::vector<ParseChartEntry>& entries = fChart.Cell(frame.d, frame.e).entries;
    if (walked.size() < entries.size()) walked.resize(entries.size(), nullptr);
    walked[frame.head] = list;
    entries[frame.head].flags |= ParseChartEntry::kWalked;
}

void ChartToGraph::FreeAllPViaParseChart() {
    for (ALLP_TOP* top : fSentence.GraphNodes()) top->~ALLP_TOP();
    fSentence.GraphNodes().clear();
    fSentence.SetGraphTops(nullptr);
    fSentence.SetGraphNodeCount(0);
    fSentence.SetTotalAnalysisCount(0);
    if (fChart.Exists()) {
        for (PCHART_CELL& cell : fChart.Cells()) {
            for (ParseChartEntry& entry : cell.entries)
                entry.flags &= static_cast<uint8_t>(~(kEntered | ParseChartEntry::kWalked));
        }
    }
    fSentence.GraphHeap().FreeAllData();
}

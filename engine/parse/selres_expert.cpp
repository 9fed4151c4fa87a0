// The selectional-restriction and distance experts: a dictionary leaf takes
// its reading's semantics; a node a rule built runs the rule's semantic
// operations on its daughters' sets.
#include <algorithm>
#include <cctype>
#include <string>

#include "engine/foundation/free_features_database.h"
#include "engine/parse/expert_context.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/parser_features.h"
#include "engine/parse/semantic_atoms.h"
#include "engine/parse/semantic_expert.h"
#include "engine/parse/semantic_match.h"
#include "engine/parse/sentence.h"

namespace {

// Rule operation codes: class (bits 7-11), kind (bits 12-14), target slot
// (bits 5-6), source slot (bits 0-1).
unsigned ClassOf(uint16_t code) { return (code >> 7) & 31u; }
unsigned KindOf(uint16_t code) { return (code >> 12) & 7u; }
unsigned SlotOf(uint16_t code) { return (code >> 5) & 3u; }
unsigned SourceOf(uint16_t code) { return code & 3u; }

enum Kind : unsigned { kMatch = 1, kTakeLeft = 2, kTakeRight = 3, kTakeResult = 4, kEvaluate = 5 };
enum SemanticClass : unsigned {
    kFeatureNumber = 1,  // a feature operation with two operand words
    kLastFeatureClass = 3,
    kSelres = 4,
    kSlotMatch = 5,
    kFill = 6,
    kCoord = 7,
    kAnd = 8,
    kDist = 9,
    kSame = 10,
    kPlace = 11,
    kText = 12,  // one operand word
    kStative = 13,
};

constexpr float kSlotMatchShare = 0.7f;
constexpr float kSameMismatch = -4000.0f;
constexpr float kStativePenalty = -1.5f;
constexpr float kPlaceBonus = 0.001f;
constexpr float kPlaceMissing = -0.01f;
constexpr float kIdenticalPreps = 5.0f;
constexpr unsigned kPrepositionNameLength = 11;
constexpr char kFilledSlot[] = "xdummy";

SemanticRecord const& SetOf(ALLP_TOP const* top, unsigned slot) {
    return top != nullptr ? top->view.semantics[slot] : kNullSemantics;
}

// The free feature a view's first feature slot holds, read from its cell.
std::string FreeFeatureOfView(EXPERT_VIEW const& view, Sentence const& sentence) {
    ParseChart const& chart = sentence.Chart();
    if (view.featureOffset == 0 || !chart.Exists() || view.start > view.end || view.end >= chart.WordCount()) return "";
    std::vector<uint16_t> const& heap = chart.Cell(view.start, view.end).featureHeap;
    std::size_t const word = view.featureOffset / 2u;
    if (word + 1 >= heap.size() || (heap[word] >> 12) != kFreeFeatureSet) return "";
    return gFreeFeatures_E_SourceDBase().GetName(static_cast<FreeFeatures_E_Source>(heap[word + 1]));
}

}  // namespace

std::string PrepositionOfView(EXPERT_VIEW const* view, Sentence const& sentence) {
    if (view == nullptr) return "";
    std::string name = FreeFeatureOfView(*view, sentence);
    // Our dictionaries name a preposition's particle in its first feature
    // string instead.
    if (name.empty() && (view->flags & EXPERT_VIEW::kDictionaryLeaf) && !view->paraphrase.IsNull()) {
        std::string const first = view->paraphrase.Get().GetFinePOS().GetFeatureSets(0);
        if (!first.empty() && std::islower(static_cast<unsigned char>(first[0]))) name = first;
    }
    return name;
}

float IdenticalPreps(EXPERT_VIEW const* a, EXPERT_VIEW const* b, Sentence const& sentence) {
    std::string const first = PrepositionOfView(a, sentence);
    return !first.empty() && first == PrepositionOfView(b, sentence) ? kIdenticalPreps : 0.0f;
}

void SetLeafSemantics(EXPERT_VIEW* view) {
    if (view->paraphrase.IsNull()) return;
    POSAndParaphrase const& reading = view->paraphrase.Get();
    Dict_Semantics_E_Source const* peeked = reading.GetParaphrase().PeekSemantics();
    Semantics_E_Source const semantics(peeked != nullptr ? *peeked : reading.GetParaphrase().GetSemantics());
    for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i) view->semantics[i] = semantics.records[i];
    SemanticRecord& first = view->semantics[0];
    if (!first.IsNounLike()) return;
    // A noun names its slot by its headword's last word.
    std::string const headword = reading.GetFinePOS().GetBaseForm().GetEntry().GetSrcText();
    std::size_t const blank = headword.find_last_of(' ');
    std::string const word = blank == std::string::npos ? headword : headword.substr(blank + 1);
    bool const hadName = first.NameLength(0) != 0;
    SetSemanticName(&first, 0, std::string_view(word).substr(0, !word.empty() && word[0] == '!' ? 11 : 10));
    if (!hadName) SetSemanticName(&first, 1, "");
}

void SemanticExpert::DoSemantFOPs(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule,
                                  Sentence const& sentence) {
    if (rule >= guNumRules) return;
    RuleRecord const& record = kRuleList[rule];
    uint16_t const* program = RuleProgram(record);
    unsigned const length = program != nullptr ? record.programLength : 0;
    SemanticRecord result;
    bool consumed[EXPERT_VIEW::kSemanticSetCount] = {};
    EXPERT_VIEW const* leftView = left != nullptr ? &left->view : nullptr;
    EXPERT_VIEW const* rightView = right != nullptr ? &right->view : nullptr;
    for (unsigned i = 0; i < length;) {
        uint16_t const code = program[i];
        unsigned const semanticClass = ClassOf(code);
        unsigned const operands = semanticClass == kFeatureNumber ? 2 : semanticClass == kText ? 1 : 0;
        uint16_t const operand = operands != 0 && i + 1 < length ? program[i + 1] : 0;
        i += 1 + operands;
        if (semanticClass <= kLastFeatureClass) continue;
        unsigned const slot = SlotOf(code);
        unsigned const source = SourceOf(code);
        switch (KindOf(code)) {
            case kMatch:
                SemMatch(semanticClass, SetOf(left, slot), SetOf(right, source), leftView, rightView, &result,
                         &consumed[slot], sentence);
                break;
            case kTakeLeft:
                if (!consumed[source]) view->semantics[slot] = SetOf(left, source);
                break;
            case kTakeRight:
                view->semantics[slot] = SetOf(right, source);
                break;
            case kTakeResult:
                view->semantics[slot] = result;
                break;
            case kEvaluate:
                SemEval(semanticClass, operand, view);
                break;
            default:
                break;
        }
    }
}

void SemanticExpert::SemMatch(unsigned semanticClass, SemanticRecord const& l, SemanticRecord const& r,
                              EXPERT_VIEW const* leftView, EXPERT_VIEW const* rightView, SemanticRecord* result,
                              bool* consumed, Sentence const& sentence) {
    switch (semanticClass) {
        case kSelres:
            selresScore += SelResApply(l, r, false);
            break;
        case kSlotMatch:
            if (r.IsNounLike() && l.NameLength(1) != 0 && SemanticName(l, 1) == SemanticName(r, 1)) {
                *consumed = true;
                selresScore += kSlotMatchShare * SelResApply(l, r, true);
            }
            break;
        case kFill: {
            // A preposition's object: the phrase is marked as a filled slot of
            // that preposition.
            selresScore += SelResApply(l, r, false);
            *result = r;
            if (result->NameLength(0) == 0) SetSemanticName(result, 0, kFilledSlot);
            std::string const preposition = PrepositionOfView(leftView, sentence);
            SetSemanticName(result, 1, std::string_view(preposition).substr(0, kPrepositionNameLength));
            break;
        }
        case kCoord:
            distanceScore += SemanticsAnd(result, l, r) + IdenticalPreps(leftView, rightView, sentence);
            break;
        case kAnd:
            SemanticsAnd(result, l, r);
            break;
        case kDist: {
            SemanticRecord scratch;
            distanceScore += SemanticsAnd(&scratch, l, r) + IdenticalPreps(leftView, rightView, sentence);
            break;
        }
        case kSame:
            if (l != r) selresScore += kSameMismatch;
            break;
        default:
            break;
    }
}

void SemanticExpert::SemEval(unsigned semanticClass, uint16_t operand, EXPERT_VIEW* view) {
    SemanticAtomTable const& table = SemanticAtomTable::Get();
    switch (semanticClass) {
        case kText: {
            Semantics_E_Source const semantics(RuleHeapText(operand).c_str());
            for (unsigned i = 0; i < EXPERT_VIEW::kSemanticSetCount; ++i) view->semantics[i] = semantics.records[i];
            break;
        }
        case kStative: {
            bool stative = false;
            for (SemanticRecord const& set : view->semantics) {
                stative = stative || HasSemanticAtom(set, table.Atoms().vsfNonagent) ||
                          HasSemanticAtom(set, table.Atoms().asfStative);
            }
            if (stative) selresScore += kStativePenalty;
            break;
        }
        case kPlace:
            selresScore += SFeatureMatch(view->semantics[0], static_cast<int16_t>(table.Atoms().place), true)
                               ? kPlaceBonus
                               : kPlaceMissing;
            break;
        default:
            break;
    }
}

float ExpertContext::SelResExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule) {
    SemanticExpert& expert = fSemantics;
    expert.selresScore = 0;
    expert.distanceScore = 0;
    if (view->flags & EXPERT_VIEW::kDictionaryLeaf)
        SetLeafSemantics(view);
    else if ((view->flags & EXPERT_VIEW::kEmptyGluePiece) == 0)
        expert.DoSemantFOPs(view, left, right, rule, GetSentence());
    fSemanticsScoredView = view;
    float score = expert.selresScore;
    if (rule < guNumRules) {
        uint16_t const pure = kRuleList[rule].pureRule;
        if (pure < kPureRuleCount && (kPureRules[pure].flags & PureRuleRecord::kSelresDoubled)) score *= 2;
    }
    return score;
}

float ExpertContext::DistanceExpert(EXPERT_VIEW* view, ALLP_TOP const* left, ALLP_TOP const* right, uint16_t rule) {
    // Both scores come from one pass over the rule's operations; a node not
    // just scored for selres is scored now.
    if (fSemanticsScoredView != view) SelResExpert(view, left, right, rule);
    return fSemantics.distanceScore;
}

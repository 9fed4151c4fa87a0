#include "engine/transfer/alternate_translation.h"

#include <algorithm>
#include <vector>

#include "engine/parse/extent_finder.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/kbest_scores.h"
#include "engine/parse/pin_scores.h"
#include "engine/parse/sentence.h"
#include "engine/transfer/japanese_extraction.h"
#include "engine/transfer/transfer_steps.h"

namespace {

// The Japanese the tree gives the node whose words are exactly the extent;
// unknown when no node has them.
EXTENT JapaneseExtentOf(PARSED_NODE const* tree, EXTENT const& extent, Sentence const& sentence) {
    std::vector<PARSED_NODE const*> pending;
    if (tree != nullptr) pending.push_back(tree);
    while (!pending.empty()) {
        PARSED_NODE const* const node = pending.back();
        pending.pop_back();
        EXTENT english;
        if (SpanToExtent(node->span, node->endWord, sentence, &english) && SameExtent(english, extent))
            return node->firstExtent;
        if (node->rightSibling != nullptr) pending.push_back(node->rightSibling);
        if (node->firstChild != nullptr) pending.push_back(node->firstChild);
    }
    return EXTENT{};
}

bool Known(EXTENT const& extent) { return extent.start != EXTENT::kUnknown && extent.end != EXTENT::kUnknown; }

}  // namespace

bool AlternateTranslate::HasGraph() const {
    return fSentence != nullptr && fSentence->GraphTops() != nullptr && fSentence->Choices().HasRecords();
}

uint16_t AlternateTranslate::CIsAmbiguous() const {
    if (!HasGraph()) return kNothingToChoose;
    return IsScoreEnd(fSentence->Choices().resultScores[1]) ? kNothingToChoose : kOK;
}

void AlternateTranslate::FreeCurrentTree() {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    FreeSubtree(platform.currentTree);
    platform.currentTree = nullptr;
    platform.japaneseExtentKnown = 0;
}

void AlternateTranslate::DropPinState() {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    platform.pins.SetLength(0);
    platform.consideringPin = 0;
    platform.systemExtentSet = 0;
    platform.selectedParse = 0;
    platform.choiceCount = 0;
    fChoiceCount = 0;
}

template <class Work>
auto AlternateTranslate::RestoringScores(Work work) -> decltype(work()) {
    try {
        return work();
    } catch (HitLimitException const&) {
        ScoreGraph(fSentence);
        DropPinState();
        throw;
    }
}

uint16_t AlternateTranslate::CUserToSysExtent(uint16_t start, uint16_t end, uint16_t flags) {
    if (!HasGraph()) return kNothingToChoose;
    CHOICE_PLATFORM& platform = fSentence->Choices();
    bool const japanese = (flags & kJapaneseUnits) != 0;
    ExtentFinder finder(fSentence, (flags & kExact) != 0);
    EXTENT selection{start, end};
    if (japanese) {
        // Japanese units need a translation to measure against.
        PARSED_NODE* tree = platform.currentTree;
        if (tree == nullptr || !Known(tree->firstExtent)) return kNothingToChoose;
        selection.start = std::min(selection.start, tree->firstExtent.end);
        selection.end = std::min(selection.end, tree->firstExtent.end);
    } else {
        std::vector<PreparsedWord> const& words = fSentence->Words();
        if (words.empty()) return kNothingToChoose;
        uint16_t const first = words.front().fStart, last = words.back().fEnd;
        selection.start = std::clamp(selection.start, first, last);
        selection.end = std::clamp(selection.end, first, last);
    }
    if (selection.start > selection.end) std::swap(selection.start, selection.end);
    bool const pinned = BiggestDomPin(&selection, japanese) >= 0;
    if (japanese && !pinned) {
        finder.FindForJapanese(platform.currentTree, selection, fChoiceCount);
    } else {
        finder.FindForSource(fSentence->GraphTops(), selection, fChoiceCount);
    }
    if (!finder.Found()) return kNothingToChoose;
    platform.systemExtent = finder.FoundExtent();
    platform.systemExtentSet = 1;
    if (platform.currentTree != nullptr) {
        platform.japaneseExtent = JapaneseExtentOf(platform.currentTree, platform.systemExtent, *fSentence);
        platform.japaneseExtentKnown = Known(platform.japaneseExtent) ? 1 : 0;
    }
    return kOK;
}

int AlternateTranslate::BiggestDomPin(EXTENT* extent, bool japanese) const {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    Array<EXTENT> const& pins = platform.pins;
    if (japanese) {
        bool replaced = false;
        for (EXTENT const& pin : pins) {
            EXTENT const j = JapaneseExtentOf(platform.currentTree, pin, *fSentence);
            if (!Known(j) || !Covers(j, *extent)) continue;
            *extent = pin;
            replaced = true;
            break;
        }
        if (!replaced) return -1;
    }
    int widest = -1;
    for (uint32_t i = 0; i < pins.Length(); ++i) {
        if (!Covers(pins[i], *extent)) continue;
        if (widest < 0 || pins[i].end - pins[i].start > pins[widest].end - pins[widest].start)
            widest = static_cast<int>(i);
    }
    if (widest >= 0) *extent = pins[widest];
    return widest;
}

uint16_t AlternateTranslate::CConsiderPin(uint16_t* count) {
    *count = 0;
    CHOICE_PLATFORM& platform = fSentence->Choices();
    platform.consideringPin = 1;
    if (!HasGraph() || !platform.systemExtentSet) return kNothingToChoose;
    EXTENT const extent = platform.systemExtent;
    uint16_t const found = RestoringScores([&] {
        std::vector<BestTop> const best = GetBestTopScores(fSentence, extent);
        if (best.empty()) return uint16_t{0};
        return ConsiderChoices(fSentence, extent, best);
    });
    fChoiceCount = found;
    *count = found;
    return found == 0 ? kNothingToChoose : kOK;
}

uint16_t AlternateTranslate::CSetCurrChoice(uint16_t choice) {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    // A choice past those built would be read from slots nothing wrote.
    if (!HasGraph() || !platform.choicesBuilt || choice >= fChoiceCount) return kNothingToChoose;
    FreeCurrentTree();
    platform.selectedParse = choice;
    return kOK;
}

uint16_t AlternateTranslate::CGetExtentBounds(uint16_t* start, uint16_t* end, uint16_t flags) const {
    *start = *end = 0;
    CHOICE_PLATFORM& platform = fSentence->Choices();
    if (flags & kJapaneseUnits) {
        if (!platform.japaneseExtentKnown) return kNoJapaneseExtent;
        *start = platform.japaneseExtent.start;
        *end = platform.japaneseExtent.end;
        return kOK;
    }
    if (!platform.systemExtentSet) return kNothingToChoose;
    *start = platform.systemExtent.start;
    *end = platform.systemExtent.end;
    return kOK;
}

uint16_t AlternateTranslate::CPin(uint16_t choice) {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    if (!HasGraph() || !platform.choicesBuilt || !platform.systemExtentSet || choice >= fChoiceCount)
        return kNothingToChoose;
    FreeCurrentTree();
    platform.selectedParse = choice;
    EXTENT const extent = platform.systemExtent;
    uint16_t const k = fChoiceCount;
    RestoringScores([&] { PinChoice(fSentence, extent, platform.slotMap[choice], k); });
    platform.consideringPin = 0;
    platform.selectedParse = 0;
    platform.systemExtentSet = 0;
    return kOK;
}

uint16_t AlternateTranslate::Unpin(EXTENT extent, bool japanese) {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    int const pin = BiggestDomPin(&extent, japanese);
    if (pin < 0) return kNoPinCovers;
    platform.pins.RemoveAt(static_cast<uint32_t>(pin));
    uint16_t const k = fChoiceCount;
    RestoringScores([&] { RescoreForPins(fSentence, platform.pins, k); });
    return kOK;
}

uint16_t AlternateTranslate::CUnpin(uint16_t start, uint16_t end, uint16_t flags) {
    if (!HasGraph()) return kNoPinCovers;
    uint16_t const status = Unpin(EXTENT{start, end}, (flags & kJapaneseUnits) != 0);
    if (status == kOK) FreeCurrentTree();
    return status;
}

void AlternateTranslate::CUnconsiderPin() {
    if (!HasGraph()) return;
    CHOICE_PLATFORM& platform = fSentence->Choices();
    FreeCurrentTree();
    platform.selectedParse = 0;
    bool const extentSet = platform.systemExtentSet != 0;
    EXTENT const extent = platform.systemExtent;
    // Pinning the best choice and unpinning it again rescores every node.
    if (platform.choicesBuilt && extentSet && fChoiceCount > 0) CPin(0);
    platform.consideringPin = 0;
    platform.systemExtentSet = 0;
    if (extentSet) Unpin(extent, false);
    ParsedTree tree = ExtractAndTrans(fSentence);
    if (!tree) return;
    CapSequenceUserOption capSequence;
    capSequence.value = fSentence->ProperNounMode();
    ShowArticlesUserOption showArticles;
    showArticles.show = fSentence->ArticleFlag() != 0;
    ExtractTranslation(tree.get(), capSequence, fSentence->Words(), showArticles, fSentence->OptionBlock());
    platform.currentTree = tree.release();
}

Array<EXTENT> AlternateTranslate::ShowPinningExtent(bool japanese) const {
    CHOICE_PLATFORM& platform = fSentence->Choices();
    if (!japanese || platform.pins.Length() == 0) return platform.pins;
    Array<EXTENT> extents;
    for (EXTENT const& pin : platform.pins) extents.Append(JapaneseExtentOf(platform.currentTree, pin, *fSentence));
    return extents;
}

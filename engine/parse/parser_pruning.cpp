// The prune list of a cell: while binary rules fill it, every new or
// improved analysis is set aside (pruned) and ranked; afterwards the best
// ones, within a score band that narrows down the list, are taken back.
#include <algorithm>

#include "engine/parse/parser.h"
#include "engine/parse/sentence.h"

namespace {

constexpr std::size_t kMaxPruneSlots = 101;
// Categories past this one are never pruned.
constexpr unsigned kLastPrunedCategory = 14999;

}  // namespace

void Parser::AddToPruneList(uint32_t id, bool replace) {
    FineEntry& fine = fFines[id];
    if (!fPruning || fine.key / 2u > kLastPrunedCategory) return;
    std::size_t const length = std::min<std::size_t>(fSentence->PruneListLength(), kMaxPruneSlots);
    fine.state |= FineEntry::kPruned;
    float const score = fine.representative.score;
    auto const at = std::find_if(fPruneSlots.begin(), fPruneSlots.end(),
                                 [score](PruneSlot const& slot) { return slot.score < score; });
    std::size_t const position = static_cast<std::size_t>(at - fPruneSlots.begin());
    if (position >= length) return;
    if (replace) {
        auto const old = std::find_if(fPruneSlots.begin() + static_cast<std::ptrdiff_t>(position), fPruneSlots.end(),
                                      [id](PruneSlot const& slot) { return slot.fine == id; });
        if (old != fPruneSlots.end()) fPruneSlots.erase(old);
    }
    if (fPruneSlots.size() >= length) fPruneSlots.pop_back();
    fPruneSlots.insert(fPruneSlots.begin() + static_cast<std::ptrdiff_t>(position), PruneSlot{score, id});
}

void Parser::EnableSurvivingBinary() {
    if (fPruneSlots.empty()) return;
    std::size_t const length = std::min<std::size_t>(fSentence->PruneListLength(), kMaxPruneSlots);
    float const difference = fSentence->PruneScoreDifference();
    bool const banded = difference > 0 && length != 0;
    float threshold = fPruneSlots.front().score - difference;
    float const step = banded ? difference / static_cast<float>(length) : 0.0f;
    for (PruneSlot const& slot : fPruneSlots) {
        if (banded && slot.score < threshold) break;
        FineEntry& fine = fFines[slot.fine];
        fine.state = static_cast<uint8_t>(fine.state & ~FineEntry::kPruned);
        threshold += step;
    }
    fPruneSlots.clear();
}

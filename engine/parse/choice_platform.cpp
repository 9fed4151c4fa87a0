#include "engine/parse/choice_platform.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

#include "engine/parse/kbest_scores.h"
#include "engine/parse/sentence.h"

ChoiceSizes ComputeCPSizes(unsigned k, uint32_t nodes) {
    ChoiceSizes sizes{};
    sizes.scoreOffset = static_cast<uint16_t>((2 * k + 2 + 3) / 4 * 4);
    sizes.stride = static_cast<uint16_t>((sizes.scoreOffset + 4 * k + 5) / 4 * 4 + 4);
    sizes.perChunk = static_cast<uint16_t>(CHOICE_PLATFORM::kChunkBytes / sizes.stride);
    sizes.chunks = nodes / sizes.perChunk + 1;
    return sizes;
}

float ScoreRecord::Score(unsigned i) const {
    float score;
    std::memcpy(&score, fBase + fSizes.scoreOffset + 4 * i, sizeof score);
    return score;
}

void ScoreRecord::SetScore(unsigned i, float score) {
    std::memcpy(fBase + fSizes.scoreOffset + 4 * i, &score, sizeof score);
}

SINDEX ScoreRecord::From(unsigned i) const {
    SINDEX from;
    std::memcpy(&from, fBase + 2 * i, sizeof from);
    return from;
}

void ScoreRecord::SetFrom(unsigned i, SINDEX from) { std::memcpy(fBase + 2 * i, &from, sizeof from); }

uint16_t ScoreRecord::Flags() const {
    uint16_t flags;
    std::memcpy(&flags, fBase + fSizes.stride - 2, sizeof flags);
    return flags;
}

void ScoreRecord::SetFlags(uint16_t flags) { std::memcpy(fBase + fSizes.stride - 2, &flags, sizeof flags); }

CHOICE_PLATFORM::~CHOICE_PLATFORM() { FreeSubtree(currentTree); }

ScoreRecord CHOICE_PLATFORM::Record(uint32_t serial) {
    if (fSizes.perChunk == 0 || serial / fSizes.perChunk >= fChunks.size() || !fChunks[serial / fSizes.perChunk])
        throw std::out_of_range("score record past the choice tables");
    uint8_t* base = fChunks[serial / fSizes.perChunk].get() + (serial % fSizes.perChunk) * fSizes.stride;
    return ScoreRecord(base, fK, fSizes);
}

void CHOICE_PLATFORM::Size(unsigned k) {
    fK = k;
    fSizes = ComputeCPSizes(k, fSentence->GraphNodeCount());
}

void CHOICE_PLATFORM::CMakeChoicePlatform() {
    if (fSentence->Flags() & Sentence::kOneParseKept) return;
    fChunks.clear();
    // Positions are five bits and the result has 21 slots: 1 to 20 parses.
    Size(std::clamp<unsigned>(fSentence->GetMaxSavedParses(), 1, kMostSavedParses));
    try {
        for (uint32_t c = 0; c < fSizes.chunks; ++c) {
            if (c == kMostChunks) throw std::bad_alloc();
            fChunks.emplace_back(new uint8_t[kChunkBytes]());
        }
    } catch (std::bad_alloc const&) {
        if (fChunks.size() <= 1) throw;
        fChunks.pop_back();
        uint32_t const held = static_cast<uint32_t>(fChunks.size());
        unsigned k = fK;
        do {
            if (--k < 2) throw;
            Size(k);
        } while (fSizes.chunks > held);
        fChunks.resize(fSizes.chunks);
    }
    ScoreGraph(fSentence);
    choiceCount = 1;
}

#pragma once
// The sentence's choice tables: one score record per graph node for the K
// best analyses, the sentence's K-best result, and the state of the choice
// of an alternate translation.  Records live in chunks of 64,000 bytes; a
// record holds K + 1 score indexes from its start, K + 1 scores at the
// score offset and a flags word in its last two bytes.
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/parse/array.h"
#include "engine/parse/parsed_node.h"

class Sentence;

// Where a kept score came from: at a node and in the result, the ordinal
// of the contributing alternative << 5 | the position in its vector; at a
// source with two daughters, left position | right position << 8.
using SINDEX = uint16_t;

// The most parses whose scores are kept, and the slots of the result.
constexpr unsigned kMostSavedParses = 20;
constexpr unsigned kResultSlots = kMostSavedParses + 1;

struct ChoiceSizes {
    uint16_t scoreOffset;
    uint16_t stride;
    uint16_t perChunk;
    uint32_t chunks;
};
// The record layout for K kept scores over a graph of `nodes` nodes.
ChoiceSizes ComputeCPSizes(unsigned k, uint32_t nodes);

// One node's score record.
class ScoreRecord {
public:
    // flags
    static constexpr uint16_t kRecompute = 0x1;  // set by the pinning walkers
    static constexpr uint16_t kDropped = 0x2;    // none of its scores reached its parent's best K

    ScoreRecord(uint8_t* base, unsigned k, ChoiceSizes const& sizes) : fBase(base), fK(k), fSizes(sizes) {}

    unsigned K() const { return fK; }
    float Score(unsigned i) const;
    void SetScore(unsigned i, float score);
    SINDEX From(unsigned i) const;
    void SetFrom(unsigned i, SINDEX from);
    uint16_t Flags() const;
    void SetFlags(uint16_t flags);
    bool Has(uint16_t flag) const { return (Flags() & flag) != 0; }
    void Set(uint16_t flag, bool on) { SetFlags(on ? Flags() | flag : Flags() & ~flag); }

private:
    uint8_t* fBase;
    unsigned fK;
    ChoiceSizes fSizes;
};

class CHOICE_PLATFORM {
public:
    static constexpr std::size_t kChunkBytes = 64000;
    static constexpr uint32_t kMostChunks = 800;

    explicit CHOICE_PLATFORM(Sentence* sentence) : fSentence(sentence) {}
    ~CHOICE_PLATFORM();
    CHOICE_PLATFORM(CHOICE_PLATFORM const&) = delete;
    CHOICE_PLATFORM& operator=(CHOICE_PLATFORM const&) = delete;

    // Builds the score records for the sentence's graph and scores it;
    // nothing when the sentence keeps one parse.  When the records do not
    // fit, fewer parses are kept (down to 2) before std::bad_alloc is passed on.
    void CMakeChoicePlatform();
    void CCommitChoices(Sentence*) {}

    unsigned K() const { return fK; }
    bool HasRecords() const { return !fChunks.empty(); }
    // The record of the node with that serial; std::out_of_range past the tables.
    ScoreRecord Record(uint32_t serial);

    // The sentence's K-best result.
    SINDEX resultFrom[kResultSlots] = {};
    float resultScores[kResultSlots] = {};

    // The choice of an alternate translation.
    uint8_t reserved = 0;
    uint8_t consideringPin = 0;
    uint8_t systemExtentSet = 0;
    EXTENT systemExtent{0, 0};
    PARSED_NODE* currentTree = nullptr;  // owned
    uint8_t japaneseExtentKnown = 0;
    EXTENT japaneseExtent{0, 0};
    uint16_t selectedParse = 0;  // 0: the best
    Array<EXTENT> pins;
    uint16_t choiceCount = 0;
    uint8_t choicesBuilt = 0;
    uint16_t slotMap[kResultSlots] = {};

    Sentence* GetSentence() const { return fSentence; }

private:
    // Sets K and the sizes for the sentence's graph.
    void Size(unsigned k);

    unsigned fK = 0;
    ChoiceSizes fSizes{0, 0, 0, 0};
    std::vector<std::unique_ptr<uint8_t[]>> fChunks;
    Sentence* fSentence;
};

#pragma once
// The packed parse graph of a sentence: each node (ALLP_TOP) stands for the
// analyses of one span under one category that the experts see alike, with
// the list of ways it was built (ALLP_SOURCE: a rule over one or two
// daughter nodes, or a dictionary reading).  Every node has a serial that
// addresses its score record in the sentence's choice tables.
#include <cstdint>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/semantics.h"

// What the scoring experts see of a graph node.
struct EXPERT_VIEW {
    // flags
    static constexpr uint16_t kPrimed = 0x0001;
    static constexpr uint16_t kDictionaryLeaf = 0x0004;
    static constexpr uint16_t kCountsForBalance = 0x0008;
    static constexpr uint16_t kDictionaryOrGlue = 0x0010;
    static constexpr uint16_t kCapitalSequenceCell = 0x0020;
    static constexpr uint16_t kEmptyGluePiece = 0x0040;
    static constexpr uint16_t kCommaPenalty = 0x0080;
    static constexpr uint16_t kLearnedUsage = 0x0100;
    static constexpr uint16_t kCrossesForcedUnit = 0x0200;
    static constexpr uint16_t kIdiomWordMissing = 0x0400;
    static constexpr unsigned kSemanticSetCount = 4;

    int32_t category = 0;
    uint16_t featureOffset = 0;
    uint16_t flags = 0;
    CanBeNull<POSAndParaphrase> paraphrase;  // dictionary leaves
    uint16_t start = 0;                      // d of the node's cell: words covered less one
    uint16_t end = 0;                        // e of the node's cell: the last word covered
    uint8_t wordCount = 0;
    uint8_t smallestPiece = 0;
    float largestWeightedPiece = 0;
    CSEMANT_X<unsigned short> semantics[kSemanticSetCount];

    EXPERT_VIEW() = default;
    EXPERT_VIEW(FinePOS_EX const& finePOS, Paraphrase_EX const& para) : paraphrase(POSAndParaphrase(finePOS, para)) {}
};

struct ALLP_SOURCE;

struct ALLP_TOP {
    // Bits of walkFlags.
    static constexpr uint16_t kVisited = 0x0001;

    uint16_t category = 0;
    EXPERT_VIEW view;
    ALLP_TOP* next = nullptr;  // in its hash bucket, then in its node's list
    ALLP_SOURCE* sources = nullptr;
    float analysisCount = 0;  // parses under it
    uint32_t serial = 0;      // its score record
    uint16_t walkFlags = 0;   // set and cleared by graph walks
};

struct ALLP_SOURCE {
    static constexpr uint16_t kNoRule = 0xFFFF;

    ALLP_SOURCE* next = nullptr;
    ALLP_TOP* left = nullptr;  // the left or only daughter
    ALLP_TOP* right = nullptr;
    uint16_t rule = kNoRule;
    float score = 0;
    uint32_t serial = 0;  // its score record
};

#pragma once
// The special conversion codes a grammar rule can name ("CCspecial" and an
// id): how the children of a node built by the rule are reordered, and
// which node the code adds below them.  Digit codes ("21", "200") are read
// into the same record on the fly.
#include <array>
#include <cstddef>
#include <cstdint>

struct CONVERSION_CODE {
    static constexpr uint16_t kNewNode = 65535;    // a term that makes a new virtual node
    static constexpr uint16_t kEnglishWords = 99;  // term count: the node becomes its English words
    static constexpr std::size_t kMaxTerms = 20;   // terms before the terminating 0

    uint16_t id;
    uint16_t termCount;         // children the code consumes
    bool extraChildrenAllowed;  // else the node must have exactly termCount children
    bool adjoin;                // Chomsky-adjoin the split node before the lower terms go below it
    int16_t lowerCount;         // 0: plain reorder; n: the n terms after the split go below the split node
    uint16_t splitIndex;        // index of the last term placed at the node's own level first
    char const* createdName;    // the category of a new node, or its Japanese when lower case first; "" none
    std::array<uint16_t, kMaxTerms + 1> terms;  // 1-based child numbers or kNewNode, 0-terminated
};

inline constexpr std::size_t kConversionCodeCount = 12;
inline constexpr CONVERSION_CODE kConversionCodes[kConversionCodeCount] = {
    {19, 2, false, false, 0, 0, "", {1, 2}},
    {193, 3, false, false, 0, 0, "", {1, 2, 3}},
    {900, CONVERSION_CODE::kEnglishWords, false, false, 0, 0, "", {1, 2}},
    {42, 2, false, false, 1, 0, "", {1, 2}},
    {41, 3, false, false, 1, 0, "", {1, 2, 3}},
    {60, 1, true, true, 1, 0, "Nom_ga", {1, CONVERSION_CODE::kNewNode}},
    {61, 1, true, true, 1, 0, "Nom_ha", {1, CONVERSION_CODE::kNewNode}},
    {62, 1, true, true, 1, 0, "Nom", {1, CONVERSION_CODE::kNewNode}},
    {64, 2, true, true, 1, 1, "Nom_ga", {1, 2, CONVERSION_CODE::kNewNode}},
    {65, 2, true, true, 1, 1, "Nom_ha", {1, 2, CONVERSION_CODE::kNewNode}},
    {66, 1, true, true, 1, 0, "Hodo", {1, CONVERSION_CODE::kNewNode}},
    {67, 1, true, true, 1, 0, "Dat_ni", {1, CONVERSION_CODE::kNewNode}},
};

// The record of a special code's id; null for an id the table lacks.
constexpr CONVERSION_CODE const* FindConversionCode(unsigned id) {
    for (CONVERSION_CODE const& code : kConversionCodes)
        if (code.id == id) return &code;
    return nullptr;
}

// True when the table holds the id.
constexpr bool IsValidCC(unsigned short id) { return FindConversionCode(id) != nullptr; }

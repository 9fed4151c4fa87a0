#pragma once
// What the fuzz targets that edit analysis trees share: a reader that draws
// choices from the input's bytes, and a check of every back link.
#include <cstddef>
#include <cstdint>

#include "engine/parse/parsed_node.h"

inline void FuzzCheck(bool condition) {
    if (!condition) __builtin_trap();
}

// The input's bytes one at a time; zeros once they run out.
class FuzzInput {
public:
    FuzzInput(uint8_t const* data, std::size_t size) : fData(data), fSize(size) {}
    bool Empty() const { return fAt >= fSize; }
    uint8_t Byte() { return fAt < fSize ? fData[fAt++] : 0; }
    template <class T, std::size_t n>
    T const& Pick(T const (&choices)[n]) {
        return choices[Byte() % n];
    }

private:
    uint8_t const* fData;
    std::size_t fSize;
    std::size_t fAt = 0;
};

// Every node's back link points at its parent (first child) or its left
// sibling; returns the number of nodes.
inline int CheckTreeLinks(PARSED_NODE const* node, PARSED_NODE const* back) {
    int count = 0;
    for (PARSED_NODE const* at = node; at != nullptr; back = at, at = at->rightSibling) {
        FuzzCheck(at->back == back);
        ++count;
        if (at->firstChild != nullptr) count += CheckTreeLinks(at->firstChild, at);
    }
    return count;
}

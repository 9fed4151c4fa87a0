#pragma once
// A bump allocator for the data of one analysis: requests are carved from
// sub-heaps of fixed size and never freed one by one; FreeAllData empties it
// at once and keeps the sub-heaps for the next use.
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/foundation/critical_section.h"

class SimpleDataHeap {
public:
    static constexpr std::size_t kSubHeapBytes = 262136;
    // The largest request; larger ones throw HitLimitException.
    static constexpr std::size_t kMaxRequestBytes = 262128;

    SimpleDataHeap() = default;
    SimpleDataHeap(SimpleDataHeap const&) = delete;
    SimpleDataHeap& operator=(SimpleDataHeap const&) = delete;

    // Uninitialised memory for `bytes` bytes, aligned for any object.
    void* AllocMem(std::size_t bytes);
    // Empties every sub-heap; the memory handed out is reused from now on.
    void FreeAllData();

    std::size_t SubHeapCount() const { return fSubHeaps.size(); }

private:
    struct SubHeap {
        std::unique_ptr<std::max_align_t[]> memory;
        std::size_t used = 0;
    };
    std::vector<SubHeap> fSubHeaps;
    std::size_t fCurrent = 0;  // the sub-heap requests are served from
};

// The arena the chunked arrays of every parse share, and its lock.  Built
// on first use; every allocation from it and every emptying of it happens
// under the lock.
SimpleDataHeap& ThreeTieredHeap();
CorvanCriticalSection& ThreeTieredHeapCritSec();

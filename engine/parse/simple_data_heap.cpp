#include "engine/parse/simple_data_heap.h"

#include "engine/parse/hit_limit_exception.h"

namespace {

constexpr std::size_t kAlignment = alignof(std::max_align_t);
constexpr std::size_t kSubHeapUnits = (SimpleDataHeap::kSubHeapBytes + kAlignment - 1) / kAlignment;

std::size_t RoundUp(std::size_t bytes) { return (bytes + kAlignment - 1) / kAlignment * kAlignment; }

}  // namespace

void* SimpleDataHeap::AllocMem(std::size_t bytes) {
    if (bytes > kMaxRequestBytes) throw HitLimitException{};
    std::size_t const size = RoundUp(bytes == 0 ? 1 : bytes);
    while (fCurrent < fSubHeaps.size() && fSubHeaps[fCurrent].used + size > kSubHeapUnits * kAlignment) ++fCurrent;
    if (fCurrent == fSubHeaps.size())
        fSubHeaps.push_back(SubHeap{std::make_unique<std::max_align_t[]>(kSubHeapUnits), 0});
    SubHeap& heap = fSubHeaps[fCurrent];
    void* const result = reinterpret_cast<unsigned char*>(heap.memory.get()) + heap.used;
    heap.used += size;
    return result;
}

void SimpleDataHeap::FreeAllData() {
    for (SubHeap& heap : fSubHeaps) heap.used = 0;
    fCurrent = 0;
}

SimpleDataHeap& ThreeTieredHeap() {
    static SimpleDataHeap heap;
    return heap;
}

CorvanCriticalSection& ThreeTieredHeapCritSec() {
    static CorvanCriticalSection section;
    return section;
}

#pragma once
// SimpleSimpleHeapChunkedArray<T>: an append-mostly list of plain records in
// chunks of 20, carved from the shared parse arena (ThreeTieredHeap) and
// released only when the arena is emptied.  Appending never copies; element
// i lies in chunk i / 20.
#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>

#include "engine/parse/simple_data_heap.h"

template <class T>
class SimpleSimpleHeapChunkedArray {
    // Elements are moved byte-wise and never destroyed: the arena drops them.
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>,
                  "chunked arrays hold plain records");

public:
    static constexpr uint32_t kChunkSlots = 20;

    uint32_t Count() const { return fCount; }

    // A new slot at the end, for the caller to fill.
    T* Append() {
        if (fLast == nullptr || fLast->used == kChunkSlots) LinkNewChunk();
        ++fCount;
        return fLast->Slot(fLast->used++);
    }

    // A new slot before element i (i == Count() appends), for the caller to
    // fill; later elements move up one place, across chunk boundaries.
    T* InsertAt(uint32_t i) {
        if (i >= fCount) return Append();
        Chunk* chunk = ChunkOf(i);
        uint32_t const slot = i % kChunkSlots;
        T carried = *chunk->Slot(chunk->used - 1);
        ShiftUp(chunk, slot);
        for (Chunk* next = chunk->next; next != nullptr; next = next->next) {
            T const outgoing = *next->Slot(next->used - 1);
            ShiftUp(next, 0);
            *next->Slot(0) = carried;
            carried = outgoing;
        }
        *Append() = carried;
        return chunk->Slot(slot);
    }

    T& At(uint32_t i) { return *ChunkOf(i)->Slot(i % kChunkSlots); }
    T const& At(uint32_t i) const { return *ChunkOf(i)->Slot(i % kChunkSlots); }

private:
    struct Chunk {
        uint32_t used;
        Chunk* next;
        alignas(T) unsigned char slots[kChunkSlots * sizeof(T)];

        T* Slot(uint32_t i) { return std::launder(reinterpret_cast<T*>(slots) + i); }
    };

    // Moves slots from..used-2 up by one; the last used slot's element has
    // been taken by the caller.
    static void ShiftUp(Chunk* chunk, uint32_t from) {
        uint32_t const moved = chunk->used - 1 - from;
        std::memmove(static_cast<void*>(chunk->Slot(from + 1)), chunk->Slot(from), moved * sizeof(T));
    }

    Chunk* ChunkOf(uint32_t i) const {
        Chunk* chunk = fFirst;
        for (uint32_t hops = i / kChunkSlots; hops > 0; --hops) chunk = chunk->next;
        return chunk;
    }

    void LinkNewChunk() {
        void* memory;
        {
            AutoCriticalSection lock(ThreeTieredHeapCritSec());
            memory = ThreeTieredHeap().AllocMem(sizeof(Chunk));
        }
        Chunk* const chunk = ::new (memory) Chunk;
        chunk->used = 0;
        chunk->next = nullptr;
        for (uint32_t s = 0; s < kChunkSlots; ++s) ::new (static_cast<void*>(chunk->slots + s * sizeof(T))) T;
        (fLast != nullptr ? fLast->next : fFirst) = chunk;
        fLast = chunk;
    }

    Chunk* fFirst = nullptr;
    Chunk* fLast = nullptr;
    uint32_t fCount = 0;
};

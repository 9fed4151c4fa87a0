#pragma once
// Array<T>: the analysis code's growable array.  It grows with a little
// slack (64 bytes' worth of elements, a tenth above 160 elements) and keeps
// its elements as C++ objects: growth moves them, so elements holding their
// own storage (std::string keeps short text inside itself) stay intact.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

template <class T>
class Array {
public:
    // Extra slots taken when the array grows by a few elements.
    static constexpr uint32_t kSlack = sizeof(T) >= 64 ? 1 : static_cast<uint32_t>(64 / sizeof(T));
    // Above this length the array grows by a tenth instead.
    static constexpr uint32_t kProportionalGrowthFrom = 160;

    Array() = default;
    Array(Array const& other) {
        SetSlotsAlloced(other.fLength);
        for (T const& element : other) Append(element);
    }
    Array& operator=(Array const& other) {
        if (this == &other) return *this;
        SetLength(0);
        if (fSlots < other.fLength) SetSlotsAlloced(other.fLength);
        for (T const& element : other) Append(element);
        return *this;
    }
    ~Array() { SetSlotsAlloced(0); }

    uint32_t Length() const { return fLength; }
    uint32_t SlotsAlloced() const { return fSlots; }
    T& operator[](uint32_t i) { return fData[i]; }
    T const& operator[](uint32_t i) const { return fData[i]; }
    T* begin() { return fData; }
    T* end() { return fData + fLength; }
    T const* begin() const { return fData; }
    T const* end() const { return fData + fLength; }

    // Sets the capacity to n elements, moving the live ones.  Elements at n
    // and beyond are destroyed, so the length never exceeds the capacity.
    void SetSlotsAlloced(uint32_t n) {
        if (n == fSlots) return;
        if (n < fLength) DestroyFrom(n);
        T* const block = n == 0 ? nullptr : std::allocator<T>().allocate(n);
        if (block != nullptr) std::uninitialized_move(fData, fData + fLength, block);  // n == 0 left none alive
        std::destroy(fData, fData + fLength);
        if (fData != nullptr) std::allocator<T>().deallocate(fData, fSlots);
        fData = block;
        fSlots = n;
    }

    // Grows (copies of fill in the new slots) or shrinks to n elements.
    void SetLength(uint32_t n, T const& fill = T()) {
        if (n <= fLength) {
            DestroyFrom(n);
            return;
        }
        if (n > fSlots) {
            T const copy(fill);  // fill may be one of our own elements
            SetSlotsAlloced(GrownCapacity(n));
            std::uninitialized_fill(fData + fLength, fData + n, copy);
        } else {
            std::uninitialized_fill(fData + fLength, fData + n, fill);
        }
        fLength = n;
    }

    // Inserts value before element i; an index at or past the end appends.
    void InsertAt(T const& value, uint32_t i) {
        T copy(value);  // value may be one of our own elements
        uint32_t const last = fLength;
        SetLength(fLength + 1, copy);
        if (i < last) {
            std::move_backward(fData + i, fData + last, fData + last + 1);
            fData[i] = std::move(copy);
        }
    }
    void Append(T const& value) { InsertAt(value, fLength); }

    // Removes element i (nothing when there is none); an array emptied this
    // way gives its block back.
    void RemoveAt(uint32_t i) {
        if (i >= fLength) return;
        std::move(fData + i + 1, fData + fLength, fData + i);
        DestroyFrom(fLength - 1);
        if (fLength == 0) SetSlotsAlloced(0);
    }

private:
    static uint32_t GrownCapacity(uint32_t n) {
        if (n > kProportionalGrowthFrom) return static_cast<uint32_t>(static_cast<double>(n) * 1.1);
        return n + kSlack;
    }

    void DestroyFrom(uint32_t n) {
        std::destroy(fData + n, fData + fLength);
        fLength = n;
    }

    uint32_t fLength = 0;
    uint32_t fSlots = 0;
    T* fData = nullptr;
};

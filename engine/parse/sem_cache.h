#pragma once
// The process-wide cache of pairwise atom scores.  Scoring two atoms walks
// both ancestor lists; the selectional-restriction experts ask for the same
// pairs over and over, so each pair is scored once per table and kept for the
// life of the process.  Tables: one per requirement specificity (the
// integer part of specificity + 0.05, 0 to 1000) for the selres scorer, one
// each for the fixed scorer's one-sided and two-sided weights; each exists
// for direct and for any-level ancestry.  Rows are made on first use.
// Every lookup holds the cache's lock.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class SemCache {
public:
    static constexpr unsigned kSpecificityTables = 1001;

    struct Entry {
        static constexpr uint16_t kComputed = 0x1;
        static constexpr uint16_t kGenericSeen = 0x2;

        float value = 0;
        uint16_t common = 0;  // best common ancestor
        uint16_t flags = 0;
    };

    // The cache the experts share, sized by the atom name table.
    static SemCache& Global();

    explicit SemCache(std::size_t atomCount);

    // Table numbers.
    static unsigned SelresTable(unsigned specificityBucket, bool anyLevel) {
        return specificityBucket * 2 + (anyLevel ? 1 : 0);
    }
    static unsigned FixedTable(bool oneSided, bool anyLevel) {
        return kSpecificityTables * 2 + (oneSided ? 2 : 0) + (anyLevel ? 1 : 0);
    }

    // The entry for atoms x and y of the table, made by `compute` the first
    // time.  x and y must be below the atom count.
    template <class Compute>
    Entry Lookup(unsigned table, uint16_t x, uint16_t y, Compute&& compute) {
        std::lock_guard<std::mutex> hold(fLock);
        Entry* entry = Slot(table, x, y);
        if (entry == nullptr) return compute();
        if ((entry->flags & Entry::kComputed) == 0) {
            *entry = compute();
            entry->flags |= Entry::kComputed;
        }
        return *entry;
    }

    std::size_t AtomCount() const { return fAtomCount; }
    // Rows made so far (for tests and benchmarks).
    std::size_t RowCount() const;

private:
    // The entry's place, made on demand; null for a table or atom out of
    // range.  The lock is held.
    Entry* Slot(unsigned table, uint16_t x, uint16_t y);

    using Row = std::unique_ptr<Entry[]>;
    using Table = std::unique_ptr<Row[]>;

    std::size_t const fAtomCount;
    mutable std::mutex fLock;
    std::vector<Table> fTables;
    std::size_t fRows = 0;
};

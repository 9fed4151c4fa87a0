#include "engine/parse/sem_cache.h"

#include "engine/foundation/atom_databases.h"

SemCache& SemCache::Global() {
    static SemCache cache(gSemanticAtomDatabase_E_Source().GetCount());
    return cache;
}

SemCache::SemCache(std::size_t atomCount) : fAtomCount(atomCount), fTables(kSpecificityTables * 2 + 4) {}

SemCache::Entry* SemCache::Slot(unsigned table, uint16_t x, uint16_t y) {
    if (table >= fTables.size() || x >= fAtomCount || y >= fAtomCount) return nullptr;
    Table& rows = fTables[table];
    if (!rows) rows = std::make_unique<Row[]>(fAtomCount);
    Row& row = rows[x];
    if (!row) {
        row = std::make_unique<Entry[]>(fAtomCount);
        ++fRows;
    }
    return &row[y];
}

std::size_t SemCache::RowCount() const {
    std::lock_guard<std::mutex> hold(fLock);
    return fRows;
}

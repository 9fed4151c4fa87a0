// The first-word index in memory, and the lookups walking it.
#include <algorithm>
#include <cstring>

#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_t.h"

namespace {

// The first word an entry is filed under; false when it is too long for the
// index.
bool FirstwordOf(ud_entry_t const& entry, char (&firstWord)[kUDFirstwordBufferSize]) {
    UDFwStrncpy(firstWord, entry.strings.english.c_str(), kUDFirstwordLength);
    return std::strlen(firstWord) < kUDFirstwordTooLong;
}

}  // namespace

uint32_t ud_t::GetBucketCount() {
    CacheGuard guard(*this);
    return fIndex.BucketCount();
}

fword_t const* ud_t::FindFword(char const* firstWord) {
    CacheGuard guard(*this);
    return fIndex.FindFword(firstWord);
}

// The listed IDs are in entry order, so the first one not less than the new
// entry is found by bisection, each comparison served by the key cache.
unsigned short ud_t::FindIDInsertPoint(fword_t const& record, ud_entry_t const& entry, std::size_t* position) {
    CacheGuard guard(*this);
    std::size_t low = 0;
    std::size_t high = record.ids.size();
    while (low < high) {
        std::size_t const middle = low + (high - low) / 2;
        UDEntryKey listed;
        if (unsigned short code = EntryKey(record.ids[middle], &listed)) return code;
        if (CompareUDEntryOrder(listed, UDEntryKey::Of(entry.strings)) < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    *position = low;
    return kUDNoError;
}

unsigned short ud_t::AddIDtoFirstword(ud_entry_t const& entry) {
    RequireWriteLock("AddIDtoFirstword");
    CacheGuard guard(*this);
    if (entry.id == 0 || entry.id >= fBlockCount) return kUDFileCorrupt;
    char firstWord[kUDFirstwordBufferSize];
    if (!FirstwordOf(entry, firstWord)) return kUDTooLong;
    UDIndexPosition const where = fIndex.Find(firstWord);
    if (where.found) {
        fword_t& record = fIndex.Record(where);
        if (IsListedIn(record, entry.id)) return kUDNoError;
        std::size_t position = 0;
        if (unsigned short code = FindIDInsertPoint(record, entry, &position)) return code;
        MarkMapAndIndexStale();
        record.ids.insert(record.ids.begin() + static_cast<std::ptrdiff_t>(position), entry.id);
    } else {
        MarkMapAndIndexStale();
        fIndex.InsertRecord(where, firstWord).ids.push_back(entry.id);
    }
    if (fMayBeListed.size() <= entry.id) fMayBeListed.resize(std::max<std::size_t>(fBlockCount, entry.id + 1));
    fMayBeListed[entry.id] = true;
    fIndexEncoder.MarkBucketChanged(where.bucket);
    return kUDNoError;
}

bool ud_t::RemoveIDFromFirstword(ud_entry_t const& entry) {
    RequireWriteLock("RemoveIDFromFirstword");
    CacheGuard guard(*this);
    char firstWord[kUDFirstwordBufferSize];
    if (!FirstwordOf(entry, firstWord)) return false;
    UDIndexPosition const where = fIndex.Find(firstWord);
    if (!where.found) return false;
    fword_t& record = fIndex.Record(where);
    auto const listed = std::find(record.ids.begin(), record.ids.end(), entry.id);
    if (listed == record.ids.end()) return false;
    MarkMapAndIndexStale();
    if (record.ids.size() == 1) {
        fIndex.EraseRecord(where);
    } else {
        record.ids.erase(listed);
    }
    // An index that agrees with the blocks lists each entry once.
    if (entry.id < fMayBeListed.size()) fMayBeListed[entry.id] = false;
    fIndexEncoder.MarkBucketChanged(where.bucket);
    return true;
}

void ud_t::NoteListedIDs() {
    fMayBeListed.assign(fBlockCount, false);
    for (uint32_t bucket = 0; bucket < fIndex.BucketCount(); ++bucket) {
        for (fword_t const& record : fIndex.Bucket(bucket)) {
            for (uint32_t id : record.ids) {
                if (id >= fMayBeListed.size()) fMayBeListed.resize(id + 1, false);
                fMayBeListed[id] = true;
            }
        }
    }
}

bool ud_t::IsListedIn(fword_t const& record, uint32_t id) const {
    if (id >= fMayBeListed.size() || !fMayBeListed[id]) return false;
    return std::find(record.ids.begin(), record.ids.end(), id) != record.ids.end();
}

void ud_t::BeginLookup() { ++fLookupsInProgress; }

void ud_t::EndLookup() {
    if (fLookupsInProgress == 0) return;
    if (--fLookupsInProgress == 0) fIndexChangedDuringLookup = false;
}

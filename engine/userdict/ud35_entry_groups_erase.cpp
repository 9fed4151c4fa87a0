// Erasing, replacing and clearing entry groups, and the write lock each
// change holds.
#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud35_entry_groups.h"

UD35EntryGroupInterface_EJ::WriteLock::WriteLock(ud_t& file) : fFile(file) { fFile.AcquireWriteLock(0.0f); }

UD35EntryGroupInterface_EJ::WriteLock::~WriteLock() {
    if (!fHeld) return;
    try {
        fFile.ReleaseWriteLock();
    } catch (...) {
        // Unwinding from the first failure: a failed write-back leaves the
        // map and index stale on disk, to be rebuilt from the blocks.
    }
}

void UD35EntryGroupInterface_EJ::WriteLock::Commit() {
    fHeld = false;
    fFile.ReleaseWriteLock();
}

UDEntryGroupIterator UD35EntryGroupInterface_EJ::Erase(UDEntryGroupIterator const& position) {
    RequireWritable();
    uint32_t const leader = GroupAt(position);
    UD35GroupOrder const& order = Order();
    uint32_t result = order.After(leader);
    if (result == UD35GroupOrder::kEnd && order.First() != leader) result = order.Before(leader);

    WriteLock lock(fFile);
    try {
        fGroups.Erase(leader);
        RemoveEntryFromFile(leader);
    } catch (...) {
        fMapsOutOfDate = true;
        throw;
    }
    lock.Commit();
    return At(result);
}

// The new group is written and entered first, so that a failure to erase
// the old one loses nothing.
UDEntryGroupIterator UD35EntryGroupInterface_EJ::UpdateEntryGroup(UDEntryGroupIterator const& position,
                                                                  UDEntryGroupInfo_EX const& record) {
    RequireWritable();
    uint32_t const oldLeader = GroupAt(position);
    uint32_t const newLeader = AddNewEntryToFile(record);
    Erase(At(oldLeader));
    return At(newLeader);
}

void UD35EntryGroupInterface_EJ::ClearLearningData(UDEntryGroupIterator const& position) {
    RequireWritable();
    for (uint32_t id : CollectChain(GroupAt(position))) {
        fFile.UDSetInteractiveFreq(id, 0);
        fFile.UDSetBatchFreq(id, 0);
    }
}

void UD35EntryGroupInterface_EJ::RemoveEntryFromFile(uint32_t leader) {
    RemoveEntries(CollectChain(leader));
    fFile.UDIncGroupID(-1);
}

void UD35EntryGroupInterface_EJ::RemoveEntries(std::vector<uint32_t> const& ids) {
    for (auto id = ids.rbegin(); id != ids.rend(); ++id) RemoveEntry(*id);
}

// Takes the entry out of the form map and the index, then frees its head
// (the entry is gone once that is on disk) and its continuations.
void UD35EntryGroupInterface_EJ::RemoveEntry(uint32_t id) {
    ud_entry_t entry;
    ThrowIfError(fFile.ReadEntry(id, &entry));
    std::vector<uint32_t> blocks{id};
    dblock_t block;
    ThrowIfError(fFile.ReadDataBlock(id, &block));
    while (block.link != 0) {
        if (blocks.size() >= fFile.GetBlockCount()) ThrowIfError(kUDFileCorrupt);  // a cycle
        blocks.push_back(block.link);
        ThrowIfError(fFile.ReadDataBlock(block.link, &block));
        if (block.kind != kUDContinuationBlock) ThrowIfError(kUDFileCorrupt);
    }
    EraseForm(entry.strings.english, id);
    fFile.MarkMapAndIndexStale();
    fFile.RemoveIDFromFirstword(entry);
    for (uint32_t n : blocks) fFile.MarkDeleted(n);
}

void UD35EntryGroupInterface_EJ::EraseForm(std::string const& english, uint32_t id) {
    auto const [first, last] = fForms.equal_range(english);
    for (auto form = first; form != last; ++form) {
        if (form->second == id) {
            fForms.erase(form);
            return;
        }
    }
}

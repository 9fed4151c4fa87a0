#pragma once
// Walking a user dictionary's headwords: in block order of the entries' heads
// (the dictionary's own iterators), or in the order of its entry groups (the
// in-order interface, riding on the group iterators).  Every iterator keeps a
// handle on its dictionary, so it stays usable after the dictionary is
// removed from wherever it was registered.
#include <cstdint>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/simple_file_lock.h"
#include "engine/userdict/ud35_entry_groups.h"

class DictionaryRep_EJ_35UserDict;

// Head blocks in ascending block number; the end is the block count.  Holds a
// read lock on the file.
class EntryIteratorRep_Entry_EJ_35UserDict : public BidirectionalIteratorRep_<Entry_EX> {
public:
    // At the first head block from block 1.
    explicit EntryIteratorRep_Entry_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary);

    EntryIteratorRep_Entry_EJ_35UserDict* Clone() const override;
    // A new view on the head block's entry.
    Entry_EX Current() const override;
    void GoForward() override;
    void GoBack() override;
    bool Equal(BidirectionalIteratorRep_<Entry_EX> const& other) const override;
    bool IsAtStart() const override;
    bool IsAtEnd() const override;

private:
    // The first head block at or after n (the block count when none is) ...
    uint32_t HeadFrom(uint32_t n) const;
    // ... and the last one before n (0 when none is).
    uint32_t HeadBefore(uint32_t n) const;

    Dictionary_EX fDictionary;  // first: released after the lock below
    DictionaryRep_EJ_35UserDict* fRep;
    SimpleFileLocker_READ fLock;
    uint32_t fBlock;
};

// A group iterator whose current element is the view on the group's leader.
class Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict : public BidirectionalIteratorRep_<Entry_EX> {
public:
    Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary,
                                                                 UDEntryGroupIterator const& groups);

    Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict* Clone() const override;
    Entry_EX Current() const override;
    void GoForward() override { ++fGroups; }
    void GoBack() override { --fGroups; }
    bool Equal(BidirectionalIteratorRep_<Entry_EX> const& other) const override;
    bool IsAtStart() const override { return fGroups.IsAtStart(); }
    bool IsAtEnd() const override { return fGroups.IsAtEnd(); }

    UDEntryGroupIterator const& GetGroupIterator() const { return fGroups; }

private:
    Dictionary_EX fDictionary;
    DictionaryRep_EJ_35UserDict* fRep;
    UDEntryGroupIterator fGroups;
};

// The dictionary's iteration in entry-group order, with positions by index.
class Dict_UD35_InOrderDictionaryIteratorInterface : public Dictionary<Entry_EX>::InOrderDictionaryIteratorInterface_ {
public:
    Dict_UD35_InOrderDictionaryIteratorInterface(UD35EntryGroupInterface_EJ& groups,
                                                 DictionaryRep_EJ_35UserDict& dictionary);

    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override;
    // Walks from the start to the entry; the end when it is not met.
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override;
    unsigned long GetCount() const override;
    BidirectionalIterator<Entry_EX> GetIthEntry(unsigned long index) override;
    // The position must come from this interface (std::bad_cast otherwise).
    unsigned long GetIndexOf(BidirectionalIterator<Entry_EX> const& position) const override;

private:
    BidirectionalIterator<Entry_EX> Wrap(UDEntryGroupIterator const& groups);

    UD35EntryGroupInterface_EJ& fGroups;
    DictionaryRep_EJ_35UserDict& fRep;
};

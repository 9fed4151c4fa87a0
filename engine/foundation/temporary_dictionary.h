#pragma once
// The modifiable dictionary held wholly in memory: filtered copies of
// entries, the entries of one sentence, entries a rewriting dictionary makes
// up.  It has number 30001 until told otherwise, and serves learning values
// as its one named interface.
//
// Entries are kept in dictionary order; several may share a headword, a new
// one standing after those already there.  An entry may outlive its
// dictionary (a handle still holds it): it keeps its readings, but asking it
// for its dictionary then throws std::logic_error.  An entry iterator keeps
// its dictionary alive.  One thread at a time uses a temporary dictionary.
#include <memory>
#include <set>
#include <string>
#include <unordered_set>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/temporary_entry.h"

class TempDict_EX_DictionaryLearningInterface;

class DictionaryRep_EX_Temporary : public DictionaryRep_EX {
public:
    // Dictionary order of the entries' headwords (StringCompare_E_Source);
    // a headword may also be looked for as a NUL-terminated text.
    struct HeadwordOrder {
        using is_transparent = void;
        bool operator()(Entry_EX const& a, Entry_EX const& b) const;
        bool operator()(Entry_EX const& a, char const* b) const;
        bool operator()(char const* a, Entry_EX const& b) const;
    };
    using EntrySet = std::multiset<Entry_EX, HeadwordOrder>;

    DictionaryRep_EX_Temporary();
    // Entries still held elsewhere are detached before the dictionary's own
    // handles on them go.
    ~DictionaryRep_EX_Temporary() override;
    DictionaryRep_EX_Temporary(DictionaryRep_EX_Temporary const&) = delete;
    DictionaryRep_EX_Temporary& operator=(DictionaryRep_EX_Temporary const&) = delete;

    unsigned short GetID() const override { return fID; }
    void SetID(unsigned short id) override { fID = id; }
    DomainIDSet GetDomainIDSet() const override { return fDomains; }
    void SetDomainIDSet(DomainIDSet const& domains) override { fDomains = domains; }

    // The entries whose headword equals the key's first length bytes (at most
    // 1023, up to a NUL) in dictionary order, ASCII letters of either case
    // matching.  The callback hears FoundOne() once, before the search.  An
    // empty iterator when none, a single-element one for one, else one over a
    // list.
    ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length, MaybeAnyLongerCallback* callback) override;
    // Every entry whose headword begins with the prefix, in dictionary order,
    // always by value over a list.
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override;

    // The learning interface for "DictionaryLearningInterface", made on the
    // first request; null for any other name.
    DictionaryInterface_* GetNamedInterface(std::string const& name) override;

    bool IsModifyable() const override { return true; }

    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override;
    // At the entry itself (not another with the same headword); at the end
    // when the dictionary does not hold it.
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override;

    Entry_EX CreateNewEntry(std::string const& headword) override;
    // An entry the dictionary does not hold changes nothing.
    void RemoveEntry(Entry_EX const& entry) override;

    // For the entries: the learning interface when it was made, else null.
    TempDict_EX_DictionaryLearningInterface* PeekLearningInterface() const { return fLearning.get(); }
    // For the entries: one of them is being destroyed.
    void ForgetEntry(EntryRep_EX_Temporary* entry) { fLiveEntries.erase(entry); }

private:
    EntrySet::const_iterator Find(Entry_EX const& entry) const;
    BidirectionalIterator<Entry_EX> IteratorAt(EntrySet::const_iterator position);

    unsigned short fID = kMinDynamicDictionaryID;
    DomainIDSet fDomains;
    EntrySet fEntries;
    std::unique_ptr<TempDict_EX_DictionaryLearningInterface> fLearning;
    // Every entry made here and not yet destroyed, held or removed, so that
    // none is left pointing at a dead dictionary.
    std::unordered_set<EntryRep_EX_Temporary*> fLiveEntries;
};

class Dictionary_EX_Temporary : public Dictionary_EX {
public:
    // A new, empty dictionary.
    Dictionary_EX_Temporary();
};

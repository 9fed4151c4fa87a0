#pragma once
// A dictionary-independent part of the entry-group interface, over any
// dictionary representation: a group is a leader entry and the entries of its
// first fine part of speech's inflected forms.  It walks the leaders, finds a
// group by prefix and erases whole groups; reading, writing, counting and
// indexing groups are left to a subclass.
//
// A group leader is an entry without fine parts of speech, or one whose first
// fine part of speech is its own base form.
#include <cstdint>
#include <string>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/iterators.h"
#include "engine/userdict/ud_entry_group_interface.h"

class GenericUDEntryGroupInterface_EX : public UDEntryGroupInterface_EX_ {
public:
    // The representation of this interface's group iterators.
    class IteratorRep : public BidirectionalIteratorRep_<UDEntryGroupInfo_EX> {
    public:
        // The leader entry at the position.
        virtual Entry_EX GetCurrentEntryGroup() const = 0;
    };

    // The dictionary is not owned; it owns the interface.
    explicit GenericUDEntryGroupInterface_EX(DictionaryRep_EX* dictionary) : fDictionary(dictionary) {}

    // Changes nothing; a copy of the position.
    UDEntryGroupIterator UpdateEntryGroup(UDEntryGroupIterator const& position,
                                          UDEntryGroupInfo_EX const& record) override;
    // The group of the first entry the dictionary finds for the prefix (or the
    // next group after that entry); the end when it finds none.
    UDEntryGroupIterator LookupPrefix(std::string const& prefix) override;
    // Always the end: groups are not read back as records here.
    UDEntryGroupIterator LookupMatching(UDEntryGroupInfo_EX const& record) override;
    UDEntryGroupIterator GetIterator_start() override;
    UDEntryGroupIterator GetIterator_end() override;
    // At the entry, or at the next group when it is no leader.
    UDEntryGroupIterator GetIterator_fromhere(Entry_EX const& entry) override;
    // Removes the group's fine parts of speech from their entries, then each
    // entry left without any (a leader without fine parts of speech is removed
    // alone).  Gives the next group, else the previous one, else the end.
    // Erasing at the end throws std::out_of_range.
    UDEntryGroupIterator Erase(UDEntryGroupIterator const& position) override;
    void ClearLearningData(UDEntryGroupIterator const& position) override;
    // Adds an entry without readings headed kNewGroupHeadword (a group of its
    // own) and gives the group; filling it from the record is a subclass's
    // UpdateEntryGroup.  The flag is not used.  A dictionary that cannot
    // change throws as its CreateNewEntry does.
    UDEntryGroupIterator CreateNew(UDEntryGroupInfo_EX const& record, bool flag) override;
    static constexpr char const* kNewGroupHeadword = "new entry group";

    // No learning values are kept.
    bool IsReadOnly() override;
    void DeleteAllStats() override {}
    void FlushAllStats() override {}
    bool GetLearningValue(FinePOS_EX const&, Paraphrase_EX const&, float*) const override { return false; }
    void ClearLearningValue(FinePOS_EX const&, Paraphrase_EX const&) override {}
    void SetLearningValue(FinePOS_EX const&, Paraphrase_EX const&, float) override {}
    bool IsRecorded(FinePOS_EX const&, Paraphrase_EX const&) const override { return false; }
    bool GetUseLearning() const override { return false; }
    void SetUseLearning(char const*) override {}

    // The leader at a group iterator of this kind of interface
    // (std::bad_cast for another; the end is outside the contract).
    static Entry_EX GetCurrentEntryGroup(UDEntryGroupIterator const& position);
    static bool IsGroupLeader(Entry_EX const& entry);

protected:
    // New representations, owned by the caller.
    virtual IteratorRep* MakeIteratorRepFromEntryGroup(Entry_EX const& entry);
    virtual IteratorRep* MakeIteratorRep_start();
    virtual IteratorRep* MakeIteratorRep_end();

    Dictionary_EX GetDictionary() const { return Dictionary_EX(fDictionary); }

private:
    void RemoveGroup(Entry_EX const& leader);

    DictionaryRep_EX* fDictionary;
};

// Walks the leaders among the dictionary's entries, in dictionary order.
class GenericUDEntryGroupInterface_EX_IteratorRep : public GenericUDEntryGroupInterface_EX::IteratorRep {
public:
    // Placed at the entries' position, moved forward to a leader (or the end).
    explicit GenericUDEntryGroupInterface_EX_IteratorRep(BidirectionalIterator<Entry_EX> const& entries);

    GenericUDEntryGroupInterface_EX_IteratorRep* Clone() const override;
    // An empty record: nothing is read from the entry here.
    UDEntryGroupInfo_EX Current() const override;
    void GoForward() override;
    // To the previous leader; stays when there is none, so that the position
    // is always a group or the end.
    void GoBack() override;
    bool Equal(BidirectionalIteratorRep_<UDEntryGroupInfo_EX> const& other) const override;
    // No leader stands before the position.
    bool IsAtStart() const override;
    bool IsAtEnd() const override;
    Entry_EX GetCurrentEntryGroup() const override;

private:
    void SkipForwardToLeader();
    // The previous leader's position, or none.
    CanBeNull<BidirectionalIterator<Entry_EX>> PreviousLeader() const;

    BidirectionalIterator<Entry_EX> fEntries;
};

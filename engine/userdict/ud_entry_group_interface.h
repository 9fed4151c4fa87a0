#pragma once
// The named interface through which a user dictionary's entry groups are
// created, found, walked, changed and erased.  A group iterator walks the
// groups in the order of their base forms; reading it gives the group as a
// record.
#include <cstdint>
#include <string>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/iterators.h"
#include "engine/userdict/ud_entry_group_info.h"

using UDEntryGroupIterator = BidirectionalIterator<UDEntryGroupInfo_EX>;

class UDEntryGroupInterface_EX_ : public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "UDEntryGroupInterface_EX_";

    // Replaces the group at the position by the record; gives the new group.
    virtual UDEntryGroupIterator UpdateEntryGroup(UDEntryGroupIterator const& position,
                                                  UDEntryGroupInfo_EX const& record) = 0;
    // The group of the first form that begins with the prefix, else the end.
    virtual UDEntryGroupIterator LookupPrefix(std::string const& prefix) = 0;
    // The first group with the record's kind, forms and translation, else the
    // end.
    virtual UDEntryGroupIterator LookupMatching(UDEntryGroupInfo_EX const& record) = 0;
    virtual UDEntryGroupIterator GetIterator_start() = 0;
    virtual UDEntryGroupIterator GetIterator_end() = 0;
    // The group holding an entry of this dictionary.
    virtual UDEntryGroupIterator GetIterator_fromhere(Entry_EX const& entry) = 0;
    // Removes the group; gives the next group, or the previous one when it was
    // the last, or the end when it was the only one.
    virtual UDEntryGroupIterator Erase(UDEntryGroupIterator const& position) = 0;
    // Sets the learning counters of every entry of the group to 0.
    virtual void ClearLearningData(UDEntryGroupIterator const& position) = 0;
    // Adds a group; `flag` has no effect.  Refuses a duplicate.
    virtual UDEntryGroupIterator CreateNew(UDEntryGroupInfo_EX const& record, bool flag) = 0;
    virtual uint32_t GetCount() = 0;
    // The index-th group (from 0); the end when there is none.
    virtual UDEntryGroupIterator GetIthEntry(uint32_t index) = 0;
    // The index of the position (GetCount() for the end).
    virtual uint32_t GetIndexOf(UDEntryGroupIterator const& position) = 0;

    // Learning values, as the dictionary learning interface has them.
    virtual bool IsReadOnly() = 0;
    virtual void DeleteAllStats() = 0;
    virtual void FlushAllStats() = 0;
    virtual bool GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const = 0;
    virtual void ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) = 0;
    virtual void SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value) = 0;
    virtual bool IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const = 0;
    virtual bool GetUseLearning() const = 0;
    virtual void SetUseLearning(char const* path) = 0;
};

#include "engine/userdict/ud35_iterators.h"

#include <algorithm>
#include <cstdint>
#include <typeinfo>

#include "engine/userdict/ud35_dictionary.h"
#include "engine/userdict/ud35_entry_view.h"

// ---- Block order -------------------------------------------------------------

EntryIteratorRep_Entry_EJ_35UserDict::EntryIteratorRep_Entry_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary)
    : fDictionary(&dictionary), fRep(&dictionary), fLock(&dictionary.GetFile()), fBlock(HeadFrom(1)) {}

EntryIteratorRep_Entry_EJ_35UserDict* EntryIteratorRep_Entry_EJ_35UserDict::Clone() const {
    return new EntryIteratorRep_Entry_EJ_35UserDict(*this);
}

Entry_EX EntryIteratorRep_Entry_EJ_35UserDict::Current() const {
    return Entry_EX(new EntryRep_EJ_35UserDict(*fRep, fRep->GetFile(), fBlock));
}

void EntryIteratorRep_Entry_EJ_35UserDict::GoForward() {
    if (!IsAtEnd()) fBlock = HeadFrom(fBlock + 1);
}

void EntryIteratorRep_Entry_EJ_35UserDict::GoBack() {
    uint32_t const previous = HeadBefore(fBlock);
    if (previous != 0) fBlock = previous;
}

bool EntryIteratorRep_Entry_EJ_35UserDict::Equal(BidirectionalIteratorRep_<Entry_EX> const& other) const {
    auto const* walk = dynamic_cast<EntryIteratorRep_Entry_EJ_35UserDict const*>(&other);
    return walk != nullptr && walk->fRep == fRep && walk->fBlock == fBlock;
}

bool EntryIteratorRep_Entry_EJ_35UserDict::IsAtStart() const { return HeadBefore(fBlock) == 0; }

bool EntryIteratorRep_Entry_EJ_35UserDict::IsAtEnd() const { return fBlock >= fRep->GetFile().GetBlockCount(); }

uint32_t EntryIteratorRep_Entry_EJ_35UserDict::HeadFrom(uint32_t n) const {
    ud_t& file = fRep->GetFile();
    uint32_t const count = file.GetBlockCount();
    while (n < count && file.ReadDataBlockType(n) != kUDHeadBlock) ++n;
    return n < count ? n : count;
}

uint32_t EntryIteratorRep_Entry_EJ_35UserDict::HeadBefore(uint32_t n) const {
    ud_t& file = fRep->GetFile();
    n = std::min(n, file.GetBlockCount());
    while (n > 1) {
        --n;
        if (file.ReadDataBlockType(n) == kUDHeadBlock) return n;
    }
    return 0;
}

// ---- Group order -------------------------------------------------------------

Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict::
    Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict(DictionaryRep_EJ_35UserDict& dictionary,
                                                                 UDEntryGroupIterator const& groups)
    : fDictionary(&dictionary), fRep(&dictionary), fGroups(groups) {}

Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict*
Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict::Clone() const {
    return new Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict(*this);
}

Entry_EX Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict::Current() const {
    return Entry_EX(new EntryRep_EJ_35UserDict(*fRep, fRep->GetFile(), GetCurrentEntryGroup(fGroups)));
}

bool Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict::Equal(
    BidirectionalIteratorRep_<Entry_EX> const& other) const {
    auto const* walk = dynamic_cast<Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict const*>(&other);
    return walk != nullptr && walk->fGroups == fGroups;
}

Dict_UD35_InOrderDictionaryIteratorInterface::Dict_UD35_InOrderDictionaryIteratorInterface(
    UD35EntryGroupInterface_EJ& groups, DictionaryRep_EJ_35UserDict& dictionary)
    : fGroups(groups), fRep(dictionary) {}

BidirectionalIterator<Entry_EX> Dict_UD35_InOrderDictionaryIteratorInterface::Wrap(UDEntryGroupIterator const& groups) {
    return BidirectionalIterator<Entry_EX>(
        new Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict(fRep, groups));
}

BidirectionalIterator<Entry_EX> Dict_UD35_InOrderDictionaryIteratorInterface::GetEntryIterator_start() {
    return Wrap(fGroups.GetIterator_start());
}

BidirectionalIterator<Entry_EX> Dict_UD35_InOrderDictionaryIteratorInterface::GetEntryIterator_end() {
    return Wrap(fGroups.GetIterator_end());
}

BidirectionalIterator<Entry_EX> Dict_UD35_InOrderDictionaryIteratorInterface::GetEntryIterator_from(
    Entry_EX const& entry) {
    BidirectionalIterator<Entry_EX> position = GetEntryIterator_start();
    while (!position.IsAtEnd() && *position != entry) ++position;
    return position;
}

unsigned long Dict_UD35_InOrderDictionaryIteratorInterface::GetCount() const { return fGroups.GetCount(); }

BidirectionalIterator<Entry_EX> Dict_UD35_InOrderDictionaryIteratorInterface::GetIthEntry(unsigned long index) {
    uint32_t const groupIndex = index > UINT32_MAX ? UINT32_MAX : static_cast<uint32_t>(index);
    return Wrap(fGroups.GetIthEntry(groupIndex));
}

unsigned long Dict_UD35_InOrderDictionaryIteratorInterface::GetIndexOf(
    BidirectionalIterator<Entry_EX> const& position) const {
    auto const& walk =
        dynamic_cast<Piggybacked_EntryGroupInorderIteratorRep_Entry_EJ_35UserDict const&>(*position.GetRep());
    return fGroups.GetIndexOf(walk.GetGroupIterator());
}

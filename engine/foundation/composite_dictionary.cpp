#include "engine/foundation/composite_dictionary.h"

#include "engine/foundation/composite_dictionary_iterators.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/word_list_interfaces.h"

namespace {

struct MergedInterfaceKind {
    char const* name;
    DictionaryInterface_* (*makeLookup)(DictionaryRep_<Entry_EX>* composite);
};

template <class LookupInterface>
DictionaryInterface_* MakeLookup(DictionaryRep_<Entry_EX>* composite) {
    return new LookupInterface(composite);
}

// The interfaces the composite merges, in the order of its slots.
constexpr MergedInterfaceKind kMergedInterfaceKinds[CompositeDictionaryRep_EX::kMergedInterfaceCount] = {
    {GrammaticalFormWordsInterface_::kInterfaceName, &MakeLookup<GrammaticalFormWordsInterface_Lookup>},
    {LowerCaseWordsInterface_::kInterfaceName, &MakeLookup<LowerCaseWordsInterface_Lookup>},
    {CannotBeginSentInterface_::kInterfaceName, &MakeLookup<CannotBeginSentInterface_Lookup>},
    {CannotEndSentInterface_::kInterfaceName, &MakeLookup<CannotEndSentInterface_Lookup>},
    {CannotBeginAndEndSentInterface_::kInterfaceName, &MakeLookup<CannotBeginAndEndSentInterface_Lookup>},
    {CanUseUpPeriodInterface_::kInterfaceName, &MakeLookup<CanUseUpPeriodInterface_Lookup>},
    {SingleWordsWithPeriodsInterface_::kInterfaceName, &MakeLookup<SingleWordsWithPeriodsInterface_Lookup>},
};

}  // namespace

// ---- CompositeDictionaryRep_ -----------------------------------------------

void CompositeDictionaryRep_<Dictionary_EX>::Refuse() const {
    // The exception counts the representation; refusing changes nothing.
    ThrowNotSupported(const_cast<CompositeDictionaryRep_&>(*this));
}

unsigned short CompositeDictionaryRep_<Dictionary_EX>::GetID() const { Refuse(); }

void CompositeDictionaryRep_<Dictionary_EX>::SetID(unsigned short /*id*/) { Refuse(); }

DomainIDSet CompositeDictionaryRep_<Dictionary_EX>::GetDomainIDSet() const {
    DomainIDSet domains;
    for (Dictionary_EX const& member : fMembers) domains |= member.GetDomainIDSet();
    return domains;
}

void CompositeDictionaryRep_<Dictionary_EX>::SetDomainIDSet(DomainIDSet const& /*domains*/) { Refuse(); }

ForwardIterator<Entry_EX> CompositeDictionaryRep_<Dictionary_EX>::Lookup(char const* key, unsigned long length,
                                                                         MaybeAnyLongerCallback* callback) {
    return CompositeIterator<Entry_EX>(
        CompositeLookupIterator<Dictionary_EX>(fMembers, std::string(key, length), callback));
}

ForwardIterator<Entry_EX> CompositeDictionaryRep_<Dictionary_EX>::LookupByPrefix(std::string const& /*prefix*/) {
    return EmptyForwardIterator<Entry_EX>();
}

DictionaryInterface_* CompositeDictionaryRep_<Dictionary_EX>::GetNamedInterface(std::string const& /*name*/) {
    return nullptr;
}

BidirectionalIterator<Entry_EX> CompositeDictionaryRep_<Dictionary_EX>::GetEntryIterator_start() { Refuse(); }

BidirectionalIterator<Entry_EX> CompositeDictionaryRep_<Dictionary_EX>::GetEntryIterator_end() { Refuse(); }

BidirectionalIterator<Entry_EX> CompositeDictionaryRep_<Dictionary_EX>::GetEntryIterator_from(
    Entry_EX const& /*entry*/) {
    Refuse();
}

Entry_EX CompositeDictionaryRep_<Dictionary_EX>::CreateNewEntry(std::string const& /*headword*/) { Refuse(); }

void CompositeDictionaryRep_<Dictionary_EX>::RemoveEntry(Entry_EX const& /*entry*/) { Refuse(); }

// ---- CompositeDictionaryRep_EX ---------------------------------------------

DictionaryInterface_* CompositeDictionaryRep_EX::GetNamedInterface(std::string const& name) {
    for (std::size_t slot = 0; slot < kMergedInterfaceCount; ++slot) {
        if (name == kMergedInterfaceKinds[slot].name) return MergedInterface(slot);
    }
    if (name == AlmightyIdiomInterface_::kInterfaceName) return FirstMemberInterface(name);
    return nullptr;
}

DictionaryInterface_* CompositeDictionaryRep_EX::MergedInterface(std::size_t slot) {
    // Two callers asking at once must not both fill the slot.
    AutoCriticalSection const lock(fCriticalSection);
    std::unique_ptr<DictionaryInterface_>& made = fMergedInterfaces[slot];
    if (made) return made.get();

    MergedInterfaceKind const& kind = kMergedInterfaceKinds[slot];
    DictionaryInterface_* onlyServing = nullptr;
    for (Dictionary_EX const& member : GetMembers()) {
        DictionaryInterface_* const served = member.GetNamedInterface(kind.name);
        if (served == nullptr) continue;
        if (onlyServing == nullptr) {
            onlyServing = served;
            continue;
        }
        made.reset(kind.makeLookup(this));
        return made.get();
    }
    return onlyServing;
}

DictionaryInterface_* CompositeDictionaryRep_EX::FirstMemberInterface(std::string const& name) const {
    for (Dictionary_EX const& member : GetMembers()) {
        if (DictionaryInterface_* const served = member.GetNamedInterface(name)) return served;
    }
    return nullptr;
}

// ---- Handles ---------------------------------------------------------------

std::vector<Dictionary_EX> CompositeDictionary<Dictionary_EX>::mkDictVector(
    ForwardIterator<Dictionary_EX> dictionaries) {
    std::vector<Dictionary_EX> members;
    for (; !dictionaries.IsAtEnd(); ++dictionaries) members.push_back(*dictionaries);
    return members;
}

CompositeDictionary_EX::CompositeDictionary_EX() : CompositeDictionary_EX(std::vector<Dictionary_EX>()) {}

CompositeDictionary_EX::CompositeDictionary_EX(std::vector<Dictionary_EX> const& members)
    : CompositeDictionary(new CompositeDictionaryRep_EX(members)) {}

CompositeDictionary_EX::CompositeDictionary_EX(ForwardIterator<Dictionary_EX> const& members)
    : CompositeDictionary_EX(mkDictVector(members)) {}

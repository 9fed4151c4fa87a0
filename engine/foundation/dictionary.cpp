#include "engine/foundation/dictionary.h"

#include <cstring>

#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/word_list_interfaces.h"

namespace {
// Longer keys and prefixes find nothing: no headword is that long.
constexpr unsigned long kMaxLookupKeyLength = 255;
}  // namespace

unsigned short Dictionary<Entry_EX>::GetID() const { return GetRep()->GetID(); }

void Dictionary<Entry_EX>::SetID(unsigned short id) { GetRep()->SetID(id); }

DomainIDSet Dictionary<Entry_EX>::GetDomainIDSet() const { return GetRep()->GetDomainIDSet(); }

ForwardIterator<Entry_EX> Dictionary<Entry_EX>::Lookup(std::string const& key, MaybeAnyLongerCallback* callback) const {
    if (key.size() > kMaxLookupKeyLength) return EmptyForwardIterator<Entry_EX>();
    return GetRep()->Lookup(key.data(), key.size(), callback);
}

ForwardIterator<Entry_EX> Dictionary<Entry_EX>::Lookup(char const* key, MaybeAnyLongerCallback* callback) const {
    if (key == nullptr) return EmptyForwardIterator<Entry_EX>();
    // Measured no further than needed to tell an over-long key.
    unsigned long const length = strnlen(key, kMaxLookupKeyLength + 1);
    if (length > kMaxLookupKeyLength) return EmptyForwardIterator<Entry_EX>();
    return GetRep()->Lookup(key, length, callback);
}

ForwardIterator<Entry_EX> Dictionary<Entry_EX>::LookupPrefix(std::string const& prefix) const {
    if (prefix.size() > kMaxLookupKeyLength) return EmptyForwardIterator<Entry_EX>();
    return GetRep()->LookupByPrefix(prefix);
}

DictionaryInterface_* Dictionary<Entry_EX>::GetNamedInterface(std::string const& name) const {
    return GetRep()->GetNamedInterface(name);
}

Entry_EX Dictionary<Entry_EX>::CreateNewEntry(std::string const& headword) {
    return GetRep()->CreateNewEntry(headword);
}

void Dictionary<Entry_EX>::RemoveEntry(Entry_EX const& entry) { GetRep()->RemoveEntry(entry); }

BidirectionalIterator<Entry_EX> Dictionary<Entry_EX>::GetEntryIterator_start() const {
    return GetRep()->GetEntryIterator_start();
}

BidirectionalIterator<Entry_EX> Dictionary<Entry_EX>::GetEntryIterator_end() const {
    return GetRep()->GetEntryIterator_end();
}

BidirectionalIterator<Entry_EX> Dictionary<Entry_EX>::GetEntryIterator_from(Entry_EX const& entry) const {
    return GetRep()->GetEntryIterator_from(entry);
}

Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_*
Dictionary<Entry_EX>::GetMiscelaneousDictionaryInfoInterface() const {
    return GetNamedInterfaceOf<MiscelaneousDictionaryInfoInterface_>();
}

Dictionary<Entry_EX>::LockingInterface_* Dictionary<Entry_EX>::GetLockingInterface() const {
    return GetNamedInterfaceOf<LockingInterface_>();
}

DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>* Dictionary_EX::GetDictionaryLearningInterface(
    bool inUseOnly) const {
    auto* learning = GetNamedInterfaceOf<DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>>();
    if (learning != nullptr && inUseOnly && !learning->GetUseLearning()) return nullptr;
    return learning;
}

CannotBeginSentInterface_* Dictionary_EX::GetCannotBeginSentInterface() const {
    return GetNamedInterfaceOf<CannotBeginSentInterface_>();
}

CannotEndSentInterface_* Dictionary_EX::GetCannotEndSentInterface() const {
    return GetNamedInterfaceOf<CannotEndSentInterface_>();
}

CannotBeginAndEndSentInterface_* Dictionary_EX::GetCannotBeginAndEndSentInterface() const {
    return GetNamedInterfaceOf<CannotBeginAndEndSentInterface_>();
}

CanUseUpPeriodInterface_* Dictionary_EX::GetCanUseUpPeriodInterface() const {
    return GetNamedInterfaceOf<CanUseUpPeriodInterface_>();
}

SingleWordsWithPeriodsInterface_* Dictionary_EX::GetSingleWordsWithPeriodsInterface() const {
    return GetNamedInterfaceOf<SingleWordsWithPeriodsInterface_>();
}

LowerCaseWordsInterface_* Dictionary_EX::GetLowerCaseWordsInterface() const {
    return GetNamedInterfaceOf<LowerCaseWordsInterface_>();
}

GrammaticalFormWordsInterface_* Dictionary_EX::GetGrammaticalFormWordsInterface() const {
    return GetNamedInterfaceOf<GrammaticalFormWordsInterface_>();
}

AlmightyIdiomInterface_* Dictionary_EX::GetAlmightyIdiomInterface() const {
    return GetNamedInterfaceOf<AlmightyIdiomInterface_>();
}

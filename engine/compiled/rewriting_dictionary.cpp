#include "engine/compiled/rewriting_dictionary.h"

#include <functional>

#include "engine/compiled/rewriting_result_iterator.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/module_init.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/word_list_interfaces.h"

namespace {

ModuleCounters const sModuleCounters;

// Longer texts find nothing: their rewrites would not fit a lookup key.
constexpr unsigned long kMaxTextLength = RuleApplicationResult<Entry_EX>::kMaxTextLength;

struct OwnInterfaceKind {
    char const* name;
    DictionaryInterface_* (*makeLookup)(DictionaryRep_<Entry_EX>* dictionary);
};

template <class LookupInterface>
DictionaryInterface_* MakeLookup(DictionaryRep_<Entry_EX>* dictionary) {
    return new LookupInterface(dictionary);
}

// The word lists answered through rewritten lookups, in the order of the
// representation's slots.
constexpr OwnInterfaceKind kOwnInterfaceKinds[RewritingDictionary_EX_Rep::kOwnInterfaceCount] = {
    {LowerCaseWordsInterface_::kInterfaceName, &MakeLookup<LowerCaseWordsInterface_Lookup>},
    {CannotBeginSentInterface_::kInterfaceName, &MakeLookup<CannotBeginSentInterface_Lookup>},
    {CannotEndSentInterface_::kInterfaceName, &MakeLookup<CannotEndSentInterface_Lookup>},
    {CanUseUpPeriodInterface_::kInterfaceName, &MakeLookup<CanUseUpPeriodInterface_Lookup>},
    {SingleWordsWithPeriodsInterface_::kInterfaceName, &MakeLookup<SingleWordsWithPeriodsInterface_Lookup>},
};

}  // namespace

bool MapEntryCompare<Entry_EX>::operator()(Entry_EX const& a, Entry_EX const& b) const {
    return std::less<EntryRep_EX const*>()(a.GetRep(), b.GetRep());
}

// ---- RewritingDictionaryRep_ -----------------------------------------------

RewritingDictionaryRep_<Dictionary_EX>::RewritingDictionaryRep_(Dictionary_EX const& wrapped,
                                                                std::vector<RuleSet<Entry_EX>> const& ruleSets)
    : fWrapped(wrapped), fTemporary(MakeTemporary()), fRuleSets(ruleSets) {}

Dictionary_EX RewritingDictionaryRep_<Dictionary_EX>::MakeTemporary() const {
    Dictionary_EX_Temporary temporary;
    temporary.SetID(fWrapped.GetID());
    return temporary;
}

void RewritingDictionaryRep_<Dictionary_EX>::SetAllowReverseEntryMapping(bool allow) {
    if (!allow)
        fReverseMap.reset();
    else if (!fReverseMap)
        fReverseMap = std::make_shared<ReverseMap>();
}

bool RewritingDictionaryRep_<Dictionary_EX>::IsFromDict(Entry_EX const& entry) const {
    Dictionary_EX const dictionary = entry.GetDictionary();
    if (dictionary == fWrapped || dictionary == fTemporary) return true;
    for (Dictionary_EX const& retired : fRetiredTemporaries) {
        if (dictionary == retired) return true;
    }
    return false;
}

Entry_EX RewritingDictionaryRep_<Dictionary_EX>::MapToOriginal(Entry_EX const& entry) const {
    if (!fReverseMap) return entry;
    auto const recorded = fReverseMap->find(entry);
    return recorded == fReverseMap->end() ? entry : recorded->second;
}

void RewritingDictionaryRep_<Dictionary_EX>::PurgeRewrittenEntries() {
    fRetiredTemporaries.push_back(fTemporary);
    fTemporary = MakeTemporary();
}

unsigned short RewritingDictionaryRep_<Dictionary_EX>::GetID() const { return fWrapped.GetID(); }

DomainIDSet RewritingDictionaryRep_<Dictionary_EX>::GetDomainIDSet() const { return fWrapped.GetDomainIDSet(); }

ForwardIterator<Entry_EX> RewritingDictionaryRep_<Dictionary_EX>::Lookup(char const* text, unsigned long length,
                                                                         MaybeAnyLongerCallback* callback) {
    // The handle already refuses such texts; callers holding the
    // representation itself (the word-list interfaces) do not pass there.
    if (text == nullptr || length > kMaxTextLength) return EmptyForwardIterator<Entry_EX>();
    return ForwardIterator<Entry_EX>(
        new EntryResultIteratorRep(fWrapped, fTemporary, fRuleSets, fReverseMap, callback, text, length));
}

DictionaryInterface_* RewritingDictionaryRep_<Dictionary_EX>::GetNamedInterface(std::string const& /*name*/) {
    return nullptr;
}

void RewritingDictionaryRep_<Dictionary_EX>::Refuse() const {
    // The exception counts the representation; refusing changes nothing.
    ThrowNotSupported(const_cast<RewritingDictionaryRep_&>(*this));
}

void RewritingDictionaryRep_<Dictionary_EX>::SetID(unsigned short /*id*/) { Refuse(); }

void RewritingDictionaryRep_<Dictionary_EX>::SetDomainIDSet(DomainIDSet const& /*domains*/) { Refuse(); }

ForwardIterator<Entry_EX> RewritingDictionaryRep_<Dictionary_EX>::LookupByPrefix(std::string const& /*prefix*/) {
    Refuse();
}

BidirectionalIterator<Entry_EX> RewritingDictionaryRep_<Dictionary_EX>::GetEntryIterator_start() { Refuse(); }

BidirectionalIterator<Entry_EX> RewritingDictionaryRep_<Dictionary_EX>::GetEntryIterator_end() { Refuse(); }

BidirectionalIterator<Entry_EX> RewritingDictionaryRep_<Dictionary_EX>::GetEntryIterator_from(
    Entry_EX const& /*entry*/) {
    Refuse();
}

Entry_EX RewritingDictionaryRep_<Dictionary_EX>::CreateNewEntry(std::string const& /*headword*/) { Refuse(); }

void RewritingDictionaryRep_<Dictionary_EX>::RemoveEntry(Entry_EX const& /*entry*/) { Refuse(); }

// ---- RewritingDictionary_EX_Rep --------------------------------------------

RewritingDictionary_EX_Rep::RewritingDictionary_EX_Rep(Dictionary_EX const& wrapped, RewriteRuleSetMakers const& makers)
    : RewritingDictionaryRep_(wrapped, mkEXRewriteRulesVector(wrapped, makers)) {}

DictionaryInterface_* RewritingDictionary_EX_Rep::GetNamedInterface(std::string const& name) {
    if (name == DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>::kInterfaceName) return nullptr;
    for (std::size_t slot = 0; slot < kOwnInterfaceCount; ++slot) {
        if (name != kOwnInterfaceKinds[slot].name) continue;
        // Two callers asking at once must not both fill the slot.
        AutoCriticalSection const lock(fCriticalSection);
        std::unique_ptr<DictionaryInterface_>& own = fOwnInterfaces[slot];
        if (!own) own.reset(kOwnInterfaceKinds[slot].makeLookup(this));
        return own.get();
    }
    return GetWrappedDictionary().GetNamedInterface(name);
}

// ---- Handles ---------------------------------------------------------------

RewritingDictionaryRep_<Dictionary_EX>* RewritingDictionary<Dictionary_EX>::GetRep() const {
    return &dynamic_cast<RewritingDictionaryRep_<Dictionary_EX>&>(*Dictionary_EX::GetRep());
}

RewritingDictionary_EX::RewritingDictionary_EX(Dictionary_EX const& wrapped)
    : RewritingDictionary_EX(wrapped, DefaultRewriteRuleSetMakers()) {}

RewritingDictionary_EX::RewritingDictionary_EX(Dictionary_EX const& wrapped, RewriteRuleSetMakers const& makers)
    : RewritingDictionary(new RewritingDictionary_EX_Rep(wrapped, makers)) {}

#include "engine/compiled/compiled_iterators.h"

#include <algorithm>
#include <utility>

#include "engine/compiled/compiled_reader.h"
#include "engine/foundation/string_compare.h"

// ---- Entry order ------------------------------------------------------------------

CompiledEntryIteratorRep::CompiledEntryIteratorRep(CompiledDictionaryRep& dictionary, uint32_t slot)
    : fDictionary(&dictionary), fRep(&dictionary), fSlot(std::min(slot, dictionary.Header().entryCount)) {}

Entry_EX CompiledEntryIteratorRep::Current() const {
    return fRep->GetEntryObjectForEntryIDAt(fRep->EntryOrderAt(fSlot));
}

void CompiledEntryIteratorRep::GoForward() {
    if (fSlot < fRep->Header().entryCount) ++fSlot;
}

void CompiledEntryIteratorRep::GoBack() {
    if (fSlot > 0) --fSlot;
}

bool CompiledEntryIteratorRep::Equal(BidirectionalIteratorRep_<Entry_EX> const& other) const {
    auto const* entries = dynamic_cast<CompiledEntryIteratorRep const*>(&other);
    return entries != nullptr && entries->fRep == fRep && entries->fSlot == fSlot;
}

bool CompiledEntryIteratorRep::IsAtEnd() const {
    return fSlot >= fRep->Header().entryCount || fRep->EntryOrderAt(fSlot) == 0;
}

// ---- Prefix ------------------------------------------------------------------------

CompiledPrefixIteratorRep::CompiledPrefixIteratorRep(CompiledDictionaryRep& dictionary, std::string prefix,
                                                     uint32_t slot)
    : fDictionary(&dictionary),
      fRep(&dictionary),
      fPrefix(std::move(prefix)),
      fSlot(slot),
      fEnd(dictionary.Header().headwordCount) {
    CheckAtEnd();
}

Entry_EX CompiledPrefixIteratorRep::Current() const {
    return fRep->GetEntryObjectForEntryIDAt(fRep->HeadwordEntryAt(fSlot));
}

void CompiledPrefixIteratorRep::GoForward() {
    if (fSlot == fEnd) return;
    ++fSlot;
    CheckAtEnd();
}

bool CompiledPrefixIteratorRep::Equal(ForwardIteratorRep_<Entry_EX> const& other) const {
    auto const* prefixed = dynamic_cast<CompiledPrefixIteratorRep const*>(&other);
    return prefixed != nullptr && prefixed->fRep == fRep && prefixed->fSlot == fSlot;
}

void CompiledPrefixIteratorRep::CheckAtEnd() {
    if (fSlot >= fEnd) {
        fSlot = fEnd;
        return;
    }
    std::string const headword = fRep->HeadwordAt(fSlot);
    std::size_t const compared = std::min(headword.size(), fPrefix.size());
    if (StringCompare_E_Source(headword.data(), headword.data() + compared, fPrefix.data(),
                               fPrefix.data() + fPrefix.size()) != 0)
        fSlot = fEnd;
}

// ---- Conjugated forms --------------------------------------------------------------

CompiledCFIteratorRep::CompiledCFIteratorRep(CompiledDictionaryRep& dictionary, uint32_t head)
    : fDictionary(&dictionary), fRep(&dictionary), fCurrent(head), fRemembered(head) {}

FinePOS_EX CompiledCFIteratorRep::Current() const {
    CompiledFinePOSRecord const record = ReadFinePOSRecord(fRep->File(), fCurrent, fRep->Traits());
    return FinePOS_EX(fRep->GetEntryObjectForEntryIDAt(record.entry), FinePOSCookieAt(fCurrent));
}

void CompiledCFIteratorRep::GoForward() {
    if (fCurrent == 0) return;
    CompiledFinePOSRecord const record = ReadFinePOSRecord(fRep->File(), fCurrent, fRep->Traits());
    fCurrent = record.hasSuccessor ? record.successor : 0;
    if (fCurrent == 0) return;
    if (fCurrent == fRemembered) ThrowCorruptDictionary("compiled dictionary: conjugated forms in a loop");
    if (++fStepsSinceRemembered == fStepsAllowed) {
        fRemembered = fCurrent;
        fStepsSinceRemembered = 0;
        fStepsAllowed *= 2;
    }
}

bool CompiledCFIteratorRep::Equal(ForwardIteratorRep_<FinePOS_EX> const& other) const {
    auto const* chain = dynamic_cast<CompiledCFIteratorRep const*>(&other);
    return chain != nullptr && chain->fRep == fRep && chain->fCurrent == fCurrent;
}

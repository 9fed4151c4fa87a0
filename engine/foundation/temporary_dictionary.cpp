#include "engine/foundation/temporary_dictionary.h"

#include <algorithm>
#include <list>
#include <stdexcept>

#include "engine/foundation/module_init.h"
#include "engine/foundation/string_compare.h"
#include "engine/foundation/temporary_learning.h"

namespace {

ModuleCounters const sModuleCounters;

// Longer keys are cut; the dictionary handle already refuses keys over 255.
constexpr unsigned long kMaxKeyLength = 1023;

using EntrySet = DictionaryRep_EX_Temporary::EntrySet;
using EntryList = std::list<Entry_EX>;

unsigned char const* Bytes(char const* text) { return reinterpret_cast<unsigned char const*>(text); }

// Only temporary entries are ever put in the set.
char const* HeadwordOf(Entry_EX const& entry) {
    return static_cast<EntryRep_EX_Temporary const*>(entry.GetRep())->Headword();
}

class EntryIteratorRep_Entry_EX_Temporary : public BidirectionalIteratorRep_<Entry_EX> {
public:
    EntryIteratorRep_Entry_EX_Temporary(Dictionary_EX const& dictionary, EntrySet const& entries,
                                        EntrySet::const_iterator position)
        : fDictionary(dictionary), fEntries(&entries), fPosition(position) {}

    EntryIteratorRep_Entry_EX_Temporary* Clone() const override {
        return new EntryIteratorRep_Entry_EX_Temporary(*this);
    }
    Entry_EX Current() const override {
        if (IsAtEnd()) throw std::logic_error("Current() of an entry iterator at its end");
        return *fPosition;
    }
    // Stepping past either end stays there.
    void GoForward() override {
        if (!IsAtEnd()) ++fPosition;
    }
    void GoBack() override {
        if (!IsAtStart()) --fPosition;
    }
    bool Equal(BidirectionalIteratorRep_<Entry_EX> const& other) const override {
        auto const* same = dynamic_cast<EntryIteratorRep_Entry_EX_Temporary const*>(&other);
        return same != nullptr && same->fEntries == fEntries && same->fPosition == fPosition;
    }
    bool IsAtStart() const override { return fPosition == fEntries->begin(); }
    bool IsAtEnd() const override { return fPosition == fEntries->end(); }

private:
    Dictionary_EX fDictionary;  // keeps the entry set alive
    EntrySet const* fEntries;
    EntrySet::const_iterator fPosition;
};

ForwardIterator<Entry_EX> LookupResult(EntryList const& found) {
    if (found.empty()) return EmptyForwardIterator<Entry_EX>();
    if (found.size() == 1) return SingleEltForwardIterator<Entry_EX>(found.front());
    return VectorByValueForwardIterator<Entry_EX, EntryList>(found);
}

}  // namespace

// ---- Order -----------------------------------------------------------------

bool DictionaryRep_EX_Temporary::HeadwordOrder::operator()(Entry_EX const& a, Entry_EX const& b) const {
    return StringCompare_E_Source(Bytes(HeadwordOf(a)), Bytes(HeadwordOf(b))) < 0;
}

bool DictionaryRep_EX_Temporary::HeadwordOrder::operator()(Entry_EX const& a, char const* b) const {
    return StringCompare_E_Source(Bytes(HeadwordOf(a)), Bytes(b)) < 0;
}

bool DictionaryRep_EX_Temporary::HeadwordOrder::operator()(char const* a, Entry_EX const& b) const {
    return StringCompare_E_Source(Bytes(a), Bytes(HeadwordOf(b))) < 0;
}

// ---- Life ------------------------------------------------------------------

DictionaryRep_EX_Temporary::DictionaryRep_EX_Temporary() = default;

DictionaryRep_EX_Temporary::~DictionaryRep_EX_Temporary() {
    // The learning values hold entries; entries they alone held die here and
    // still find the dictionary whole.
    fLearning.reset();
    for (EntryRep_EX_Temporary* entry : fLiveEntries) entry->DetachFromDictionary();
    fLiveEntries.clear();
    fEntries.clear();
}

Dictionary_EX_Temporary::Dictionary_EX_Temporary() : Dictionary_EX(new DictionaryRep_EX_Temporary) {}

// ---- Lookups ---------------------------------------------------------------

ForwardIterator<Entry_EX> DictionaryRep_EX_Temporary::Lookup(char const* key, unsigned long length,
                                                             MaybeAnyLongerCallback* callback) {
    if (callback != nullptr) callback->FoundOne();
    std::string const wanted = key != nullptr ? std::string(key, std::min(length, kMaxKeyLength)) : std::string();
    EntryList found;
    for (auto it = fEntries.lower_bound(wanted.c_str()); it != fEntries.end(); ++it) {
        int const order = StringCompare_E_Source(Bytes(wanted.c_str()), Bytes(HeadwordOf(*it)));
        if (order < 0) break;
        if (order == 0) found.push_back(*it);
    }
    return LookupResult(found);
}

// Headwords with a prefix follow one another in dictionary order, from the
// first one not before the prefix.
ForwardIterator<Entry_EX> DictionaryRep_EX_Temporary::LookupByPrefix(std::string const& prefix) {
    EntryList found;
    for (auto it = fEntries.lower_bound(prefix.c_str()); it != fEntries.end(); ++it) {
        if (StringCompare_E_Source(prefix, HeadwordOf(*it), prefix.size()) != 0) break;
        found.push_back(*it);
    }
    return VectorByValueForwardIterator<Entry_EX, EntryList>(found);
}

DictionaryInterface_* DictionaryRep_EX_Temporary::GetNamedInterface(std::string const& name) {
    if (name != TempDict_EX_DictionaryLearningInterface::kInterfaceName) return nullptr;
    if (!fLearning) fLearning = std::make_unique<TempDict_EX_DictionaryLearningInterface>();
    return fLearning.get();
}

// ---- Entries ---------------------------------------------------------------

DictionaryRep_EX_Temporary::EntrySet::const_iterator DictionaryRep_EX_Temporary::Find(Entry_EX const& entry) const {
    auto const* wanted = dynamic_cast<EntryRep_EX_Temporary const*>(entry.GetRep());
    if (wanted == nullptr) return fEntries.end();
    auto const [first, last] = fEntries.equal_range(wanted->Headword());
    auto const found = std::find_if(first, last, [&](Entry_EX const& held) { return held.GetRep() == wanted; });
    return found != last ? found : fEntries.end();
}

BidirectionalIterator<Entry_EX> DictionaryRep_EX_Temporary::IteratorAt(EntrySet::const_iterator position) {
    return BidirectionalIterator<Entry_EX>(
        new EntryIteratorRep_Entry_EX_Temporary(Dictionary_EX(this), fEntries, position));
}

BidirectionalIterator<Entry_EX> DictionaryRep_EX_Temporary::GetEntryIterator_start() {
    return IteratorAt(fEntries.begin());
}

BidirectionalIterator<Entry_EX> DictionaryRep_EX_Temporary::GetEntryIterator_end() {
    return IteratorAt(fEntries.end());
}

BidirectionalIterator<Entry_EX> DictionaryRep_EX_Temporary::GetEntryIterator_from(Entry_EX const& entry) {
    return IteratorAt(Find(entry));
}

Entry_EX DictionaryRep_EX_Temporary::CreateNewEntry(std::string const& headword) {
    auto* rep = new EntryRep_EX_Temporary(this, headword);
    Entry_EX entry(rep);
    fLiveEntries.insert(rep);
    fEntries.insert(entry);
    return entry;
}

void DictionaryRep_EX_Temporary::RemoveEntry(Entry_EX const& entry) {
    auto const found = Find(entry);
    if (found != fEntries.end()) fEntries.erase(found);
}

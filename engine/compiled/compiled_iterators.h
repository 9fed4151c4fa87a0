#pragma once
// Iterators over a compiled dictionary's tables and records.  Each keeps a
// handle on what it walks (the dictionary, or the entry whose records it
// walks), so it stays usable after its dictionary is let go elsewhere.
#include <cstdint>
#include <string>
#include <type_traits>

#include "engine/compiled/compiled_file_access.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/iterators.h"

class CompiledDictionaryRep;

// Cookies of a compiled entry are the file offsets of its records.
inline FinePosCookieID_* FinePOSCookieAt(uint32_t offset) {
    return reinterpret_cast<FinePosCookieID_*>(static_cast<uintptr_t>(offset));
}
inline ParaphraseCookieID_* ParaphraseCookieAt(uint32_t offset) {
    return reinterpret_cast<ParaphraseCookieID_*>(static_cast<uintptr_t>(offset));
}
inline uint32_t OffsetOf(FinePosCookieID_* cookie) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(cookie));
}
inline uint32_t OffsetOf(ParaphraseCookieID_* cookie) {
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(cookie));
}

// All entries in entry-order table order.  At its end at the slot numbered
// by the entry count, or earlier at a slot holding 0.
class CompiledEntryIteratorRep : public BidirectionalIteratorRep_<Entry_EX> {
public:
    CompiledEntryIteratorRep(CompiledDictionaryRep& dictionary, uint32_t slot);

    CompiledEntryIteratorRep* Clone() const override { return new CompiledEntryIteratorRep(*this); }
    Entry_EX Current() const override;
    // Neither step moves outside [start, end].
    void GoForward() override;
    void GoBack() override;
    bool Equal(BidirectionalIteratorRep_<Entry_EX> const& other) const override;
    bool IsAtStart() const override { return fSlot == 0; }
    bool IsAtEnd() const override;

private:
    Dictionary_EX fDictionary;
    CompiledDictionaryRep* fRep;
    uint32_t fSlot;
};

// The entries whose headword begins with a prefix, walked in the
// headword-order tables from the prefix's lower bound; at its end at the
// first headword that does not begin with the prefix.
class CompiledPrefixIteratorRep : public ForwardIteratorRep_<Entry_EX> {
public:
    CompiledPrefixIteratorRep(CompiledDictionaryRep& dictionary, std::string prefix, uint32_t slot);

    CompiledPrefixIteratorRep* Clone() const override { return new CompiledPrefixIteratorRep(*this); }
    Entry_EX Current() const override;
    void GoForward() override;
    bool Equal(ForwardIteratorRep_<Entry_EX> const& other) const override;
    bool IsAtEnd() const override { return fSlot == fEnd; }

private:
    void CheckAtEnd();

    Dictionary_EX fDictionary;
    CompiledDictionaryRep* fRep;
    std::string fPrefix;
    uint32_t fSlot;
    uint32_t fEnd;
};

// The fine parts of speech of an entry, or the paraphrases of a fine part of
// speech: an offset array inside a record's data, whose values are cookies.
template <class Element>
class CompiledArrayIteratorRep : public ForwardIteratorRep_<Element> {
public:
    CompiledArrayIteratorRep(Entry_EX const& entry, CompiledFileAccess const& file, uint32_t array, uint32_t count)
        : fEntry(entry), fFile(file), fCurrent(array), fEnd(array + 4 * uint64_t{count}) {}

    CompiledArrayIteratorRep* Clone() const override { return new CompiledArrayIteratorRep(*this); }
    Element Current() const override { return Element(fEntry, CookieAt(fFile.ReadUInt32(fCurrent))); }
    void GoForward() override {
        if (fCurrent != fEnd) fCurrent += 4;
    }
    bool Equal(ForwardIteratorRep_<Element> const& other) const override {
        auto const* array = dynamic_cast<CompiledArrayIteratorRep const*>(&other);
        return array != nullptr && array->fCurrent == fCurrent;
    }
    bool IsAtEnd() const override { return fCurrent == fEnd; }

private:
    static auto CookieAt(uint32_t offset) {
        if constexpr (std::is_same_v<Element, FinePOS_EX>) {
            return FinePOSCookieAt(offset);
        } else {
            return ParaphraseCookieAt(offset);
        }
    }

    Entry_EX fEntry;
    CompiledFileAccess fFile;
    uint64_t fCurrent;
    uint64_t fEnd;
};

// A chain of conjugated forms, from its head through each record's
// successor.  A chain that comes back on itself (only a damaged file holds
// one) is CorruptDictionary when the step that closes the loop is found,
// after at most about twice the chain's length.
class CompiledCFIteratorRep : public ForwardIteratorRep_<FinePOS_EX> {
public:
    CompiledCFIteratorRep(CompiledDictionaryRep& dictionary, uint32_t head);

    CompiledCFIteratorRep* Clone() const override { return new CompiledCFIteratorRep(*this); }
    // The fine part of speech with the entry its record names as owner.
    FinePOS_EX Current() const override;
    void GoForward() override;
    bool Equal(ForwardIteratorRep_<FinePOS_EX> const& other) const override;
    bool IsAtEnd() const override { return fCurrent == 0; }

private:
    Dictionary_EX fDictionary;
    CompiledDictionaryRep* fRep;
    uint32_t fCurrent;
    // Brent's cycle detection: a remembered record, and the steps taken
    // since it was remembered and allowed before the next.
    uint32_t fRemembered;
    uint64_t fStepsSinceRemembered = 0;
    uint64_t fStepsAllowed = 1;
};

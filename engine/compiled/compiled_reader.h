#pragma once
// A compiled dictionary file served as a read-only Dictionary_EX.  Only the
// header (and the headwords of the binary search's first levels) is kept in
// memory; lookups binary-search the headword-order tables in the file and
// every entry reads its records when asked.
//
// One reader serves every compiled format: what differs (header size, bit
// positions, feature layout, domain width) is the codec's
// CompiledFormatTraits, and the few rules that differ in behaviour (fixed
// p-values and idiom types, the learning interface's class) are virtual.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compiled/compiled_file_access.h"
#include "engine/compiled/compiled_format.h"
#include "engine/foundation/critical_section.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"

class CompiledDictionaryRep : public DictionaryRep_EX {
public:
    // Headwords and keys longer than this find nothing.
    static constexpr unsigned long kMaxKeyLength = 255;

    CompiledDictionaryRep(CompiledDictionaryRep const&) = delete;
    CompiledDictionaryRep& operator=(CompiledDictionaryRep const&) = delete;
    ~CompiledDictionaryRep() override;

    unsigned short GetID() const override { return fHeader.dictionaryID; }
    DomainIDSet GetDomainIDSet() const override { return fHeader.domains; }
    bool IsModifyable() const override { return false; }

    // The entries whose headword equals the key in dictionary order (so ASCII
    // case does not matter).  The callback hears once, when entries are
    // found, or when none is but the headword at the lower bound begins with
    // the key; never when the lower bound is the end of the table.
    ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length, MaybeAnyLongerCallback* callback) override;
    // The entries whose headword begins with the prefix, in headword order.
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override;
    // Made on first request and kept; null for a name not served.
    DictionaryInterface_* GetNamedInterface(std::string const& name) override;

    // In entry-order table order.
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override;
    // The end for an entry of another dictionary.
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override;

    // The file is read-only: these throw NotSupportedOnReadOnlyDictionary.
    void SetID(unsigned short id) override;
    void SetDomainIDSet(DomainIDSet const& domains) override;
    Entry_EX CreateNewEntry(std::string const& headword) override;
    void RemoveEntry(Entry_EX const& entry) override;

    // ---- For the entries, iterators and interfaces of this dictionary.
    CompiledFileAccess const& File() const { return fFile; }
    CompiledFormatTraits const& Traits() const { return fTraits; }
    CompiledHeader const& Header() const { return fHeader; }
    // A new entry on the record at entryID; the representation must be held
    // by a handle (the entry keeps one).
    Entry_EX GetEntryObjectForEntryIDAt(uint32_t entryID);
    // Values of the header's tables by slot.
    uint32_t EntryOrderAt(uint32_t slot) const;
    uint32_t HeadwordEntryAt(uint32_t slot) const;
    std::string HeadwordAt(uint32_t slot) const;
    // The same, no more than its first `limit` bytes, without a copy where
    // the file is mapped (see CompiledFileAccess::StringView).
    std::string_view HeadwordView(uint32_t slot, char* buffer, std::size_t limit) const;
    // The first slot of the headword-order tables whose headword, cut to the
    // key's length, is not below the key; the headword count when none is.
    // A run of lookups of growing keys costs one binary search.
    uint32_t LookupPrefixHelper_lowerbound(char const* key, unsigned long length);

    // What the dictionary's entries hand out where nothing is stored; each
    // format's module builds its own once.
    struct EmptyValues {
        Dict_Semantics_E_Source semantics;  // kEmptyDictSemantics
        std::string text;                   // kEmptyString
    };
    virtual EmptyValues const& Empty() const = 0;

    // What a fine part of speech reports for its stored p-value and idiom
    // type; the stored values unless the format fixes them.
    virtual short FinePOSPValue(CompiledFinePOSRecord const& record);
    virtual IdiomType FinePOSIdiomType(CompiledFinePOSRecord const& record);

protected:
    // Takes the descriptor (closed with the last user of the file, also when
    // this throws) and reads and checks the header: CorruptDictionary for a
    // file that is not of the format, and for tables that do not fit in it.
    CompiledDictionaryRep(int fd, CompiledFormatTraits const& traits);
    // The same on a file already taken.
    CompiledDictionaryRep(CompiledFileAccess const& file, CompiledFormatTraits const& traits);

    Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_& MiscInfo();
    // The format's own learning interface class.
    virtual std::unique_ptr<DictionaryInterface_> MakeLearningInterface() const = 0;
    // The miscellaneous-information interface; by default one whose fixed
    // p-value and idiom type can be set.
    virtual std::unique_ptr<DictionaryInterface_> MakeMiscInfoInterface(unsigned long entryCount,
                                                                        unsigned long fileSize) const;

private:
    enum Slot : unsigned {
        kLearning,
        kMiscInfo,
        kAlmightyIdiom,
        kGrammaticalForm,
        kLowerCase,
        kCannotBegin,
        kCannotEnd,
        kCannotBeginAndEnd,
        kCanUseUpPeriod,
        kSingleWordsWithPeriods,
        kSlotCount
    };
    // Null when the dictionary does not serve the slot's interface.
    std::unique_ptr<DictionaryInterface_> MakeInterface(Slot slot);
    void CheckTablesFit() const;
    // The lower bound over the whole headword-order string table.
    uint32_t SearchLowerBound(char const* key, unsigned long length);
    // The headword at a slot the first levels of the search visit (node of
    // the search tree below kSearchTopNodes): from the map, or read from an
    // unmapped file once and kept.
    std::string_view SearchTopHeadword(std::size_t node, uint32_t slot, char* buffer, std::size_t limit);

    CompiledFormatTraits const& fTraits;
    CompiledFileAccess fFile;
    CompiledHeader fHeader;

    CorvanCriticalSection fLookupLock;
    std::string fCachedKey;
    uint32_t fCachedSlot = 0;
    // Every binary search visits the same few slots first: an unmapped
    // file's headwords there stay in memory (at most 2,047 strings), by node
    // of the search tree.
    std::vector<std::string> fSearchTop;
    std::vector<bool> fSearchTopRead;

    CorvanCriticalSection fInterfaceLock;
    std::array<std::unique_ptr<DictionaryInterface_>, kSlotCount> fInterfaces;
    std::array<bool, kSlotCount> fInterfaceMade{};
};

// A new representation of the format on the descriptor.  The descriptor is
// taken first, so it is closed exactly once whatever fails, the allocation
// of the representation included.
template <class Rep>
DictionaryRep_EX* OpenCompiledRep(int fd) {
    CompiledFileAccess const file(fd);
    return new Rep(file);
}

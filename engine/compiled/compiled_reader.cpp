#include "engine/compiled/compiled_reader.h"

#include <algorithm>
#include <vector>

#include "engine/compiled/compiled_entry.h"
#include "engine/compiled/compiled_iterators.h"
#include "engine/compiled/compiled_reader_interfaces.h"
#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/string_compare.h"
#include "engine/foundation/word_list_interfaces.h"

namespace {

// The first 11 levels of the binary search are kept in memory: 2,047
// headwords.  Below them a window of at most this many slots is read from
// the table in one read, leaving one string read per remaining level.
constexpr std::size_t kSearchTopNodes = std::size_t{1} << 11;
constexpr uint32_t kSearchWindowSlots = 64;

// The headword, cut to the key's length, against the key.
int ComparePrefix(std::string_view headword, char const* key, unsigned long length) {
    std::size_t const compared = std::min<std::size_t>(headword.size(), length);
    return StringCompare_E_Source(headword.data(), headword.data() + compared, key, key + length);
}

bool EqualsWhole(std::string_view headword, char const* key, unsigned long length) {
    return StringCompare_E_Source(headword.data(), headword.data() + headword.size(), key, key + length) == 0;
}

}  // namespace

// ---- Opening -------------------------------------------------------------------------

CompiledDictionaryRep::CompiledDictionaryRep(int fd, CompiledFormatTraits const& traits)
    : CompiledDictionaryRep(CompiledFileAccess(fd), traits) {}

CompiledDictionaryRep::CompiledDictionaryRep(CompiledFileAccess const& file, CompiledFormatTraits const& traits)
    : fTraits(traits), fFile(file) {
    // Keys are never longer: remembering one never allocates.
    fCachedKey.reserve(kMaxKeyLength);
    Bytes header(std::min<uint64_t>(traits.headerSize, fFile.Size()));
    fFile.Read(0, header.data(), header.size());
    fHeader = DecodeCompiledHeader(ByteView(header), traits);
    CheckTablesFit();
}

CompiledDictionaryRep::~CompiledDictionaryRep() = default;

void CompiledDictionaryRep::CheckTablesFit() const {
    // Each table is its values and a terminating 0.
    auto const fits = [this](uint32_t table, uint32_t count) {
        return fFile.Contains(table, 4 * (uint64_t{count} + 1));
    };
    if (!fits(fHeader.entryOrderTable, fHeader.entryCount) ||
        !fits(fHeader.headwordEntryTable, fHeader.headwordCount) ||
        !fits(fHeader.headwordStringTable, fHeader.headwordCount) ||
        (fHeader.grammaticalFormTable != 0 && !fits(fHeader.grammaticalFormTable, fHeader.grammaticalFormCount)) ||
        (fHeader.idiomIndex != 0 && !fFile.Contains(fHeader.idiomIndex, kIdiomIndexSize)))
        ThrowCorruptDictionary("compiled dictionary: a table lies past the end of the file");
}

// ---- Tables ----------------------------------------------------------------------------

uint32_t CompiledDictionaryRep::EntryOrderAt(uint32_t slot) const {
    return fFile.ReadUInt32(fHeader.entryOrderTable + 4 * uint64_t{slot});
}

uint32_t CompiledDictionaryRep::HeadwordEntryAt(uint32_t slot) const {
    return fFile.ReadUInt32(fHeader.headwordEntryTable + 4 * uint64_t{slot});
}

std::string CompiledDictionaryRep::HeadwordAt(uint32_t slot) const {
    return fFile.ReadString(fFile.ReadUInt32(fHeader.headwordStringTable + 4 * uint64_t{slot}));
}

std::string_view CompiledDictionaryRep::HeadwordView(uint32_t slot, char* buffer, std::size_t limit) const {
    return fFile.StringView(fFile.ReadUInt32(fHeader.headwordStringTable + 4 * uint64_t{slot}), buffer, limit);
}

Entry_EX CompiledDictionaryRep::GetEntryObjectForEntryIDAt(uint32_t entryID) {
    return Entry_EX(new CompiledEntryRep(*this, entryID));
}

// ---- Lookup ----------------------------------------------------------------------------

uint32_t CompiledDictionaryRep::LookupPrefixHelper_lowerbound(char const* key, unsigned long length) {
    AutoCriticalSection locked(fLookupLock);
    uint32_t const end = fHeader.headwordCount;
    std::size_t const cached = fCachedKey.size();
    bool const cacheApplies =
        cached >= 4 && length >= cached &&
        StringCompare_E_Source(fCachedKey.data(), fCachedKey.data() + cached, key, key + length) <= 0 &&
        StringCompare_E_Source(key, key + cached, fCachedKey.data(), fCachedKey.data() + cached) == 0;
    uint32_t slot = 0;
    if (cacheApplies) {
        // Every headword before the cached position is below the cached key,
        // and so below a key that begins with it.
        slot = fCachedSlot;
        char buffer[CompiledFileAccess::kStringReadSize];
        while (slot < end && ComparePrefix(HeadwordView(slot, buffer, length + 1), key, length) < 0) ++slot;
        if (slot == end) return end;
    } else {
        slot = SearchLowerBound(key, length);
    }
    fCachedKey.assign(key, length);
    fCachedSlot = slot;
    return slot;
}

std::string_view CompiledDictionaryRep::SearchTopHeadword(std::size_t node, uint32_t slot, char* buffer,
                                                          std::size_t limit) {
    // A mapped file is as quick to read as a copy of it.
    if (fFile.IsMapped()) return HeadwordView(slot, buffer, limit);
    if (fSearchTop.empty()) {
        fSearchTop.resize(kSearchTopNodes);
        fSearchTopRead.resize(kSearchTopNodes);
    }
    if (!fSearchTopRead[node]) {
        fSearchTop[node] = HeadwordAt(slot);
        fSearchTopRead[node] = true;
    }
    return fSearchTop[node];
}

uint32_t CompiledDictionaryRep::SearchLowerBound(char const* key, unsigned long length) {
    uint32_t low = 0;
    uint32_t high = fHeader.headwordCount;
    // Node of the search tree: the root is 1, the children of n are 2n and
    // 2n + 1; the slots of the first levels are the same for every key.
    std::size_t node = 1;
    // The string offsets of a small window [windowStart, windowStart + size).
    uint32_t windowStart = 0;
    std::size_t windowSize = 0;
    uint8_t window[4 * kSearchWindowSlots];
    char buffer[CompiledFileAccess::kStringReadSize];
    // Ordering needs no more of a headword than the key's length.
    std::size_t const limit = length + 1;
    while (low < high) {
        if (windowSize == 0 && node >= kSearchTopNodes && high - low <= kSearchWindowSlots) {
            windowStart = low;
            windowSize = 4 * std::size_t{high - low};
            fFile.Read(fHeader.headwordStringTable + 4 * uint64_t{low}, window, windowSize);
        }
        uint32_t const middle = low + (high - low) / 2;
        std::string_view headword;
        if (node < kSearchTopNodes)
            headword = SearchTopHeadword(node, middle, buffer, limit);
        else if (windowSize != 0)
            headword = fFile.StringView(GetLE32(&window[4 * std::size_t{middle - windowStart}]), buffer, limit);
        else
            headword = HeadwordView(middle, buffer, limit);
        bool const below = ComparePrefix(headword, key, length) < 0;
        low = below ? middle + 1 : low;
        high = below ? high : middle;
        node = 2 * node + (below ? 1 : 0);
    }
    return low;
}

ForwardIterator<Entry_EX> CompiledDictionaryRep::Lookup(char const* key, unsigned long length,
                                                        MaybeAnyLongerCallback* callback) {
    if (key == nullptr || length > kMaxKeyLength) return EmptyForwardIterator<Entry_EX>();
    uint32_t const end = fHeader.headwordCount;
    uint32_t const lowerBound = LookupPrefixHelper_lowerbound(key, length);
    if (lowerBound == end) return EmptyForwardIterator<Entry_EX>();

    // Nothing is allocated until an entry is found: most lookups miss.
    // Matching needs no more of a headword than one byte past the key.
    char buffer[CompiledFileAccess::kStringReadSize];
    std::string_view const first = HeadwordView(lowerBound, buffer, length + 1);
    if (!EqualsWhole(first, key, length)) {
        if (callback != nullptr && ComparePrefix(first, key, length) == 0) callback->FoundOne();
        return EmptyForwardIterator<Entry_EX>();
    }
    if (callback != nullptr) callback->FoundOne();
    uint32_t matchEnd = lowerBound + 1;
    while (matchEnd < end && EqualsWhole(HeadwordView(matchEnd, buffer, length + 1), key, length)) ++matchEnd;
    if (matchEnd == lowerBound + 1)
        return SingleEltForwardIterator<Entry_EX>(GetEntryObjectForEntryIDAt(HeadwordEntryAt(lowerBound)));
    std::vector<Entry_EX> found;
    found.reserve(matchEnd - lowerBound);
    for (uint32_t slot = lowerBound; slot < matchEnd; ++slot)
        found.push_back(GetEntryObjectForEntryIDAt(HeadwordEntryAt(slot)));
    return VectorByValueForwardIterator<Entry_EX>(found);
}

ForwardIterator<Entry_EX> CompiledDictionaryRep::LookupByPrefix(std::string const& prefix) {
    if (prefix.size() > kMaxKeyLength) return EmptyForwardIterator<Entry_EX>();
    uint32_t const lowerBound = LookupPrefixHelper_lowerbound(prefix.data(), prefix.size());
    if (lowerBound == fHeader.headwordCount) return EmptyForwardIterator<Entry_EX>();
    return ForwardIterator<Entry_EX>(new CompiledPrefixIteratorRep(*this, prefix, lowerBound));
}

// ---- Iteration ---------------------------------------------------------------------------

BidirectionalIterator<Entry_EX> CompiledDictionaryRep::GetEntryIterator_start() {
    return BidirectionalIterator<Entry_EX>(new CompiledEntryIteratorRep(*this, 0));
}

BidirectionalIterator<Entry_EX> CompiledDictionaryRep::GetEntryIterator_end() {
    return BidirectionalIterator<Entry_EX>(new CompiledEntryIteratorRep(*this, fHeader.entryCount));
}

BidirectionalIterator<Entry_EX> CompiledDictionaryRep::GetEntryIterator_from(Entry_EX const& entry) {
    auto const* compiled = dynamic_cast<CompiledEntryRep const*>(entry.GetRep());
    uint32_t slot = 0;
    if (compiled == nullptr || compiled->GetDictionary().GetRep() != this) {
        slot = fHeader.entryCount;
    } else {
        for (; slot < fHeader.entryCount; ++slot) {
            uint32_t const id = EntryOrderAt(slot);
            if (id == 0 || id == compiled->GetEntryID()) break;
        }
    }
    return BidirectionalIterator<Entry_EX>(new CompiledEntryIteratorRep(*this, slot));
}

// ---- Named interfaces -------------------------------------------------------------------

DictionaryInterface_* CompiledDictionaryRep::GetNamedInterface(std::string const& name) {
    struct Named {
        char const* name;
        Slot slot;
    };
    static Named const kNames[] = {
        {DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>::kInterfaceName, kLearning},
        {Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_::kInterfaceName, kMiscInfo},
        {AlmightyIdiomInterface_::kInterfaceName, kAlmightyIdiom},
        {GrammaticalFormWordsInterface_::kInterfaceName, kGrammaticalForm},
        {LowerCaseWordsInterface_::kInterfaceName, kLowerCase},
        {CannotBeginSentInterface_::kInterfaceName, kCannotBegin},
        {CannotEndSentInterface_::kInterfaceName, kCannotEnd},
        {CannotBeginAndEndSentInterface_::kInterfaceName, kCannotBeginAndEnd},
        {CanUseUpPeriodInterface_::kInterfaceName, kCanUseUpPeriod},
        {SingleWordsWithPeriodsInterface_::kInterfaceName, kSingleWordsWithPeriods},
    };
    auto const named = std::find_if(std::begin(kNames), std::end(kNames),
                                    [&name](Named const& candidate) { return name == candidate.name; });
    if (named == std::end(kNames)) return nullptr;

    AutoCriticalSection locked(fInterfaceLock);
    if (!fInterfaceMade[named->slot]) {
        fInterfaces[named->slot] = MakeInterface(named->slot);
        fInterfaceMade[named->slot] = true;
    }
    return fInterfaces[named->slot].get();
}

std::unique_ptr<DictionaryInterface_> CompiledDictionaryRep::MakeInterface(Slot slot) {
    switch (slot) {
        case kLearning:
            return MakeLearningInterface();
        case kMiscInfo:
            return MakeMiscInfoInterface(fHeader.entryCount, static_cast<unsigned long>(fFile.Size()));
        case kAlmightyIdiom:
            if (fHeader.idiomIndex == 0) return nullptr;
            return std::make_unique<CompiledAlmightyIdiomInterface>(fFile, fHeader.idiomIndex);
        case kGrammaticalForm:
            return std::make_unique<CompiledGrammaticalFormInterface>(fFile, fHeader.grammaticalFormTable,
                                                                      fHeader.grammaticalFormCount);
        case kLowerCase:
            return std::make_unique<LowerCaseWordsInterface_Lookup>(this);
        case kCannotBegin:
            return std::make_unique<CannotBeginSentInterface_Lookup>(this);
        case kCannotEnd:
            return std::make_unique<CannotEndSentInterface_Lookup>(this);
        case kCannotBeginAndEnd:
            // Only formats that store the flag serve the list.
            if (fTraits.cannotBeginAndEndBit == 0) return nullptr;
            return std::make_unique<CannotBeginAndEndSentInterface_Lookup>(this);
        case kCanUseUpPeriod:
            return std::make_unique<CanUseUpPeriodInterface_Lookup>(this);
        case kSingleWordsWithPeriods:
            return std::make_unique<SingleWordsWithPeriodsInterface_Lookup>(this);
        case kSlotCount:
            break;
    }
    return nullptr;
}

std::unique_ptr<DictionaryInterface_> CompiledDictionaryRep::MakeMiscInfoInterface(unsigned long entryCount,
                                                                                   unsigned long fileSize) const {
    return std::make_unique<CompiledMiscDictInfoIface>(entryCount, fileSize);
}

Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_& CompiledDictionaryRep::MiscInfo() {
    return *static_cast<Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_*>(
        GetNamedInterface(Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_::kInterfaceName));
}

// ---- Reported values ----------------------------------------------------------------------

short CompiledDictionaryRep::FinePOSPValue(CompiledFinePOSRecord const& record) { return record.pValue; }

IdiomType CompiledDictionaryRep::FinePOSIdiomType(CompiledFinePOSRecord const& record) {
    return static_cast<IdiomType>(record.idiomType);
}

// ---- Changes ---------------------------------------------------------------------------------

void CompiledDictionaryRep::SetID(unsigned short) { ThrowReadOnly(*this); }
void CompiledDictionaryRep::SetDomainIDSet(DomainIDSet const&) { ThrowReadOnly(*this); }
Entry_EX CompiledDictionaryRep::CreateNewEntry(std::string const&) { ThrowReadOnly(*this); }
void CompiledDictionaryRep::RemoveEntry(Entry_EX const&) { ThrowReadOnly(*this); }

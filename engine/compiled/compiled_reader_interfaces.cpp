#include "engine/compiled/compiled_reader_interfaces.h"

#include <string>

#include "engine/compiled/compiled_format.h"
#include "engine/foundation/string_compare.h"
#include "engine/foundation/string_utils.h"

AlmightyIdiomList const& CompiledAlmightyIdiomInterface::GetIdiomList(AlmightyIdiomListTag tag) const {
    static AlmightyIdiomList const kNoList;
    if (tag >= kListCount) return kNoList;
    AutoCriticalSection locked(fLock);
    if (fLoaded[tag]) return fLists[tag];

    uint8_t headerBytes[kIdiomIndexSize];
    fFile.Read(fIndex, headerBytes, sizeof headerBytes);
    IdiomListHeader const header = DecodeIdiomIndex(ByteView(headerBytes, sizeof headerBytes))[tag];
    // The count is checked against the file before anything is reserved.
    if (!fFile.Contains(header.list, kIdiomItemSize * uint64_t{header.count}))
        ThrowCorruptDictionary("compiled dictionary: idiom list past the end of the file");
    Bytes itemBytes(kIdiomItemSize * header.count);
    fFile.Read(header.list, itemBytes.data(), itemBytes.size());

    AlmightyIdiomList list;
    list.reserve(header.count);
    for (IdiomListItem const& item : DecodeIdiomList(ByteView(itemBytes), header.count))
        list.push_back(AlmightyIdiomEntry{fFile.ReadString(item.text), item.position});
    fLists[tag] = std::move(list);
    fLoaded[tag] = true;
    return fLists[tag];
}

bool CompiledGrammaticalFormInterface::IsWordThere(char const* word) const {
    if (word == nullptr) return false;
    std::string lower = word;
    ToLower(&lower, 0);
    uint32_t low = 0;
    uint32_t high = fCount;
    while (low < high) {
        uint32_t const middle = low + (high - low) / 2;
        int const order =
            StringCompare_E_Source(fFile.ReadString(fFile.ReadUInt32(fTable + 4 * uint64_t{middle})), lower);
        if (order == 0) return true;
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return false;
}

// Arbitrary Shift-JIS as a Japanese word whose inflection is read: byte 0 is
// the word's Japanese class (JPOSN), byte 1 the gross class the reading
// uses, bytes 2-3 the dictionary length (little-endian), the rest the word
// (cut at a NUL).  Whatever the word, the pattern names a record of the row
// or is -1, the tail is romaji the word ends with, an unread word is its own
// base form, and the tail can follow any record of the row in cooking.
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/foundation/aw_set_table.h"
#include "engine/foundation/cooked_japanese.h"
#include "engine/transfer/inflection_pattern.h"

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
    if (size < 4 || size > 4096) return 0;
    DICT_SOURCE source;
    source.japanesePOS = data[0];
    int16_t const gross = static_cast<int16_t>(data[1] % 5);
    source.translationLength = static_cast<uint16_t>(data[2] | data[3] << 8);
    std::string word(reinterpret_cast<char const*>(data) + 4, size - 4);
    word = word.substr(0, word.find('\0'));

    std::string base;
    std::string tail;
    int16_t const pattern = FindInflectPattern(&base, &tail, word.c_str(), source, gross);
    AltWordInflectionSet const* const set = GetAWSetOfGrossJPOS(gross);
    if (pattern < 0) {
        Check(pattern == -1 && base == word && tail.empty());
    } else {
        Check(set != nullptr && pattern < set->patternsPerRow);
        Check(tail.size() <= 2 * word.size() + 1);
        int const row = FindAWSetRow(*set, data[0]);
        Check(row >= 0);
        std::string const inflected = InflectCookedByRecord(word, set->primary[row][pattern], data[0], tail);
        Check(inflected.size() <= 4 * (word.size() + tail.size()) + 64);
    }
    Check(GetJapaneseBaseForm(word.c_str(), source).size() <= 4 * word.size() + 64);
    return 0;
}

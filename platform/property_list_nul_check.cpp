#include "platform/property_list_nul_check.h"

#include <cstdint>

namespace platform {

namespace {

constexpr char kMagic[] = "bplist00";
constexpr std::size_t kMagicSize = sizeof kMagic - 1;
constexpr std::size_t kTrailerSize = 32;

// A big-endian unsigned integer of `width` bytes at `at`; false when it
// does not lie inside the list or is wider than 8 bytes.
bool ReadBigEndian(std::string const& bytes, uint64_t at, uint64_t width, uint64_t* value) {
    if (width == 0 || width > 8 || at > bytes.size() || width > bytes.size() - at) return false;
    *value = 0;
    for (uint64_t i = 0; i < width; ++i) *value = (*value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return true;
}

// The character count of a string object whose marker is at `at`, and
// where its characters begin.
bool StringLength(std::string const& bytes, uint64_t at, uint64_t* count, uint64_t* start) {
    unsigned const lowNibble = static_cast<unsigned char>(bytes[at]) & 0x0F;
    if (lowNibble != 0x0F) {
        *count = lowNibble;
        *start = at + 1;
        return true;
    }
    uint64_t intMarker = 0;
    if (!ReadBigEndian(bytes, at + 1, 1, &intMarker) || (intMarker & 0xF0) != 0x10) return false;
    uint64_t const width = uint64_t{1} << (intMarker & 0x0F);
    *start = at + 2 + width;
    return ReadBigEndian(bytes, at + 2, width, count);
}

bool HasZeroUnit(std::string const& bytes, uint64_t start, uint64_t units, uint64_t unitSize) {
    if (start > bytes.size() || units > (bytes.size() - start) / unitSize) return false;  // the library refuses it
    for (uint64_t i = 0; i < units; ++i) {
        bool zero = true;
        for (uint64_t b = 0; b < unitSize; ++b) zero = zero && bytes[start + i * unitSize + b] == '\0';
        if (zero) return true;
    }
    return false;
}

}  // namespace

bool BinaryListHasStringWithNul(std::string const& bytes) {
    if (bytes.size() < kMagicSize + kTrailerSize || bytes.compare(0, kMagicSize, kMagic) != 0) return false;
    uint64_t const trailer = bytes.size() - kTrailerSize;
    uint64_t offsetSize = 0;
    uint64_t objectCount = 0;
    uint64_t tableStart = 0;
    if (!ReadBigEndian(bytes, trailer + 6, 1, &offsetSize) || !ReadBigEndian(bytes, trailer + 8, 8, &objectCount) ||
        !ReadBigEndian(bytes, trailer + 24, 8, &tableStart)) {
        return false;
    }
    if (offsetSize == 0 || offsetSize > 8 || tableStart > trailer ||
        objectCount > (trailer - tableStart) / offsetSize) {
        return false;
    }
    for (uint64_t i = 0; i < objectCount; ++i) {
        uint64_t at = 0;
        if (!ReadBigEndian(bytes, tableStart + i * offsetSize, offsetSize, &at) || at >= trailer) continue;
        unsigned const type = static_cast<unsigned char>(bytes[at]) >> 4;
        if (type != 0x5 && type != 0x6) continue;  // ASCII and UTF-16 strings
        uint64_t count = 0;
        uint64_t start = 0;
        if (!StringLength(bytes, at, &count, &start)) continue;
        if (HasZeroUnit(bytes, start, count, type == 0x5 ? 1 : 2)) return true;
    }
    return false;
}

}  // namespace platform

#pragma once
// Reading a compiled dictionary file.  A compiled dictionary keeps only its
// header in memory and reads every record when it is asked for, so every
// entry, iterator and interface it hands out reads through a copy of one
// CompiledFileAccess.  The copies share the open file: the descriptor is
// closed when the last of them goes, so nothing ever reads a closed (or
// already reused) descriptor.
//
// The file is mapped read-only at open, so a read is a copy out of memory
// (or no copy at all: StringView); where it cannot be mapped (an empty file,
// a descriptor that refuses mmap) reads are positioned (pread).  Either way
// no read passes the file size taken at open: a range that does not lie
// inside the file is CorruptDictionary.
//
// A mapped file must not shrink while it is open: reading a page past its
// new end would kill the process.  Compiled files are read-only to the
// engine; only the compiler writes them, in place, so a dictionary is never
// compiled over while it is open.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "engine/compiled/compiled_format.h"
#include "engine/foundation/critical_section.h"
#include "engine/foundation/semantics.h"
#include "engine/foundation/value_types.h"

class CompiledFileAccess {
public:
    // The longest string a compiled file holds, NUL excluded, and the most a
    // string read takes.
    static constexpr std::size_t kMaxStringLength = 255;
    static constexpr std::size_t kStringReadSize = 256;

    // Takes the descriptor (0 included): it is closed with the last copy, also
    // when this constructor throws.  The size is taken now; a negative
    // descriptor is CorruptDictionary, one whose size cannot be had the file
    // error of fstat.
    explicit CompiledFileAccess(int fd);

    int Descriptor() const;
    uint64_t Size() const { return fSize; }
    // Whether reads come out of a memory map of the file.
    bool IsMapped() const { return fMap != nullptr; }
    // Shared by every copy: serialises what must not interleave on the file.
    CorvanCriticalSection& Lock() const;

    // Whether [offset, offset + length) lies inside the file.
    bool Contains(uint64_t offset, uint64_t length) const { return offset <= fSize && length <= fSize - offset; }

    // Exactly n bytes at offset; CorruptDictionary when they are not all in
    // the file, FileReadError when reading fails.
    void Read(uint64_t offset, void* buffer, std::size_t n) const;
    // Up to n bytes at offset, the part past the end of the file zero-filled;
    // CorruptDictionary when fewer than `required` bytes lie in the file.  For
    // fixed-size reads of records and blocks whose stored length is shorter.
    void ReadZeroFilled(uint64_t offset, void* buffer, std::size_t n, std::size_t required) const;
    // The little-endian 32-bit value at offset.
    uint32_t ReadUInt32(uint64_t offset) const {
        if (fMap != nullptr && Contains(offset, 4)) return GetLE32(fMap + offset);
        return ReadUInt32Unmapped(offset);
    }
    // The NUL-terminated string at offset, in one read of at most 256 bytes;
    // a string without NUL in those bytes is cut to them.  CorruptDictionary
    // when the file ends before its NUL.
    std::string ReadString(uint64_t offset) const;
    // The same string without a copy where the file is mapped: a view into
    // the map, or into `buffer` (kStringReadSize bytes) otherwise.  The view
    // lives as long as this file access and the buffer.
    std::string_view StringView(uint64_t offset, char* buffer) const {
        return StringView(offset, buffer, kStringReadSize);
    }
    // The same string, no more than its first `limit` bytes (at most
    // kStringReadSize): enough to order or match a key of limit - 1 bytes,
    // without looking further for the NUL.
    std::string_view StringView(uint64_t offset, char* buffer, std::size_t limit) const;

private:
    uint32_t ReadUInt32Unmapped(uint64_t offset) const;

    struct OpenFile;
    std::shared_ptr<OpenFile> fFile;
    // The open file's, kept here for the reads.
    uint64_t fSize = 0;
    unsigned char const* fMap = nullptr;
};

// The names the 4.0 reader's callers use.
using FileAccessHandle40 = CompiledFileAccess;

// ---- Records and blocks, read and decoded -------------------------------------
// Records are fetched at their largest size, whatever their stored length,
// and refused when the length their flags declare does not fit in the file.

CompiledEntryRecord ReadEntryRecord(CompiledFileAccess const& file, uint32_t offset,
                                    CompiledFormatTraits const& traits);
CompiledFinePOSRecord ReadFinePOSRecord(CompiledFileAccess const& file, uint32_t offset,
                                        CompiledFormatTraits const& traits);
CompiledParaphraseRecord ReadParaphraseRecord(CompiledFileAccess const& file, uint32_t offset);
FeatureSets_E_Source ReadFeatureSets(CompiledFileAccess const& file, uint32_t offset,
                                     CompiledFormatTraits const& traits);
std::vector<DomainWeightInfoRecord> ReadDomainWeights(CompiledFileAccess const& file, uint32_t offset);
// The count byte of a domain-weights block.
unsigned ReadDomainWeightCount(CompiledFileAccess const& file, uint32_t offset);
Dict_Semantics_E_Source ReadSemantics(CompiledFileAccess const& file, uint32_t offset);
DomainIDSet ReadDomainSet(CompiledFileAccess const& file, uint32_t offset, CompiledFormatTraits const& traits);

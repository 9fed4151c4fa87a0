#pragma once
// Reading a compiled dictionary file.  A compiled dictionary keeps only its
// header in memory and reads every record when it is asked for, so every
// entry, iterator and interface it hands out reads through a copy of one
// CompiledFileAccess.  The copies share the open file: the descriptor is
// closed when the last of them goes, so nothing ever reads a closed (or
// already reused) descriptor.
//
// Reads are positioned (pread) and never pass the file size taken at open:
// a range that does not lie inside the file is CorruptDictionary.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

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
    uint64_t Size() const;
    // Shared by every copy: serialises what must not interleave on the file.
    CorvanCriticalSection& Lock() const;

    // Whether [offset, offset + length) lies inside the file.
    bool Contains(uint64_t offset, uint64_t length) const;

    // Exactly n bytes at offset; CorruptDictionary when they are not all in
    // the file, FileReadError when reading fails.
    void Read(uint64_t offset, void* buffer, std::size_t n) const;
    // Up to n bytes at offset, the part past the end of the file zero-filled;
    // CorruptDictionary when fewer than `required` bytes lie in the file.  For
    // fixed-size reads of records and blocks whose stored length is shorter.
    void ReadZeroFilled(uint64_t offset, void* buffer, std::size_t n, std::size_t required) const;
    // The little-endian 32-bit value at offset.
    uint32_t ReadUInt32(uint64_t offset) const;
    // The NUL-terminated string at offset, in one read of at most 256 bytes;
    // a string without NUL in those bytes is cut to them.  CorruptDictionary
    // when the file ends before its NUL.
    std::string ReadString(uint64_t offset) const;

private:
    struct OpenFile;
    std::shared_ptr<OpenFile> fFile;
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

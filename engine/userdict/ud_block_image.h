#pragma once
// The bytes of a dictionary's block area kept in memory while its caches are
// loaded, so that reading an entry costs no system call.  The file object
// reads the whole area once when it loads its caches (it surveys every block
// then anyway) and reports every block write here after it reached the file;
// a write that fails, or one the image cannot follow, drops the image and
// reads go to the file again until the caches are loaded anew.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/userdict/ud_format.h"

// Reads blocks 1 .. blockCount - 1 of the area in one read; the result holds
// blockCount blocks, block 0 zeroed (its count is read with the header).
std::vector<unsigned char> ReadUDBlockArea(int fd, uint32_t blockAreaOffset, uint32_t blockCount);

class UDBlockImage {
public:
    // Takes the area as ReadUDBlockArea gives it.
    void Adopt(std::vector<unsigned char> area);
    void Drop();

    // Whether block n's bytes are in memory.
    bool Holds(uint32_t n) const { return std::size_t{n} < fBlocks; }
    // Block n's 64 bytes; only for a block it holds.
    unsigned char const* Block(uint32_t n) const { return fArea.data() + std::size_t{n} * kUDBlockSize; }

    // Bytes written at `offset` within the area reached the file.  A write
    // that begins past the end of the image drops it (the blocks between are
    // not known); one that continues the image extends it by whole blocks.
    void Wrote(uint64_t offset, void const* bytes, std::size_t size);

private:
    std::vector<unsigned char> fArea;
    std::size_t fBlocks = 0;  // whole blocks held; 0 when dropped
};

#pragma once
// The bytes of a dictionary's block area kept in memory while its caches are
// loaded, so that reading an entry costs no system call.  The file object
// reads the whole area once when it loads its caches (it surveys every block
// then anyway) and reports every block write here after it reached the file;
// a write that fails, or one the image cannot follow, drops the image and
// reads go to the file again until the caches are loaded anew.
//
// The image is sized to the file: the area read at load is kept as it is,
// and blocks appended after it go into chunks of kUDBlockImageChunk bytes,
// so that growing never copies the image nor holds twice its size.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/userdict/ud_format.h"

// Reads blocks 1 .. blockCount - 1 of the area in one read; the result holds
// blockCount blocks, block 0 zeroed (its count is read with the header).
std::vector<unsigned char> ReadUDBlockArea(int fd, uint32_t blockAreaOffset, uint32_t blockCount);

// A whole number of blocks.
inline constexpr std::size_t kUDBlockImageChunk = std::size_t{1024} * kUDBlockSize;

class UDBlockImage {
public:
    // Takes the area as ReadUDBlockArea gives it.
    void Adopt(std::vector<unsigned char> area);
    void Drop();

    // Whether block n's bytes are in memory.
    bool Holds(uint32_t n) const { return std::size_t{n} < fBytes / kUDBlockSize; }
    // Block n's 64 bytes; only for a block it holds.
    unsigned char const* Block(uint32_t n) const { return At(std::size_t{n} * kUDBlockSize); }

    // Whether the image is held at all (not dropped).
    bool IsHeld() const { return fBytes != 0; }

    // Bytes written at `offset` within the area reached the file, or are
    // staged to reach it.  A write that begins past the end of the image
    // drops it (the blocks between are not known); one that continues the
    // image extends it by whole blocks.
    void Wrote(uint64_t offset, void const* bytes, std::size_t size);

    // The bytes held from `offset` on that lie together in memory (at most
    // `size`), for writing a range of the image out piece by piece.
    std::size_t Piece(uint64_t offset, std::size_t size, unsigned char const** bytes) const;

private:
    // The byte at an offset of the area, and the bytes that follow it in the
    // same piece (the adopted area or a chunk), allocating the chunk.
    unsigned char* At(std::size_t offset) const;
    unsigned char* Reach(std::size_t offset, std::size_t* contiguous);

    std::vector<unsigned char> fAdopted;  // whole blocks
    std::vector<std::unique_ptr<unsigned char[]>> fChunks;
    std::size_t fBytes = 0;  // bytes held; blocks only count when whole; 0 when dropped
};

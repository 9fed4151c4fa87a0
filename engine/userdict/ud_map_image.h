#pragma once
// The block map: which blocks are free.  On disk, right behind the last block:
//   +0 checksum (byte sum of everything from +4 to the end of the map)
//   +4 block count (must equal the count in block 0)
//   +8 bitmap, one bit per block, least significant bit first; 1 = free.
// Block 0 is never free; bits past the last block are written as 1.
#include <cstddef>
#include <cstdint>
#include <vector>

struct UDChecksums {
    bool known = false;  // false when the image was too damaged to sum
    uint32_t stored = 0;
    uint32_t computed = 0;
};

// ceil(blockCount / 8)
uint32_t UDMapBitmapSize(uint32_t blockCount);
// 8 + the bitmap size; 64-bit so that offset arithmetic never wraps.
uint64_t UDMapImageSize(uint32_t blockCount);

// The map bits: `bitmap` holds at least UDMapBitmapSize(blockCount) bytes.
bool UDMapIsFree(std::vector<unsigned char> const& bitmap, uint32_t block);
void UDMapSetFree(std::vector<unsigned char>* bitmap, uint32_t block, bool isFree);

// The whole map as it goes to the file (one write).  Bits of blocks
// blockCount .. are written as 1 and block 0's bit as 0 whatever `bitmap`
// holds there; bytes missing from `bitmap` count as all free.
std::vector<unsigned char> EncodeUDMapImage(uint32_t blockCount, std::vector<unsigned char> const& bitmap);
// The map image around `bits` as they are (UDMapBitmapSize(blockCount) bytes,
// e.g. those a file holds), with its block count and checksum.
std::vector<unsigned char> UDMapImageOfBits(uint32_t blockCount, std::vector<unsigned char> const& bits);

// Bytes [begin, end) of an image.
struct UDByteRun {
    std::size_t begin = 0;
    std::size_t end = 0;
};
// Where `now` differs from `old`, which a file holds, in ascending runs: the
// bytes to write to turn the one into the other.  Bytes past the end of `old`
// all differ.  Runs fewer than `join` bytes apart are joined, since one write
// of a few more bytes costs less than two.
std::vector<UDByteRun> UDChangedRuns(std::vector<unsigned char> const& old, std::vector<unsigned char> const& now,
                                     std::size_t join);

// Checks a map image and gives its bitmap (UDMapBitmapSize(blockCount) bytes).
// `image` holds the `available` bytes from the map's offset to the end of the
// file.  Returns kUDMapOrIndexInvalid when the image is cut short, its block
// count is not `blockCount`, its checksum is wrong, or it calls block 0 free.
// `checksums`, when given, receives the stored and computed sums.
unsigned short DecodeUDMapImage(unsigned char const* image, std::size_t available, uint32_t blockCount,
                                std::vector<unsigned char>* bitmap, UDChecksums* checksums = nullptr);

// Reads and checks the map at `mapOffset` of a file of `fileSize` bytes: a map
// offset of 0 (no valid map on disk) also gives kUDMapOrIndexInvalid.  File
// exceptions pass through.
unsigned short ReadUDMap(int fd, uint64_t fileSize, uint32_t mapOffset, uint32_t blockCount,
                         std::vector<unsigned char>* bitmap, UDChecksums* checksums = nullptr);

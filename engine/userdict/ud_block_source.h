#pragma once
// Where the data blocks of a dictionary come from: the file itself, or (in
// tests) bytes in memory.  Readers of entries work through this interface.
#include <cstdint>

#include "engine/userdict/ud_format.h"

class UDBlockImage;

class UDBlockSource {
public:
    virtual ~UDBlockSource() = default;

    // Blocks in the block area, block 0 included.
    virtual uint32_t BlockCount() const = 0;

    // Reads data block n into *block (number included).  Returns
    // kUDFileCorrupt when n is not a data block of the file (1 .. count - 1)
    // or the block does not decode (DecodeUDBlock); file exceptions pass
    // through.
    virtual unsigned short ReadBlock(uint32_t n, dblock_t* block) = 0;
};

// The blocks of an open dictionary file: from the image when one is given
// and holds the block, otherwise one pread each.  The caller has checked that
// the file holds all `blockCount` blocks (ReadUDFileBasics).
class UDFileBlockSource : public UDBlockSource {
public:
    UDFileBlockSource(int fd, uint32_t blockAreaOffset, uint32_t blockCount, UDBlockImage const* image = nullptr)
        : fFd(fd), fBlockAreaOffset(blockAreaOffset), fBlockCount(blockCount), fImage(image) {}

    uint32_t BlockCount() const override { return fBlockCount; }
    unsigned short ReadBlock(uint32_t n, dblock_t* block) override;

private:
    int fFd;
    uint32_t fBlockAreaOffset;
    uint32_t fBlockCount;
    UDBlockImage const* fImage;
};

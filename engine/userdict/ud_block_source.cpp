#include "engine/userdict/ud_block_source.h"

#include "engine/userdict/ud_file_io.h"

unsigned short UDFileBlockSource::ReadBlock(uint32_t n, dblock_t* block) {
    if (n == 0 || n >= fBlockCount) return kUDFileCorrupt;
    unsigned char bytes[kUDBlockSize];
    UDReadAt(fFd, fBlockAreaOffset + uint64_t{kUDBlockSize} * n, bytes, sizeof bytes);
    block->number = n;
    return DecodeUDBlock(bytes, fBlockCount, block);
}

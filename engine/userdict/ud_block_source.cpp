#include "engine/userdict/ud_block_source.h"

#include "engine/userdict/ud_block_image.h"
#include "engine/userdict/ud_file_io.h"

unsigned short UDFileBlockSource::ReadBlock(uint32_t n, dblock_t* block) {
    if (n == 0 || n >= fBlockCount) return kUDFileCorrupt;
    block->number = n;
    if (fImage != nullptr && fImage->Holds(n)) return DecodeUDBlock(fImage->Block(n), fBlockCount, block);
    unsigned char bytes[kUDBlockSize];
    UDReadAt(fFd, fBlockAreaOffset + uint64_t{kUDBlockSize} * n, bytes, sizeof bytes);
    return DecodeUDBlock(bytes, fBlockCount, block);
}

#include "engine/userdict/ud_block_image.h"

#include <cstring>
#include <utility>

#include "engine/userdict/ud_file_io.h"

std::vector<unsigned char> ReadUDBlockArea(int fd, uint32_t blockAreaOffset, uint32_t blockCount) {
    std::vector<unsigned char> area(std::size_t{blockCount} * kUDBlockSize);
    if (blockCount > 1) {
        UDReadAt(fd, uint64_t{blockAreaOffset} + kUDBlockSize, area.data() + kUDBlockSize, area.size() - kUDBlockSize);
    }
    return area;
}

void UDBlockImage::Adopt(std::vector<unsigned char> area) {
    fArea = std::move(area);
    fBlocks = fArea.size() / kUDBlockSize;
}

void UDBlockImage::Drop() {
    fArea = {};
    fBlocks = 0;
}

void UDBlockImage::Wrote(uint64_t offset, void const* bytes, std::size_t size) {
    if (fBlocks == 0) return;
    uint64_t const end = offset + size;
    if (offset > fArea.size()) {
        Drop();
        return;
    }
    if (end > fArea.size()) {
        // Bytes past the last whole block are never read; a partial block
        // at the end is not counted as held.
        fArea.resize(static_cast<std::size_t>(end));
    }
    std::memcpy(fArea.data() + offset, bytes, size);
    fBlocks = fArea.size() / kUDBlockSize;
}

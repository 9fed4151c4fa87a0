#include "engine/userdict/ud_block_image.h"

#include <algorithm>
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
    area.resize(area.size() / kUDBlockSize * kUDBlockSize);
    fAdopted = std::move(area);
    fChunks.clear();
    fBytes = fAdopted.size();
}

void UDBlockImage::Drop() {
    fAdopted = {};
    fChunks.clear();
    fChunks.shrink_to_fit();
    fBytes = 0;
}

unsigned char* UDBlockImage::At(std::size_t offset) const {
    if (offset < fAdopted.size()) return const_cast<unsigned char*>(fAdopted.data()) + offset;
    std::size_t const past = offset - fAdopted.size();
    return fChunks[past / kUDBlockImageChunk].get() + past % kUDBlockImageChunk;
}

unsigned char* UDBlockImage::Reach(std::size_t offset, std::size_t* contiguous) {
    if (offset < fAdopted.size()) {
        *contiguous = fAdopted.size() - offset;
        return fAdopted.data() + offset;
    }
    std::size_t const past = offset - fAdopted.size();
    std::size_t const chunk = past / kUDBlockImageChunk;
    if (chunk >= fChunks.size()) fChunks.resize(chunk + 1);
    if (fChunks[chunk] == nullptr) fChunks[chunk] = std::make_unique<unsigned char[]>(kUDBlockImageChunk);
    *contiguous = kUDBlockImageChunk - past % kUDBlockImageChunk;
    return fChunks[chunk].get() + past % kUDBlockImageChunk;
}

void UDBlockImage::Wrote(uint64_t offset, void const* bytes, std::size_t size) {
    if (fBytes == 0) return;
    if (offset > fBytes) {
        // The blocks between are not known.
        Drop();
        return;
    }
    auto const* from = static_cast<unsigned char const*>(bytes);
    for (std::size_t done = 0; done < size;) {
        std::size_t contiguous = 0;
        unsigned char* to = Reach(static_cast<std::size_t>(offset) + done, &contiguous);
        std::size_t const piece = std::min(contiguous, size - done);
        std::memcpy(to, from + done, piece);
        done += piece;
    }
    // Bytes past the last whole block are never read: a partial block at the
    // end is not counted as held.
    fBytes = std::max<std::size_t>(fBytes, static_cast<std::size_t>(offset) + size);
}

std::size_t UDBlockImage::Piece(uint64_t offset, std::size_t size, unsigned char const** bytes) const {
    std::size_t const at = static_cast<std::size_t>(offset);
    *bytes = At(at);
    std::size_t const contiguous =
        at < fAdopted.size() ? fAdopted.size() - at : kUDBlockImageChunk - (at - fAdopted.size()) % kUDBlockImageChunk;
    return std::min(contiguous, size);
}

#include "engine/userdict/ud_map_image.h"

#include <algorithm>

#include "engine/foundation/byte_order.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_format.h"

namespace {

constexpr std::size_t kMapHeaderSize = 8;

unsigned char BitOf(uint32_t block) { return static_cast<unsigned char>(1u << (block % 8)); }

}  // namespace

uint32_t UDMapBitmapSize(uint32_t blockCount) { return blockCount / 8 + (blockCount % 8 != 0 ? 1 : 0); }

uint64_t UDMapImageSize(uint32_t blockCount) { return kMapHeaderSize + uint64_t{UDMapBitmapSize(blockCount)}; }

bool UDMapIsFree(std::vector<unsigned char> const& bitmap, uint32_t block) {
    return (bitmap[block / 8] & BitOf(block)) != 0;
}

void UDMapSetFree(std::vector<unsigned char>* bitmap, uint32_t block, bool isFree) {
    unsigned char& byte = (*bitmap)[block / 8];
    byte = static_cast<unsigned char>(isFree ? byte | BitOf(block) : byte & ~BitOf(block));
}

std::vector<unsigned char> EncodeUDMapImage(uint32_t blockCount, std::vector<unsigned char> const& bitmap) {
    uint32_t const bitmapSize = UDMapBitmapSize(blockCount);
    std::vector<unsigned char> bits(bitmapSize, 0xFF);
    std::copy_n(bitmap.begin(), std::min<std::size_t>(bitmap.size(), bitmapSize), bits.begin());
    for (uint64_t block = blockCount; block < uint64_t{bitmapSize} * 8; ++block) {
        UDMapSetFree(&bits, static_cast<uint32_t>(block), true);
    }
    if (blockCount > 0) UDMapSetFree(&bits, 0, false);
    return UDMapImageOfBits(blockCount, bits);
}

std::vector<unsigned char> UDMapImageOfBits(uint32_t blockCount, std::vector<unsigned char> const& bits) {
    std::vector<unsigned char> image(kMapHeaderSize + bits.size());
    std::copy(bits.begin(), bits.end(), image.begin() + kMapHeaderSize);
    ULONGToBuf(image.data() + 4, blockCount);
    ULONGToBuf(image.data(), UDByteSum(image.data() + 4, image.size() - 4));
    return image;
}

std::vector<UDByteRun> UDChangedRuns(std::vector<unsigned char> const& old, std::vector<unsigned char> const& now,
                                     std::size_t join) {
    std::vector<UDByteRun> runs;
    std::size_t const common = std::min(old.size(), now.size());
    for (std::size_t at = 0; at < now.size();) {
        if (at < common && old[at] == now[at]) {
            ++at;
            continue;
        }
        std::size_t end = at + 1;
        while (end < now.size() && (end >= common || old[end] != now[end])) ++end;
        if (!runs.empty() && at - runs.back().end < join) {
            runs.back().end = end;
        } else {
            runs.push_back({at, end});
        }
        at = end;
    }
    return runs;
}

unsigned short DecodeUDMapImage(unsigned char const* image, std::size_t available, uint32_t blockCount,
                                std::vector<unsigned char>* bitmap, UDChecksums* checksums) {
    uint64_t const size = UDMapImageSize(blockCount);
    if (available < size) return kUDMapOrIndexInvalid;

    uint32_t const stored = BufToULONG(image);
    uint32_t const computed = UDByteSum(image + 4, static_cast<std::size_t>(size - 4));
    if (checksums != nullptr) *checksums = UDChecksums{true, stored, computed};

    if (BufToULONG(image + 4) != blockCount || stored != computed) return kUDMapOrIndexInvalid;
    std::vector<unsigned char> bits(image + kMapHeaderSize, image + size);
    // Handing out block 0 would overwrite the block count.
    if (blockCount > 0 && UDMapIsFree(bits, 0)) return kUDMapOrIndexInvalid;
    *bitmap = std::move(bits);
    return kUDNoError;
}

unsigned short ReadUDMap(int fd, uint64_t fileSize, uint32_t mapOffset, uint32_t blockCount,
                         std::vector<unsigned char>* bitmap, UDChecksums* checksums) {
    if (checksums != nullptr) *checksums = UDChecksums{};
    if (mapOffset == 0) return kUDMapOrIndexInvalid;
    uint64_t const size = UDMapImageSize(blockCount);
    if (fileSize < mapOffset || fileSize - mapOffset < size) return kUDMapOrIndexInvalid;
    std::vector<unsigned char> image(static_cast<std::size_t>(size));
    UDReadAt(fd, mapOffset, image.data(), image.size());
    return DecodeUDMapImage(image.data(), image.size(), blockCount, bitmap, checksums);
}

#include "engine/userdict/ud_format.h"

#include <cstring>

#include "engine/foundation/byte_order.h"

namespace {

bool IsZeroOrBlockOfFile(uint32_t number, uint32_t blockCount) { return number == 0 || number < blockCount; }

}  // namespace

void EncodeUDHeader(UDHeader const& header, unsigned char* bytes) {
    std::memset(bytes, 0, kUDHeaderSize);
    ULONGToBuf(bytes + kUDHeaderMagic, mthUD);
    ULONGToBuf(bytes + kUDHeaderDescriptionOffset, header.descriptionOffset);
    ULONGToBuf(bytes + kUDHeaderBlockAreaOffset, header.blockAreaOffset);
    ULONGToBuf(bytes + kUDHeaderMapOffset, header.mapOffset);
    ULONGToBuf(bytes + kUDHeaderIndexOffset, header.indexOffset);
    ULONGToBuf(bytes + kUDHeaderGroupCount, header.groupCount);
    ULONGToBuf(bytes + kUDHeaderVersion, header.version);
    ULONGToBuf(bytes + kUDHeaderConstantOne, 1);
    ULONGToBuf(bytes + kUDHeaderConstantZero, 0);
    ULONGToBuf(bytes + kUDHeaderChangeCount, header.changeCount);
}

UDHeader DecodeUDHeader(unsigned char const* bytes) {
    UDHeader header;
    header.descriptionOffset = BufToULONG(bytes + kUDHeaderDescriptionOffset);
    header.blockAreaOffset = BufToULONG(bytes + kUDHeaderBlockAreaOffset);
    header.mapOffset = BufToULONG(bytes + kUDHeaderMapOffset);
    header.indexOffset = BufToULONG(bytes + kUDHeaderIndexOffset);
    header.groupCount = BufToULONG(bytes + kUDHeaderGroupCount);
    header.version = BufToULONG(bytes + kUDHeaderVersion);
    header.changeCount = BufToULONG(bytes + kUDHeaderChangeCount);
    return header;
}

bool HasUDMagic(unsigned char const* bytes) { return BufToULONG(bytes + kUDHeaderMagic) == mthUD; }

void EncodeUDBlock(dblock_t const& block, unsigned char* bytes) {
    std::memset(bytes, 0, kUDBlockSize);
    ULONGToBuf(bytes, block.kind);
    switch (block.kind) {
        case kUDFreeBlock:
            break;
        case kUDHeadBlock:
            ULONGToBuf(bytes + 4, block.link);
            ULONGToBuf(bytes + 8, block.interactiveFreq);
            ULONGToBuf(bytes + 12, block.batchFreq);
            ULONGToBuf(bytes + 16, block.prevID);
            ULONGToBuf(bytes + 20, block.nextID);
            // +24 and +28 are reserved and stay zero.
            std::memcpy(bytes + 32, block.text, kUDHeadTextSize);
            break;
        case kUDContinuationBlock:
            ULONGToBuf(bytes + 4, block.link);
            std::memcpy(bytes + 8, block.text, kUDContinuationTextSize);
            break;
    }
}

unsigned short DecodeUDBlock(unsigned char const* bytes, uint32_t blockCount, dblock_t* block) {
    dblock_t decoded;
    decoded.number = block->number;
    uint32_t kind = BufToULONG(bytes) & 0xF;
    switch (kind) {
        case kUDFreeBlock:
            decoded.kind = kUDFreeBlock;
            break;
        case kUDHeadBlock:
            decoded.kind = kUDHeadBlock;
            decoded.link = BufToULONG(bytes + 4);
            decoded.interactiveFreq = BufToULONG(bytes + 8);
            decoded.batchFreq = BufToULONG(bytes + 12);
            decoded.prevID = BufToULONG(bytes + 16);
            decoded.nextID = BufToULONG(bytes + 20);
            std::memcpy(decoded.text, bytes + 32, kUDHeadTextSize);
            break;
        case kUDContinuationBlock:
            decoded.kind = kUDContinuationBlock;
            decoded.link = BufToULONG(bytes + 4);
            std::memcpy(decoded.text, bytes + 8, kUDContinuationTextSize);
            break;
        default:
            return kUDFileCorrupt;
    }
    if (!IsZeroOrBlockOfFile(decoded.link, blockCount) || !IsZeroOrBlockOfFile(decoded.prevID, blockCount) ||
        !IsZeroOrBlockOfFile(decoded.nextID, blockCount)) {
        return kUDFileCorrupt;
    }
    *block = decoded;
    return kUDNoError;
}

void EncodeUDBlockZero(uint32_t blockCount, unsigned char* bytes) {
    std::memset(bytes, 0, kUDBlockSize);
    ULONGToBuf(bytes, blockCount);
}

char const* UDPOSString(uint32_t groupKind, uint32_t variant, uint32_t form) {
    static constexpr char const* kVerbForms[3][5] = {
        {UDPOS_VT_INF, UDPOS_VT_PAST, UDPOS_VT_PASTP, UDPOS_VT_3RD, UDPOS_VT_GER},
        {UDPOS_VI_INF, UDPOS_VI_PAST, UDPOS_VI_PASTP, UDPOS_VI_3RD, UDPOS_VI_GER},
        {UDPOS_V_INF, UDPOS_V_PAST, UDPOS_V_PASTP, UDPOS_V_3RD, UDPOS_V_GER},
    };
    switch (groupKind) {
        case 1:
            return form == 0 ? UDPOS_ADJ : "";
        case 2:
            return form == 0 ? UDPOS_ADV : "";
        case 3:
            return form == 0 ? UDPOS_N_SING : form == 1 ? UDPOS_N_PLURAL : "";
        case 4:
            return variant < 3 && form < 5 ? kVerbForms[variant][form] : "";
        case 5:
            return form == 0 ? UDPOS_CONJ : "";
        case 6:
            if (form != 0) return "";
            return variant == 0 ? UDPOS_PREPADJ : variant == 1 ? UDPOS_PREPADV : "";
        case 7:
            return form == 0 ? UDPOS_PP : "";
        default:
            return "";
    }
}

uint32_t UDByteSum(unsigned char const* bytes, std::size_t size) {
    uint32_t sum = 0;
    for (std::size_t i = 0; i < size; ++i) sum += bytes[i];
    return sum;
}

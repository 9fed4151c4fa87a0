#pragma once
// The bytes of a user dictionary file (format 3.5): constants, the header, the
// 64-byte data blocks and the part-of-speech strings stored with each entry.
// The layout, the write order and what an interrupted add leaves are
// described in doc/user-dictionary-format.md.
#include <cstddef>
#include <cstdint>

// The layer's 16-bit result codes.  Functions of this layer return them (0 is
// success); the file object throws them as bare `unsigned short` values.
enum UDErrorCode : unsigned short {
    kUDNoError = 0,
    kUDWrongVersion = 5,
    kUDMapOrIndexInvalid = 201,  // nothing lost: the caller rebuilds it from the blocks
    kUDFileCorrupt = 202,        // file too short, bad block, broken text chain
    kUDTooLong = 203,            // inflection answer or an English word too long
    kUDDuplicateGroup = 204,
    kUDBadTextLength = 206,  // translation or English empty or too long
    kUDBadInflectionAnswer = 301,
    kUDInvalidShiftJIS = 306,
    kUDBadParticle = 310,
    kUDNonASCIIEnglish = 311,
};

// The first word of every user dictionary file.
inline constexpr uint32_t mthUD = 0x2FAD0806;
inline constexpr uint32_t kUDFormatVersion = 2;

// The name every file exception of this layer carries, and the description of
// every file this system creates: the same text, by history.
inline constexpr char kUDFileName[] = "hi mom";
inline constexpr char kUDNewDescription[] = "hi mom";

// Header words, by byte offset in the header.
inline constexpr uint32_t kUDHeaderMagic = 0;
inline constexpr uint32_t kUDHeaderDescriptionOffset = 4;
inline constexpr uint32_t kUDHeaderBlockAreaOffset = 8;
inline constexpr uint32_t kUDHeaderMapOffset = 12;    // 0: no valid map on disk
inline constexpr uint32_t kUDHeaderIndexOffset = 16;  // 0: no valid index on disk
inline constexpr uint32_t kUDHeaderGroupCount = 20;
inline constexpr uint32_t kUDHeaderVersion = 24;
inline constexpr uint32_t kUDHeaderConstantOne = 28;
inline constexpr uint32_t kUDHeaderConstantZero = 32;
inline constexpr uint32_t kUDHeaderChangeCount = 36;

// Region sizes and the offsets a new file uses.
inline constexpr std::size_t kUDHeaderSize = 256;
inline constexpr std::size_t kUDDescriptionSize = 256;
inline constexpr std::size_t kUDBlockSize = 64;
inline constexpr uint32_t kUDNewDescriptionOffset = 256;
inline constexpr uint32_t kUDNewBlockAreaOffset = 512;
inline constexpr uint32_t kUDBucketCount = 4001;

// Text areas of the blocks that carry an entry's strings.
inline constexpr std::size_t kUDHeadTextSize = 32;
inline constexpr std::size_t kUDContinuationTextSize = 56;

// Longest strings of an entry, in bytes without the NUL.
inline constexpr std::size_t kUDEnglishLimit = 255;
inline constexpr std::size_t kUDPOSStringLimit = 31;
inline constexpr std::size_t kUDTranslationLimit = 1023;
inline constexpr std::size_t kUDAnswerLimit = 1039;
inline constexpr std::size_t kUDFlagsLimit = 2;
inline constexpr std::size_t kUDParticleLimit = 8;
// A reader gives up on a string still unterminated after this many bytes.
inline constexpr std::size_t kUDStringReadLimit = 1040;

// First words: UDFwStrncpy copies up to 81 bytes into a buffer of 82 (so the
// result is always terminated); writers refuse words of 80 bytes or more.
inline constexpr std::size_t kUDFirstwordLength = 81;
inline constexpr std::size_t kUDFirstwordBufferSize = kUDFirstwordLength + 1;
inline constexpr std::size_t kUDFirstwordTooLong = 80;

// ---------------------------------------------------------------------------
// Header

struct UDHeader {
    uint32_t descriptionOffset = kUDNewDescriptionOffset;
    uint32_t blockAreaOffset = kUDNewBlockAreaOffset;
    uint32_t mapOffset = 0;
    uint32_t indexOffset = 0;
    uint32_t groupCount = 0;
    uint32_t version = kUDFormatVersion;
    uint32_t changeCount = 0;
};

// Writes the 256 header bytes: the magic, the fields, the constants 1 and 0,
// and zeros everywhere else.
void EncodeUDHeader(UDHeader const& header, unsigned char* bytes);
// Reads the fields from the 256 header bytes; the magic is checked apart.
UDHeader DecodeUDHeader(unsigned char const* bytes);
bool HasUDMagic(unsigned char const* bytes);

// ---------------------------------------------------------------------------
// Blocks

// The kind of a block is the low 4 bits of its first word.
enum UDBlockKind : uint32_t {
    kUDFreeBlock = 1,
    kUDHeadBlock = 2,
    kUDContinuationBlock = 3,
};

// One data block (1 .. block count - 1).  A head carries the first 32 bytes of
// the entry's text, a continuation 56 more; a free block carries nothing.
struct dblock_t {
    uint32_t number = 0;
    UDBlockKind kind = kUDFreeBlock;
    uint32_t link = 0;  // next block of the same entry, 0 in the last
    uint32_t interactiveFreq = 0;
    uint32_t batchFreq = 0;
    uint32_t prevID = 0;  // previous entry of the group, 0 for its leader
    uint32_t nextID = 0;  // next entry of the group, 0 for its last
    unsigned char text[kUDContinuationTextSize] = {};

    // Bytes of text this kind of block carries.
    std::size_t TextSize() const {
        if (kind == kUDHeadBlock) return kUDHeadTextSize;
        if (kind == kUDContinuationBlock) return kUDContinuationTextSize;
        return 0;
    }
};

// Writes a block's 64 bytes.  Fields a kind does not have are written as zero.
void EncodeUDBlock(dblock_t const& block, unsigned char* bytes);

// Reads a block's 64 bytes (block->number is left to the caller).  Returns
// kUDFileCorrupt for a kind other than free, head or continuation, and for a
// link, previous or next ID that is neither 0 nor a block of the file
// (1 .. blockCount - 1).
unsigned short DecodeUDBlock(unsigned char const* bytes, uint32_t blockCount, dblock_t* block);

// Block 0: the block count (block 0 included) and 60 zero bytes.
void EncodeUDBlockZero(uint32_t blockCount, unsigned char* bytes);

// ---------------------------------------------------------------------------
// Part-of-speech strings of the entries

inline constexpr char UDPOS_ADJ[] = "ADJ";
inline constexpr char UDPOS_ADV[] = "ADV";
inline constexpr char UDPOS_N_SING[] = "N_SING";
inline constexpr char UDPOS_N_PLURAL[] = "N_PLURAL";
inline constexpr char UDPOS_VT_INF[] = "VT_INF";
inline constexpr char UDPOS_VT_PAST[] = "VT_PAST";
inline constexpr char UDPOS_VT_PASTP[] = "VT_PASTP";
inline constexpr char UDPOS_VT_3RD[] = "VT_3RD";
inline constexpr char UDPOS_VT_GER[] = "VT_GER";
inline constexpr char UDPOS_VI_INF[] = "VI_INF";
inline constexpr char UDPOS_VI_PAST[] = "VI_PAST";
inline constexpr char UDPOS_VI_PASTP[] = "VI_PASTP";
inline constexpr char UDPOS_VI_3RD[] = "VI_3RD";
inline constexpr char UDPOS_VI_GER[] = "VI_GER";
inline constexpr char UDPOS_V_INF[] = "V_INF";
inline constexpr char UDPOS_V_PAST[] = "V_PAST";
inline constexpr char UDPOS_V_PASTP[] = "V_PASTP";
inline constexpr char UDPOS_V_3RD[] = "V_3RD";
inline constexpr char UDPOS_V_GER[] = "V_GER";
inline constexpr char UDPOS_CONJ[] = "CONJ";
inline constexpr char UDPOS_PREPADJ[] = "PREPADJ";
inline constexpr char UDPOS_PREPADV[] = "PREPADV";
inline constexpr char UDPOS_PP[] = "PP";

// The POS string stored for form `form` of an entry group of kind `groupKind`
// (1 adjective, 2 adverb, 3 noun, 4 verb, 5 conjunction, 6 preposition,
// 7 prepositional phrase).  `variant` is the verb's transitivity (0 "VT_",
// 1 "VI_", 2 "V_") or the preposition's subtype (0 "PREPADJ", 1 "PREPADV") and
// is ignored for the other kinds.  Any other combination gives "".
char const* UDPOSString(uint32_t groupKind, uint32_t variant, uint32_t form);

// ---------------------------------------------------------------------------
// Checksums of the map and the index: a plain byte sum, wrapping around.

uint32_t UDByteSum(unsigned char const* bytes, std::size_t size);

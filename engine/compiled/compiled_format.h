#pragma once
// Byte layout of the compiled dictionary files (formats 4.0 and 5.0) and the
// encoders and decoders of every record kind; doc/compiled-format-4.0.md and
// doc/compiled-format-5.0.md describe the files.
//
// Both formats are little-endian with unaligned fields, so every number goes
// through the byte-by-byte helpers below, never through a struct image.  A
// file is a header at offset 0 followed by shared data items (strings,
// blocks, offset arrays) and records that name one another by 25-bit file
// offsets ("off25"); offset 0 means absent.  The two formats differ in a few
// places only, which CompiledFormatTraits describes; everything else is one
// code path.
//
// Encoders refuse values the format cannot hold with CorruptDictionary (the
// compiler's limits); decoders take the bytes and their length, never read
// past them, and refuse too short or impossible data with CorruptDictionary.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/semantics.h"
#include "engine/foundation/value_types.h"

using Bytes = std::vector<uint8_t>;

// ---- Little-endian numbers -------------------------------------------------

inline void PutLE16(uint8_t* out, uint16_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
}

inline void PutLE32(uint8_t* out, uint32_t value) {
    out[0] = static_cast<uint8_t>(value);
    out[1] = static_cast<uint8_t>(value >> 8);
    out[2] = static_cast<uint8_t>(value >> 16);
    out[3] = static_cast<uint8_t>(value >> 24);
}

inline uint16_t GetLE16(uint8_t const* in) { return static_cast<uint16_t>(in[0] | (in[1] << 8)); }

inline uint32_t GetLE32(uint8_t const* in) {
    return uint32_t{in[0]} | (uint32_t{in[1]} << 8) | (uint32_t{in[2]} << 16) | (uint32_t{in[3]} << 24);
}

// Bounds-checked reads over bytes that the caller owns.  Every read past the
// end throws CorruptDictionary.
class ByteView {
public:
    ByteView(uint8_t const* data, std::size_t length) : fData(data), fLength(length) {}
    explicit ByteView(Bytes const& bytes) : fData(bytes.data()), fLength(bytes.size()) {}

    std::size_t Length() const { return fLength; }
    uint8_t const* Data() const { return fData; }

    uint8_t U8(std::size_t at) const;
    uint16_t U16(std::size_t at) const;
    uint32_t U32(std::size_t at) const;
    // Throws unless `count` bytes from `at` lie inside the view.
    void Require(std::size_t at, std::size_t count) const;

private:
    uint8_t const* fData;
    std::size_t fLength;
};

// Throws CorruptDictionary with the message.
[[noreturn]] void ThrowCorruptDictionary(std::string const& message);
// The offset itself; refuses one of 2^25 or more.
uint32_t CheckedOff25(uint32_t offset);

// ---- Limits shared by both formats -----------------------------------------

// Every offset, and so every file, stays below 2^25 bytes.
constexpr uint32_t kOff25Limit = uint32_t{1} << 25;
constexpr uint32_t kOff25Mask = kOff25Limit - 1;
// Bytes of a stored string before its NUL.
constexpr std::size_t kMaxCompiledStringLength = 255;
constexpr std::size_t kMagicFieldSize = 64;
constexpr std::size_t kMagicTextLength = 36;
constexpr std::size_t kEntryRecordSize = 8;
// Readers fetch fine-POS and paraphrase records whole at this size, whatever
// their stored length.
constexpr std::size_t kMaxFinePOSRecordSize = 28;
constexpr std::size_t kMaxParaphraseRecordSize = 28;
constexpr unsigned kMaxParaphrasesPerFinePOS = 63;
constexpr uint16_t kMaxCompiledEnglishPOS = 0x7FFF;  // 15 bits
constexpr uint32_t kMaxCompiledJapanesePOS = 0x1FF;  // 9 bits
constexpr std::size_t kDomainWeightRecordSize = 6;
constexpr std::size_t kMaxDomainWeights = 255;
// Three semantic records of 46 bytes.
constexpr std::size_t kSemanticsImageSize = 138;
constexpr std::size_t kIdiomListCount = 8;
constexpr std::size_t kIdiomIndexSize = kIdiomListCount * 8;
constexpr std::size_t kIdiomItemSize = 8;

// ---- What differs between the formats ----------------------------------------

// How a fine-POS count is split over the two words of an entry record.
enum class FinePOSCountEncoding {
    // Word 1 bits 25-31 hold 0-127; word 0 bit 25 adds 127 (at most 254).
    kExtensionBitAdds127,
    // Word 0 bits 25-27 hold bits 7-9 of the count, word 1 bits 25-31 bits 0-6
    // (at most 1,023).
    kHighBitsInWord0,
};

enum class FeatureBlockLayout {
    // Three fixed NUL-padded slots: 25 bytes each (standard) or 49 (wide); a
    // reader tells them apart by the block's bytes 50-53.
    kFixedSlots,
    // 0xFF, then the three texts one after another with their NULs; blocks in
    // the standard slot layout are read as well.
    kPacked,
};

struct CompiledFormatTraits {
    char const* magicText;  // 36 characters
    uint32_t stamp;
    std::size_t headerSize;
    // 32-bit words of a stored domain set; bits past domainBitCount are 0.
    unsigned domainWords;
    // Bits of DomainIDSet that the format stores (bit n is DomainID n + 1).
    unsigned domainBitCount;
    FinePOSCountEncoding countEncoding;
    unsigned maxFinePOSCount;
    // Fine-POS record word 2 flag bits; cannotBeginAndEndBit is 0 when the
    // format does not store that flag.
    unsigned cannotBeginAndEndBit;
    unsigned successorBit;
    unsigned conjugatedFormBit;
    unsigned domainWeightsBit;
    FeatureBlockLayout featureLayout;
    // 4.0 stores a first feature text "SSSC1101110M00_" as "SSSC1101110M0__".
    bool rewritesSSSCFeature;
    // 5.0 records at header 122 where the entries end.
    bool hasEntriesEndField;
};

extern CompiledFormatTraits const kFormat40Traits;
extern CompiledFormatTraits const kFormat50Traits;

// ---- Header -----------------------------------------------------------------

struct CompiledHeader {
    uint32_t stamp = 0;
    uint16_t dictionaryID = 0;
    uint32_t entryOrderTable = 0;     // off25
    uint32_t entryCount = 0;          // terminator not counted
    uint32_t headwordEntryTable = 0;  // off25
    uint32_t headwordCount = 0;
    uint32_t idiomIndex = 0;            // off25, 0 without almighty idioms
    uint32_t headwordStringTable = 0;   // off25
    uint32_t headwordAreaStart = 0;     // off25, written and never read
    uint32_t headwordAreaEnd = 0;       // off25, written and never read
    uint32_t grammaticalFormTable = 0;  // off25
    uint32_t grammaticalFormCount = 0;
    DomainIDSet domains;
    uint32_t entriesEnd = 0;  // formats with hasEntriesEndField only
};

struct Dictionary_40Compiled_Header : CompiledHeader {
    static constexpr char kMagicCookie[] = "Quorindal E2J 4.0 CompiledDictFormat";
    static constexpr uint32_t kStamp = 9700601;
    static constexpr std::size_t kSize = 118;
};

struct Dictionary_50Compiled_Header : CompiledHeader {
    static constexpr char kMagicCookie[] = "Quorindal E2J 5.0 CompiledDictFormat";
    static constexpr uint32_t kStamp = 98052701;
    static constexpr std::size_t kSize = 126;
};

// Header offsets shared by both formats.
namespace header_offset {
constexpr std::size_t kStamp = 64;
constexpr std::size_t kDictionaryID = 68;
constexpr std::size_t kEntryOrderTable = 70;
constexpr std::size_t kEntryCount = 74;
constexpr std::size_t kHeadwordEntryTable = 78;
constexpr std::size_t kHeadwordCount = 82;
constexpr std::size_t kIdiomIndex = 86;
constexpr std::size_t kHeadwordStringTable = 90;
constexpr std::size_t kHeadwordAreaStart = 94;
constexpr std::size_t kHeadwordAreaEnd = 98;
constexpr std::size_t kGrammaticalFormTable = 102;
constexpr std::size_t kGrammaticalFormCount = 106;
constexpr std::size_t kDomainSet = 110;
constexpr std::size_t kEntriesEnd = 122;
}  // namespace header_offset

// traits.headerSize bytes: the magic text, NUL-padded to 64, and every field.
// Refuses offsets of 2^25 or more and domains the format cannot store.
Bytes EncodeCompiledHeader(CompiledHeader const& header, CompiledFormatTraits const& traits);
// Refuses, in this order: fewer bytes than the header; a magic text that
// differs in its first 36 bytes; entry-order table 0; a wrong stamp;
// headword string table 0; headword entry table 0.  Bytes 36-63 are not
// checked.
CompiledHeader DecodeCompiledHeader(ByteView bytes, CompiledFormatTraits const& traits);
// Only the first check of the above: the length and the magic text.
void CheckCompiledMagic(ByteView bytes, CompiledFormatTraits const& traits);

// ---- Domain sets --------------------------------------------------------------

// Whether every member of the set is one the format stores.
bool DomainSetFits(DomainIDSet const& set, CompiledFormatTraits const& traits);
// traits.domainWords words; refuses a set that does not fit.
Bytes EncodeDomainSet(DomainIDSet const& set, CompiledFormatTraits const& traits);
DomainIDSet DecodeDomainSet(ByteView bytes, CompiledFormatTraits const& traits);

// ---- Strings and offset arrays -------------------------------------------------

// The bytes and a NUL; refuses 256 bytes or more and a text holding a NUL.
Bytes EncodeCompiledString(std::string const& text);
// Up to the first NUL; refuses a string with no NUL inside the view or
// within 256 bytes.
std::string DecodeCompiledString(ByteView bytes);

// 32-bit values, with one 0 behind them when terminated.
Bytes EncodeOffsetArray(std::vector<uint32_t> const& offsets, bool terminated);
// `count` values.
std::vector<uint32_t> DecodeOffsetArray(ByteView bytes, std::size_t count);
// Values up to the first 0 (the 0 not included); refuses a view that ends
// before it.
std::vector<uint32_t> DecodeTerminatedOffsetArray(ByteView bytes);

// ---- Entry record (8 bytes) -----------------------------------------------------

struct CompiledEntryRecord {
    uint32_t headword = 0;      // off25 of the headword string
    uint32_t finePOSArray = 0;  // off25 of the fine-POS offset array
    uint32_t finePOSCount = 0;
};

// Refuses more fine parts of speech than traits.maxFinePOSCount.
Bytes EncodeEntryRecord(CompiledEntryRecord const& record, CompiledFormatTraits const& traits);
CompiledEntryRecord DecodeEntryRecord(ByteView bytes, CompiledFormatTraits const& traits);

// ---- Fine-POS record (20, 24 or 28 bytes) ----------------------------------------

struct CompiledFinePOSRecord {
    uint32_t entry = 0;     // off25 of the owning entry record
    uint8_t idiomType = 0;  // 0-7
    bool primed = false;
    bool quoted = false;
    bool hidden = false;
    bool altOnly = false;
    int16_t pValue = 0;
    uint32_t featureBlock = 0;  // off25
    bool cannotBegin = false;
    bool cannotEnd = false;
    bool cannotBeginAndEnd = false;  // formats that store it only
    bool hasSuccessor = false;
    bool isConjugatedForm = false;
    bool hasDomainWeights = false;
    uint16_t englishPOS = 0;      // 15 bits
    uint8_t paraphraseCount = 0;  // 0-63, 0 in a conjugated form
    // The base form's record in a conjugated form, else the paraphrase
    // offset array.
    uint32_t baseOrParaphrases = 0;
    // The weights block when hasDomainWeights (0 in a conjugated form: the
    // weights are the base form's).
    uint32_t domainWeights = 0;
    uint32_t successor = 0;  // when hasSuccessor

    // 20, plus 4 with domain weights, plus 4 with a successor.
    std::size_t Size() const { return 20 + (hasDomainWeights ? 4 : 0) + (hasSuccessor ? 4 : 0); }
};

Bytes EncodeFinePOSRecord(CompiledFinePOSRecord const& record, CompiledFormatTraits const& traits);
// Reads only the words the flags declare present.
CompiledFinePOSRecord DecodeFinePOSRecord(ByteView bytes, CompiledFormatTraits const& traits);

// ---- Paraphrase record (16 to 28 bytes; same in both formats) --------------------

struct CompiledParaphraseRecord {
    int32_t paraID = 0;
    uint32_t finePOS = 0;  // off25 of the owning fine-POS record
    uint32_t cooked = 0;   // off25 of the cooked translation string
    int16_t pValue = 0;
    uint16_t transPOS = 0;  // 9 bits
    uint8_t theyType = 0;   // 2 bits
    bool altOnly = false;
    // Optional items, 0 when absent.
    uint32_t semantics = 0;
    uint32_t transplant = 0;
    uint32_t domainSet = 0;

    // 16 plus 4 per optional item present.
    std::size_t Size() const {
        return 16 + (semantics != 0 ? 4 : 0) + (transplant != 0 ? 4 : 0) + (domainSet != 0 ? 4 : 0);
    }
};

Bytes EncodeParaphraseRecord(CompiledParaphraseRecord const& record);
CompiledParaphraseRecord DecodeParaphraseRecord(ByteView bytes);

// ---- Feature-set block --------------------------------------------------------------

// Slot sizes of the fixed layout.
constexpr std::size_t kStandardFeatureSlot = 25;
constexpr std::size_t kWideFeatureSlot = 49;
constexpr std::size_t kStandardFeatureBlockSize = 3 * kStandardFeatureSlot;  // 75
constexpr std::size_t kWideFeatureBlockSize = 3 * kWideFeatureSlot;          // 147
// Where a reader looks to tell the fixed layouts apart.
constexpr std::size_t kFeatureLayoutProbe = 50;
constexpr uint8_t kPackedFeatureMark = 0xFF;
// The most a packed block can hold: the mark and three texts of at most 100
// characters with their NULs.
constexpr std::size_t kMaxFeatureTextLength = 100;
constexpr std::size_t kPackedFeatureWindow = 1 + 3 * (kMaxFeatureTextLength + 1);  // 304

// The sets as the format stores them (4.0 rewrites the SSSC text).
FeatureSets_E_Source StoredFeatureSets(FeatureSets_E_Source const& sets, CompiledFormatTraits const& traits);
// The block in which a reader finds the stored sets again.  Fixed slots: the
// wide layout first when preferWide, else the standard one; when the sets do
// not fit a layout, or the reader's layout test would take the block for the
// other layout, the other one is tried; neither: CorruptDictionary.
Bytes EncodeFeatureBlock(FeatureSets_E_Source const& sets, CompiledFormatTraits const& traits, bool preferWide);
// As a reader does: packed when it begins with 0xFF (packed formats only);
// else standard when bytes 50-53 are "____", wide otherwise.
FeatureSets_E_Source DecodeFeatureBlock(ByteView bytes, CompiledFormatTraits const& traits);

// ---- Domain-weights block ------------------------------------------------------------

// A count byte, then 6 bytes per record (domain, weight); refuses no weights
// and more than 255.
Bytes EncodeDomainWeights(std::vector<DomainWeightInfoRecord> const& weights);
std::vector<DomainWeightInfoRecord> DecodeDomainWeights(ByteView bytes);

// ---- Semantics block -----------------------------------------------------------------

// True when every record has no flag, no first atom and no first name: such
// semantics are not stored.
bool IsStoredSemanticsBlank(Dict_Semantics_E_Source const& semantics);
// The 138-byte image (three 46-byte records, everything outside the fields 0).
std::array<uint8_t, kSemanticsImageSize> SemanticsImage(Dict_Semantics_E_Source const& semantics);
// How many leading bytes of the image are stored.
std::size_t StoredSemanticsLength(uint8_t const* image);
// The stored bytes; empty when the semantics are blank.
Bytes EncodeSemanticsBlock(Dict_Semantics_E_Source const& semantics);
// Reads at most 138 bytes and uses only the stored length: whatever follows
// it in the file means nothing.  Records 1 and 2 are blank when record 0 is
// one-slot.
Dict_Semantics_E_Source DecodeSemanticsBlock(ByteView bytes);

// ---- Almighty-idiom index --------------------------------------------------------------

struct IdiomListHeader {
    uint32_t list = 0;  // offset of the items
    uint32_t count = 0;
};

struct IdiomListItem {
    uint32_t text = 0;      // offset of the idiom's string
    uint32_t position = 0;  // byte of the punctuation inside it
};

using IdiomIndex = std::array<IdiomListHeader, kIdiomListCount>;

Bytes EncodeIdiomIndex(IdiomIndex const& index);
IdiomIndex DecodeIdiomIndex(ByteView bytes);
Bytes EncodeIdiomList(std::vector<IdiomListItem> const& items);
std::vector<IdiomListItem> DecodeIdiomList(ByteView bytes, std::size_t count);

// Header, strings, offset arrays and the record kinds of the compiled
// dictionary formats.  The blocks (feature sets, weights, semantics, domain
// sets) are in compiled_format_blocks.cpp.
#include "engine/compiled/compiled_format.h"

#include <cstring>

#include "engine/foundation/file_errors.h"

CompiledFormatTraits const kFormat40Traits = {
    Dictionary_40Compiled_Header::kMagicCookie,
    Dictionary_40Compiled_Header::kStamp,
    Dictionary_40Compiled_Header::kSize,
    /*domainWords=*/2,
    /*domainBitCount=*/58,
    FinePOSCountEncoding::kExtensionBitAdds127,
    /*maxFinePOSCount=*/254,
    /*cannotBeginAndEndBit=*/0,
    /*successorBit=*/27,
    /*conjugatedFormBit=*/28,
    /*domainWeightsBit=*/29,
    FeatureBlockLayout::kFixedSlots,
    /*rewritesSSSCFeature=*/true,
    /*hasEntriesEndField=*/false,
};

CompiledFormatTraits const kFormat50Traits = {
    Dictionary_50Compiled_Header::kMagicCookie,
    Dictionary_50Compiled_Header::kStamp,
    Dictionary_50Compiled_Header::kSize,
    /*domainWords=*/3,
    /*domainBitCount=*/80,
    FinePOSCountEncoding::kHighBitsInWord0,
    /*maxFinePOSCount=*/1023,
    /*cannotBeginAndEndBit=*/27,
    /*successorBit=*/28,
    /*conjugatedFormBit=*/29,
    /*domainWeightsBit=*/30,
    FeatureBlockLayout::kPacked,
    /*rewritesSSSCFeature=*/false,
    /*hasEntriesEndField=*/true,
};

void ThrowCorruptDictionary(std::string const& message) { throw CorruptDictionary(message.c_str()); }

uint32_t CheckedOff25(uint32_t offset) {
    if (offset >= kOff25Limit) ThrowCorruptDictionary("compiled dictionary: offset beyond 2^25 bytes");
    return offset;
}

// ---- ByteView ------------------------------------------------------------------

void ByteView::Require(std::size_t at, std::size_t count) const {
    if (at > fLength || count > fLength - at)
        ThrowCorruptDictionary("compiled dictionary: record runs past the end of its data");
}

uint8_t ByteView::U8(std::size_t at) const {
    Require(at, 1);
    return fData[at];
}

uint16_t ByteView::U16(std::size_t at) const {
    Require(at, 2);
    return GetLE16(fData + at);
}

uint32_t ByteView::U32(std::size_t at) const {
    Require(at, 4);
    return GetLE32(fData + at);
}

namespace {

uint32_t Bit(bool on, unsigned position) { return on ? uint32_t{1} << position : 0; }
bool TestBit(uint32_t word, unsigned position) { return ((word >> position) & 1) != 0; }

void PutWord(Bytes* out, std::size_t word, uint32_t value) { PutLE32(out->data() + 4 * word, value); }

}  // namespace

// ---- Header -----------------------------------------------------------------------

Bytes EncodeCompiledHeader(CompiledHeader const& header, CompiledFormatTraits const& traits) {
    namespace at = header_offset;
    Bytes bytes(traits.headerSize, 0);
    std::memcpy(bytes.data(), traits.magicText, kMagicTextLength);
    PutLE32(&bytes[at::kStamp], traits.stamp);
    PutLE16(&bytes[at::kDictionaryID], header.dictionaryID);
    PutLE32(&bytes[at::kEntryOrderTable], CheckedOff25(header.entryOrderTable));
    PutLE32(&bytes[at::kEntryCount], header.entryCount);
    PutLE32(&bytes[at::kHeadwordEntryTable], CheckedOff25(header.headwordEntryTable));
    PutLE32(&bytes[at::kHeadwordCount], header.headwordCount);
    PutLE32(&bytes[at::kIdiomIndex], CheckedOff25(header.idiomIndex));
    PutLE32(&bytes[at::kHeadwordStringTable], CheckedOff25(header.headwordStringTable));
    PutLE32(&bytes[at::kHeadwordAreaStart], CheckedOff25(header.headwordAreaStart));
    PutLE32(&bytes[at::kHeadwordAreaEnd], CheckedOff25(header.headwordAreaEnd));
    PutLE32(&bytes[at::kGrammaticalFormTable], CheckedOff25(header.grammaticalFormTable));
    PutLE32(&bytes[at::kGrammaticalFormCount], header.grammaticalFormCount);
    Bytes const domains = EncodeDomainSet(header.domains, traits);
    std::memcpy(&bytes[at::kDomainSet], domains.data(), domains.size());
    if (traits.hasEntriesEndField) PutLE32(&bytes[at::kEntriesEnd], header.entriesEnd);
    return bytes;
}

void CheckCompiledMagic(ByteView bytes, CompiledFormatTraits const& traits) {
    if (bytes.Length() < traits.headerSize) ThrowCorruptDictionary("compiled dictionary: file shorter than its header");
    if (std::memcmp(bytes.Data(), traits.magicText, kMagicTextLength) != 0)
        ThrowCorruptDictionary("compiled dictionary: wrong magic text");
}

CompiledHeader DecodeCompiledHeader(ByteView bytes, CompiledFormatTraits const& traits) {
    namespace at = header_offset;
    CheckCompiledMagic(bytes, traits);
    CompiledHeader header;
    header.entryOrderTable = bytes.U32(at::kEntryOrderTable) & kOff25Mask;
    if (header.entryOrderTable == 0) ThrowCorruptDictionary("compiled dictionary: no entry-order table");
    header.stamp = bytes.U32(at::kStamp);
    if (header.stamp != traits.stamp) ThrowCorruptDictionary("compiled dictionary: wrong format stamp");
    header.headwordStringTable = bytes.U32(at::kHeadwordStringTable) & kOff25Mask;
    if (header.headwordStringTable == 0) ThrowCorruptDictionary("compiled dictionary: no headword string table");
    header.headwordEntryTable = bytes.U32(at::kHeadwordEntryTable) & kOff25Mask;
    if (header.headwordEntryTable == 0) ThrowCorruptDictionary("compiled dictionary: no headword entry table");
    header.dictionaryID = bytes.U16(at::kDictionaryID);
    header.entryCount = bytes.U32(at::kEntryCount);
    header.headwordCount = bytes.U32(at::kHeadwordCount);
    header.idiomIndex = bytes.U32(at::kIdiomIndex) & kOff25Mask;
    header.headwordAreaStart = bytes.U32(at::kHeadwordAreaStart) & kOff25Mask;
    header.headwordAreaEnd = bytes.U32(at::kHeadwordAreaEnd) & kOff25Mask;
    header.grammaticalFormTable = bytes.U32(at::kGrammaticalFormTable) & kOff25Mask;
    header.grammaticalFormCount = bytes.U32(at::kGrammaticalFormCount);
    header.domains = DecodeDomainSet(ByteView(bytes.Data() + at::kDomainSet, 4 * traits.domainWords), traits);
    if (traits.hasEntriesEndField) header.entriesEnd = bytes.U32(at::kEntriesEnd);
    return header;
}

// ---- Strings and offset arrays --------------------------------------------------------

Bytes EncodeCompiledString(std::string const& text) {
    if (text.size() > kMaxCompiledStringLength)
        ThrowCorruptDictionary("compiled dictionary: string of 256 bytes or more: " + text.substr(0, 40));
    if (text.find('\0') != std::string::npos) ThrowCorruptDictionary("compiled dictionary: string holding a NUL byte");
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::string DecodeCompiledString(ByteView bytes) {
    std::size_t const limit = std::min(bytes.Length(), kMaxCompiledStringLength + 1);
    for (std::size_t i = 0; i < limit; ++i) {
        if (bytes.Data()[i] == 0) return std::string(reinterpret_cast<char const*>(bytes.Data()), i);
    }
    ThrowCorruptDictionary("compiled dictionary: string without its NUL");
}

Bytes EncodeOffsetArray(std::vector<uint32_t> const& offsets, bool terminated) {
    Bytes bytes(4 * (offsets.size() + (terminated ? 1 : 0)), 0);
    for (std::size_t i = 0; i < offsets.size(); ++i) PutWord(&bytes, i, offsets[i]);
    return bytes;
}

std::vector<uint32_t> DecodeOffsetArray(ByteView bytes, std::size_t count) {
    bytes.Require(0, 4 * count);
    std::vector<uint32_t> offsets(count);
    for (std::size_t i = 0; i < count; ++i) offsets[i] = bytes.U32(4 * i);
    return offsets;
}

std::vector<uint32_t> DecodeTerminatedOffsetArray(ByteView bytes) {
    std::vector<uint32_t> offsets;
    for (std::size_t at = 0;; at += 4) {
        uint32_t const value = bytes.U32(at);
        if (value == 0) return offsets;
        offsets.push_back(value);
    }
}

// ---- Entry record --------------------------------------------------------------------

Bytes EncodeEntryRecord(CompiledEntryRecord const& record, CompiledFormatTraits const& traits) {
    uint32_t const count = record.finePOSCount;
    if (count > traits.maxFinePOSCount)
        ThrowCorruptDictionary("compiled dictionary: too many fine parts of speech in one entry");
    uint32_t word0 = CheckedOff25(record.headword);
    uint32_t low = count;
    if (traits.countEncoding == FinePOSCountEncoding::kExtensionBitAdds127) {
        if (count > 127) {
            word0 |= Bit(true, 25);
            low = count - 127;
        }
    } else {
        word0 |= (count >> 7) << 25;
        low = count & 0x7F;
    }
    Bytes bytes(kEntryRecordSize, 0);
    PutWord(&bytes, 0, word0);
    PutWord(&bytes, 1, CheckedOff25(record.finePOSArray) | (low << 25));
    return bytes;
}

CompiledEntryRecord DecodeEntryRecord(ByteView bytes, CompiledFormatTraits const& traits) {
    uint32_t const word0 = bytes.U32(0);
    uint32_t const word1 = bytes.U32(4);
    CompiledEntryRecord record;
    record.headword = word0 & kOff25Mask;
    record.finePOSArray = word1 & kOff25Mask;
    uint32_t const low = word1 >> 25;
    if (traits.countEncoding == FinePOSCountEncoding::kExtensionBitAdds127)
        record.finePOSCount = low + (TestBit(word0, 25) ? 127 : 0);
    else
        record.finePOSCount = ((word0 >> 25) & 0x7) * 128 + low;
    return record;
}

// ---- Fine-POS record ---------------------------------------------------------------------

Bytes EncodeFinePOSRecord(CompiledFinePOSRecord const& record, CompiledFormatTraits const& traits) {
    if (record.idiomType > 7 || record.englishPOS > kMaxCompiledEnglishPOS ||
        record.paraphraseCount > kMaxParaphrasesPerFinePOS)
        ThrowCorruptDictionary("compiled dictionary: fine part of speech field out of range");
    Bytes bytes(record.Size(), 0);
    PutWord(&bytes, 0,
            CheckedOff25(record.entry) | (uint32_t{record.idiomType} << 25) | Bit(record.primed, 28) |
                Bit(record.quoted, 29) | Bit(record.hidden, 30) | Bit(record.altOnly, 31));
    PutWord(&bytes, 1, static_cast<uint16_t>(record.pValue));
    uint32_t word2 = CheckedOff25(record.featureBlock) | Bit(record.cannotBegin, 25) | Bit(record.cannotEnd, 26) |
                     Bit(record.hasSuccessor, traits.successorBit) |
                     Bit(record.isConjugatedForm, traits.conjugatedFormBit) |
                     Bit(record.hasDomainWeights, traits.domainWeightsBit);
    if (traits.cannotBeginAndEndBit != 0) word2 |= Bit(record.cannotBeginAndEnd, traits.cannotBeginAndEndBit);
    PutWord(&bytes, 2, word2);
    PutWord(&bytes, 3, uint32_t{record.englishPOS} | (uint32_t{record.paraphraseCount} << 15));
    PutWord(&bytes, 4, CheckedOff25(record.baseOrParaphrases));
    std::size_t word = 5;
    if (record.hasDomainWeights) PutWord(&bytes, word++, CheckedOff25(record.domainWeights));
    if (record.hasSuccessor) PutWord(&bytes, word, CheckedOff25(record.successor));
    return bytes;
}

CompiledFinePOSRecord DecodeFinePOSRecord(ByteView bytes, CompiledFormatTraits const& traits) {
    uint32_t const word0 = bytes.U32(0);
    uint32_t const word2 = bytes.U32(8);
    uint32_t const word3 = bytes.U32(12);
    CompiledFinePOSRecord record;
    record.entry = word0 & kOff25Mask;
    record.idiomType = static_cast<uint8_t>((word0 >> 25) & 0x7);
    record.primed = TestBit(word0, 28);
    record.quoted = TestBit(word0, 29);
    record.hidden = TestBit(word0, 30);
    record.altOnly = TestBit(word0, 31);
    record.pValue = static_cast<int16_t>(bytes.U16(4));
    record.featureBlock = word2 & kOff25Mask;
    record.cannotBegin = TestBit(word2, 25);
    record.cannotEnd = TestBit(word2, 26);
    record.cannotBeginAndEnd = traits.cannotBeginAndEndBit != 0 && TestBit(word2, traits.cannotBeginAndEndBit);
    record.hasSuccessor = TestBit(word2, traits.successorBit);
    record.isConjugatedForm = TestBit(word2, traits.conjugatedFormBit);
    record.hasDomainWeights = TestBit(word2, traits.domainWeightsBit);
    record.englishPOS = static_cast<uint16_t>(word3 & kMaxCompiledEnglishPOS);
    record.paraphraseCount = static_cast<uint8_t>((word3 >> 15) & 0x3F);
    record.baseOrParaphrases = bytes.U32(16);
    std::size_t at = 20;
    if (record.hasDomainWeights) {
        record.domainWeights = bytes.U32(at);
        at += 4;
    }
    if (record.hasSuccessor) record.successor = bytes.U32(at);
    return record;
}

// ---- Paraphrase record --------------------------------------------------------------------

Bytes EncodeParaphraseRecord(CompiledParaphraseRecord const& record) {
    if (record.transPOS > kMaxCompiledJapanesePOS || record.theyType > 3)
        ThrowCorruptDictionary("compiled dictionary: paraphrase field out of range");
    Bytes bytes(record.Size(), 0);
    PutWord(&bytes, 0, static_cast<uint32_t>(record.paraID));
    PutWord(&bytes, 1, CheckedOff25(record.finePOS));
    PutWord(&bytes, 2,
            CheckedOff25(record.cooked) | Bit(record.semantics != 0, 25) | Bit(record.transplant != 0, 26) |
                Bit(record.domainSet != 0, 27));
    PutWord(&bytes, 3,
            uint32_t{static_cast<uint16_t>(record.pValue)} | (uint32_t{record.transPOS} << 16) |
                (uint32_t{record.theyType} << 25) | Bit(record.altOnly, 27));
    std::size_t word = 4;
    for (uint32_t optional : {record.semantics, record.transplant, record.domainSet}) {
        if (optional != 0) PutWord(&bytes, word++, CheckedOff25(optional));
    }
    return bytes;
}

CompiledParaphraseRecord DecodeParaphraseRecord(ByteView bytes) {
    uint32_t const word2 = bytes.U32(8);
    uint32_t const word3 = bytes.U32(12);
    CompiledParaphraseRecord record;
    record.paraID = static_cast<int32_t>(bytes.U32(0));
    record.finePOS = bytes.U32(4) & kOff25Mask;
    record.cooked = word2 & kOff25Mask;
    record.pValue = static_cast<int16_t>(word3 & 0xFFFF);
    record.transPOS = static_cast<uint16_t>((word3 >> 16) & kMaxCompiledJapanesePOS);
    record.theyType = static_cast<uint8_t>((word3 >> 25) & 0x3);
    record.altOnly = TestBit(word3, 27);
    std::size_t at = 16;
    for (auto [bit, field] :
         {std::pair<unsigned, uint32_t*>{25, &record.semantics}, {26, &record.transplant}, {27, &record.domainSet}}) {
        if (TestBit(word2, bit)) {
            *field = bytes.U32(at) & kOff25Mask;
            at += 4;
        }
    }
    return record;
}

// ---- Almighty-idiom index ----------------------------------------------------------------------

Bytes EncodeIdiomIndex(IdiomIndex const& index) {
    Bytes bytes(kIdiomIndexSize, 0);
    for (std::size_t tag = 0; tag < kIdiomListCount; ++tag) {
        PutWord(&bytes, 2 * tag, CheckedOff25(index[tag].list));
        PutWord(&bytes, 2 * tag + 1, index[tag].count);
    }
    return bytes;
}

IdiomIndex DecodeIdiomIndex(ByteView bytes) {
    IdiomIndex index;
    for (std::size_t tag = 0; tag < kIdiomListCount; ++tag) {
        index[tag].list = bytes.U32(8 * tag);
        index[tag].count = bytes.U32(8 * tag + 4);
    }
    return index;
}

Bytes EncodeIdiomList(std::vector<IdiomListItem> const& items) {
    Bytes bytes(kIdiomItemSize * items.size(), 0);
    for (std::size_t i = 0; i < items.size(); ++i) {
        PutWord(&bytes, 2 * i, CheckedOff25(items[i].text));
        PutWord(&bytes, 2 * i + 1, items[i].position);
    }
    return bytes;
}

std::vector<IdiomListItem> DecodeIdiomList(ByteView bytes, std::size_t count) {
    bytes.Require(0, kIdiomItemSize * count);
    std::vector<IdiomListItem> items(count);
    for (std::size_t i = 0; i < count; ++i) {
        items[i].text = bytes.U32(8 * i);
        items[i].position = bytes.U32(8 * i + 4);
    }
    return items;
}

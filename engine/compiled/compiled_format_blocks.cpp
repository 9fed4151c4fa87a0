// The shared blocks of the compiled dictionary formats: domain sets, feature
// sets, domain weights and semantics.
#include <cstring>

#include "engine/compiled/compiled_format.h"
#include "engine/foundation/file_errors.h"

namespace {

// The first feature text that format 4.0 stores with its byte 13 made '_'.
constexpr char kSSSCFeature[] = "SSSC1101110M00_";
constexpr std::size_t kSSSCRewrittenByte = 13;
constexpr char kStandardLayoutMark[] = "____";

std::string BoundedText(uint8_t const* bytes, std::size_t size) {
    auto const* text = reinterpret_cast<char const*>(bytes);
    return std::string(text, strnlen(text, size));
}

// ---- Domain sets ----

// Bit n of the set's words stands for DomainID n + 1.
bool HasBit(DomainIDSet const& set, unsigned bit) { return set.Contains(static_cast<DomainID>(bit + 1)); }

// ---- Feature sets ----

// The three texts in fixed slots of `slot` bytes; empty when one does not fit
// with its NUL.
Bytes FixedSlotBlock(FeatureSets_E_Source const& sets, std::size_t slot) {
    Bytes block(3 * slot, 0);
    for (unsigned i = 0; i < 3; ++i) {
        std::size_t const length = std::strlen(sets.GetSet(i));
        if (length + 1 > slot) return {};
        std::memcpy(&block[i * slot], sets.GetSet(i), length);
    }
    return block;
}

FeatureSets_E_Source DecodeFixedSlots(ByteView bytes, std::size_t slot) {
    bytes.Require(0, 3 * slot);
    FeatureSets_E_Source sets;
    for (unsigned i = 0; i < 3; ++i) sets.SetSet(i, BoundedText(bytes.Data() + i * slot, slot).c_str());
    return sets;
}

Bytes PackedBlock(FeatureSets_E_Source const& sets) {
    Bytes block{kPackedFeatureMark};
    for (unsigned i = 0; i < 3; ++i) {
        char const* text = sets.GetSet(i);
        block.insert(block.end(), text, text + std::strlen(text) + 1);
    }
    return block;
}

FeatureSets_E_Source DecodePacked(ByteView bytes) {
    FeatureSets_E_Source sets;
    std::size_t at = 1;
    for (unsigned i = 0; i < 3; ++i) {
        std::size_t end = at;
        while (bytes.U8(end) != 0) ++end;
        sets.SetSet(i, std::string(reinterpret_cast<char const*>(bytes.Data() + at), end - at).c_str());
        at = end + 1;
    }
    return sets;
}

bool StartsWithStandardMark(ByteView bytes) {
    return bytes.Length() >= kFeatureLayoutProbe + 4 &&
           std::memcmp(bytes.Data() + kFeatureLayoutProbe, kStandardLayoutMark, 4) == 0;
}

// ---- Semantics ----

constexpr std::size_t kSemanticRecordSize = 46;
constexpr std::size_t kAtomsAt = 2;
constexpr std::size_t kFirstNameAt = 22;
constexpr std::size_t kSecondNameAt = 34;

void PutSemanticRecord(SemanticRecord const& record, uint8_t* out) {
    PutLE16(out, static_cast<uint16_t>(record.flags & SemanticRecord::kValueFlags));
    unsigned const atoms = record.AtomCount();
    for (unsigned i = 0; i < atoms; ++i) PutLE16(out + kAtomsAt + 2 * i, record.atoms[i]);
    std::size_t const firstLength = record.NameLength(0);
    if (firstLength == 0) return;
    std::memcpy(out + kFirstNameAt, record.names[0], firstLength);
    std::memcpy(out + kSecondNameAt, record.names[1], record.NameLength(1));
}

SemanticRecord GetSemanticRecord(uint8_t const* in) {
    SemanticRecord record;
    record.flags = static_cast<uint16_t>(GetLE16(in) & SemanticRecord::kValueFlags);
    for (unsigned i = 0; i < SemanticRecord::kMaxAtoms; ++i) {
        uint16_t const atom = GetLE16(in + kAtomsAt + 2 * i);
        if (atom == 0) break;
        record.atoms[i] = atom;
    }
    std::size_t const firstLength =
        strnlen(reinterpret_cast<char const*>(in + kFirstNameAt), SemanticRecord::kNameSize);
    if (firstLength == 0) return record;
    std::memcpy(record.names[0], in + kFirstNameAt, firstLength);
    std::memcpy(record.names[1], in + kSecondNameAt,
                strnlen(reinterpret_cast<char const*>(in + kSecondNameAt), SemanticRecord::kNameSize));
    return record;
}

// Stored bytes of one record image: up to its first name when that is
// empty, whole when the second name fills its field, else up to the second
// name's NUL.
std::size_t MeasureSemanticRecord(uint8_t const* record) {
    if (record[kFirstNameAt] == 0) return kFirstNameAt + 1;
    if (record[kSemanticRecordSize - 1] != 0) return kSemanticRecordSize;
    return kSecondNameAt + 1 +
           strnlen(reinterpret_cast<char const*>(record + kSecondNameAt), SemanticRecord::kNameSize);
}

}  // namespace

namespace {

// Whether a reader, seeing only the block, finds the sets in it; a reader
// that takes it for the wide layout reads past a standard block's end.
bool ReadsBackAs(Bytes const& block, CompiledFormatTraits const& traits, FeatureSets_E_Source const& sets) {
    try {
        return DecodeFeatureBlock(ByteView(block), traits) == sets;
    } catch (CorruptDictionary const&) {
        return false;
    }
}

}  // namespace

// ---- Domain sets -------------------------------------------------------------------

bool DomainSetFits(DomainIDSet const& set, CompiledFormatTraits const& traits) {
    for (unsigned bit = traits.domainBitCount; bit < kDomainCount; ++bit) {
        if (HasBit(set, bit)) return false;
    }
    return true;
}

Bytes EncodeDomainSet(DomainIDSet const& set, CompiledFormatTraits const& traits) {
    if (!DomainSetFits(set, traits)) ThrowCorruptDictionary("compiled dictionary: domain the format cannot store");
    Bytes bytes(4 * traits.domainWords, 0);
    for (unsigned bit = 0; bit < traits.domainBitCount; ++bit) {
        if (HasBit(set, bit)) bytes[bit / 8] = static_cast<uint8_t>(bytes[bit / 8] | (1u << (bit % 8)));
    }
    return bytes;
}

DomainIDSet DecodeDomainSet(ByteView bytes, CompiledFormatTraits const& traits) {
    bytes.Require(0, 4 * traits.domainWords);
    DomainIDSet set;
    for (unsigned bit = 0; bit < traits.domainBitCount; ++bit) {
        if ((bytes.Data()[bit / 8] >> (bit % 8)) & 1) set.Set(static_cast<DomainID>(bit + 1));
    }
    return set;
}

// ---- Feature sets ------------------------------------------------------------------

FeatureSets_E_Source StoredFeatureSets(FeatureSets_E_Source const& sets, CompiledFormatTraits const& traits) {
    FeatureSets_E_Source stored = sets;
    if (traits.rewritesSSSCFeature && std::strcmp(stored.sets[0], kSSSCFeature) == 0)
        stored.sets[0][kSSSCRewrittenByte] = '_';
    return stored;
}

Bytes EncodeFeatureBlock(FeatureSets_E_Source const& sets, CompiledFormatTraits const& traits, bool preferWide) {
    FeatureSets_E_Source const stored = StoredFeatureSets(sets, traits);
    if (traits.featureLayout == FeatureBlockLayout::kPacked) return PackedBlock(stored);
    std::size_t const first = preferWide ? kWideFeatureSlot : kStandardFeatureSlot;
    std::size_t const second = preferWide ? kStandardFeatureSlot : kWideFeatureSlot;
    for (std::size_t slot : {first, second}) {
        Bytes block = FixedSlotBlock(stored, slot);
        if (!block.empty() && ReadsBackAs(block, traits, stored)) return block;
    }
    ThrowCorruptDictionary(std::string("compiled dictionary: feature sets that no layout stores: ") + sets.GetSet(0) +
                           " / " + sets.GetSet(1) + " / " + sets.GetSet(2));
}

FeatureSets_E_Source DecodeFeatureBlock(ByteView bytes, CompiledFormatTraits const& traits) {
    if (traits.featureLayout == FeatureBlockLayout::kPacked) {
        if (bytes.U8(0) == kPackedFeatureMark) return DecodePacked(bytes);
        return DecodeFixedSlots(bytes, kStandardFeatureSlot);
    }
    if (StartsWithStandardMark(bytes)) return DecodeFixedSlots(bytes, kStandardFeatureSlot);
    return DecodeFixedSlots(bytes, kWideFeatureSlot);
}

// ---- Domain weights ----------------------------------------------------------------

Bytes EncodeDomainWeights(std::vector<DomainWeightInfoRecord> const& weights) {
    if (weights.empty() || weights.size() > kMaxDomainWeights)
        ThrowCorruptDictionary("compiled dictionary: domain weights must number 1 to 255");
    Bytes bytes(1 + kDomainWeightRecordSize * weights.size(), 0);
    bytes[0] = static_cast<uint8_t>(weights.size());
    for (std::size_t i = 0; i < weights.size(); ++i) {
        uint8_t* out = &bytes[1 + kDomainWeightRecordSize * i];
        PutLE32(out, weights[i].domain);
        PutLE16(out + 4, weights[i].weight);
    }
    return bytes;
}

std::vector<DomainWeightInfoRecord> DecodeDomainWeights(ByteView bytes) {
    std::size_t const count = bytes.U8(0);
    bytes.Require(1, kDomainWeightRecordSize * count);
    std::vector<DomainWeightInfoRecord> weights(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::size_t const at = 1 + kDomainWeightRecordSize * i;
        weights[i].domain = static_cast<DomainID>(bytes.U32(at));
        weights[i].weight = bytes.U16(at + 4);
    }
    return weights;
}

// ---- Semantics ---------------------------------------------------------------------

bool IsStoredSemanticsBlank(Dict_Semantics_E_Source const& semantics) {
    for (SemanticRecord const& record : semantics.records) {
        if ((record.flags & SemanticRecord::kValueFlags) != 0 || record.atoms[0] != 0 || record.NameLength(0) != 0)
            return false;
    }
    return true;
}

std::array<uint8_t, kSemanticsImageSize> SemanticsImage(Dict_Semantics_E_Source const& semantics) {
    std::array<uint8_t, kSemanticsImageSize> image{};
    for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i)
        PutSemanticRecord(semantics.records[i], image.data() + i * kSemanticRecordSize);
    return image;
}

std::size_t StoredSemanticsLength(uint8_t const* image) {
    if ((image[0] & SemanticRecord::kOneSlot) != 0) return MeasureSemanticRecord(image);
    return 2 * kSemanticRecordSize + MeasureSemanticRecord(image + 2 * kSemanticRecordSize);
}

Bytes EncodeSemanticsBlock(Dict_Semantics_E_Source const& semantics) {
    if (IsStoredSemanticsBlank(semantics)) return {};
    auto const image = SemanticsImage(semantics);
    return Bytes(image.begin(), image.begin() + StoredSemanticsLength(image.data()));
}

Dict_Semantics_E_Source DecodeSemanticsBlock(ByteView bytes) {
    std::array<uint8_t, kSemanticsImageSize> image{};
    std::size_t const available = std::min(bytes.Length(), kSemanticsImageSize);
    std::memcpy(image.data(), bytes.Data(), available);
    // What lies past the stored length belongs to the next item in the file.
    std::size_t const stored = StoredSemanticsLength(image.data());
    if (stored > available)
        ThrowCorruptDictionary("compiled dictionary: semantics block runs past the end of its data");
    std::fill(image.begin() + stored, image.end(), 0);
    Dict_Semantics_E_Source semantics;
    for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i)
        semantics.records[i] = GetSemanticRecord(image.data() + i * kSemanticRecordSize);
    if (semantics.records[0].IsOneSlot()) {
        semantics.records[1].Clear();
        semantics.records[2].Clear();
    }
    return semantics;
}

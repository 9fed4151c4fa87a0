// Feature tests, unification and settings over the parser's feature
// vectors, and the vectors of dictionary readings.
#include "engine/parse/parser_features.h"

#include <algorithm>
#include <cstring>

#include "engine/foundation/feature_bits.h"
#include "engine/foundation/free_features_database.h"
#include "engine/parse/grammar_tables.h"
#include "engine/parse/parse_chart.h"
#include "engine/parse/pos_setting.h"

namespace {

constexpr uint16_t kHasRequired = 0x100;
constexpr uint16_t kHasForbidden = 0x200;

// Fields of a feature operation: flag << 15 | style << 12 | opcode << 7 |
// first slot << 5 | 0x000C | second slot.
enum OperandStyle : unsigned { kUnify = 1, kFromLeft = 2, kFromRight = 3, kFromRegister = 4 };
enum OpCode : unsigned { kNumber = 1, kAnd = 2, kEqual = 3 };

unsigned StyleOf(uint16_t op) { return (op >> 12) & 7u; }
unsigned CodeOf(uint16_t op) { return (op >> 7) & 31u; }
unsigned FirstOf(uint16_t op) { return (op >> 5) & 3u; }
unsigned SecondOf(uint16_t op) { return op & 3u; }

// A test or setting record taken apart.
struct BitRecord {
    uint16_t set = 0;
    uint16_t const* required = nullptr;
    uint16_t const* forbidden = nullptr;
};

bool ReadBitRecord(uint16_t index, BitRecord& record) {
    uint16_t const* words = FeatureBitRecord(index);
    if (words == nullptr) return false;
    record.set = words[0] & 0xFF;
    if (record.set >= kFeatSets_SIZE) return false;
    unsigned const size = SetWordCount(record.set);
    unsigned next = 1;
    unsigned const needed = 1 + ((words[0] & kHasRequired) ? size : 0) + ((words[0] & kHasForbidden) ? size : 0);
    if (index * 4u + needed > kFeatureBitHeapCount) return false;
    if (words[0] & kHasRequired) {
        record.required = words + next;
        next += size;
    }
    if (words[0] & kHasForbidden) record.forbidden = words + next;
    return true;
}

// One slot against one test; `requiredOnly` for the fuzzy test.
bool SlotPasses(uint16_t testIndex, FeatureSlot const& slot, bool requiredOnly) {
    BitRecord test;
    if (!ReadBitRecord(testIndex, test)) return false;
    if (test.set != slot.set) return false;
    if (test.set == kFreeFeatureSet) {
        if (test.required == nullptr) return true;
        return requiredOnly ? (slot.words[0] & test.required[0]) == test.required[0]
                            : slot.words[0] == test.required[0];
    }
    unsigned const size = SetWordCount(test.set);
    for (unsigned w = 0; w < size; ++w) {
        if (test.required != nullptr && (slot.words[w] & test.required[w]) != test.required[w]) return false;
        if (!requiredOnly && test.forbidden != nullptr && (slot.words[w] & test.forbidden[w]) != 0) return false;
    }
    return true;
}

bool Match(uint16_t const tests[kFeatureSlotCount], FeatureVector const& features, bool requiredOnly) {
    bool const anyTest = tests[0] != 0 || tests[1] != 0 || tests[2] != 0;
    if (!anyTest) return true;
    if (features.Empty()) return false;
    for (unsigned s = 0; s < kFeatureSlotCount; ++s) {
        if (tests[s] != 0 && !SlotPasses(tests[s], GetSlot(features, s), requiredOnly)) return false;
    }
    return true;
}

// The unification register: a slot and a two-bit number.
struct Register {
    FeatureSlot slot;
    uint16_t number = 0;
};

bool Unify(unsigned code, FeatureSlot const& left, FeatureSlot const& right, uint16_t const* operands, Register& reg) {
    reg.slot = left;
    switch (code) {
        case kAnd: {
            // An empty slot constrains nothing.
            if (left.set == 0) reg.slot = right;
            if (left.set == 0 || right.set == 0) return true;
            if (left.set != right.set) return false;
            if (left.set == kFreeFeatureSet) {
                reg.slot.words[0] = left.words[0] == right.words[0] ? left.words[0] : 0;
                return true;
            }
            for (unsigned w = 0; w < kMaxFeatureSetWords; ++w) reg.slot.words[w] = left.words[w] & right.words[w];
            return true;
        }
        case kEqual:
            return left.set == right.set && std::memcmp(left.words, right.words, sizeof left.words) == 0;
        case kNumber: {
            if (left.set == 0 || right.set == 0) return false;
            reg.number =
                FindNumber(left.words, left.set, operands[0]) & FindNumber(right.words, right.set, operands[1]);
            return reg.number != 0;
        }
        default:
            return false;
    }
}

// The register's number into the two bits of `position` of the set that the
// category's slot holds.
void CopyNumberFromRegister(Register const& reg, unsigned slotIndex, uint16_t position, uint16_t category,
                            FeatureSlot& slot) {
    uint16_t const set = category < kCatFeatICount ? kCatFeatI[category][slotIndex] : 0;
    if (set == 0 || set == kFreeFeatureSet || set >= kFeatSets_SIZE) return;
    if (slot.set != set) slot = FeatureSlot{set, {}};
    FeatureSetRecord const& record = kFeatSets[set];
    if (position >= record.positionCount || record.firstPosition + position >= kFeatPosCount) return;
    unsigned const bit = kFeatPos[record.firstPosition + position].firstBit;
    for (unsigned i = 0; i < 2; ++i) {
        unsigned const b = bit + i;
        if (b / 16 >= kMaxFeatureSetWords) return;
        uint16_t const mask = kFPUBits[b % 16];
        bool const on = (reg.number & (i == 0 ? 2 : 1)) != 0;
        slot.words[b / 16] = static_cast<uint16_t>(on ? slot.words[b / 16] | mask : slot.words[b / 16] & ~mask);
    }
}

bool RunProgram(RuleRecord const& rule, FeatureVector const& left, FeatureVector const& right,
                FeatureSlot slots[kFeatureSlotCount]) {
    uint16_t const* program = RuleProgram(rule);
    unsigned const length = program != nullptr ? rule.programLength : 0;
    Register reg;
    for (unsigned i = 0; i < length;) {
        uint16_t const op = program[i];
        unsigned const code = CodeOf(op);
        if (code > kEqual) return true;  // the semantic operations follow
        unsigned const operandCount = code == kNumber ? 2 : 0;
        if (i + 1 + operandCount > length) return false;
        uint16_t const* operands = program + i + 1;
        i += 1 + operandCount;
        unsigned const first = FirstOf(op);
        unsigned const second = SecondOf(op);
        if (first >= kFeatureSlotCount || second >= kFeatureSlotCount) return false;
        switch (StyleOf(op)) {
            case kUnify:
                if (!Unify(code, GetSlot(left, first), GetSlot(right, second), operands, reg)) return false;
                break;
            case kFromLeft:
                slots[first] = GetSlot(left, second);
                break;
            case kFromRight:
                slots[first] = GetSlot(right, second);
                break;
            case kFromRegister:
                if (code == kNumber)
                    CopyNumberFromRegister(reg, first, operands[0], operands[1], slots[first]);
                else
                    slots[first] = reg.slot;
                break;
            default:
                return false;
        }
    }
    return true;
}

// Applies a setting record to a slot; an empty slot takes the setting's set.
void ApplySetting(uint16_t index, FeatureSlot& slot) {
    BitRecord setting;
    if (!ReadBitRecord(index, setting)) return;
    if (slot.set == 0) slot = FeatureSlot{setting.set, {}};
    if (slot.set != setting.set) return;
    unsigned const size = SetWordCount(setting.set);
    for (unsigned w = 0; w < size; ++w) {
        if (setting.required != nullptr) slot.words[w] |= setting.required[w];
        if (setting.forbidden != nullptr) slot.words[w] &= static_cast<uint16_t>(~setting.forbidden[w]);
    }
    if (setting.set == kFreeFeatureSet && setting.required != nullptr) slot.words[0] = setting.required[0];
}

}  // namespace

bool FeatureVector::operator==(FeatureVector const& other) const { return CompareFeatures(*this, other) == 0; }

int CompareFeatures(FeatureVector const& a, FeatureVector const& b) {
    if (a.size != b.size && (a.size == 0 || b.size == 0)) return a.size == 0 ? -1 : 1;
    unsigned const common = std::min(a.size, b.size);
    for (unsigned w = 0; w < common; ++w) {
        if (a.words[w] != b.words[w]) return a.words[w] < b.words[w] ? -1 : 1;
    }
    return int{a.size} - int{b.size};
}

unsigned SetWordCount(uint16_t set) {
    if (set == 0 || set >= kFeatSets_SIZE) return 0;
    return std::min<unsigned>(kFeatSets[set].wordCount, kMaxFeatureSetWords);
}

unsigned GetSizeFeatures(uint16_t const* vector) {
    unsigned size = 1;
    for (unsigned s = 0; s < kFeatureSlotCount; ++s) size += SetWordCount((vector[0] >> (12 - 4 * s)) & 0xF);
    return size;
}

uint16_t SlotSet(FeatureVector const& v, unsigned slot) {
    if (v.Empty() || slot >= kFeatureSlotCount) return 0;
    return (v.words[0] >> (12 - 4 * slot)) & 0xF;
}

FeatureSlot GetSlot(FeatureVector const& v, unsigned slot) {
    FeatureSlot out;
    if (v.Empty() || slot >= kFeatureSlotCount) return out;
    unsigned start = 1;
    for (unsigned s = 0; s < slot; ++s) start += SetWordCount(SlotSet(v, s));
    out.set = SlotSet(v, slot);
    unsigned const size = SetWordCount(out.set);
    if (start + size > v.size) return FeatureSlot{};
    std::copy(v.words + start, v.words + start + size, out.words);
    return out;
}

FeatureVector MakeFeatures(FeatureSlot const slots[kFeatureSlotCount]) {
    FeatureVector v;
    v.size = 1;
    for (unsigned s = 0; s < kFeatureSlotCount; ++s) {
        unsigned const size = SetWordCount(slots[s].set);
        if (size == 0) continue;
        v.words[0] = static_cast<uint16_t>(v.words[0] | slots[s].set << (12 - 4 * s));
        std::copy(slots[s].words, slots[s].words + size, v.words + v.size);
        v.size = static_cast<uint8_t>(v.size + size);
    }
    return v;
}

bool FeatureMatch_Exact(uint16_t const tests[kFeatureSlotCount], FeatureVector const& features) {
    return Match(tests, features, false);
}

bool FeatureMatch_Fuzzy(uint16_t const tests[kFeatureSlotCount], FeatureVector const& unionOfFeatures) {
    return Match(tests, unionOfFeatures, true);
}

void OrFeatures(FeatureVector& a, FeatureVector const& b) {
    if (b.Empty()) return;
    if (a.Empty()) {
        a = b;
        return;
    }
    FeatureSlot slots[kFeatureSlotCount];
    for (unsigned s = 0; s < kFeatureSlotCount; ++s) {
        slots[s] = GetSlot(a, s);
        FeatureSlot const other = GetSlot(b, s);
        if (slots[s].set == 0) {
            slots[s] = other;
        } else if (slots[s].set == other.set) {
            for (unsigned w = 0; w < kMaxFeatureSetWords; ++w) slots[s].words[w] |= other.words[w];
        }
    }
    a = MakeFeatures(slots);
}

bool FeatureCopyAndMatch(RuleRecord const& rule, FeatureVector const& left, FeatureVector const& right,
                         FeatureVector& result) {
    FeatureSlot slots[kFeatureSlotCount];
    if (!RunProgram(rule, left, right, slots)) return false;
    bool const anySlot = slots[0].set != 0 || slots[1].set != 0 || slots[2].set != 0;
    bool const anySetting = rule.settings[0] != 0 || rule.settings[1] != 0 || rule.settings[2] != 0;
    result = FeatureVector{};
    if (!anySlot && !anySetting) return true;
    for (unsigned s = 0; s < kFeatureSlotCount; ++s) {
        if (rule.settings[s] != 0) ApplySetting(rule.settings[s], slots[s]);
    }
    result = MakeFeatures(slots);
    return true;
}

FeatureVector TransferFeaturesFromDict(uint16_t category, FinePOS_EX const& finePOS) {
    FeatureSets_E_Source const sets = finePOS.GetFeatureSets();
    FeatureVector v;
    if (sets.GetSet(0)[0] == '\0' && sets.GetSet(1)[0] == '\0' && sets.GetSet(2)[0] == '\0') return v;
    std::string text;
    for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i) {
        text += sets.GetSet(i);
        text += '\0';
    }
    text += '\0';
    unsigned short words[kMaxFeatureVectorWords] = {};
    FeatureSetsToBits(words, POS_E_Source{category}, text.c_str());
    std::copy(words, words + kMaxFeatureVectorWords, v.words);
    v.size = static_cast<uint8_t>(std::min<unsigned>(GetSizeFeatures(v.words), kMaxFeatureVectorWords));
    return v;
}

std::string FeatureBitsToChars(FeatureVector const& features, unsigned slot) {
    FeatureSlot const s = GetSlot(features, slot);
    if (s.set == 0) return "";
    if (s.set == kFreeFeatureSet)
        return gFreeFeatures_E_SourceDBase().GetName(static_cast<FreeFeatures_E_Source>(s.words[0]));
    FeatureSetRecord const& set = kFeatSets[s.set];
    std::string text;
    for (unsigned p = 0; p < set.positionCount && set.firstPosition + p < kFeatPosCount; ++p) {
        FeaturePositionRecord const& position = kFeatPos[set.firstPosition + p];
        unsigned bits = 0;
        for (unsigned j = 0; j < position.bitWidth; ++j) {
            unsigned const b = position.firstBit + j;
            bool const on = b / 16 < kMaxFeatureSetWords && (s.words[b / 16] & kFPUBits[b % 16]) != 0;
            bits = bits << 1 | (on ? 1u : 0u);
        }
        char letter = '_';
        for (unsigned i = 0; i < position.valueCount && i < FeaturePositionRecord::kMaxValues; ++i) {
            if (position.values[i].pattern == bits) {
                letter = position.values[i].letter;
                break;
            }
        }
        text += letter;
    }
    return text;
}

FeatureVector CellFeaturesAt(PCHART_CELL const& cell, uint16_t offset) {
    FeatureVector v;
    std::size_t const word = offset / 2u;
    if (offset == 0 || word >= cell.featureHeap.size()) return v;
    unsigned const size = GetSizeFeatures(&cell.featureHeap[word]);
    if (size > kMaxFeatureVectorWords || word + size > cell.featureHeap.size()) return v;
    std::copy(cell.featureHeap.begin() + static_cast<std::ptrdiff_t>(word),
              cell.featureHeap.begin() + static_cast<std::ptrdiff_t>(word + size), v.words);
    v.size = static_cast<uint8_t>(size);
    return v;
}

#include "engine/foundation/value_types.h"

#include <cstring>
#include <ostream>

namespace {

// Bits that stand for a domain: words 0 and 1 whole, word 2 up to domain 80.
constexpr uint32_t kDomainBits[DomainIDSet::kWordCount] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0x0000FFFFu};

unsigned WordOf(DomainID domain) { return (domain - 1) / 32; }
uint32_t BitOf(DomainID domain) { return uint32_t{1} << ((domain - 1) % 32); }

// The enumerator's name when the value has one, else nothing.
template <typename Enum, std::size_t N>
std::ostream& WriteEnumName(std::ostream& out, Enum value, char const* const (&names)[N]) {
    auto const index = static_cast<unsigned>(value);
    if (index < N) out << names[index];
    return out;
}

}  // namespace

// ---- FeatureSets_E_Source --------------------------------------------------

void FeatureSets_E_Source::SetSet(unsigned i, char const* text) {
    if (i >= kSetCount) return;
    std::size_t const length = text == nullptr ? 0 : strnlen(text, kMaxSetLength);
    std::memcpy(sets[i], text == nullptr ? "" : text, length);
    // Zero the whole tail so that equal sets are equal byte for byte too.
    std::memset(sets[i] + length, 0, sizeof sets[i] - length);
}

bool FeatureSets_E_Source::operator==(FeatureSets_E_Source const& other) const {
    for (unsigned i = 0; i < kSetCount; ++i) {
        if (std::strncmp(sets[i], other.sets[i], sizeof sets[i]) != 0) return false;
    }
    return true;
}

// ---- DomainIDSet -----------------------------------------------------------

void DomainIDSet::Set(DomainID domain) {
    if (IsValid(domain)) words[WordOf(domain)] |= BitOf(domain);
}

void DomainIDSet::Clear(DomainID domain) {
    if (IsValid(domain)) words[WordOf(domain)] &= ~BitOf(domain);
}

bool DomainIDSet::Contains(DomainID domain) const {
    return IsValid(domain) && (words[WordOf(domain)] & BitOf(domain)) != 0;
}

bool DomainIDSet::Empty() const {
    for (unsigned i = 0; i < kWordCount; ++i) {
        if ((words[i] & kDomainBits[i]) != 0) return false;
    }
    return true;
}

DomainIDSet& DomainIDSet::operator|=(DomainIDSet const& other) {
    for (unsigned i = 0; i < kWordCount; ++i) words[i] |= other.words[i] & kDomainBits[i];
    return *this;
}

bool DomainIDSet::operator==(DomainIDSet const& other) const {
    for (unsigned i = 0; i < kWordCount; ++i) {
        if (((words[i] ^ other.words[i]) & kDomainBits[i]) != 0) return false;
    }
    return true;
}

// ---- Enumeration printers --------------------------------------------------

std::ostream& operator<<(std::ostream& out, IdiomType type) {
    static char const* const kNames[] = {"eIdiomNormal",        "eIdiomPreferential", "eIdiomPreferredPOS",
                                         "eIdiomQuasiAlmighty", "eIdiomAlmighty",     "eIdiomPreferredAlways"};
    return WriteEnumName(out, type, kNames);
}

std::ostream& operator<<(std::ostream& out, TheyTransType type) {
    static char const* const kNames[] = {"eTheyAny", "eTheyHuman", "eTheyNonHuman", "eTheyCombined"};
    return WriteEnumName(out, type, kNames);
}

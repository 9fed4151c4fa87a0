#pragma once
// Small coded values carried by dictionary readings: English and Japanese
// parts of speech, subject domains, free features, idiom and "they" kinds,
// feature-set strings and domain weights.  Codes are distinct enum types so
// that each can print by its name; their numbers are frozen (compiled
// dictionaries store them), see pos_codes.h and name_tables.h.
#include <cstdint>
#include <iosfwd>

// English source part of speech: an index into the English name table.
// Values above 14,999 are never valid names.
enum POS_E_Source : uint16_t {};
// Japanese target part of speech: an index into the Japanese name table.
enum POS_J_Target : uint32_t {};
// Subject domain: 0 is "no domain", 1 "technical", ... up to 80.
enum DomainID : uint32_t {};
// Atom of a free (lower-case) feature name.
enum FreeFeatures_E_Source : uint16_t {};

constexpr uint16_t kMaxValidPOS_E_Source = 14999;
constexpr unsigned kDomainCount = 80;

enum IdiomType : uint8_t {
    eIdiomNormal = 0,
    eIdiomPreferential = 1,
    eIdiomPreferredPOS = 2,
    eIdiomQuasiAlmighty = 3,
    eIdiomAlmighty = 4,
    eIdiomPreferredAlways = 5,
};

enum TheyTransType : uint8_t {
    eTheyAny = 0,
    eTheyHuman = 1,
    eTheyNonHuman = 2,
    eTheyCombined = 3,
};

// Write the enumerator's name; a value outside the list (read from a file)
// writes nothing.
std::ostream& operator<<(std::ostream& out, IdiomType type);
std::ostream& operator<<(std::ostream& out, TheyTransType type);

// Write the part of speech's name; a code without a name writes its number.
std::ostream& operator<<(std::ostream& out, POS_E_Source pos);
std::ostream& operator<<(std::ostream& out, POS_J_Target pos);

// Three feature-set strings of at most 100 bytes each.
struct FeatureSets_E_Source {
    static constexpr unsigned kSetCount = 3;
    static constexpr unsigned kMaxSetLength = 100;

    char sets[kSetCount][kMaxSetLength + 1] = {};

    // Copies at most 100 bytes of the text into set i and always ends it with
    // NUL.  Indexes above 2 are refused (nothing changes).
    void SetSet(unsigned i, char const* text);
    char const* GetSet(unsigned i) const { return i < kSetCount ? sets[i] : ""; }

    bool operator==(FeatureSets_E_Source const& other) const;
    bool operator!=(FeatureSets_E_Source const& other) const { return !(*this == other); }
};

// One subject-domain weight of a fine part of speech.
struct DomainWeightInfoRecord {
    DomainID domain{};
    uint16_t weight = 0;

    bool operator==(DomainWeightInfoRecord const& other) const {
        return domain == other.domain && weight == other.weight;
    }
};

// "(" domain name ", " weight ")".
std::ostream& operator<<(std::ostream& out, DomainWeightInfoRecord const& record);

// A set of the 80 subject domains as three 32-bit words: bit b stands for
// domain b + 1, so domain 1 is word 0 bit 0 and domain 80 word 2 bit 15.
// Domain numbers outside 1..80 (they can come from files) are ignored, and so
// are the unused high bits of word 2 when a set is combined, compared or
// tested for emptiness.
struct DomainIDSet {
    static constexpr unsigned kWordCount = 3;

    uint32_t words[kWordCount] = {};

    static bool IsValid(DomainID domain) { return domain >= 1 && domain <= kDomainCount; }

    void Set(DomainID domain);
    void Clear(DomainID domain);
    bool Contains(DomainID domain) const;
    bool Empty() const;
    DomainIDSet& operator|=(DomainIDSet const& other);

    bool operator==(DomainIDSet const& other) const;
    bool operator!=(DomainIDSet const& other) const { return !(*this == other); }
};

// "(" then the name of each member domain followed by " ", then ")".
std::ostream& operator<<(std::ostream& out, DomainIDSet const& set);

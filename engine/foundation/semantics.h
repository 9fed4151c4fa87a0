#pragma once
// Semantic records of dictionary readings and of a sentence's slots.
//
// A record (`CSEMANT_X`) holds three flags, up to 10 semantic atoms and two
// short names.  Atoms are codes of the semantic atom database; an atom
// written negated ("-human") is stored as its 16-bit two's complement, so
// atoms are read as signed numbers wherever their value matters.
//
// Text form, as dictionaries and defaults spell it: blank-separated words.
// "N" marks record 0 one-slot and noun-like, "SUBJ", "OBJ1" and "OBJ2" mark
// record 0, 1 or 2 selres; each of them makes its record current and starts
// it afresh.  A word in double quotes is a name, a word with a leading "+" or
// "-" a plain or negated atom, any other word an atom; unknown atoms are
// ignored.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iosfwd>
#include <iterator>
#include <type_traits>

template <class Atom>
struct CSEMANT_X {
    static constexpr unsigned kMaxAtoms = 10;
    static constexpr unsigned kNameCount = 2;
    static constexpr unsigned kNameSize = 12;

    // The flags that make up the record's value; other bits of `flags` belong
    // to whoever stores the record and are never copied or compared.
    static constexpr uint16_t kOneSlot = 0x1;
    static constexpr uint16_t kNounLike = 0x2;
    static constexpr uint16_t kSelRes = 0x4;
    static constexpr uint16_t kValueFlags = kOneSlot | kNounLike | kSelRes;

    uint16_t flags = 0;
    Atom atoms[kMaxAtoms] = {};  // ended by 0 when fewer than 10
    // At most 10 bytes each (11 for a name beginning "!"), NUL-terminated;
    // name 1 counts only after a name 0.
    char names[kNameCount][kNameSize] = {};

    constexpr CSEMANT_X() = default;

    // Copies the value only: the three flags, the atoms up to the first 0 and
    // the names (the second only when the first is not empty).  What lies
    // past the end of either list is not carried over.
    CSEMANT_X(CSEMANT_X const& other) { CopyValue(other); }
    CSEMANT_X& operator=(CSEMANT_X const& other) {
        if (this != &other) {
            flags &= static_cast<uint16_t>(~kValueFlags);
            CopyValue(other);
        }
        return *this;
    }

    // All zero, the bits of `flags` outside the value too.
    void Clear() {
        flags = 0;
        std::fill(atoms, atoms + kMaxAtoms, Atom{});
        std::memset(names, 0, sizeof names);
    }

    bool IsOneSlot() const { return (flags & kOneSlot) != 0; }
    bool IsNounLike() const { return (flags & kNounLike) != 0; }
    bool IsSelRes() const { return (flags & kSelRes) != 0; }

    // Atoms before the first 0 (at most 10).
    unsigned AtomCount() const {
        unsigned count = 0;
        while (count < kMaxAtoms && atoms[count] != 0) ++count;
        return count;
    }

    // The atom as the signed number it was written as.
    static std::make_signed_t<Atom> SignedAtom(Atom atom) { return static_cast<std::make_signed_t<Atom>>(atom); }

    // Name i up to its NUL (or the whole 12-byte field when it has none).
    std::size_t NameLength(unsigned i) const { return strnlen(names[i], kNameSize); }

    // No flag, no atom and no name.
    bool IsBlank() const {
        return (flags & kValueFlags) == 0 && atoms[0] == 0 && NameLength(0) == 0 && NameLength(1) == 0;
    }

    // The value only (see the copy constructor).
    bool operator==(CSEMANT_X const& other) const {
        if ((flags & kValueFlags) != (other.flags & kValueFlags)) return false;
        unsigned const count = AtomCount();
        if (count != other.AtomCount() || !std::equal(atoms, atoms + count, other.atoms)) return false;
        for (unsigned i = 0; i < kNameCount; ++i) {
            if (std::strncmp(names[i], other.names[i], kNameSize) != 0) return false;
        }
        return true;
    }
    bool operator!=(CSEMANT_X const& other) const { return !(*this == other); }

private:
    void CopyValue(CSEMANT_X const& other) {
        flags = static_cast<uint16_t>(flags | (other.flags & kValueFlags));
        unsigned const count = other.AtomCount();
        for (unsigned i = 0; i < kMaxAtoms; ++i) atoms[i] = i < count ? other.atoms[i] : Atom{};
        std::memset(names, 0, sizeof names);
        std::size_t const firstLength = other.NameLength(0);
        if (firstLength == 0) return;
        std::memcpy(names[0], other.names[0], firstLength);
        std::memcpy(names[1], other.names[1], other.NameLength(1));
    }
};

using SemanticRecord = CSEMANT_X<unsigned short>;
static_assert(sizeof(SemanticRecord) == 46, "a semantic record is 46 bytes as stored");

// The empty record.
inline constexpr SemanticRecord kNullSemantics{};

// Largest atom code a valid record may hold (negated atoms by their size).
constexpr int kMaxValidSemanticAtom = 1459;

// Default semantics of nouns and of proper nouns, in the text form.
constexpr char kDefaultNSemantics[] = "N";
constexpr char kDefaultProperNSemantics[] = "N townname personname product";

class Dict_Semantics_E_Source;

// The semantics of a sentence slot: subject, object 1, object 2 and one more.
class Semantics_E_Source {
public:
    static constexpr unsigned kRecordCount = 4;

    SemanticRecord records[kRecordCount];

    Semantics_E_Source() = default;
    // Parses the text form; a null text gives blank records.
    explicit Semantics_E_Source(char const* text);
    // Blank records, then assigned from the dictionary form.
    explicit Semantics_E_Source(Dict_Semantics_E_Source const& dict);

    // When the dictionary's record 0 is one-slot, record 0 is copied and the
    // others cleared; otherwise records 0 to 2 are copied and record 3 kept.
    Semantics_E_Source& operator=(Dict_Semantics_E_Source const& dict);

    bool IsBlank() const;
};

// The semantics of a dictionary reading; when record 0 is one-slot it alone
// counts.
class Dict_Semantics_E_Source {
public:
    static constexpr unsigned kRecordCount = 3;

    SemanticRecord records[kRecordCount];

    // Records that count: 1 when record 0 is one-slot, else 3.
    unsigned CountingRecords() const { return records[0].IsOneSlot() ? 1 : kRecordCount; }

    bool IsBlank() const;
};

// The dictionary form of a text: parsed as `Semantics_E_Source`, then record 0
// alone when it is one-slot, else records 0 to 2.  Empty or null text gives
// blank records.
Dict_Semantics_E_Source ConvertNounSemanticsFromText(char const* text);

// Built once, on first use, from the default texts above.
Dict_Semantics_E_Source const& GetDefaultNounSemantics();
Dict_Semantics_E_Source const& GetDefaultProperNounSemantics();

// When the record holds "dospeak", its first occurrence becomes "human" and
// "dospeak" is appended when fewer than 10 atoms are held (it is lost when
// the record is full).
void AdjustDoSpeakSelRes(SemanticRecord* record);

// Every atom is a known code (see kMaxValidSemanticAtom): of the record; of the
// four records; of the records that count in the dictionary form.
bool CSEMANT_Valid(SemanticRecord const& record);
bool Semantics_E_Source_Valid(Semantics_E_Source const& semantics);
bool Dict_Semantics_E_Source_Valid(Dict_Semantics_E_Source const& semantics);

// "((" the set flags ("one-slot ", "noun-like ", "selres "), ")\t", each atom's
// name (negated ones as "-name") followed by " ", each non-empty name in
// double quotes followed by " ", ")".
std::ostream& operator<<(std::ostream& out, SemanticRecord const& record);
// "(" the records up to the first blank one ")".
std::ostream& operator<<(std::ostream& out, Semantics_E_Source const& semantics);
// "(" the records that count ")".
std::ostream& operator<<(std::ostream& out, Dict_Semantics_E_Source const& semantics);

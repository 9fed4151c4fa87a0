#include "engine/foundation/semantics.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <ostream>
#include <string>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/string_utils.h"

namespace {

using Atom = unsigned short;

// The atom code of a predefined name; 0 when the table lacks it.
Atom AtomNamed(char const* name) {
    Atom atom = 0;
    gSemanticAtomDatabase_E_Source().Lookup(name, &atom);
    return atom;
}

Atom HumanAtom() {
    static Atom const atom = AtomNamed("human");
    return atom;
}

Atom DoSpeakAtom() {
    static Atom const atom = AtomNamed("dospeak");
    return atom;
}

Atom Negated(Atom atom) { return static_cast<Atom>(0x10000u - atom); }

// Longest prefix of text that fits a name field without splitting a
// double-byte character: 10 bytes, 11 for a name beginning "!".
std::size_t FittingNameLength(std::string const& text) {
    std::size_t const limit = (!text.empty() && text[0] == '!') ? 11 : 10;
    char const* const begin = text.data();
    char const* const end = begin + text.size();
    std::size_t length = 0;
    while (begin + length < end) {
        std::size_t const next = length + SJISCharSize(begin + length, end);
        if (next > limit) break;
        length = next;
    }
    return length;
}

bool IsQuoted(std::string const& token) { return token.size() >= 2 && token.front() == '"' && token.back() == '"'; }

// Reads the text form into the four records of a Semantics_E_Source.
class SemanticTextParser {
public:
    explicit SemanticTextParser(Semantics_E_Source* out) : fOut(out) {}

    void Parse(char const* text) {
        char const* cursor = text;
        for (std::string token = GetNextToken(&cursor); !token.empty(); token = GetNextToken(&cursor)) Take(token);
        if (fSawSubject) AdjustDoSpeakSelRes(&fOut->records[0]);
    }

private:
    void Take(std::string const& token) {
        if (token == "N") {
            Restart(0, SemanticRecord::kOneSlot | SemanticRecord::kNounLike);
        } else if (token == "SUBJ") {
            Restart(0, SemanticRecord::kSelRes);
            fSawSubject = true;
        } else if (token == "OBJ1") {
            Restart(1, SemanticRecord::kSelRes);
        } else if (token == "OBJ2") {
            Restart(2, SemanticRecord::kSelRes);
        } else if (IsQuoted(token)) {
            AddName(token.substr(1, token.size() - 2));
        } else {
            AddAtom(token);
        }
    }

    // Makes the record current and starts its atoms and names afresh, so that
    // nothing of an earlier run of the same record is left behind.
    void Restart(unsigned record, uint16_t flags) {
        fCurrent = record;
        SemanticRecord& current = fOut->records[fCurrent];
        current.flags = static_cast<uint16_t>(current.flags | flags);
        std::fill(current.atoms, current.atoms + SemanticRecord::kMaxAtoms, Atom{});
        std::memset(current.names, 0, sizeof current.names);
    }

    // An empty name would hold a slot without naming anything: ignored.
    void AddName(std::string const& name) {
        SemanticRecord& current = fOut->records[fCurrent];
        std::size_t const length = FittingNameLength(name);
        if (length == 0) return;
        for (auto& slot : current.names) {
            if (slot[0] == '\0') {
                std::memcpy(slot, name.data(), length);
                return;
            }
        }
    }

    void AddAtom(std::string const& word) {
        bool const negated = word[0] == '-';
        std::string const name = (word[0] == '+' || negated) ? word.substr(1) : word;
        Atom atom = 0;
        // Atom 0 ends the list, so it can never be held.
        if (!gSemanticAtomDatabase_E_Source().Lookup(name.c_str(), &atom) || atom == 0) return;
        SemanticRecord& current = fOut->records[fCurrent];
        unsigned const count = current.AtomCount();
        if (count < SemanticRecord::kMaxAtoms) current.atoms[count] = negated ? Negated(atom) : atom;
    }

    Semantics_E_Source* fOut;
    unsigned fCurrent = 0;
    bool fSawSubject = false;
};

bool AtomsValid(SemanticRecord const& record) {
    unsigned const count = record.AtomCount();
    for (unsigned i = 0; i < count; ++i) {
        if (std::abs(int{SemanticRecord::SignedAtom(record.atoms[i])}) > kMaxValidSemanticAtom) return false;
    }
    return true;
}

void WriteAtom(std::ostream& out, Atom atom) {
    int value = SemanticRecord::SignedAtom(atom);
    if (value < 0) {
        out << '-';
        value = -value;
    }
    auto const& table = gSemanticAtomDatabase_E_Source();
    if (static_cast<std::size_t>(value) < table.GetCount())
        out << table.GetNames()[value];
    else
        out << value;
}

}  // namespace

// ---- Semantics_E_Source ------------------------------------------------------

Semantics_E_Source::Semantics_E_Source(char const* text) {
    if (text != nullptr) SemanticTextParser(this).Parse(text);
}

Semantics_E_Source::Semantics_E_Source(Dict_Semantics_E_Source const& dict) { *this = dict; }

Semantics_E_Source& Semantics_E_Source::operator=(Dict_Semantics_E_Source const& dict) {
    if (dict.records[0].IsOneSlot()) {
        records[0] = dict.records[0];
        for (unsigned i = 1; i < kRecordCount; ++i) records[i].Clear();
    } else {
        for (unsigned i = 0; i < Dict_Semantics_E_Source::kRecordCount; ++i) records[i] = dict.records[i];
    }
    return *this;
}

bool Semantics_E_Source::IsBlank() const {
    return std::all_of(std::begin(records), std::end(records), [](auto const& r) { return r.IsBlank(); });
}

bool Dict_Semantics_E_Source::IsBlank() const {
    return std::all_of(std::begin(records), std::end(records), [](auto const& r) { return r.IsBlank(); });
}

// ---- Conversions and defaults ------------------------------------------------

Dict_Semantics_E_Source ConvertNounSemanticsFromText(char const* text) {
    Semantics_E_Source const parsed(text);
    Dict_Semantics_E_Source dict;
    unsigned const kept = parsed.records[0].IsOneSlot() ? 1 : Dict_Semantics_E_Source::kRecordCount;
    for (unsigned i = 0; i < kept; ++i) dict.records[i] = parsed.records[i];
    return dict;
}

Dict_Semantics_E_Source const& GetDefaultNounSemantics() {
    static Dict_Semantics_E_Source const semantics = ConvertNounSemanticsFromText(kDefaultNSemantics);
    return semantics;
}

Dict_Semantics_E_Source const& GetDefaultProperNounSemantics() {
    static Dict_Semantics_E_Source const semantics = ConvertNounSemanticsFromText(kDefaultProperNSemantics);
    return semantics;
}

void AdjustDoSpeakSelRes(SemanticRecord* record) {
    if (record == nullptr) return;
    unsigned const count = record->AtomCount();
    Atom* const end = record->atoms + count;
    Atom* const doSpeak = std::find(record->atoms, end, DoSpeakAtom());
    if (doSpeak == end) return;
    *doSpeak = HumanAtom();
    if (count < SemanticRecord::kMaxAtoms) record->atoms[count] = DoSpeakAtom();
    if (count + 1 < SemanticRecord::kMaxAtoms) record->atoms[count + 1] = 0;
}

// ---- Validity ----------------------------------------------------------------

bool CSEMANT_Valid(SemanticRecord const& record) { return AtomsValid(record); }

bool Semantics_E_Source_Valid(Semantics_E_Source const& semantics) {
    return std::all_of(std::begin(semantics.records), std::end(semantics.records), AtomsValid);
}

bool Dict_Semantics_E_Source_Valid(Dict_Semantics_E_Source const& semantics) {
    return std::all_of(semantics.records, semantics.records + semantics.CountingRecords(), AtomsValid);
}

// ---- Printing ----------------------------------------------------------------

std::ostream& operator<<(std::ostream& out, SemanticRecord const& record) {
    out << "((";
    if (record.IsOneSlot()) out << "one-slot ";
    if (record.IsNounLike()) out << "noun-like ";
    if (record.IsSelRes()) out << "selres ";
    out << ")\t";
    unsigned const count = record.AtomCount();
    for (unsigned i = 0; i < count; ++i) {
        WriteAtom(out, record.atoms[i]);
        out << ' ';
    }
    for (unsigned i = 0; i < SemanticRecord::kNameCount; ++i) {
        if (std::size_t const length = record.NameLength(i); length != 0) {
            out << '"';
            out.write(record.names[i], static_cast<std::streamsize>(length));
            out << "\" ";
        }
    }
    return out << ')';
}

std::ostream& operator<<(std::ostream& out, Semantics_E_Source const& semantics) {
    out << '(';
    for (auto const& record : semantics.records) {
        if (record.IsBlank()) break;
        out << record;
    }
    return out << ')';
}

std::ostream& operator<<(std::ostream& out, Dict_Semantics_E_Source const& semantics) {
    out << '(';
    for (unsigned i = 0; i < semantics.CountingRecords(); ++i) out << semantics.records[i];
    return out << ')';
}

#include "engine/compiled/dictionary_text_fields.h"

#include <cstdlib>
#include <cstring>

#include "engine/foundation/atom_databases.h"
#include "engine/foundation/name_tables.h"
#include "engine/foundation/sjis_chars.h"

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool NeedsEscape(unsigned char c, char const* extra) {
    return c < 0x20 || c == 0x7F || c == '\\' || (c != 0 && std::strchr(extra, c) != nullptr);
}

// The name of the table at `code` when it names that code alone, else "#"
// and the number (codes without a name of their own share placeholders).
template <class T>
std::string NameOrNumber(ConstantAtomDatabase<T> const& names, std::size_t code) {
    if (code < names.GetCount()) {
        char const* name = names.GetNames()[code];
        T found{};
        if (names.Lookup(name, &found) && static_cast<std::size_t>(found) == code) return name;
    }
    return "#" + std::to_string(code);
}

template <class T, class Database>
T ParseNameOrNumber(Database const& names, std::string const& field, long high, char const* what) {
    if (!field.empty() && field[0] == '#') return static_cast<T>(ParseNumber(field.substr(1), 0, high));
    T value{};
    if (!names.Lookup(field.c_str(), &value)) throw DictionaryTextError(std::string("unknown ") + what + ": " + field);
    return value;
}

// The first domain of that name in the domain table (domains 0-79).
bool FindDomain(std::string const& name, uint32_t* domain) {
    char const* const* names = kDomainNames();
    for (uint32_t d = 0; d < kDomainCount && names[d] != nullptr; ++d) {
        if (name == names[d]) {
            *domain = d;
            return true;
        }
    }
    return false;
}

std::string DomainName(uint32_t domain) {
    uint32_t named = 0;
    if (domain < kDomainCount && FindDomain(kDomainNames()[domain], &named) && named == domain)
        return kDomainNames()[domain];
    return "#" + std::to_string(domain);
}

uint32_t ParseDomainName(std::string const& field) {
    if (!field.empty() && field[0] == '#') return static_cast<uint32_t>(ParseNumber(field.substr(1), 0, 0xFFFFFFFFL));
    uint32_t domain = 0;
    if (!FindDomain(field, &domain)) throw DictionaryTextError("unknown domain: " + field);
    return domain;
}

constexpr char kSemanticSpecials[] = ":|,";

std::string AtomName(uint16_t atom) {
    int const value = SemanticRecord::SignedAtom(atom);
    std::string const name = NameOrNumber(gSemanticAtomDatabase_E_Source(), static_cast<std::size_t>(std::abs(value)));
    return value < 0 ? "-" + name : name;
}

uint16_t ParseAtom(std::string const& field) {
    bool const negated = !field.empty() && field[0] == '-';
    std::string const name = negated ? field.substr(1) : field;
    auto const value = ParseNameOrNumber<unsigned short>(gSemanticAtomDatabase_E_Source(), name, 32768, "atom");
    if (value == 0) throw DictionaryTextError("semantic atom 0 ends the list: " + field);
    return static_cast<uint16_t>(negated ? -static_cast<int>(value) : value);
}

std::string FormatSemanticRecord(SemanticRecord const& record) {
    std::string text = std::to_string(record.flags & SemanticRecord::kValueFlags) + ":";
    for (unsigned i = 0; i < record.AtomCount(); ++i) text += (i == 0 ? "" : ",") + AtomName(record.atoms[i]);
    text += ":" + EscapeText(std::string(record.names[0], record.NameLength(0)), kSemanticSpecials);
    text += ":" + EscapeText(std::string(record.names[1], record.NameLength(1)), kSemanticSpecials);
    return text;
}

void ParseName(std::string const& field, char* name) {
    std::string const text = UnescapeText(field);
    if (text.size() > SemanticRecord::kNameSize || text.find('\0') != std::string::npos)
        throw DictionaryTextError("semantic name too long: " + field);
    std::memcpy(name, text.data(), text.size());
}

SemanticRecord ParseSemanticRecord(std::string const& field) {
    std::vector<std::string> const parts = SplitText(field, ':');
    if (parts.size() != 4) throw DictionaryTextError("semantic record needs flags:atoms:name:name: " + field);
    SemanticRecord record;
    record.flags = static_cast<uint16_t>(ParseNumber(parts[0], 0, SemanticRecord::kValueFlags));
    if (!parts[1].empty()) {
        std::vector<std::string> const atoms = SplitText(parts[1], ',');
        if (atoms.size() > SemanticRecord::kMaxAtoms)
            throw DictionaryTextError("more than 10 semantic atoms: " + field);
        for (std::size_t i = 0; i < atoms.size(); ++i) record.atoms[i] = ParseAtom(atoms[i]);
    }
    ParseName(parts[2], record.names[0]);
    if (record.NameLength(0) == 0 && !parts[3].empty())
        throw DictionaryTextError("second semantic name without a first: " + field);
    ParseName(parts[3], record.names[1]);
    return record;
}

}  // namespace

std::vector<std::string> SplitText(std::string const& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t const end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

std::string EscapeText(std::string const& text, char const* extra) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        auto const c = static_cast<unsigned char>(text[i]);
        // The parser takes the byte after a raw lead byte as it stands, so
        // only a trail byte that the caller splits at needs the escape.
        if (IsSJISLeadByte(c) && i + 1 < text.size() && IsSJISTrailByte(static_cast<unsigned char>(text[i + 1])) &&
            std::strchr(extra, text[i + 1]) == nullptr) {
            out += text.substr(i, 2);
            ++i;
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (NeedsEscape(c, extra) || IsSJISLeadByte(c)) {
            out += {'\\', 'x', kHexDigits[c >> 4], kHexDigits[c & 0xF]};
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string UnescapeText(std::string const& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        auto const c = static_cast<unsigned char>(field[i]);
        if (IsSJISLeadByte(c)) {
            if (i + 1 >= field.size()) throw DictionaryTextError("lead byte without its trail byte");
            out += field.substr(i, 2);
            ++i;
            continue;
        }
        if (c != '\\') {
            out += static_cast<char>(c);
            continue;
        }
        if (i + 1 >= field.size()) throw DictionaryTextError("text ends in a backslash");
        char const kind = field[++i];
        if (kind == '\\')
            out += '\\';
        else if (kind == 't')
            out += '\t';
        else if (kind == 'n')
            out += '\n';
        else if (kind == 'r')
            out += '\r';
        else if (kind == 'x' && i + 2 < field.size() && HexValue(field[i + 1]) >= 0 && HexValue(field[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(field[i + 1]) * 16 + HexValue(field[i + 2]));
            i += 2;
        } else
            throw DictionaryTextError("unknown escape in: " + field);
    }
    return out;
}

std::string FormatFlag(bool value) { return value ? "1" : "0"; }

bool ParseFlag(std::string const& field) {
    if (field == "0" || field == "1") return field == "1";
    throw DictionaryTextError("flag must be 0 or 1: " + field);
}

long ParseNumber(std::string const& field, long low, long high) {
    std::size_t at = field.size() > 0 && field[0] == '-' ? 1 : 0;
    if (at == field.size() || field.size() > 12) throw DictionaryTextError("not a number: " + field);
    for (std::size_t i = at; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') throw DictionaryTextError("not a number: " + field);
    }
    long const value = std::stol(field);
    if (value < low || value > high) throw DictionaryTextError("number out of range: " + field);
    return value;
}

std::string FormatEnglishPOS(POS_E_Source pos) { return NameOrNumber(gSourcePOSDatabase(), pos); }

POS_E_Source ParseEnglishPOS(std::string const& field) {
    return ParseNameOrNumber<POS_E_Source>(gSourcePOSDatabase(), field, 0xFFFF, "English part of speech");
}

std::string FormatJapanesePOS(POS_J_Target pos) { return NameOrNumber(gTargetPOSDatabase(), pos); }

POS_J_Target ParseJapanesePOS(std::string const& field) {
    return ParseNameOrNumber<POS_J_Target>(gTargetPOSDatabase(), field, 0xFFFFFFFFL, "Japanese part of speech");
}

std::string FormatDomainSet(DomainIDSet const& set) {
    std::string text;
    for (uint32_t domain = 1; domain <= kDomainCount; ++domain) {
        if (set.Contains(static_cast<DomainID>(domain))) text += (text.empty() ? "" : ",") + DomainName(domain);
    }
    return text;
}

DomainIDSet ParseDomainSet(std::string const& field) {
    DomainIDSet set;
    if (field.empty()) return set;
    for (std::string const& name : SplitText(field, ',')) {
        auto const domain = static_cast<DomainID>(ParseDomainName(name));
        if (!DomainIDSet::IsValid(domain) || set.Contains(domain))
            throw DictionaryTextError("domain not in 1-80 or named twice: " + name);
        set.Set(domain);
    }
    return set;
}

std::string FormatDomainWeights(std::vector<DomainWeightInfoRecord> const& weights) {
    std::string text;
    for (DomainWeightInfoRecord const& record : weights)
        text += (text.empty() ? "" : ",") + DomainName(record.domain) + ":" + std::to_string(record.weight);
    return text;
}

std::vector<DomainWeightInfoRecord> ParseDomainWeights(std::string const& field) {
    std::vector<DomainWeightInfoRecord> weights;
    if (field.empty()) return weights;
    for (std::string const& item : SplitText(field, ',')) {
        std::vector<std::string> const parts = SplitText(item, ':');
        if (parts.size() != 2) throw DictionaryTextError("domain weight needs domain:weight: " + item);
        DomainWeightInfoRecord record;
        record.domain = static_cast<DomainID>(ParseDomainName(parts[0]));
        record.weight = static_cast<uint16_t>(ParseNumber(parts[1], 0, 0xFFFF));
        weights.push_back(record);
    }
    return weights;
}

std::string FormatSemantics(Dict_Semantics_E_Source const& semantics) {
    if (semantics.IsBlank()) return "";
    std::string text;
    for (unsigned i = 0; i < semantics.CountingRecords(); ++i)
        text += (i == 0 ? "" : "|") + FormatSemanticRecord(semantics.records[i]);
    return text;
}

Dict_Semantics_E_Source ParseSemantics(std::string const& field) {
    Dict_Semantics_E_Source semantics;
    if (field.empty()) return semantics;
    std::vector<std::string> const records = SplitText(field, '|');
    for (std::size_t i = 0; i < records.size() && i < Dict_Semantics_E_Source::kRecordCount; ++i)
        semantics.records[i] = ParseSemanticRecord(records[i]);
    if (records.size() != semantics.CountingRecords())
        throw DictionaryTextError("semantics need 1 record when one-slot, else 3: " + field);
    return semantics;
}

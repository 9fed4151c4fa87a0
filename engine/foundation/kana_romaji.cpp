#include "engine/foundation/kana_romaji.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_map>

#include "engine/foundation/cooked_text.h"
#include "engine/foundation/kana_tables.h"
#include "engine/foundation/sjis_chars.h"

namespace {

constexpr std::string_view kDoubleBar = "\x81\x61";  // "∥"
constexpr std::string_view kMarker = "zxj";
constexpr std::string_view kRomajiConsonants = "kgsztdnhbpmrwy";

// Lead bytes of the Shift-JIS rows whose kana have romaji: punctuation (the
// long-vowel mark), hiragana, katakana.
constexpr unsigned char kFirstKanaLead = 0x81;
constexpr unsigned char kLastKanaLead = 0x83;

unsigned short Saturate16(std::size_t n) {
    return static_cast<unsigned short>(std::min<std::size_t>(n, std::numeric_limits<unsigned short>::max()));
}

// Up to four bytes as one number, for hashing short romaji and kana strings.
std::uint32_t PackBytes(std::string_view bytes) {
    std::uint32_t key = 0;
    for (std::size_t i = 0; i < bytes.size() && i < 4; ++i) {
        key |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    }
    return key;
}

// The tables rearranged for lookup in both directions.
class KanaIndex {
public:
    static KanaIndex const& Get() {
        static KanaIndex const index;
        return index;
    }

    // Romaji of one double-byte character, from Hiragana or Katakana.
    char const* RomajiOfChar(unsigned char lead, unsigned char trail) const {
        if (lead < kFirstKanaLead || lead > kLastKanaLead) return nullptr;
        return fCharRomaji[lead - kFirstKanaLead][trail];
    }

    // Romaji of a two-kana syllable of Kana ("kya").
    char const* RomajiOfSyllable(std::string_view twoChars) const { return Find(fSyllableRomaji, twoChars); }

    // Kana of romaji of at most three letters, from Kana.
    char const* KanaOfRomaji(std::string_view romaji) const { return Find(fKanaOfRomaji, romaji); }

private:
    using ShortStringMap = std::unordered_map<std::uint32_t, char const*>;

    KanaIndex() {
        AddCharRows(std::begin(Hiragana), std::end(Hiragana));
        AddCharRows(std::begin(Katakana), std::end(Katakana));
        for (std::size_t i = 0; i < kKanaCount; ++i) {
            fKanaOfRomaji.emplace(PackBytes(Kana[i].romaji), Kana[i].kana);
            if (std::strlen(Kana[i].kana) == 4) fSyllableRomaji.emplace(PackBytes(Kana[i].kana), Kana[i].romaji);
        }
    }

    void AddCharRows(KanaPair const* row, KanaPair const* end) {
        for (; row != end; ++row) {
            auto const lead = static_cast<unsigned char>(row->kana[0]);
            auto const trail = static_cast<unsigned char>(row->kana[1]);
            fCharRomaji[lead - kFirstKanaLead][trail] = row->romaji;
        }
    }

    static char const* Find(ShortStringMap const& map, std::string_view key) {
        if (key.size() > 4) return nullptr;
        auto const found = map.find(PackBytes(key));
        return found == map.end() ? nullptr : found->second;
    }

    std::array<std::array<char const*, 256>, kLastKanaLead - kFirstKanaLead + 1> fCharRomaji{};
    ShortStringMap fSyllableRomaji;
    ShortStringMap fKanaOfRomaji;
};

// Bytes of the character at p in [p, end): two for a lead byte followed by a
// byte of the text that is not NUL, else one.
std::size_t CharSizeIn(char const* p, char const* end) {
    return (IsSJISLeadByte(p[0]) && p + 1 < end && p[1] != '\0') ? 2 : 1;
}

// Romaji of [s, end) and, for each romaji byte, the source offset of the
// character whose romaji begins there (0 elsewhere).
void ConvertKanaToRomaji(char const* s, char const* end, bool syllableAware, std::string& romaji,
                         std::vector<std::size_t>& offsets) {
    KanaIndex const& index = KanaIndex::Get();
    romaji.reserve(static_cast<std::size_t>(end - s));
    offsets.reserve(static_cast<std::size_t>(end - s));
    for (char const* p = s; p < end;) {
        std::size_t size = CharSizeIn(p, end);
        char const* out = nullptr;
        if (syllableAware && size == 2 && p + 2 < end && CharSizeIn(p + 2, end) == 2) {
            out = index.RomajiOfSyllable(std::string_view(p, 4));
            if (out != nullptr) size = 4;
        }
        if (out == nullptr && size == 2) out = index.RomajiOfChar(p[0], p[1]);
        std::string_view const piece = out != nullptr ? std::string_view(out) : std::string_view(p, size);

        offsets.push_back(static_cast<std::size_t>(p - s));
        offsets.resize(offsets.size() + piece.size() - 1, 0);
        romaji.append(piece);
        p += size;
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsASCIILetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool IsRomajiConsonant(char c) { return c != '\0' && kRomajiConsonants.find(c) != std::string_view::npos; }

std::size_t LeadingBlanks(std::string_view piece) {
    std::size_t n = 0;
    while (n < piece.size() && IsBlank(piece[n])) ++n;
    return n;
}

using ParenList = std::array<std::string_view, kParenListCount>;

ParenList MakeParenList(char const (*slots)[kParenSlotSize]) {
    ParenList list;
    for (std::size_t i = 0; i < kParenListCount; ++i) list[i] = slots[i];
    return list;
}

ParenList const& OpenParens() {
    static ParenList const list = MakeParenList(kOpenParenList);
    return list;
}

ParenList const& CloseParens() {
    static ParenList const list = MakeParenList(kCloseParenList);
    return list;
}

// Every piece is tested, so the first byte rules out most of them cheaply.
bool BeginsWithParen(std::string_view piece, ParenList const& list) {
    if (piece.empty()) return false;
    for (std::string_view const paren : list) {
        if (piece[0] == paren[0] && piece.substr(0, paren.size()) == paren) return true;
    }
    return false;
}

// The "}" closing the group that opens at p; null when p opens none.  Found
// by characters: "}" is also the trail byte of a katakana.
char const* BraceGroupClose(char const* p) { return *p == '{' ? MyDBCSstrchr(p + 1, "}") : nullptr; }

// The piece, after leading white space, begins with the marker.
bool IsMarkerPiece(std::string_view piece) {
    std::size_t white = 0;
    while (white < piece.size() && IsASCIIWhite(piece[white])) ++white;
    return piece.substr(white, kMarker.size()) == kMarker;
}

}  // namespace

// ---- Kana to romaji ------------------------------------------------------

void AmbiKanaToRomaji(char const* s, char** romaji, unsigned short** offsets, bool syllableAware) {
    if (s == nullptr) s = "";
    std::size_t const length = std::strlen(s);
    std::string text;
    std::vector<std::size_t> textOffsets;
    ConvertKanaToRomaji(s, s + length, syllableAware, text, textOffsets);

    // Romaji is never longer than twice its kana; the max only guards the
    // copy against a table that breaks that rule.
    std::size_t const room = std::max(2 * length, text.size());
    if (romaji != nullptr) {
        *romaji = new char[room + 1]();
        std::memcpy(*romaji, text.data(), text.size());
    }
    if (offsets != nullptr) {
        *offsets = new unsigned short[room + 2]();
        std::transform(textOffsets.begin(), textOffsets.end(), *offsets, Saturate16);
        (*offsets)[text.size()] = Saturate16(length);
    }
}

void KanaToRomaji(char const* s, char** romaji, unsigned short** offsets) {
    AmbiKanaToRomaji(s, romaji, offsets, false);
}

void SyllableAwareKanaToRomaji(char const* s, char** romaji, unsigned short** offsets) {
    AmbiKanaToRomaji(s, romaji, offsets, true);
}

std::string KanaToRomaji(std::string const& s, std::vector<unsigned long>* offsets) {
    std::string romaji;
    std::vector<std::size_t> textOffsets;
    ConvertKanaToRomaji(s.data(), s.data() + s.size(), false, romaji, textOffsets);
    if (offsets != nullptr) offsets->insert(offsets->end(), textOffsets.begin(), textOffsets.end());
    return romaji;
}

char* HiraganaToRomaji(char const* s) {
    if (s == nullptr) s = "";
    constexpr unsigned char kHiraganaLead = 0x82;
    KanaIndex const& index = KanaIndex::Get();
    std::string out;
    for (std::size_t size; (size = SJISCharSize(s)) != 0; s += size) {
        char const* romaji =
            size == 2 && static_cast<unsigned char>(s[0]) == kHiraganaLead ? index.RomajiOfChar(s[0], s[1]) : nullptr;
        if (romaji != nullptr) {
            out += romaji;
        } else {
            out.append(s, size);
        }
    }
    char* copy = new char[out.size() + 1];
    std::memcpy(copy, out.c_str(), out.size() + 1);
    return copy;
}

// ---- Romaji to kana ------------------------------------------------------

KanaConverter::KanaConverter(bool skipLeadingBlanks) : fSkipLeadingBlanks(skipLeadingBlanks) {}

unsigned short KanaConverter::ConvertToKana(char const* text) {
    if (text == nullptr) text = "";
    for (char const* p = text; *p != '\0';) {
        char const c = *p;
        if (static_cast<unsigned char>(c) >= 0x80) {
            FlushPending();
            std::size_t const size = SJISCharSize(p);
            AddPiece(p, size);
            p += size;
        } else if (IsBlank(c) || c == '-') {
            // Joints and blanks vanish; a "-" splitting letters is remembered.
            if (c == '-' && fPendingCount != 0) fJointSincePending = true;
            ++p;
        } else if (char const* close = BraceGroupClose(p)) {
            // The group is written as it stands; letters pending before it
            // still join the letters after it.
            AddBraceGroup(p + 1, close);
            p = close + 1;
        } else if (IsASCIILetter(c)) {
            fPending[fPendingCount++] = c;
            if (!IsRomajiConsonant(c) || fPendingCount == kMaxPending) FlushPending();
            ++p;
        } else {
            FlushPending();
            AddPiece(p, 1);
            ++p;
        }
    }
    return Saturate16(fOutput.size());
}

unsigned short KanaConverter::AddKanaString(char const* text) {
    if (text != nullptr) AddPiece(text, std::strlen(text));
    return Saturate16(fOutput.size());
}

void KanaConverter::AddKanaN(char const* text, unsigned short n) {
    if (text != nullptr) AddPiece(text, strnlen(text, n));
}

std::string KanaConverter::GetKanaLeftovers() const {
    return fPendingCount <= 1 ? std::string(fPending, fPendingCount) : std::string();
}

void KanaConverter::FlushPending() {
    if (fPendingCount != 0) LookupKanaString(fPending, fJointSincePending);
}

void KanaConverter::LookupKanaString(char const* pending, bool afterJoint) {
    std::string_view romaji(pending, std::strlen(pending));
    // "w-o" is the stem's "w" and an ending's "o", not the particle "wo".
    if (afterJoint && romaji == "wo") romaji = "o";
    char const* kana = KanaIndex::Get().KanaOfRomaji(romaji);
    if (kana != nullptr) {
        AddPiece(kana, std::strlen(kana));
    } else {
        AddPiece(romaji.data(), romaji.size());
    }
    std::fill(std::begin(fPending), std::end(fPending), '\0');
    fPendingCount = 0;
    fJointSincePending = false;
}

// Each character of the group is one piece; a blank inside the group is
// written with the character after it, so the spacing rules see them as one.
void KanaConverter::AddBraceGroup(char const* text, char const* close) {
    if (IsZXJMarker(text)) return;
    char const* pieceStart = text;
    for (char const* p = text; p < close;) {
        if (IsBlank(*p)) {
            ++p;
            continue;
        }
        p += SJISCharSize(p);
        AddPiece(pieceStart, static_cast<std::size_t>(p - pieceStart));
        pieceStart = p;
    }
}

std::size_t KanaConverter::MeasureAddition(char const* piece, std::size_t n) const {
    std::string_view const text(piece, n);
    std::size_t const blanks = LeadingBlanks(text);
    if (fOutput.empty() && fSkipLeadingBlanks) return blanks;
    if (fLastOpenedParen && !BeginsWithParen(text.substr(blanks), CloseParens())) return blanks;
    return 0;
}

// Pieces that add nothing leave the converter's state as it was.
void KanaConverter::AddPiece(char const* piece, std::size_t n) {
    std::string_view text(piece, n);
    if (IsMarkerPiece(text)) return;
    text.remove_prefix(MeasureAddition(piece, n));
    if (text.empty()) return;
    bool const isDoubleBar = text == kDoubleBar;
    if (isDoubleBar && fLastWasDoubleBar) return;

    if (BeginsWithParen(text, CloseParens())) {
        while (!fOutput.empty() && IsBlank(fOutput.back())) fOutput.pop_back();
    }
    fOutput.append(text);
    fLastWasDoubleBar = isDoubleBar;
    fLastOpenedParen = BeginsWithParen(text, OpenParens());
}

void RomajiToKana(char** out, char const* text, bool keepLeftovers) {
    std::string const kana = RomajiToKana(std::string(text != nullptr ? text : ""), keepLeftovers);
    *out = new char[kana.size() + 1];
    std::memcpy(*out, kana.c_str(), kana.size() + 1);
}

std::string RomajiToKana(std::string const& text, bool keepLeftovers) {
    KanaConverter converter(true);
    converter.ConvertToKana(text.c_str());
    std::string kana = converter.Output();
    if (keepLeftovers) kana += converter.GetKanaLeftovers();
    return kana;
}

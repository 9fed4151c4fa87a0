#include "engine/compiled/learning_stats_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "engine/foundation/sjis_convert.h"

namespace {

constexpr char kFieldSeparator = '\t';
constexpr char kLineEnd = '\n';
constexpr int kValueDecimals = 6;

// A character written as itself: it has a Shift-JIS form that reads back
// as the same character.
bool EncodesAsItself(wchar_t c) {
    std::wstring const one(1, c);
    std::string const bytes = MapWstringToSJIS(one);
    return !bytes.empty() && MapSJISTowstring(bytes.c_str()) == one;
}

// The Shift-JIS form of a key, or "" when writing it would break the line or
// reading it back would give another key.
std::string WritableKey(std::wstring const& key) {
    if (key.empty() || key.find_first_of(L"\t\n") != std::wstring::npos) return std::string();
    std::string bytes = MapWstringToSJIS(key);
    if (MapSJISTowstring(bytes.c_str()) != key) return std::string();
    return bytes;
}

// The features key is raised by 13, so a feature set in s to z leaves ASCII
// for characters with no Shift-JIS form.  Each such character is written as
// the escape "%" and four upper-case hex digits.  A key that encodes as it is
// keeps its bytes: the reader takes an escape back only when it names a
// character that could not have been written otherwise.
constexpr wchar_t kEscape = L'%';
constexpr std::size_t kEscapeDigits = 4;
constexpr wchar_t kLargestEscaped = 0xFFFF;

// The character an escape at key[at] names, or 0 when there is none.
wchar_t EscapedCharacterAt(std::wstring const& key, std::size_t at) {
    if (key[at] != kEscape || key.size() - at <= kEscapeDigits) return 0;
    wchar_t named = 0;
    for (std::size_t i = 1; i <= kEscapeDigits; ++i) {
        wchar_t const digit = key[at + i];
        int value = -1;
        if (digit >= L'0' && digit <= L'9') value = digit - L'0';
        if (digit >= L'A' && digit <= L'F') value = digit - L'A' + 10;
        if (value < 0) return 0;
        named = named * 16 + value;
    }
    return named != 0 && !EncodesAsItself(named) ? named : 0;
}

std::string WritableFeaturesKey(std::wstring const& key) {
    std::wstring escaped;
    for (std::size_t i = 0; i < key.size(); ++i) {
        wchar_t const c = key[i];
        // A written "%" that reads as an escape would name another key.
        if (EscapedCharacterAt(key, i) != 0) return std::string();
        if (c != L'\0' && c <= kLargestEscaped && !EncodesAsItself(c)) {
            static wchar_t const kHex[] = L"0123456789ABCDEF";
            escaped += kEscape;
            for (int shift = 12; shift >= 0; shift -= 4) escaped += kHex[(c >> shift) & 0xF];
        } else {
            escaped += c;
        }
    }
    return WritableKey(escaped);
}

std::wstring UnescapedFeaturesKey(std::wstring const& key) {
    std::wstring plain;
    for (std::size_t i = 0; i < key.size(); ++i) {
        wchar_t const named = EscapedCharacterAt(key, i);
        if (named != 0) {
            plain += named;
            i += kEscapeDigits;
        } else {
            plain += key[i];
        }
    }
    return plain;
}

// The wide key of a field's bytes; "" when it holds a NUL (the rest would be
// lost) or does not decode.
std::wstring ReadableKey(std::string const& field) {
    if (field.find('\0') != std::string::npos) return std::wstring();
    return MapSJISTowstring(field.c_str());
}

bool ParseLine(std::string const& line, LearningStatsLine* out) {
    std::string::size_type const tab1 = line.find(kFieldSeparator);
    if (tab1 == std::string::npos) return false;
    std::string::size_type const tab2 = line.find(kFieldSeparator, tab1 + 1);
    if (tab2 == std::string::npos) return false;
    std::string::size_type const tab3 = line.find(kFieldSeparator, tab2 + 1);
    if (tab3 == std::string::npos) return false;
    out->key.headwordKey = ReadableKey(line.substr(0, tab1));
    out->key.featuresKey = UnescapedFeaturesKey(ReadableKey(line.substr(tab1 + 1, tab2 - tab1 - 1)));
    out->key.paraphraseKey = ReadableKey(line.substr(tab2 + 1, tab3 - tab2 - 1));
    if (out->key.headwordKey.empty() || out->key.featuresKey.empty() || out->key.paraphraseKey.empty()) return false;
    return ParseLearningValue(line.substr(tab3 + 1), &out->value);
}

}  // namespace

std::string FormatLearningValue(float value) {
    char buffer[64];
    auto const result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, kValueDecimals);
    return std::string(buffer, result.ptr);
}

bool ParseLearningValue(std::string const& text, float* value) {
    char const* const end = text.data() + text.size();
    float parsed = 0.0f;
    auto const result = std::from_chars(text.data(), end, parsed, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed)) return false;
    *value = parsed;
    return true;
}

std::string FormatLearningStatsLine(Dict70CompiledLearningDataKey const& key, float value) {
    std::string const headword = WritableKey(key.headwordKey);
    std::string const features = WritableFeaturesKey(key.featuresKey);
    std::string const paraphrase = WritableKey(key.paraphraseKey);
    if (headword.empty() || features.empty() || paraphrase.empty()) return std::string();
    return headword + kFieldSeparator + features + kFieldSeparator + paraphrase + kFieldSeparator +
           FormatLearningValue(value) + kLineEnd;
}

std::vector<LearningStatsLine> ParseLearningStatsText(std::string const& text) {
    std::vector<LearningStatsLine> lines;
    std::string::size_type start = 0;
    for (std::string::size_type end = text.find(kLineEnd); end != std::string::npos;
         start = end + 1, end = text.find(kLineEnd, start)) {
        LearningStatsLine line;
        if (ParseLine(text.substr(start, end - start), &line)) lines.push_back(std::move(line));
    }
    return lines;
}

#include "engine/compiled/learning_stats_text.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "engine/foundation/sjis_convert.h"

namespace {

constexpr char kFieldSeparator = '\t';
constexpr char kLineEnd = '\n';
constexpr int kValueDecimals = 6;

// The Shift-JIS form of a key, or "" when writing it would break the line or
// reading it back would give another key.
std::string WritableKey(std::wstring const& key) {
    if (key.empty() || key.find_first_of(L"\t\n") != std::wstring::npos) return std::string();
    std::string bytes = MapWstringToSJIS(key);
    if (MapSJISTowstring(bytes.c_str()) != key) return std::string();
    return bytes;
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
    out->key.featuresKey = ReadableKey(line.substr(tab1 + 1, tab2 - tab1 - 1));
    out->key.paraphraseKey = ReadableKey(line.substr(tab2 + 1, tab3 - tab2 - 1));
    if (out->key.headwordKey.empty() || out->key.featuresKey.empty() || out->key.paraphraseKey.empty())
        return false;
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
    std::string const features = WritableKey(key.featuresKey);
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

#include "tools/e2j/text_io.h"

#include <iterator>

#include "platform/text_recode.h"

namespace {

constexpr char kShiftJIS[] = "CP932";
constexpr char kUTF8[] = "UTF-8";
constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";

}  // namespace

std::string EngineTextFromUser(std::string const& text, bool sjis) {
    return sjis ? text : RecodeLossy(kShiftJIS, kUTF8, text, "?");
}

std::string UserTextFromEngine(std::string const& text, bool sjis) {
    return sjis ? text : RecodeLossy(kUTF8, kShiftJIS, text, kReplacementCharacter);
}

std::string ReadUserText(std::vector<std::string> const& words, std::istream& in) {
    if (words.empty()) return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    std::string text;
    for (std::string const& word : words) text += (text.empty() ? "" : " ") + word;
    return text;
}

#include "engine/userdict/paper_formatter_readings.h"

#include <cmath>
#include <cstring>

#include "engine/foundation/cooked_japanese.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/foundation/string_compare.h"

namespace {

// The character at `at`, or NUL past the end: a missing character matches no
// test.
char CharAt(std::string const& text, std::size_t at) { return at < text.size() ? text[at] : '\0'; }

bool BeginsWith(std::string const& text, char const* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

bool IsASCIIDigitChar(char c) { return c >= '0' && c <= '9'; }

// A verb's first feature set is the grammar's verb set: its first letter is
// the form (B base, S third person singular, D past, N participle only, G
// -ing form, T to-infinitive) and its seventh the perfect, set on a past that
// is the participle too.
constexpr std::size_t kVerbFormAt = 0;
constexpr std::size_t kVerbPerfectAt = 6;

char const* const kParticles[] = {
    "about", "across", "after",   "against", "ahead",    "along", "apart", "around", "aside",
    "away",  "back",   "before",  "behind",  "by",       "down",  "in",    "off",    "on",
    "out",   "over",   "through", "to",      "together", "under", "up",
};

}  // namespace

std::string DGetConstit(FinePOS_EX const& finePOS) { return EnglishPOSName(finePOS.GetFinePOS()); }

PaperGrossPOS ConstitToGrossPOS(std::string const& name) {
    if (name == "N" || (name.size() == 2 && name[0] == 'N')) return kPaperNoun;
    if ((BeginsWith(name, "VI") || BeginsWith(name, "VT")) && IsASCIIDigitChar(CharAt(name, 2))) return kPaperVerb;
    if (BeginsWith(name, "ADJ") && !BeginsWith(name, "ADJUNCT")) return kPaperAdjective;
    if (BeginsWith(name, "ADV")) return kPaperAdverb;
    if (BeginsWith(name, "PREP")) return kPaperPreposition;
    return kPaperSpecial;
}

PaperInflectType GetInflectType(std::string const& name, std::string const& features) {
    switch (ConstitToGrossPOS(name)) {
        case kPaperNoun:
            return CharAt(features, 0) == 'P' ? kInflectNounPlural : kInflectNounSingular;
        case kPaperVerb:
            switch (CharAt(features, kVerbFormAt)) {
                case 'S':
                    return kInflectVerbThirdPerson;
                case 'G':
                    return kInflectVerbGerund;
                case 'D':
                case 'N':
                    return kInflectVerbPast;
                default:
                    return kInflectVerbPlain;
            }
        case kPaperAdjective:
            return kInflectAdjective;
        case kPaperAdverb:
            return kInflectAdverb;
        default:
            return kInflectOther;
    }
}

long GetInflectSubType(PaperInflectType type, std::string const& features) {
    if (type != kInflectVerbPast) return 0;
    if (CharAt(features, kVerbFormAt) == 'N') return 3;
    return CharAt(features, kVerbPerfectAt) == 'Y' ? 2 : 1;
}

std::string DRealJapanese(Paraphrase_EX const& paraphrase, POS_J_Target* targetPOS) {
    if (targetPOS != nullptr) *targetPOS = paraphrase.GetTransPOS();
    return StripInternalStuffFromJapanese(paraphrase.GetCookedTranslation());
}

bool HasRealJapanese(FinePOS_EX const& finePOS) {
    for (ForwardIterator<Paraphrase_EX> pp = finePOS.GetParaphraseIterator(); !pp.IsAtEnd(); ++pp) {
        if (!DRealJapanese(*pp).empty()) return true;
    }
    return false;
}

bool OKPaperConstit(FinePOS_EX const& finePOS) {
    std::string const name = DGetConstit(finePOS);
    return !BeginsWith(name, "VT31") && !BeginsWith(name, "VI16") && !BeginsWith(name, "VI19");
}

bool IsParticle(std::string const& text) {
    for (char const* particle : kParticles) {
        if (StrUpMatch(text.c_str(), particle)) return true;
    }
    return false;
}

std::string GetWordsAdjustVI01(std::string const& headword, std::string const& name) {
    if (name != "VI01" || headword.find(' ') == std::string::npos) return headword;
    std::size_t lastWhite = headword.size();
    while (lastWhite > 0 && !IsASCIIWhite(headword[lastWhite - 1])) --lastWhite;
    if (lastWhite == 0 || !IsParticle(headword.substr(lastWhite))) return headword;
    std::size_t end = lastWhite;
    while (end > 0 && IsASCIIWhite(headword[end - 1])) --end;
    return headword.substr(0, end);
}

float DecodePValue(short pValue) { return static_cast<float>(std::pow(10.0, pValue / 2048.0)); }

#include "engine/transfer/inflection_pattern.h"

#include <cstring>
#include <memory>
#include <vector>

#include "engine/foundation/copula_rewrites.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/kana_romaji.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/transfer/pin_tail.h"

namespace {

char const* OrEmpty(char const* s) { return s != nullptr ? s : ""; }

// A word in romaji and, per romaji byte (and one past the end), the byte
// offset in the word of the kana whose romaji begins there (0 elsewhere).
struct MarkedRomaji {
    std::string text;
    std::vector<unsigned short> marks;
};

MarkedRomaji ToMarkedRomaji(char const* japanese) {
    char* romaji = nullptr;
    unsigned short* offsets = nullptr;
    SyllableAwareKanaToRomaji(japanese, &romaji, &offsets);
    std::unique_ptr<char[]> const ownedRomaji(romaji);
    std::unique_ptr<unsigned short[]> const ownedOffsets(offsets);
    MarkedRomaji marked;
    marked.text = romaji;
    marked.marks.assign(offsets, offsets + marked.text.size() + 1);
    return marked;
}

// The syllable mark at position or the nearest one before it.
std::size_t MarkAtOrBefore(std::vector<unsigned short> const& marks, std::size_t position) {
    for (std::size_t i = position < marks.size() ? position : marks.size() - 1; i > 0; --i)
        if (marks[i] != 0) return marks[i];
    return 0;
}

// The classes in w whose kana drop the w before a vowel (買います for 買w-):
// VCw, VCww and the adjectival forms built on them.
bool DropsWBeforeVowel(JPOSN jposn) {
    switch (jposn) {
        case 40:
        case 41:
        case 115:
        case 122:
        case 130:
        case 139:
        case 155:
            return true;
        default:
            return false;
    }
}

bool IsRomajiVowel(char c) { return c != '\0' && std::strchr("aeiou", c) != nullptr; }

bool StartsWith(std::string const& text, std::size_t at, char const* prefix) {
    return text.compare(at, std::strlen(prefix), prefix) == 0;
}

// n falls between two characters of text (and not beyond it).
bool OnCharBoundary(std::string const& text, std::size_t n) {
    if (n > text.size()) return false;
    return n == 0 || BytesToChars(text.c_str(), static_cast<unsigned long>(n), nullptr);
}

}  // namespace

int16_t GrossClassOfJPOSN(JPOSN jposn) {
    if (jposn == 0) return -1;
    return FindGrossJPOS(JPOSNToStr(jposn));
}

bool TestEnding(ALTWORD_INFLECT_ATOM const& record, DICT_SOURCE const& source, std::size_t tailPosition,
                std::string const& romaji, EndingBests* bests) {
    if (record.ending == nullptr || tailPosition > romaji.size()) return false;
    uint16_t const jposFlags = record.flags & kAWJPOSFlagMask;
    if ((jposFlags & ~source.japanesePOS) != 0) return false;
    bool const opensTail = (record.flags & kAWEndingBeginsTail) != 0;
    std::size_t const tailLength = romaji.size() - tailPosition;
    std::size_t const endingLength = std::strlen(record.ending);
    if (opensTail ? !StartsWith(romaji, tailPosition, record.ending)
                  : tailLength != endingLength || !StartsWith(romaji, tailPosition, record.ending))
        return false;
    int const length = static_cast<int>(endingLength);
    bool const stemRequired = (record.flags & kAWStemRequired) != 0;
    if (length < bests->length && !(stemRequired && !bests->hasStem)) return false;

    char const* const stemEnding = OrEmpty(record.stemEnding);
    bool const stemFound = KEndsWith(romaji.substr(0, tailPosition).c_str(), stemEnding);
    int const stemLength = stemFound ? static_cast<int>(std::strlen(stemEnding)) : 0;
    bool const stemMarked = stemRequired && *stemEnding != '\0' && stemFound;
    bool const hasFlags = jposFlags != 0;
    // A stem-marked record beats every record that is not; among records of
    // the same kind a longer ending wins, then a flagged one, then a longer
    // stem ending.
    if (!stemMarked || bests->hasStem) {
        if (bests->hasStem && !stemMarked) return false;
        if (length <= bests->length) {
            if (length < bests->length) return false;
            if (!hasFlags && bests->hasFlags) return false;
            if (stemLength <= bests->stemLength && (!hasFlags || bests->hasFlags)) return false;
        }
    }
    bests->length = length;
    bests->stemLength = stemLength;
    bests->hasFlags = hasFlags;
    bests->hasStem = stemMarked;
    return true;
}

int16_t FindInflectPattern(std::string* baseForm, std::string* tail, char const* japanese, DICT_SOURCE const& source,
                           int16_t grossJPOS) {
    japanese = OrEmpty(japanese);
    tail->clear();
    *baseForm = japanese;
    AltWordInflectionSet const* const set = GetAWSetOfGrossJPOS(grossJPOS);
    JPOSN const jposn = source.japanesePOS & 0xFF;
    int const row = set != nullptr ? FindAWSetRow(*set, jposn) : -1;
    if (row < 0 || source.translationLength == DICT_SOURCE::kNoInflectionInfo) return -1;

    MarkedRomaji romaji = ToMarkedRomaji(japanese);
    std::string rewritten = romaji.text;
    if (MaybeVCrFromSurface(rewritten, static_cast<unsigned short>(jposn)))
        romaji = ToMarkedRomaji(RomajiToKana(rewritten, true).c_str());

    // The stem is the first L bytes of the romaji; M is where the stem ends in
    // the Japanese, so that the dictionary form keeps the word's own script.
    std::size_t const dictionaryLength = source.translationLength;
    if (dictionaryLength > romaji.text.size()) return -1;
    std::size_t stemCut =
        dictionaryLength < romaji.text.size() ? MarkAtOrBefore(romaji.marks, dictionaryLength) : std::strlen(japanese);
    if (dictionaryLength > 0 && IsRomajiVowel(romaji.text[dictionaryLength - 1]) && DropsWBeforeVowel(jposn)) {
        // 買います reads 買imasu: put back the w the kana lost, so the vowel
        // opens the tail, and keep the marks in step with the text.
        std::size_t const vowel = dictionaryLength - 1;
        romaji.text.insert(vowel, 1, 'w');
        romaji.marks.insert(romaji.marks.begin() + static_cast<std::ptrdiff_t>(vowel), romaji.marks[vowel]);
        romaji.marks[vowel + 1] = 0;
        stemCut = stemCut >= 2 ? stemCut - 2 : 0;
    }

    std::size_t const patterns = set->patternsPerRow < kAWFormCount ? set->patternsPerRow : kAWFormCount;
    EndingBests bests;
    int16_t pattern = -1;
    ALTWORD_INFLECT_ATOM const* accepted = nullptr;
    for (std::size_t k = 0; k < patterns; ++k) {
        for (ALTWORD_INFLECT_ATOM const* record : {&set->primary[row][k], &set->secondary[row][k]}) {
            if (TestEnding(*record, source, dictionaryLength, romaji.text, &bests)) {
                pattern = static_cast<int16_t>(k);
                accepted = record;
            }
        }
    }
    if (accepted == nullptr) return -1;

    std::size_t const endingLength = std::strlen(accepted->ending);
    if (dictionaryLength + endingLength < romaji.text.size())
        *tail = romaji.text.substr(dictionaryLength + endingLength);

    // The dictionary form: the stem ending the word matched gives way to
    // that of record 0, and record 0's ending follows.  The stem ending of
    // the record that matched is taken (it may be a second spelling: 買w-imasu).
    ALTWORD_INFLECT_ATOM const& dictionaryRecord = set->primary[row][0];
    if (dictionaryRecord.ending == nullptr) return pattern;  // no dictionary form to build: the word stands
    std::string stem = romaji.text.substr(0, dictionaryLength);
    char const* const stemEnding = OrEmpty(accepted->stemEnding);
    std::size_t const stemEndingLength = std::strlen(stemEnding);
    if (stemEndingLength > 0) {
        if (KEndsWith(stem.c_str(), stemEnding))
            stem.replace(stem.size() - stemEndingLength, stemEndingLength, OrEmpty(dictionaryRecord.stemEnding));
        std::size_t const stemStart = dictionaryLength > stemEndingLength ? dictionaryLength - stemEndingLength : 0;
        std::size_t const mark = MarkAtOrBefore(romaji.marks, stemStart);
        if (mark < stemCut) stemCut = mark;
    }
    std::string base = RomajiToKana(stem + "-" + dictionaryRecord.ending, false);
    std::string const word = japanese;
    if (OnCharBoundary(base, stemCut) && OnCharBoundary(word, stemCut)) base.replace(0, stemCut, word, 0, stemCut);
    *baseForm = base;
    return pattern;
}

std::string GetJapaneseBaseForm(char const* japanese, DICT_SOURCE const& source) {
    std::string base;
    std::string tail;
    FindInflectPattern(&base, &tail, japanese, source, GrossClassOfJPOSN(source.japanesePOS & 0xFF));
    return base;
}

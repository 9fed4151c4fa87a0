// Reading how a Japanese word is inflected, and inflecting an alternative the
// same way, over the core lexicon's readings.
#include "engine/transfer/alt_inflection.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/compiled/core_lexicon.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/sjis_convert.h"
#include "engine/transfer/dictionary_length.h"
#include "engine/transfer/inflection_pattern.h"

namespace {

std::string SJIS(wchar_t const* text) { return MapWstringToSJIS(text); }

constexpr JPOSN kVCk = 34, kVCr = 37, kVCw = 40, kVV = 42, kVsu = 44, kN = 11, kADJ = 101;

// The dictionary source of a word whose reading is cooked so.
DICT_SOURCE SourceOf(JPOSN jposn, wchar_t const* cooked) {
    DICT_SOURCE source;
    source.japanesePOS = static_cast<uint16_t>(jposn);
    source.translationLength = DictionaryRomajiLength(SJIS(cooked), 0);
    return source;
}

int VerbForm(char const* name) { return FindAWFormSlot(*GetAWSet(eAWSetVerb), name); }

TEST(AltInflection, ReadsTheFormBaseAndTailOfAWord) {
    struct Case {
        wchar_t const* word;
        JPOSN jposn;
        wchar_t const* cooked;
        char const* form;
        wchar_t const* base;
        char const* tail;
    } const cases[] = {
        {L"走った", kVCr, L"{走}r-", "Past", L"走る", ""},
        {L"走る", kVCr, L"{走}r-", "Present", L"走る", ""},
        {L"書いています", kVCk, L"{書}k-", "Cont", L"書く", "imasu"},  // the て form opens a tail
        {L"書きます", kVCk, L"{書}k-", "Polite", L"書く", ""},         // the longer ending wins over Gerund
        {L"かいた", kVCk, L"{か}k-", "Past", L"かく", ""},
        {L"経営した", kVsu, L"{経営}su-", "Past", L"経営する", ""},
        {L"流れた", kVV, L"{流れ}-", "Past", L"流れる", ""},
        // The kana of 買w- lose the w before i, u and e; it is put back.
        {L"買う", kVCw, L"{買}w-", "Present", L"買う", ""},
        {L"買います", kVCw, L"{買}w-", "Polite", L"買う", ""},
        {L"買わない", kVCw, L"{買}w-", "Neg", L"買う", ""},
        {L"買った", kVCw, L"{買}w-", "Past", L"買う", ""},
        {L"買おう", kVCw, L"{買}w-", "Cohort", L"買う", ""},
    };
    for (Case const& c : cases) {
        std::string const word = SJIS(c.word);
        std::string base, tail;
        int16_t const pattern = FindInflectPattern(&base, &tail, word.c_str(), SourceOf(c.jposn, c.cooked), 2);
        EXPECT_EQ(pattern, VerbForm(c.form)) << word;
        EXPECT_EQ(base, SJIS(c.base)) << word;
        EXPECT_EQ(tail, c.tail) << word;
        EXPECT_EQ(GetJapaneseBaseForm(word.c_str(), SourceOf(c.jposn, c.cooked)), SJIS(c.base));
    }
}

TEST(AltInflection, AWordThatCannotBeReadIsItsOwnBase) {
    std::string const word = SJIS(L"走った");
    DICT_SOURCE unknownLength = SourceOf(kVCr, L"{走}r-");
    unknownLength.translationLength = DICT_SOURCE::kNoInflectionInfo;
    DICT_SOURCE tooLong = SourceOf(kVCr, L"{走}r-");
    tooLong.translationLength = 6;  // the word's romaji is 5 bytes
    DICT_SOURCE noun = SourceOf(kN, L"{走}");
    struct Case {
        char const* word;
        DICT_SOURCE source;
        int16_t grossJPOS;
        std::string base;
    } const cases[] = {
        {word.c_str(), unknownLength, 2, word},
        {word.c_str(), tooLong, 2, word},
        {word.c_str(), noun, 1, word},                       // nouns do not inflect
        {word.c_str(), SourceOf(kVCr, L"{走}r-"), 3, word},  // the adjectival set has no VCr row
        {"", SourceOf(kVCr, L""), 2, ""},                    // no romaji at all
        {nullptr, SourceOf(kVCr, L"{走}r-"), 2, ""},
    };
    for (Case const& c : cases) {
        std::string base = "stale", tail = "stale";
        EXPECT_EQ(FindInflectPattern(&base, &tail, c.word, c.source, c.grossJPOS), -1) << c.source.translationLength;
        EXPECT_EQ(base, c.base);
        EXPECT_EQ(tail, "");
    }
}

// The core lexicon's readings of a word, in order, forms left out.
std::vector<POSAndParaphrase> ReadingsOf(char const* word) {
    static Dictionary_EX const lexicon = OpenCoreLexicon();
    std::vector<POSAndParaphrase> readings;
    for (ForwardIterator<Entry_EX> entry = lexicon.Lookup(word, nullptr); !entry.IsAtEnd(); ++entry) {
        for (ForwardIterator<FinePOS_EX> fp = (*entry).GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
            if ((*fp).IsACF()) continue;  // a form shares its base's paraphrases
            for (ForwardIterator<Paraphrase_EX> pp = (*fp).GetParaphraseIterator(); !pp.IsAtEnd(); ++pp)
                readings.emplace_back(*fp, *pp);
        }
    }
    return readings;
}

// A set that knows one inflection: the current word's.
struct OneWordSet {
    AW_SET set{{}, 0};
    std::string japanese;
    DICT_SOURCE source;

    OneWordSet(wchar_t const* word, JPOSN jposn, wchar_t const* cooked)
        : japanese(SJIS(word)), source(SourceOf(jposn, cooked)) {
        set.grossJPOS = GrossClassOfJPOSN(jposn);
        set.inflectionPattern =
            FindInflectPattern(&set.japaneseBaseForm, &set.tail, japanese.c_str(), source, set.grossJPOS);
        set.inflections.push_back(
            {japanese, set.tail, set.inflectionPattern, source.japanesePOS, source.translationLength});
    }

    std::string Inflect(POSAndParaphrase const& reading, DICT_SOURCE* outSource = nullptr) const {
        DICT_SOURCE ignored;
        std::optional<std::string> const text =
            CInflectAltword(outSource != nullptr ? outSource : &ignored, japanese.c_str(), source, set, reading);
        return text.value_or("(null)");
    }
};

TEST(AltInflection, AnAlternativeTakesTheCurrentWordsForm) {
    std::vector<POSAndParaphrase> const run = ReadingsOf("run");
    std::vector<POSAndParaphrase> const buy = ReadingsOf("buy");
    std::vector<POSAndParaphrase> const sad = ReadingsOf("sad");
    ASSERT_EQ(run.size(), 3u);  // 走る, 経営する, 流れる
    ASSERT_EQ(buy.size(), 1u);  // 買う
    ASSERT_EQ(sad.size(), 1u);  // 悲しい
    OneWordSet const ran(L"走った", kVCr, L"{走}r-");
    OneWordSet const writing(L"書いています", kVCk, L"{書}k-");
    OneWordSet const notWriting(L"書かない", kVCk, L"{書}k-");
    OneWordSet const wasRed(L"赤かった", kADJ, L"{赤}-");
    struct Case {
        OneWordSet const& current;
        POSAndParaphrase const& reading;
        wchar_t const* expected;
    } const cases[] = {
        {ran, run[0], L"走った"},           {ran, run[1], L"経営した"},
        {ran, run[2], L"流れた"},           {writing, run[1], L"経営しています"},
        {writing, buy[0], L"買っています"}, {notWriting, buy[0], L"買わない"},  // the w comes back before a
        {notWriting, run[2], L"流れない"},  {wasRed, sad[0], L"悲しかった"},
    };
    for (Case const& c : cases)
        EXPECT_EQ(c.current.Inflect(c.reading), SJIS(c.expected)) << c.reading.GetParaphrase().GetCookedTranslation();
}

TEST(AltInflection, TheOutSourceDescribesTheAlternative) {
    std::vector<POSAndParaphrase> const run = ReadingsOf("run");
    ASSERT_EQ(run.size(), 3u);
    OneWordSet const ran(L"走った", kVCr, L"{走}r-");
    DICT_SOURCE current = ran.source;
    current.japaneseStart = 7;
    current.englishStart = 3;
    DICT_SOURCE out;
    std::optional<std::string> const text = CInflectAltword(&out, ran.japanese.c_str(), current, ran.set, run[1]);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, SJIS(L"経営した"));
    EXPECT_EQ(out.japanesePOS, kVsu);
    EXPECT_EQ(out.translationLength, 6u);  // 経営su
    EXPECT_EQ(out.englishPOS, POS_E_SourceToEPOSN(run[1].GetFinePOS().GetFinePOS()));
    EXPECT_EQ(out.dictionaryID, run[1].GetParaphrase().GetEntry().GetDictionary().GetID());
    EXPECT_EQ(out.japaneseStart, 7u);  // where the current word stands
    EXPECT_EQ(out.englishStart, 3u);
}

// A pattern numbers a form within one set: an adjective cannot take the
// verb set's pattern, nor can any reading take a form the set never read.
TEST(AltInflection, WithoutAFormToTakeTheAlternativeStaysRaw) {
    std::vector<POSAndParaphrase> const sad = ReadingsOf("sad");
    std::vector<POSAndParaphrase> const run = ReadingsOf("run");
    ASSERT_EQ(sad.size(), 1u);
    ASSERT_EQ(run.size(), 3u);
    OneWordSet const ran(L"走った", kVCr, L"{走}r-");
    DICT_SOURCE out;
    EXPECT_EQ(ran.Inflect(sad[0], &out), SJIS(L"悲しい"));
    EXPECT_EQ(out.japanesePOS & 0xFF, 101u);  // ADJ, no flags of a verb record

    OneWordSet unknown(L"走った", kVCr, L"{走}r-");
    unknown.set.inflections.clear();
    EXPECT_EQ(unknown.Inflect(run[1]), SJIS(L"経営する"));

    OneWordSet const unreadable(L"走った", kVCr, L"{}");  // dictionary length 0: no record fits
    EXPECT_EQ(unreadable.set.inflectionPattern, -1);
    EXPECT_EQ(unreadable.Inflect(run[2]), SJIS(L"流れる"));
}

TEST(AltInflection, NoChosenReadingGivesNoText) {
    OneWordSet const ran(L"走った", kVCr, L"{走}r-");
    DICT_SOURCE current = ran.source;
    current.japanesePOS |= 0x0400;
    current.dictionaryID = 7;
    DICT_SOURCE out;
    EXPECT_FALSE(CInflectAltword(&out, ran.japanese.c_str(), current, ran.set, CanBeNull<POSAndParaphrase>()));
    EXPECT_EQ(out.translationLength, DICT_SOURCE::kNoInflectionInfo);
    EXPECT_EQ(out.japanesePOS, kVCr);
    EXPECT_EQ(out.dictionaryID, kDefaultDictionaryID);
    EXPECT_FALSE(CInflectAltword(&out, nullptr, current, ran.set, CanBeNull<POSAndParaphrase>()));
}

}  // namespace

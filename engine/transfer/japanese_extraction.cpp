#include "engine/transfer/japanese_extraction.h"

#include <algorithm>
#include <cstring>
#include <cwctype>

#include "engine/foundation/cooked_text.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/sjis_convert.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/dictionary_priorities.h"
#include "engine/transfer/dictionary_length.h"
#include "engine/transfer/unended_stems.h"

namespace {

// The English text a raw-capitals reading carries.
constexpr char kCapSeqSource[] = "(capseq)";
constexpr uint16_t kJapaneseMarkBits = 0xFC00;

std::string EnglishOf(PARSED_NODE const* node) {
    if (node->reading.IsNull()) return std::string();
    return node->reading.Get().GetFinePOS().GetEntry().GetSrcText();
}

bool HasReading(PARSED_NODE const* node) {
    return (node->flags & PARSED_NODE::kDictionaryLeaf) != 0 && !node->reading.IsNull();
}

bool IsCapSequence(PARSED_NODE const* node) { return (node->flags & PARSED_NODE::kViewBit5) != 0; }

bool IsRawCapitals(PARSED_NODE const* node) { return HasReading(node) && EnglishOf(node) == kCapSeqSource; }

bool SameSpan(PARSED_NODE const* a, PARSED_NODE const* b) { return a->span == b->span && a->endWord == b->endWord; }

// Whether a node below `top` (in the chain from `node` down) of top's span
// passes the test.
template <class Test>
bool AnyBelowOfSpan(PARSED_NODE const* top, PARSED_NODE const* node, Test test) {
    for (; node != nullptr; node = node->rightSibling) {
        if (SameSpan(top, node) && test(node)) return true;
        if (AnyBelowOfSpan(top, node->firstChild, test)) return true;
    }
    return false;
}

// Holds a character other than the full-width letters and digits.
bool HasNonFullWidthAlnum(char const* japanese) {
    auto const* text = reinterpret_cast<unsigned char const*>(japanese);
    while (*text != 0) {
        if (text[0] == 0x82 && text[1] >= 0x40 && text[1] <= 0x9E && text[1] != 0x7F) {
            text += 2;
            continue;
        }
        return true;
    }
    return false;
}

bool IsSJISSpace(unsigned char lead, unsigned char trail) { return lead == 0x81 && trail == 0x40; }

bool IsASCIIWhite(unsigned char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

}  // namespace

JTranslationExtractor::JTranslationExtractor(bool showArticles, CapSequenceUserOption const& capSequence,
                                             AuxiliaryVerbsUserOption_J const& auxiliaryVerbs)
    : fConverter(true),
      fShowArticles(showArticles),
      fRawCapitalsShown(capSequence.value != CapSequenceUserOption::kTranslationOnly),
      fTranslationKept(capSequence.value != CapSequenceUserOption::kEnglishOnly),
      fNoRomajiSpacing(auxiliaryVerbs.fFlags[kNoRomajiSpacingFlag] != 0) {}

void JTranslationExtractor::Refresh() {
    fLength = static_cast<uint16_t>(std::min<std::size_t>(fConverter.Output().size(), UINT16_MAX));
}

void JTranslationExtractor::AddPlain(char const* text) {
    fConverter.AddKanaString(text);
    Refresh();
}

char const* JTranslationExtractor::FilterW(char const* text) const {
    if (fLength != 0) return text;
    auto const* bytes = reinterpret_cast<unsigned char const*>(text);
    for (;;) {
        if (IsASCIIWhite(bytes[0])) {
            ++bytes;
        } else if (bytes[0] != 0 && IsSJISSpace(bytes[0], bytes[1])) {
            bytes += 2;
        } else {
            break;
        }
    }
    return reinterpret_cast<char const*>(bytes);
}

void JTranslationExtractor::AddKSCheck(char const* text) {
    fConverter.ConvertToKana(FilterW(text));
    Refresh();
}

bool JTranslationExtractor::KanaStringEndsWithWhitespace() const {
    std::string const& out = fConverter.Output();
    if (out.empty()) return false;
    char const* last = PrevCharStart(out.data(), out.size());
    auto const* bytes = reinterpret_cast<unsigned char const*>(last);
    if (last + 1 == out.data() + out.size()) return IsASCIIWhite(bytes[0]);
    return IsSJISSpace(bytes[0], bytes[1]);
}

bool JTranslationExtractor::KanaStringEndsWithASCII() const {
    std::string const& out = fConverter.Output();
    if (out.empty()) return false;
    char const* last = PrevCharStart(out.data(), out.size());
    return last + 1 == out.data() + out.size() && static_cast<unsigned char>(*last) < 0x80;
}

bool JTranslationExtractor::ShownWithEnglish(PARSED_NODE const* node) const {
    if (!fRawCapitalsShown || node->span != 0 || !HasReading(node) || node->japanese == nullptr) return false;
    std::string const english = EnglishOf(node);
    if (english.empty() || english[0] < 'A' || english[0] > 'Z') return false;
    FinePOS_EX const& finePOS = node->reading.Get().GetFinePOS();
    if (IsTemporaryDict(finePOS.GetEntry().GetDictionary())) return false;
    return IsNounLike(finePOS.GetFinePOS()) && HasNonFullWidthAlnum(node->japanese);
}

bool JTranslationExtractor::Output(PARSED_NODE const* node, bool shownWithEnglish) const {
    bool output = fTranslationKept || !shownWithEnglish;
    if (!IsCapSequence(node)) return output;
    if (!fTranslationKept) return false;
    bool const dominatesReading = AnyBelowOfSpan(node, node->firstChild, [](PARSED_NODE const* below) {
        return (below->flags & PARSED_NODE::kDictionaryLeaf) != 0 && !IsRawCapitals(below);
    });
    if (!dominatesReading && (IsRawCapitals(node) || AnyBelowOfSpan(node, node->firstChild, IsRawCapitals)))
        output = false;
    return output;
}

void JTranslationExtractor::ExtractJSubtree(PARSED_NODE* node, bool mayAddRaw, bool skip,
                                            std::vector<PreparsedWord> const& words) {
    for (; node != nullptr; node = node->rightSibling) {
        node->firstExtent.start = fLength;
        bool const shown = !skip && ShownWithEnglish(node);
        bool const output = Output(node, shown);
        char const* japanese = node->japanese;
        if (output && japanese != nullptr && *japanese != 0) {
            bool const droppedArticle =
                !fShowArticles && std::strcmp(japanese, "sono") == 0 && EnglishOf(node) == "the";
            if (!droppedArticle) {
                if (StartsWithSingleByteRomaji(japanese) && !KanaStringEndsWithWhitespace() &&
                    !(fNoRomajiSpacing && !KanaStringEndsWithASCII())) {
                    bool const atStart = fLength == node->firstExtent.start;
                    AddPlain(" ");
                    if (atStart) node->firstExtent.start = fLength;
                }
                AddKSCheck(japanese);
                if (EndsWithSingleByteRomaji(japanese) && !fNoRomajiSpacing) AddPlain(" ");
            }
        }
        if (node->firstChild != nullptr) {
            node->firstChild->firstExtent.start = node->firstExtent.start;
            ExtractJSubtree(node->firstChild, mayAddRaw && !IsCapSequence(node), skip || !output, words);
        }
        if (!skip && mayAddRaw && (shown || (IsCapSequence(node) && (fRawCapitalsShown || !output))))
            AddRawString(node, output, words);
        node->firstExtent.end = fLength;
    }
}

void JTranslationExtractor::AddRawString(PARSED_NODE* node, bool parenthesised,
                                         std::vector<PreparsedWord> const& words) {
    if (node->endWord >= words.size() || node->span > node->endWord) return;
    std::size_t const first = node->endWord - node->span;
    std::vector<std::string> english;
    for (std::size_t i = first; i <= node->endWord; ++i) english.push_back(words[i].fText);
    if (parenthesised) {
        std::string joined;
        for (std::string const& word : english) joined += word;
        KanaConverter own(true);
        SimpleGetTranslationStringHelper(node, &own);
        std::wstring englishWide = RemoveSpaces(DecodeSJISLenient(joined));
        std::wstring japaneseWide = RemoveSpaces(DecodeSJISLenient(own.Output()));
        ConvertToHalfWidthChars(&englishWide);
        ConvertToHalfWidthChars(&japaneseWide);
        if (englishWide == japaneseWide) return;
    }

    auto* raw = new PARSED_NODE;
    raw->category = kRawCapSeqCategory;
    raw->span = node->span;
    raw->endWord = node->endWord;
    if (node->firstChild == nullptr) {
        node->firstChild = raw;
        raw->back = node;
    } else {
        PARSED_NODE* last = node->firstChild;
        while (last->rightSibling != nullptr) last = last->rightSibling;
        last->rightSibling = raw;
        raw->back = last;
    }
    raw->firstExtent.start = fLength;

    bool const ascii = std::none_of(english.begin(), english.end(), [](std::string const& word) {
        return std::any_of(word.begin(), word.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    });
    if (ascii) AddPlain(" ");
    if (parenthesised) AddPlain("(");
    for (std::size_t i = 0; i < english.size(); ++i) {
        if (i != 0) AddPlain(" ");
        AddPlain(english[i].c_str());
    }
    if (parenthesised) AddPlain(")");
    if (ascii) AddPlain(" ");
    raw->firstExtent.end = fLength;
}

std::string ExtractTranslation(PARSED_NODE* tree, CapSequenceUserOption const& capSequence,
                               std::vector<PreparsedWord> const& words, ShowArticlesUserOption const& showArticles,
                               AuxiliaryVerbsUserOption_J const& auxiliaryVerbs) {
    FinishUnendedStems(tree);
    JTranslationExtractor extractor(showArticles.show, capSequence, auxiliaryVerbs);
    extractor.ExtractJSubtree(tree, true, false, words);
    if (tree != nullptr) tree->firstExtent.end = extractor.OutputLength();
    return extractor.RetrieveKanaString();
}

void SimpleGetTranslationStringHelper(PARSED_NODE const* node, KanaConverter* converter) {
    if (node == nullptr) return;
    if (node->japanese != nullptr) converter->ConvertToKana(node->japanese);
    for (PARSED_NODE const* child = node->firstChild; child != nullptr; child = child->rightSibling)
        SimpleGetTranslationStringHelper(child, converter);
}

std::wstring RemoveSpaces(std::wstring const& text) {
    std::wstring kept;
    for (wchar_t const c : text)
        if (!iswspace(static_cast<wint_t>(c)) && c != L'\x3000') kept += c;
    return kept;
}

bool IsTemporaryDict(Dictionary_EX const& dictionary) {
    unsigned short const id = dictionary.GetID();
    return id >= kMinDynamicDictionaryID && id <= kMaxDynamicDictionaryID;
}

uint16_t DictSourceDictionaryID(Dictionary_EX const& dictionary) {
    switch (GetDictType(dictionary)) {
        case kMissingWordDictType:
            return kMissingWordDictionaryID;
        case kSpecialDictType:
            return kDefaultDictionaryID;
        default:
            return dictionary.GetID();
    }
}

namespace {

void WalkForSource(std::vector<DICT_SOURCE>* list, PARSED_NODE const* node, Sentence const& sentence) {
    for (; node != nullptr; node = node->rightSibling) {
        EXTENT const& japanese = node->firstExtent;
        EXTENT const& english = node->extent;
        bool const spans = japanese.start < japanese.end && english.start < english.end &&
                           english.end != EXTENT::kUnknown && japanese.end != EXTENT::kUnknown;
        if (HasReading(node) && spans) {
            Paraphrase_EX const& paraphrase = node->reading.Get().GetParaphrase();
            DICT_SOURCE source;
            source.japaneseStart = japanese.start;
            source.japaneseLength = static_cast<uint16_t>(japanese.end - japanese.start);
            source.englishStart = english.start;
            source.englishLength = static_cast<uint16_t>(english.end - english.start);
            source.dictionaryID = DictSourceDictionaryID(paraphrase.GetEntry().GetDictionary());
            JPOSN const jpos = JPOSStrToN(static_cast<POS_J_Target>(node->japanesePOS));
            source.japanesePOS = jpos <= 0xFF ? static_cast<uint16_t>(jpos) : 0;
            if ((node->secondWord & ~kJapaneseMarkBits) == 0) source.japanesePOS |= node->secondWord;
            source.translationLength = FindJDictLen(node, paraphrase, sentence);
            source.englishPOS = static_cast<uint32_t>(POS_E_SourceToEPOSN(static_cast<POS_E_Source>(node->category)));
            if (node->flags & PARSED_NODE::kAlwaysUseJapanese)
                source.kind = DICT_SOURCE::kAlwaysUseReading;
            else if (node->flags & PARSED_NODE::kOtherAlwaysUseJapanese)
                source.kind = DICT_SOURCE::kOtherAlwaysUseReading;
            if (node->flags & PARSED_NODE::kViewBit0) source.kind |= DICT_SOURCE::kFromAnalysisTop;
            list->push_back(source);
        }
        WalkForSource(list, node->firstChild, sentence);
    }
}

}  // namespace

std::vector<DICT_SOURCE> CreateDictSourceList(PARSED_NODE* tree, Sentence* sentence) {
    std::vector<DICT_SOURCE> list;
    WalkForSource(&list, tree, *sentence);
    return list;
}

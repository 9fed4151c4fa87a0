#include "engine/pipeline/etoj_translator.h"

#include <algorithm>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"

namespace {

EnglishTokens const sEnglishTokens;
POSTokens const sPOSTokens;

EtoJSentenceWork* sInstalledWork = nullptr;

// The tokens a sentence keeps for translation.
bool KeptInSentence(Token token) {
    if (EnglishTokens::IsTextToken(token)) return true;
    switch (TokenTypeOf(token)) {
        case kEOFTokenType:
        case EnglishTokens::kEndOfSentence:
        case EnglishTokens::kIgnoredEndOfSentence:
        case EnglishTokens::kUserCancel:
        case EnglishTokens::kNoTranslate:
        case EnglishTokens::kSkippedSent:
            return true;
        default:
            return false;
    }
}

bool EndsSentence(TokenTypeID type) {
    return type == EnglishTokens::kEndOfSentence || type == kEOFTokenType || type == EnglishTokens::kSkippedSent;
}

constexpr uint16_t kLiteralMarkup = 0x8000;

}  // namespace

EtoJTranslator::EtoJTranslator() : Filter(nullptr, nullptr, nullptr), fWork(sInstalledWork) {}

void EtoJTranslator::InstallSentenceWork(EtoJSentenceWork* work) { sInstalledWork = work; }

void EtoJTranslator::SetOptionFlags(bool userDictPreferred, bool posPreferred, bool documentMode) {
    fUserDictPreferred = userDictPreferred;
    fPOSPreferred = posPreferred;
    fDocumentMode = documentMode;
}

Token EtoJTranslator::Produce() {
    if (fOutputQueue.empty()) EnsureQueueNotEmpty();
    Token const token = fOutputQueue.front();
    fOutputQueue.pop_front();
    return token;
}

bool EtoJTranslator::Translate(std::vector<Token>* out, std::vector<TokenDictSource>* sources, bool quick,
                               std::vector<Token> const& source) {
    return fWork != nullptr && fWork->Translate(*this, out, sources, quick, source);
}

unsigned long EtoJTranslator::TextLength(Token token) const {
    unsigned long length = 0;
    if (fTokenStringDatabase == nullptr || !fTokenStringDatabase->FindLength(token, &length)) return 0;
    return length;
}

bool EtoJTranslator::IsWordTooLong(Token token) const {
    TokenTypeID const type = TokenTypeOf(token);
    bool const translatable = EnglishTokens::IsTextToken(token) && type != EnglishTokens::kNewline &&
                              type != EnglishTokens::kSpace && type != EnglishTokens::kTab;
    return translatable && TextLength(token) > kLongestWord;
}

void EtoJTranslator::EndPOSRange(std::vector<POSMarkupRange>* open, uint16_t position) {
    // An end tag without its start is the user's markup: ignore it.
    if (open->empty()) return;
    POSMarkupRange range = open->back();
    open->pop_back();
    range.end = position;
    if (!fPOSSettings.empty()) {
        POSMarkupRange& last = fPOSSettings.back();
        if (last.start == range.start && last.end == range.end &&
            (last.value == kLiteralMarkup || range.value == kLiteralMarkup)) {
            last.value |= range.value;
            return;
        }
    }
    fPOSSettings.push_back(range);
}

void EtoJTranslator::ConsumeSentenceTokens(std::vector<Token>* tokens, bool* translate, bool* quick) {
    *translate = true;
    *quick = false;
    fPOSSettings.clear();
    std::vector<POSMarkupRange> open;
    unsigned long position = 0;
    for (;;) {
        Token const token = PullUpstream();
        TokenTypeID const type = TokenTypeOf(token);
        if (!HandleSpecialToken(token, position)) {
            if (type == EnglishTokens::kContinueSentence || type == EnglishTokens::kIgnoredEndOfSentence) continue;
            if (type == EnglishTokens::kSeparator) {
                NotParseableWarning(kHasSeparator);
                *translate = false;
            } else if (POSTokens::IsStartPOSTokenType(type)) {
                POSMarkupRange range;
                range.value = POSTokens::POSTokenTypeToPOSValue(type);
                range.start = static_cast<uint16_t>(position);
                open.push_back(range);
            } else if (POSTokens::IsEndPOSTokenType(type)) {
                EndPOSRange(&open, static_cast<uint16_t>(position));
            } else {
                if (IsWordTooLong(token)) {
                    NotParseableWarning(kWordTooLong);
                    *translate = false;
                }
                position += TextLength(token);
            }
        }
        if (KeptInSentence(token)) tokens->push_back(token);
        if (!tokens->empty() && EndsSentence(TokenTypeOf(tokens->back()))) break;
    }
    // Offsets are 16-bit: a longer sentence passes through as it stands.
    if (tokens->size() < 2 || position > UINT16_MAX) *translate = false;
}

void EtoJTranslator::SetDictionarySources(Token sentenceEnd, std::vector<TokenDictSource> const& sources) {
    if (fDictSources != nullptr) fDictSources->Insert(TokenSerialOf(sentenceEnd), sources);
}

void EtoJTranslator::StaticMissingWord(char const* text, unsigned short offset, void* list) {
    if (list == nullptr) return;
    static_cast<std::vector<MissingWordInfo>*>(list)->emplace_back(text != nullptr ? text : "", offset);
}

void EtoJTranslator::SetMissingWords(std::vector<Token> const& source) {
    if (fMissingWords != nullptr) {
        for (MissingWordInfo const& info : fMissingWordList) {
            uint32_t serial = kUnalignedSerial;
            unsigned long offset = 0;
            for (Token const token : source) {
                std::wstring text;
                if (fTokenStringDatabase == nullptr || !fTokenStringDatabase->Find(token, &text)) continue;
                if (offset == info.fOffset) {
                    serial = TokenSerialOf(token);
                    break;
                }
                offset += EncodeSJISLenient(text.data(), text.size()).size();
                if (offset > info.fOffset) break;
            }
            fMissingWords->insert(serial);
        }
    }
    fMissingWordList.clear();
}

Token EtoJTranslator::CreateWordToken(std::wstring const& text) {
    Token const token = NewToken(fTokenCreator, EnglishTokens::kWord);
    if (fTokenStringDatabase != nullptr) fTokenStringDatabase->Insert(token, text);
    return token;
}

void EtoJTranslator::AddSourceTokens(std::vector<Token>* list, std::vector<Token> const& source, uint32_t start,
                                     uint32_t length) const {
    unsigned long offset = 0;
    bool taking = false;
    for (Token const token : source) {
        unsigned long size = 0;
        if (fTokenStringDatabase == nullptr || !fTokenStringDatabase->FindLength(token, &size)) continue;
        if (!taking && offset < start) {
            offset += size;
            continue;
        }
        taking = true;
        if (offset >= static_cast<unsigned long>(start) + length) break;
        list->push_back(token);
        offset += size;
    }
}

void EtoJTranslator::TranslationToTokens(std::vector<Token>* out, std::vector<TokenDictSource>* sources,
                                         std::wstring const& japanese, std::vector<DICT_SOURCE> const& pieces,
                                         std::vector<Token> const& source) {
    out->clear();
    sources->clear();
    std::vector<DICT_SOURCE> sorted = pieces;
    std::stable_sort(sorted.begin(), sorted.end(), DictSorceCompareJOffsets);
    std::size_t const size = japanese.size();
    std::size_t pos = 0;
    for (DICT_SOURCE const& piece : sorted) {
        // Pieces that overlap what is already out are cut to what is left.
        std::size_t const start = std::min(std::max<std::size_t>(piece.japaneseStart, pos), size);
        std::size_t const end = std::min<std::size_t>(piece.japaneseStart + piece.japaneseLength, size);
        bool made = false;
        Token word = 0;
        if (piece.japaneseLength != 0 && start < end) {
            if (pos < start) out->push_back(CreateWordToken(japanese.substr(pos, start - pos)));
            word = CreateWordToken(japanese.substr(start, end - start));
            out->push_back(word);
            made = true;
            pos = end;
        }
        if (fDictSources == nullptr) continue;
        TokenDictSource record;
        record.fDictionaryID = piece.dictionaryID;
        record.fJapanesePOS = piece.japanesePOS;
        record.fTranslationLength = piece.translationLength;
        record.fEnglishPOS = piece.englishPOS;
        record.fKindFlags = piece.kind;
        if (made) record.fOutputTokens.push_back(word);
        AddSourceTokens(&record.fSourceTokens, source, piece.englishStart, piece.englishLength);
        sources->push_back(std::move(record));
    }
    if (pos < size) out->push_back(CreateWordToken(japanese.substr(pos)));
}

std::size_t EtoJTranslator::CountWords(std::vector<Token> const& tokens) {
    return static_cast<std::size_t>(std::count_if(tokens.begin(), tokens.end(), [](Token token) {
        switch (TokenTypeOf(token)) {
            case EnglishTokens::kSeparator:
            case EnglishTokens::kNumber:
            case EnglishTokens::kWord:
            case EnglishTokens::kNumberSequence:
            case EnglishTokens::kPhoneNumber:
            case EnglishTokens::kInternetName:
                return true;
            default:
                return false;
        }
    }));
}

void EtoJTranslator::CreateDictSourcesForSourceTokens(std::vector<TokenDictSource>* sources,
                                                      std::vector<Token> const& tokens) {
    for (Token const token : tokens) {
        TokenDictSource record;
        record.fDictionaryID = kDefaultDictionaryID;
        record.fSourceTokens.push_back(token);
        record.fOutputTokens.push_back(token);
        sources->push_back(std::move(record));
    }
}

void EtoJTranslator::EnsureQueueNotEmpty() {
    std::vector<Token> source;
    std::vector<Token> out;
    std::vector<TokenDictSource> sources;
    bool translate = false;
    bool quick = false;
    fMissingWordList.clear();
    ConsumeSentenceTokens(&source, &translate, &quick);
    if (translate && Translate(&out, &sources, quick, source)) {
        SetMissingWords(source);
        SetDictionarySources(source.back(), sources);
        for (Token token : source) {
            if (!EnglishTokens::IsWhite(token, fTokenStringDatabase)) break;
            fOutputQueue.push_back(token);
        }
        fOutputQueue.insert(fOutputQueue.end(), out.begin(), out.end());
        fOutputQueue.push_back(source.back());
        return;
    }
    if (!out.empty() && TokenTypeOf(out.front()) == EnglishTokens::kUserCancel) {
        fOutputQueue.push_back(out.front());
        return;
    }
    SetMissingWords(source);
    // Keep what a filter before this stage recorded for the sentence.
    if (!fWordCheckOnly && fDictSources != nullptr) fDictSources->Append(TokenSerialOf(source.back()), {});
    fOutputQueue.insert(fOutputQueue.end(), source.begin(), source.end());
}

#include "engine/transfer/sentence_translation.h"

#include <algorithm>
#include <new>

#include "engine/compiled/rewriting_composite_dictionary.h"
#include "engine/foundation/engine_exceptions.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/etoj_preparser.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/pos_setting.h"
#include "engine/parse/sentence.h"
#include "engine/parse/sjis_offsets.h"
#include "engine/pipeline/user_canceled.h"
#include "engine/transfer/post_edit_alternate_words.h"
#include "engine/transfer/transfer_steps.h"

namespace {

// Answers of a parse beyond the parser's own.
constexpr uint16_t kParseStoppedByUser = 81;
constexpr uint16_t kParsedInPart = 83;

constexpr uint16_t kTopSpeed = 100;

// Puts the stage's speed back however the sentence ends.
class SpeedRestorer {
public:
    explicit SpeedRestorer(SentenceUserOptions& options) : fOptions(options), fSaved(options.fSpeed) {}
    ~SpeedRestorer() { fOptions.fSpeed = fSaved; }
    SpeedRestorer(SpeedRestorer const&) = delete;
    SpeedRestorer& operator=(SpeedRestorer const&) = delete;

private:
    SentenceUserOptions& fOptions;
    uint16_t fSaved;
};

// The character offset of Shift-JIS byte `offset` of the text.
uint16_t CharacterOffset(std::string const& text, std::size_t offset) {
    return static_cast<uint16_t>(MapSJISToWideCharOffsets(text.data(), std::min(offset, text.size())));
}

void ReportUnknownWord(std::string const& text, uint16_t offset, void* list) {
    EtoJTranslator::StaticMissingWord(text.c_str(), offset, list);
}

EtoJSentenceTranslation sInstalled;

}  // namespace

void InstallSentenceTranslation() {
    EtoJTranslator::InstallSentenceWork(&sInstalled);
    InstallPostEditAlternateWords();
}

std::wstring EtoJSentenceTranslation::SentenceText(EtoJTranslator const& stage, std::vector<Token> const& source) {
    std::wstring text;
    TokenStringDatabase const* strings = stage.GetTokenStringDatabase();
    if (strings == nullptr) return text;
    for (Token const token : source) {
        std::wstring piece;
        if (strings->Find(token, &piece)) text += piece;
    }
    return text;
}

bool EtoJSentenceTranslation::TooLong(std::wstring const& text) {
    // Offsets into the sentence are 16-bit.
    return EncodeSJISLenient(text.data(), text.size()).size() > EtoJPreparser::kMaxSentenceBytes;
}

Dictionary_EX EtoJSentenceTranslation::LookupDictionary(EtoJTranslator const& stage) {
    std::vector<Dictionary_EX> const& dictionaries = stage.GetDictionary();
    return dictionaries.empty() ? Dictionary_EX(Dictionary_EX_Temporary())
                                : Dictionary_EX(mkRewritingCompositeDictionary(dictionaries));
}

uint16_t EtoJSentenceTranslation::ByteOffset(std::wstring const& text, uint32_t offset) {
    std::size_t const n = std::min<std::size_t>(offset, text.size());
    return static_cast<uint16_t>(std::min<std::size_t>(MapWideToSJISCharOffsets(text.data(), n), UINT16_MAX));
}

uint16_t EtoJSentenceTranslation::RaisedSpeed(uint16_t speed) {
    switch (speed) {
        case 0:
        case 10:
        case 20:
            return 50;
        case 30:
        case 40:
        case 50:
            return 80;
        case 60:
        case 70:
        case 80:
        case 90:
            return kTopSpeed;
        default:
            return speed;
    }
}

bool EtoJSentenceTranslation::Translate(EtoJTranslator& stage, std::vector<Token>* out,
                                        std::vector<TokenDictSource>* sources, bool quick,
                                        std::vector<Token> const& source) {
    SentenceUserOptions& options = stage.MutableSentenceUserOptions();
    SpeedRestorer const restore(options);
    // A limit at the first speed climbs one step of the ladder, a limit there
    // goes to the top speed; every try fails or succeeds alike, so that no
    // sentence is lost to a failure that would only have cost it at the
    // first speed.
    for (int attempt = 0;; ++attempt) {
        try {
            out->clear();
            sources->clear();
            bool notTranslated = false;
            return CreateSentenceAndTranslate(stage, out, sources, quick, source, &notTranslated);
        } catch (HitLimitException const&) {
            uint16_t const raised = attempt == 0 ? RaisedSpeed(options.fSpeed) : kTopSpeed;
            if (attempt >= 2 || raised == options.fSpeed) return false;
            options.fSpeed = raised;
        } catch (xalloc_dead_core const&) {
            return false;
        } catch (std::bad_alloc const&) {
            return false;
        } catch (LockAttemptFailed const&) {
            throw;
        } catch (SilentExitException const&) {
            throw;
        } catch (UserCanceledException const&) {
            throw;
        } catch (...) {
            return false;
        }
    }
}

bool EtoJSentenceTranslation::CreateSentenceAndTranslate(EtoJTranslator& stage, std::vector<Token>* out,
                                                         std::vector<TokenDictSource>* sources, bool quick,
                                                         std::vector<Token> const& source, bool* notTranslated) {
    std::wstring const text = SentenceText(stage, source);
    if (TooLong(text)) {
        *notTranslated = true;
        return false;
    }
    Dictionary_EX const dictionary = LookupDictionary(stage);
    Sentence sentence(stage.GetSentenceUserOptions());
    sentence.Domains().ActivateDomainsExplicitly(dictionary.GetDomainIDSet());

    if (!TokensToSentence(stage, &sentence, source, text, quick, dictionary)) {
        *notTranslated = true;
        return false;
    }
    if (stage.GetWordCheckOnly()) {
        *notTranslated = true;
        return true;
    }
    *notTranslated = false;
    return TranslateSentence(stage, out, sources, &sentence, source, text);
}

bool EtoJSentenceTranslation::TokensToSentence(EtoJTranslator& stage, Sentence* sentence,
                                               std::vector<Token> const& source, std::wstring const& text, bool quick,
                                               Dictionary_EX const& dictionary) {
    EtoJPreparser preparser(stage.GetTokenCreator());
    preparser.SetTokenStringDatabase(stage.GetTokenStringDatabase());
    preparser.SetPreparserTokenSet(stage.GetPreparserTokenSet());
    if (!stage.GetDictionary().empty()) preparser.SetDictionary(dictionary);
    if (!source.empty() && TokenTypeOf(source.back()) == EnglishTokens::kEndOfSentence)
        sentence->SetSourceTokens(source, stage.GetTokenStringDatabase());

    std::vector<PreparsedWord> words;
    std::vector<PreparseSense> senses;
    std::vector<ExtraChartWord> extra;
    preparser.CreatePreparsedWords(&words, &senses, &extra, source);
    sentence->SetPreparsedWords(words, senses, extra, quick);
    ApplyPOSSettings(stage, sentence, text);

    if (sentence->WordCount() > 0) return BeforeParse(stage, sentence, dictionary);
    // Without words only a quick sentence goes on.
    return sentence->Type() == Sentence::kQuickSentence;
}

void EtoJSentenceTranslation::ApplyPOSSettings(EtoJTranslator const& stage, Sentence* sentence,
                                               std::wstring const& text) const {
    for (POSMarkupRange const& range : stage.POSSettings()) {
        POS_SETTING request;
        request.code = range.value;
        request.start = ByteOffset(text, range.start);
        request.end = ByteOffset(text, range.end);
        POS_SETTING result;
        CSetPOS(sentence, &result, &request);
    }
}

bool EtoJSentenceTranslation::BeforeParse(EtoJTranslator& stage, Sentence* sentence, Dictionary_EX const& dictionary) {
    // Readings made for unknown words (status 56) still make a chart.
    CBeforeParse(sentence, ReportUnknownWord, stage.MissingWordList(), false, dictionary);
    return true;
}

bool EtoJSentenceTranslation::TranslateSentence(EtoJTranslator& stage, std::vector<Token>* out,
                                                std::vector<TokenDictSource>* sources, Sentence* sentence,
                                                std::vector<Token> const& source, std::wstring const& text) {
    bool result = false;
    try {
        bool stopped = false;
        if (ParseSentence(sentence, &stopped)) {
            result = DoTranslateGraph(stage, out, sources, sentence, source, text);
        } else if (stopped) {
            out->push_back(NewToken(stage.GetTokenCreator(), EnglishTokens::kUserCancel));
        }
    } catch (SilentExitException const&) {
        throw;
    } catch (HitLimitException const&) {
        throw;
    } catch (LockAttemptFailed const&) {
        throw;
    } catch (UserCanceledException const&) {
        throw;
    } catch (...) {
        result = false;
    }
    if (!(sentence->Flags() & Sentence::kOneParseKept)) {
        try {
            sentence->Choices().CCommitChoices(sentence);
        } catch (...) {
        }
    }
    return result;
}

bool EtoJSentenceTranslation::ParseSentence(Sentence* sentence, bool* stopped) {
    Parser parser(sentence);
    if (fLimits) parser.SetLimits(fLimits(sentence->Speed()));
    uint16_t const status = parser.CParse();
    if (status == kParseStoppedByUser) *stopped = true;
    return status == kParsed || status == kQuickOrPartial || status == kParsedInPart;
}

bool EtoJSentenceTranslation::DoTranslateGraph(EtoJTranslator& stage, std::vector<Token>* out,
                                               std::vector<TokenDictSource>* sources, Sentence* sentence,
                                               std::vector<Token> const& source, std::wstring const& text) {
    sentence->Choices().CMakeChoicePlatform();
    return DoTranslate(stage, out, sources, sentence, source, text);
}

bool EtoJSentenceTranslation::DoTranslate(EtoJTranslator& stage, std::vector<Token>* out,
                                          std::vector<TokenDictSource>* sources, Sentence* sentence,
                                          std::vector<Token> const& source, std::wstring const& text) {
    std::wstring japanese;
    std::vector<DICT_SOURCE> pieces;
    if (!TranslatedText(sentence, text, &japanese, &pieces)) return false;
    stage.TranslationToTokens(out, sources, japanese, pieces, source);
    return true;
}

bool EtoJSentenceTranslation::TranslatedText(Sentence* sentence, std::wstring const& text, std::wstring* japanese,
                                             std::vector<DICT_SOURCE>* pieces) {
    std::string sjis;
    if (!CTranslate(&sjis, pieces, sentence)) return false;
    // Offsets into the Japanese are 16-bit as well.
    if (sjis.size() > UINT16_MAX) return false;
    std::string const sjisSource = EncodeSJISLenient(text.data(), text.size());
    for (DICT_SOURCE& piece : *pieces) {
        uint16_t const englishStart = CharacterOffset(sjisSource, piece.englishStart);
        uint16_t const englishEnd = CharacterOffset(sjisSource, std::size_t{piece.englishStart} + piece.englishLength);
        uint16_t const japaneseStart = CharacterOffset(sjis, piece.japaneseStart);
        uint16_t const japaneseEnd = CharacterOffset(sjis, std::size_t{piece.japaneseStart} + piece.japaneseLength);
        piece.englishStart = englishStart;
        piece.englishLength = static_cast<uint16_t>(englishEnd - englishStart);
        piece.japaneseStart = japaneseStart;
        piece.japaneseLength = static_cast<uint16_t>(japaneseEnd - japaneseStart);
    }
    *japanese = DecodeSJISLenient(sjis);
    return true;
}

#include "engine/transfer/alternate_sentence_work.h"

#include <algorithm>
#include <new>

#include "engine/foundation/engine_exceptions.h"
#include "engine/parse/hit_limit_exception.h"
#include "engine/parse/sentence.h"
#include "engine/pipeline/user_canceled.h"
#include "engine/transfer/alternate_translation.h"

namespace {

std::unique_ptr<EtoJAltSentenceWork> MakeWork() { return std::make_unique<AlternateSentenceWork>(); }

}  // namespace

void InstallAlternateTranslation() { EtoJAltTranslator::InstallAltSentenceWorkMaker(MakeWork); }

AlternateSentenceWork::AlternateSentenceWork() = default;

AlternateSentenceWork::~AlternateSentenceWork() {
    // The choices refer to the sentence.
    fAlternates.reset();
    fSentence.reset();
}

uint16_t AlternateSentenceWork::Prepare(EtoJTranslator& stage, std::vector<Token> const& source, bool quick,
                                        uint32_t start, uint32_t end) {
    SentenceUserOptions& options = stage.MutableSentenceUserOptions();
    uint16_t const saved = options.fSpeed;
    // As for a sentence of the normal road: a limit climbs the speed ladder,
    // and a sentence that cannot be analysed passes through.
    uint16_t count = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        try {
            count = PrepareAtSpeed(stage, source, quick, start, end);
            break;
        } catch (HitLimitException const&) {
            fAlternates.reset();
            fSentence.reset();
            uint16_t const raised = RaisedSpeed(options.fSpeed);
            if (raised == options.fSpeed) break;
            options.fSpeed = raised;
        } catch (xalloc_dead_core const&) {
            break;
        } catch (std::bad_alloc const&) {
            break;
        } catch (UserCanceledException const&) {
            options.fSpeed = saved;
            throw;
        }
    }
    options.fSpeed = saved;
    if (count == 0) {
        fAlternates.reset();
        fSentence.reset();
    }
    return count;
}

uint16_t AlternateSentenceWork::PrepareAtSpeed(EtoJTranslator& stage, std::vector<Token> const& source, bool quick,
                                               uint32_t start, uint32_t end) {
    fAlternates.reset();
    fSentence.reset();
    fText = SentenceText(stage, source);
    if (TooLong(fText)) return 0;
    Dictionary_EX const dictionary = LookupDictionary(stage);
    fDictionary = dictionary;
    fSentence = std::make_unique<Sentence>(stage.GetSentenceUserOptions());
    fSentence->SetMaxSavedParses(kSavedParses);
    fSentence->Domains().ActivateDomainsExplicitly(dictionary.GetDomainIDSet());
    if (!TokensToSentence(stage, fSentence.get(), source, fText, quick, dictionary)) return 0;
    bool stopped = false;
    if (!ParseSentence(fSentence.get(), &stopped)) {
        if (stopped) throw UserCanceledException();
        return 0;
    }
    fSentence->Choices().CMakeChoicePlatform();
    fAlternates = std::make_unique<AlternateTranslate>(fSentence.get());
    // The selection counts characters; the analysis counts Shift-JIS bytes.
    uint16_t const from = ByteOffset(fText, start);
    uint16_t const to = end >= EtoJAltTranslator::kWholeSentenceEnd ? EXTENT::kUnknown : ByteOffset(fText, end);
    if (fAlternates->CUserToSysExtent(from, to, 0) != AlternateTranslate::kOK) return 1;
    uint16_t count = 0;
    fAlternates->CConsiderPin(&count);
    // A parsed sentence is translated at least once.
    return std::max<uint16_t>(count, 1);
}

bool AlternateSentenceWork::TranslateChoice(EtoJTranslator&, uint16_t choice, bool selectChoice, std::wstring* japanese,
                                            std::vector<DICT_SOURCE>* pieces) {
    if (!fSentence || !fAlternates) return false;
    try {
        if (selectChoice && fAlternates->CSetCurrChoice(choice) != AlternateTranslate::kOK) return false;
        return TranslatedText(fSentence.get(), fText, japanese, pieces);
    } catch (HitLimitException const&) {
        return false;
    } catch (xalloc_dead_core const&) {
        return false;
    } catch (std::bad_alloc const&) {
        return false;
    }
}

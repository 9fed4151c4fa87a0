#include "engine/pipeline/etoj_alt_translator.h"

#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"

namespace {

EtoJAltTranslator::WorkMaker sInstalledMaker = nullptr;

}  // namespace

void EtoJAltTranslator::InstallAltSentenceWorkMaker(WorkMaker maker) { sInstalledMaker = maker; }

EtoJAltTranslator::EtoJAltTranslator() {
    if (sInstalledMaker != nullptr) fAltWork = sInstalledMaker();
}

EtoJAltTranslator::~EtoJAltTranslator() = default;

bool EtoJAltTranslator::HandleSpecialToken(Token token, unsigned long position) {
    fLastPosition = position;
    switch (TokenTypeOf(token)) {
        case EnglishTokens::kStartSelectionRegion:
            fStarts.push(position);
            return true;
        case EnglishTokens::kEndSelectionRegion:
            // An end without its start (a reversed selection, or one opened
            // in an earlier sentence) closes nothing.
            if (!fStarts.empty()) {
                fRegions.push_back({static_cast<uint32_t>(fStarts.top()), static_cast<uint32_t>(position)});
                fStarts.pop();
            }
            return true;
        default:
            return false;
    }
}

void EtoJAltTranslator::PrepareToGenerateAlternates() {
    bool translate = false;
    bool quick = false;
    fMissingWordList.clear();
    ConsumeSentenceTokens(&fTokens, &translate, &quick);
    // A region still open at the sentence's end ends there.
    for (; !fStarts.empty(); fStarts.pop())
        fRegions.push_back({static_cast<uint32_t>(fStarts.top()), static_cast<uint32_t>(fLastPosition)});
    fChoiceCount = 0;
    if (!translate || fAltWork == nullptr) return;
    uint32_t start = 0, end = kWholeSentenceEnd;
    if (!fRegions.empty()) {
        start = fRegions.front().start;
        end = fRegions.front().end;
    }
    fChoiceCount = fAltWork->Prepare(*this, fTokens, quick, start, end);
    SetMissingWords(fTokens);
}

void EtoJAltTranslator::EnsureQueueNotEmpty() {
    if (!fOutputQueue.empty()) return;
    if (fChoiceCount == kNotPrepared) PrepareToGenerateAlternates();
    for (;;) {
        if (fNextChoice >= fChoiceCount) {
            if (fDone || fTokens.empty()) {
                fOutputQueue.push_back(NewToken(fTokenCreator, kEOFTokenType));
                return;
            }
            // Nothing was translated: the sentence passes once as it stands.
            if (fDictSources != nullptr) fDictSources->Append(TokenSerialOf(fTokens.back()), {});
            fOutputQueue.insert(fOutputQueue.end(), fTokens.begin(), fTokens.end());
            fDone = true;
            return;
        }
        auto const choice = static_cast<uint16_t>(fNextChoice++);
        std::wstring japanese;
        std::vector<DICT_SOURCE> pieces;
        if (!fAltWork->TranslateChoice(*this, choice, fChoiceCount > 1, &japanese, &pieces)) continue;
        // Choices that read alike are one alternative.
        if (!fEmitted.insert(japanese).second) continue;
        std::vector<Token> out;
        std::vector<TokenDictSource> sources;
        TranslationToTokens(&out, &sources, japanese, pieces, fTokens);
        SetDictionarySources(fTokens.back(), sources);
        for (Token token : fTokens) {
            if (!EnglishTokens::IsWhite(token, fTokenStringDatabase)) break;
            fOutputQueue.push_back(token);
        }
        fOutputQueue.insert(fOutputQueue.end(), out.begin(), out.end());
        fOutputQueue.push_back(fTokens.back());
        fDone = true;
        return;
    }
}

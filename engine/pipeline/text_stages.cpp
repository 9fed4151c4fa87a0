#include "engine/pipeline/text_stages.h"

#include <stdexcept>
#include <utility>

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"

CharacterTokenProducer::CharacterTokenProducer(std::string sjis) : fText(std::move(sjis)) {}

void CharacterTokenProducer::SetText(std::string sjis) {
    fText = std::move(sjis);
    fWide.clear();
    fByteOffsets.clear();
    fDecoded = false;
    fPosition = 0;
}

Token CharacterTokenProducer::Produce() {
    if (fTokenCreator == nullptr || fTokenStringDatabase == nullptr)
        throw std::logic_error("text source used before it was linked into a chain");
    if (!fDecoded) {
        fWide = DecodeSJISLenient(fText, &fByteOffsets);
        fDecoded = true;
    }
    BeforeEachToken();
    if (fPosition >= fWide.size()) return NewToken(fTokenCreator, kEOFTokenType);
    Token const token = NewToken(fTokenCreator, EnglishTokens::kWord);
    fTokenStringDatabase->Insert(token, &fWide[fPosition], 1);
    ++fPosition;
    return token;
}

bool TextCollectingTerminal::ConsumeSome() {
    if (fUpstream == nullptr) throw std::logic_error("terminal stage has no upstream stage");
    Token const token = fUpstream->Produce();
    if (TokenTypeOf(token) == kEOFTokenType) return false;
    NoteToken(token);
    std::wstring text;
    if (fTokenStringDatabase != nullptr && fTokenStringDatabase->Find(token, &text))
        fText += EncodeSJISLenient(text.data(), text.size());
    return true;
}

std::string TextCollectingTerminal::TakeText() {
    std::string taken;
    taken.swap(fText);
    return taken;
}

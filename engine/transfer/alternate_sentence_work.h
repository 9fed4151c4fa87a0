#pragma once
// The alternate-translation stage's sentence work: the sentence is built
// and parsed like any other, keeping up to 20 analyses; the user's
// selection is mapped to the narrowest stretch with alternatives, and each
// choice over it is extracted and translated in turn.  A limit or a lack of
// memory anywhere leaves the sentence untranslated (or that choice out),
// never the stage failing.
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/pipeline/etoj_alt_translator.h"
#include "engine/transfer/sentence_translation.h"

class AlternateTranslate;

class AlternateSentenceWork : public EtoJAltSentenceWork, private EtoJSentenceTranslation {
public:
    static constexpr uint16_t kSavedParses = 20;

    AlternateSentenceWork();
    ~AlternateSentenceWork() override;

    uint16_t Prepare(EtoJTranslator& stage, std::vector<Token> const& source, bool quick, uint32_t start,
                     uint32_t end) override;
    bool TranslateChoice(EtoJTranslator& stage, uint16_t choice, bool selectChoice, std::wstring* japanese,
                         std::vector<DICT_SOURCE>* pieces) override;

private:
    uint16_t PrepareAtSpeed(EtoJTranslator& stage, std::vector<Token> const& source, bool quick, uint32_t start,
                            uint32_t end);

    std::wstring fText;
    CanBeNull<Dictionary_EX> fDictionary;  // what the sentence's readings came from
    std::unique_ptr<Sentence> fSentence;
    std::unique_ptr<AlternateTranslate> fAlternates;
};

// Makes every alternate-translation stage built from now on translate
// through the parser and transfer.
void InstallAlternateTranslation();

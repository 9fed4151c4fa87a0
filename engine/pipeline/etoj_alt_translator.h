#pragma once
// The translator stage of the alternate-translation road: it takes only the
// first sentence, keeps several analyses of it, and hands it on once per
// distinct translation of the user's selected region (each copy followed by
// the sentence's end token), then EOF for ever.  The selection arrives as
// start and end tokens between the sentence's tokens.
//
// The sentence-level work (parsing with several analyses kept, choosing,
// translating a choice) lives with the parser and plugs in as an
// EtoJAltSentenceWork, one per stage, made by the maker installed for the
// process.  Without one the sentence passes through untranslated.
#include <cstdint>
#include <memory>
#include <set>
#include <stack>
#include <string>
#include <vector>

#include "engine/pipeline/etoj_translator.h"

class EtoJAltSentenceWork {
public:
    virtual ~EtoJAltSentenceWork() = default;
    // Builds and parses the sentence and the choices over the selection
    // (character offsets in the sentence's text; 0, 0xFFFF for all of it).
    // The number of translations to try, 0 when the sentence cannot be
    // translated.
    virtual uint16_t Prepare(EtoJTranslator& stage, std::vector<Token> const& source, bool quick, uint32_t start,
                             uint32_t end) = 0;
    // The Japanese of a choice and its pieces (character offsets in the
    // Japanese and the source text); selectChoice is false when there is only
    // one.  False when the choice gives no translation.
    virtual bool TranslateChoice(EtoJTranslator& stage, uint16_t choice, bool selectChoice, std::wstring* japanese,
                                 std::vector<DICT_SOURCE>* pieces) = 0;
};

class EtoJAltTranslator : public EtoJTranslator {
public:
    using WorkMaker = std::unique_ptr<EtoJAltSentenceWork> (*)();
    struct SelectionRegion {
        uint32_t start;
        uint32_t end;
    };
    static constexpr uint16_t kNotPrepared = 0xFFFF;
    // What a region's start or end means when there is no selection.
    static constexpr uint32_t kWholeSentenceEnd = 0xFFFF;

    // The maker every stage built afterwards uses (null: none).
    static void InstallAltSentenceWorkMaker(WorkMaker maker);

    EtoJAltTranslator();
    ~EtoJAltTranslator() override;
    // Replaces this stage's work (tests).
    void SetAltSentenceWork(std::unique_ptr<EtoJAltSentenceWork> work) { fAltWork = std::move(work); }

    std::vector<SelectionRegion> const& Regions() const { return fRegions; }

protected:
    bool HandleSpecialToken(Token token, unsigned long position) override;
    void EnsureQueueNotEmpty() override;

private:
    void PrepareToGenerateAlternates();

    uint16_t fChoiceCount = kNotPrepared;
    uint32_t fNextChoice = 0;
    std::set<std::wstring> fEmitted;
    bool fDone = false;
    std::unique_ptr<EtoJAltSentenceWork> fAltWork;
    std::vector<Token> fTokens;
    std::stack<unsigned long> fStarts;
    std::vector<SelectionRegion> fRegions;
    unsigned long fLastPosition = 0;
};

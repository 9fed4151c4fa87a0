#include "engine/parse/sentence.h"

#include "engine/foundation/sjis_wide_text.h"
#include "engine/foundation/token_string_database.h"
#include "engine/foundation/token_types.h"
#include "engine/parse/chart_to_graph.h"
#include "engine/parse/etoj_preparser.h"
#include "platform/clock/tick_count.h"

namespace {

constexpr unsigned kTicksPerSecond = 60;

}  // namespace

Sentence::Sentence(SentenceUserOptions const& options)
    : fLearningStrength(options.fLearningStrength),
      fProperNounMode(options.fProperNounMode),
      fThey(options.fThey),
      fArticleFlag(options.fTheOption),
      fPoliteness(options.fPoliteness.GetPolitenessLevel()),
      fYouMode(options.fYouMode),
      fNumericMode(options.fNumericMode),
      fOptionBlock(options.fAuxiliaryVerbs),
      fMaxSavedParses(options.fMaxSavedParses),
      fFourSwitches{options.fDialog, options.fSentenceFlag1, options.fSentenceFlag2, options.fFlag},
      fQuickSynthesisSwitch(options.fSentenceFlag3),
      fSpeed(options.fSpeed),
      fDictionaryPriorities(options.fDictionaryPriorities),
      fTicks(&TickCount) {
    fSpecialDictionary.SetID(kSpecialDictionaryID);
    fMissingWordDictionary.SetID(kMissingWordDictionaryID);
}

// Whatever freeing meets, the members are destroyed all the same and nothing
// leaves the destructor.
Sentence::~Sentence() {
    try {
        FreeDynamicData();
    } catch (...) {
    }
}

void Sentence::SetPreparsedWords(std::vector<PreparsedWord> const& words, std::vector<PreparseSense> const& senses,
                                 std::vector<ExtraChartWord> const& extraWords, bool quick) {
    fWords = words;
    fSenses = senses;
    fExtraWords = extraWords;
    fType = quick ? kQuickSentence : kNormalSentence;
    fChart.Free();
    fWordCount = 0;
    fDomains.SetGeneralMode(fIdiomSwitches[2] != 0);
    if (OptionSwitch(kSwitchActivateDomain1)) {
        DomainIDSet domain1;
        domain1.Set(DomainID{1});
        fDomains.ActivateDomainsExplicitly(domain1);
    }
    fWordCount = static_cast<uint16_t>(fWords.size() > UINT16_MAX ? UINT16_MAX : fWords.size());
    if (quick) fFlags |= kSkipParsing;
}

uint16_t Sentence::SetMaxSavedParses(uint16_t n) {
    uint16_t const previous = fMaxSavedParses;
    fMaxSavedParses = n;
    return previous;
}

unsigned Sentence::TimeLimitSeconds(unsigned speed) {
    switch (speed) {
        case 0:
        case 10:
            return 300;
        case 20:
        case 30:
            return 120;
        case 40:
        case 50:
            return 30;
        case 60:
        case 70:
        case 80:
            return 20;
        case 90:
        case 100:
            return 10;
        default:
            return 0;
    }
}

void Sentence::ResetClock() { fClockStart = fTicks(); }

bool Sentence::TimeLimitExceeded() const {
    unsigned const limit = TimeLimitSeconds(fSpeed);
    if (limit == 0) return false;
    return TickReached(fTicks(), fClockStart, limit * kTicksPerSecond);
}

bool Sentence::PGetPSense(std::size_t index, PreparseSense* sense) const {
    if (index >= fSenses.size()) return false;
    *sense = fSenses[index];
    return true;
}

ExtraChartWord Sentence::GetExtraChartWord(std::size_t index) const {
    return index < fExtraWords.size() ? fExtraWords[index] : ExtraChartWord();
}

std::wstring Sentence::GetPureE() const {
    std::wstring text;
    for (PreparsedWord const& word : fWords) text += DecodeSJISLenient(word.fText);
    return text;
}

std::wstring Sentence::GetSourceStringWithoutNL(Token first, Token last) const {
    std::wstring text;
    bool inside = false;
    for (Token const token : fSourceTokens) {
        if (!inside && TokenSerialOf(token) != TokenSerialOf(first)) continue;
        inside = true;
        if (EtoJPreparser::Translatable(TokenTypeOf(token)) || EnglishTokens::IsWhite(token, fStrings)) {
            std::wstring piece;
            if (TokenTypeOf(token) == EnglishTokens::kNewline)
                text += L' ';
            else if (fStrings != nullptr && fStrings->Find(token, &piece))
                text += piece;
        }
        if (TokenSerialOf(token) == TokenSerialOf(last)) break;
    }
    return text;
}

std::wstring Sentence::MakeETrans(std::size_t firstWord, std::size_t lastWord) const {
    if (firstWord >= fWords.size() || lastWord >= fWords.size()) return L"{}";
    return L"{" + GetSourceStringWithoutNL(fWords[firstWord].fToken, fWords[lastWord].fToken) + L"}";
}

void Sentence::PrintSentenceWords(std::vector<PreparsedWord> const& words, std::FILE* out) {
    for (PreparsedWord const& word : words) std::fprintf(out, "%s ", word.fText.c_str());
    std::fputc('\n', out);
}

void Sentence::SetSourceTokens(std::vector<Token> const& tokens, TokenStringDatabase const* strings) {
    fSourceTokens = tokens;
    fStrings = strings;
}

void Sentence::FreePreparseWords() {
    fWords.clear();
    FreePreparseSenses();
}

void Sentence::FreePreparseSenses() { fSenses.clear(); }

void Sentence::FreeParseChartEntries() {
    if (fChart.Exists())
        for (PCHART_CELL& cell : fChart.Cells()) std::vector<ParseChartEntry>().swap(cell.entries);
    fChartEntryHeap.FreeAllData();
}

void Sentence::FreeDynamicData() {
    ChartToGraph(*this).FreeAllPViaParseChart();
    FreeParseChartEntries();
    fChart.Free();
    FreePreparseWords();
    fSettings.clear();
}

bool Sentence::OptionSwitch(unsigned n) const {
    return n >= 1 && n <= AuxiliaryVerbsUserOption_J::kFlagCount && fOptionBlock.fFlags[n - 1] != 0;
}

void Sentence::SetPruning(uint16_t listLength, float scoreDifference, float semanticDifference) {
    fPruneListLength = listLength;
    fPruneScoreDifference = scoreDifference;
    fSemanticPruneScoreDifference = semanticDifference;
}

#pragma once
// Everything the translator keeps about the one sentence it is translating:
// copies of the user's options, the preparsed words with their senses and
// extra chart words, the user's part-of-speech settings, the two temporary
// dictionaries that hold readings made at run time, the active domains, the
// dictionary priorities, two bump heaps, the speed and pruning settings and
// the clock of the time limit.  One is built per sentence and never copied.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/active_domains.h"
#include "engine/foundation/paraphrase_checks.h"
#include "engine/foundation/temporary_dictionary.h"
#include "engine/foundation/they_option.h"
#include "engine/foundation/token.h"
#include "engine/parse/aliasing_dictionaries.h"
#include "engine/parse/choice_platform.h"
#include "engine/parse/parse_chart.h"
#include "engine/parse/pos_setting.h"
#include "engine/parse/preparsed_word.h"
#include "engine/parse/simple_data_heap.h"
#include "engine/parse/sword_registry.h"
#include "engine/pipeline/sentence_user_options.h"

class TokenStringDatabase;
struct WSAN_SENTENCE_INFO;

class Sentence {
public:
    // Bits of Flags().
    static constexpr uint16_t kOneParseKept = 0x0001;
    static constexpr uint16_t kQuickSynthesis = 0x0002;
    static constexpr uint16_t kSkipParsing = 0x0004;  // quick translation: the parser does not parse

    enum SentenceType : uint32_t { kNormalSentence = 0, kQuickSentence = 1 };

    // Option-block switches, numbered from 1 as the options name them.
    static constexpr unsigned kSwitchActivateDomain1 = 10;
    static constexpr unsigned kSwitchWordSenseExpertOff = 13;
    static constexpr unsigned kSwitchSuppressKReadings = 14;

    // Told about each word that no dictionary knows: its text and its start
    // offset in the sentence's Shift-JIS bytes.
    using UnknownWordCallback = void (*)(std::string const& text, uint16_t startOffset, void* data);

    // A monotonic tick counter in sixtieths of a second.
    using TickSource = uint32_t (*)();

    explicit Sentence(SentenceUserOptions const& options);
    ~Sentence();
    Sentence(Sentence const&) = delete;
    Sentence& operator=(Sentence const&) = delete;

    // Takes the preparser's three vectors; quick marks a sentence that is
    // translated without parsing.
    void SetPreparsedWords(std::vector<PreparsedWord> const& words, std::vector<PreparseSense> const& senses,
                           std::vector<ExtraChartWord> const& extraWords, bool quick);

    uint16_t GetMaxSavedParses() const { return fMaxSavedParses; }
    // Returns the previous value.
    uint16_t SetMaxSavedParses(uint16_t n);

    // The time limit runs from the last ResetClock; its length follows from
    // the speed (none for a speed that is no multiple of 10 up to 100).
    void ResetClock();
    bool TimeLimitExceeded() const;
    // The limit in seconds for a speed; 0 for none.
    static unsigned TimeLimitSeconds(unsigned speed);
    // Tests give a clock of their own.
    void SetTickSource(TickSource ticks) { fTicks = ticks; }

    std::vector<PreparsedWord> const& Words() const { return fWords; }
    std::vector<PreparseSense> const& Senses() const { return fSenses; }
    std::vector<ExtraChartWord> const& ExtraWords() const { return fExtraWords; }
    // Copies sense `index` out; false past the end.
    bool PGetPSense(std::size_t index, PreparseSense* sense) const;
    // A copy of extra word `index` (an empty one past the end).
    ExtraChartWord GetExtraChartWord(std::size_t index) const;

    // The words' texts, converted to wide and joined without separators.
    std::wstring GetPureE() const;
    // The texts of the source tokens from first to last (matched by serial):
    // translatable tokens and white space, a line end as one blank.
    std::wstring GetSourceStringWithoutNL(Token first, Token last) const;
    // "{", the source text of words firstWord..lastWord, "}".
    std::wstring MakeETrans(std::size_t firstWord, std::size_t lastWord) const;
    static void PrintSentenceWords(std::vector<PreparsedWord> const& words, std::FILE* out);

    // The source tokens and their texts, as the translator stage hands them in.
    void SetSourceTokens(std::vector<Token> const& tokens, TokenStringDatabase const* strings);

    void FreePreparseWords();  // the senses go too
    void FreePreparseSenses();
    // Frees the readings of every cell and the data of the chart entry heap;
    // the cells stay.
    void FreeParseChartEntries();
    // Frees what the analysis of the sentence made: the chart's readings,
    // its cells, the preparsed words and senses, the settings and the heaps'
    // data.
    void FreeDynamicData();

    // The user's part-of-speech settings (kept by SetPOSManager).
    std::vector<POS_SETTING>& Settings() { return fSettings; }
    std::vector<POS_SETTING> const& Settings() const { return fSettings; }

    // The options as copied.
    LearningStrengthUserOption const& LearningStrength() const { return fLearningStrength; }
    uint32_t ProperNounMode() const { return fProperNounMode; }
    TheyTransUserOption const& TheyTrans() const { return fThey; }
    uint8_t ArticleFlag() const { return fArticleFlag; }
    uint32_t Politeness() const { return fPoliteness; }
    uint32_t YouMode() const { return fYouMode; }
    uint32_t NumericMode() const { return fNumericMode; }
    AuxiliaryVerbsUserOption_J const& OptionBlock() const { return fOptionBlock; }
    // Switch n (from 1) of the option block.
    bool OptionSwitch(unsigned n) const;
    // The idiom switches: keep preferred-POS idioms, keep preferred-always
    // idioms, general domain mode.
    uint8_t IdiomSwitch(unsigned n) const { return fIdiomSwitches[n]; }
    uint8_t FourSwitch(unsigned n) const { return fFourSwitches[n]; }
    bool GlueSwitch() const { return fFourSwitches[3] != 0; }
    uint8_t QuickSynthesisSwitch() const { return fQuickSynthesisSwitch; }

    uint16_t Speed() const { return fSpeed; }
    uint16_t PruneListLength() const { return fPruneListLength; }
    float PruneScoreDifference() const { return fPruneScoreDifference; }
    float SemanticPruneScoreDifference() const { return fSemanticPruneScoreDifference; }
    void SetPruning(uint16_t listLength, float scoreDifference, float semanticDifference);
    uint32_t& ParserEntryCount() { return fParserEntryCount; }

    uint16_t Flags() const { return fFlags; }
    void SetFlags(uint16_t flags) { fFlags = flags; }
    SentenceType Type() const { return fType; }
    uint16_t WordCount() const { return fWordCount; }

    ActiveDomains& Domains() { return fDomains; }
    ActiveDomains const& Domains() const { return fDomains; }
    DictionaryPriorityMap const& DictionaryPriorities() const { return fDictionaryPriorities; }
    Dictionary_EX_Temporary& SpecialDictionary() { return fSpecialDictionary; }
    Dictionary_EX_Temporary& MissingWordDictionary() { return fMissingWordDictionary; }
    SimpleDataHeap& ChartEntryHeap() { return fChartEntryHeap; }
    SimpleDataHeap& GraphHeap() { return fGraphHeap; }

    // The parse graph's whole-sentence nodes, the number of graph nodes made
    // (each has a score record), and the choice tables.
    ALLP_TOP* GraphTops() const { return fGraphTops; }
    void SetGraphTops(ALLP_TOP* tops) { fGraphTops = tops; }
    uint32_t GraphNodeCount() const { return fGraphNodeCount; }
    void SetGraphNodeCount(uint32_t count) { fGraphNodeCount = count; }
    CHOICE_PLATFORM& Choices() { return fChoices; }
    // The parses under the graph's tops, and whether the graph is a glue
    // graph standing in for a missing sentence analysis (1) or not (0).
    // Every graph node made in the graph heap, so that freeing the graph
    // can end their lives (their readings hold references).
    std::vector<ALLP_TOP*>& GraphNodes() { return fGraphNodes; }
    float TotalAnalysisCount() const { return fTotalAnalysisCount; }
    void SetTotalAnalysisCount(float count) { fTotalAnalysisCount = count; }
    uint8_t ParserState() const { return fParserState; }
    void SetParserState(uint8_t state) { fParserState = state; }
    // Per word, whether it may be punctuation (one more bit after the last
    // word, always set) and whether it may be a comma; filled before parsing.
    std::vector<bool>& PunctuationBits() { return fPunctuationBits; }
    std::vector<bool>& CommaBits() { return fCommaBits; }

    ParseChart& Chart() { return fChart; }
    ParseChart const& Chart() const { return fChart; }
    SWordRegistry& SWords() { return fSWords; }
    SWordRegistry const& SWords() const { return fSWords; }
    TempDictSetForAliasing& AliasingDictionaries() { return fAliasing; }
    // Chart building marks the words and adds senses.
    std::vector<PreparsedWord>& MutableWords() { return fWords; }
    std::vector<PreparseSense>& MutableSenses() { return fSenses; }

    // Whether the word-sense association expert runs for this sentence;
    // decided when its chart is built.
    bool UsingWordSenseExpert() const { return fUsingWordSenseExpert; }
    void SetUsingWordSenseExpert(bool use) { fUsingWordSenseExpert = use; }
    // That expert's copy of the words and noun semantics, made with the chart.
    std::shared_ptr<WSAN_SENTENCE_INFO const> const& WordSenseInfo() const { return fWordSenseInfo; }
    void SetWordSenseInfo(std::shared_ptr<WSAN_SENTENCE_INFO const> info) { fWordSenseInfo = std::move(info); }

    void SetUnknownWordCallback(UnknownWordCallback callback, void* data) {
        fUnknownWordCallback = callback;
        fUnknownWordData = data;
    }
    // Tells the callback, when there is one, about an unknown word.
    void ReportUnknownWord(std::string const& text, uint16_t startOffset) const {
        if (fUnknownWordCallback) fUnknownWordCallback(text, startOffset, fUnknownWordData);
    }

private:
    LearningStrengthUserOption fLearningStrength;
    uint32_t fProperNounMode;
    TheyTransUserOption fThey;
    uint8_t fArticleFlag;
    uint32_t fPoliteness;
    uint32_t fYouMode;
    uint32_t fNumericMode;
    AuxiliaryVerbsUserOption_J fOptionBlock;
    uint8_t fIdiomSwitches[3] = {1, 1, 0};
    uint16_t fMaxSavedParses;
    uint8_t fFourSwitches[4];
    uint8_t fQuickSynthesisSwitch;
    uint16_t fPruneListLength = 0;
    float fPruneScoreDifference = 1.0f;
    float fSemanticPruneScoreDifference = 3.0e38f;
    uint32_t fParserEntryCount = 0;
    uint16_t fSpeed;
    TokenStringDatabase const* fStrings = nullptr;
    std::vector<Token> fSourceTokens;
    uint16_t fFlags = 0;
    uint16_t fWordCount = 0;
    std::vector<PreparsedWord> fWords;
    std::vector<PreparseSense> fSenses;
    std::vector<ExtraChartWord> fExtraWords;
    std::vector<POS_SETTING> fSettings;
    Dictionary_EX_Temporary fSpecialDictionary;
    Dictionary_EX_Temporary fMissingWordDictionary;
    ActiveDomains fDomains;
    DictionaryPriorityMap fDictionaryPriorities;
    SimpleDataHeap fChartEntryHeap;
    SimpleDataHeap fGraphHeap;
    ALLP_TOP* fGraphTops = nullptr;
    uint32_t fGraphNodeCount = 0;
    std::vector<ALLP_TOP*> fGraphNodes;
    float fTotalAnalysisCount = 0;
    uint8_t fParserState = 0;
    std::vector<bool> fPunctuationBits;
    std::vector<bool> fCommaBits;
    CHOICE_PLATFORM fChoices{this};
    ParseChart fChart;
    SWordRegistry fSWords;
    TempDictSetForAliasing fAliasing;
    UnknownWordCallback fUnknownWordCallback = nullptr;
    void* fUnknownWordData = nullptr;
    SentenceType fType = kNormalSentence;
    bool fUsingWordSenseExpert = true;
    std::shared_ptr<WSAN_SENTENCE_INFO const> fWordSenseInfo;
    TickSource fTicks;
    uint32_t fClockStart = 0;
};

// Builds the sentence's chart from `lookup` and its two temporary
// dictionaries, telling `callback` about unknown words; 56 when some word got
// readings made for unknown words, else 0.
int CBeforeParse(Sentence* sentence, Sentence::UnknownWordCallback callback, void* data, bool, Dictionary_EX lookup);

// The number of preparsed words.
inline uint16_t PGetNumPWords(Sentence const& sentence) { return sentence.WordCount(); }

// Whether a reading may not be used in the sentence: by its active domains
// and its "they" option.
inline bool ParaDisabledForAnyReason(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase,
                                     Sentence const& sentence) {
    return ParaDisabledForAnyReason(finePOS, paraphrase, sentence.Domains(), sentence.TheyTrans());
}

#pragma once
// Builds the parse chart of a sentence: looks every span of its words up in
// the lookup dictionary, makes readings for what no dictionary knows
// (numbers, sequences, capitals, unknown words), imposes always-use readings,
// idioms, units and the user's part-of-speech settings, and filters the
// readings before the parser combines them.  One is made on the stack for
// each chart built; the chart itself lives in the sentence.
//
// The work is spread over files by concern:
//   chart_building.cpp           the fixed order of building, lookups, domination, cell flags
//   chart_cells.cpp              adding, removing and copying readings, visiting related cells
//   chart_core_speed.cpp         pruning settings by sentence length and speed
//   chart_synthetic_readings.cpp readings made at run time
//   chart_always_use.cpp         always-use readings and almighty idioms
//   chart_units_and_settings.cpp forced units, literal brackets, part-of-speech settings
//   chart_filters.cpp            particle and learning filters, semantic inheritance, domains
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"
#include "engine/parse/parse_chart.h"
#include "engine/parse/preparsed_word.h"

class Sentence;

// A visitor of related cells; a non-zero result stops the walk.
using ChartCellVisitor = int (*)(int d, int e, Sentence* sentence, void* data);

class ParseChartCreator {
public:
    explicit ParseChartCreator(Sentence* sentence);
    ~ParseChartCreator();
    ParseChartCreator(ParseChartCreator const&) = delete;
    ParseChartCreator& operator=(ParseChartCreator const&) = delete;

    // ---- chart_building.cpp ----------------------------------------------
    // Builds the whole chart; returns the number of words that got readings
    // made for unknown words.
    uint16_t MakeAndFillChart(bool, Dictionary_EX lookup, Dictionary_EX special, Dictionary_EX missing);
    uint16_t FillChart(std::vector<PreparsedWord>& words, Dictionary_EX lookup, Dictionary_EX special,
                       Dictionary_EX missing);
    // Adds fp to cell (d, first + d); true for a reading of the preferred
    // part-of-speech idiom type.
    bool FillChartEntry(FinePOS_EX const& fp, int first, int d, bool capitalSequence);
    void RemoveParseChartEntry(PCHART_CELL& cell, std::size_t index);
    ParseChartEntry& DuplicateEntry(PCHART_CELL& cell, int e, int d, ParseChartEntry const& entry,
                                    FinePOS_EX const& fp);
    bool AnyParseChartEntriesCoveringWord(int w) const;
    int VisitRelatedCells(int d, int e, bool supersets, bool crossing, bool subsets, bool itself,
                          ChartCellVisitor visitor, void* data);
    void DictEntrySeek();
    void DominatedMark(int d, int e);
    void SetCellFlags(std::vector<PreparsedWord> const& words);
    void MarkWordsAccordingToCaseMatch(int first, int end, std::string const& dictForm, std::string const& lookupText);
    void LoadExtraChartWords(Dictionary_EX lookup);
    bool IsPOSEnabled(FinePOS_EX const& fp) const;
    bool IsSuppressedTBEEntry(FinePOS_EX const& fp) const;
    static void DoSetCoreSpeed(Sentence* sentence);
    static bool Iszxj(std::string const& text);
    // The first word starting (ending, with `end`) at the byte offset; -1
    // when none does.
    static int OffsetToWordNum(uint16_t offset, bool end, Sentence const* sentence);
    // Adds the readings `lookup` finds for `text`, the text of words
    // first..last.
    void LookUpSpan(Dictionary_EX const& lookup, std::string const& text, int first, int last,
                    MaybeAnyLongerCallback* callback);
    // Gives every cell an entry array of exactly its count.
    void TrimCells();

    // ---- chart_synthetic_readings.cpp ------------------------------------
    void MakeHyphenSeqs(std::vector<PreparsedWord> const& words);
    void HandleSenses(Dictionary_EX special);
    void MakeHyphenSequenceEntries(PreparseSense const& sense, Dictionary_EX special);
    void MakeNumericHyphenSequenceEntries(PreparseSense const& sense, Dictionary_EX special);
    void MakeOneHyphenSequenceEntryAndPutIntoChart(PreparseSense const& sense, char const* posName,
                                                   Dictionary_EX special);
    void CreateAllCapWordEntries(std::vector<PreparsedWord>& words, Dictionary_EX special);
    uint16_t GenerateMissingWordEntries(std::vector<PreparsedWord>& words, Dictionary_EX special,
                                        Dictionary_EX missing);
    bool CreateInitialSequenceEntries(PreparsedWord const& word, int index, PreparsedWord const* next,
                                      Dictionary_EX missing);
    bool CreateNumericEntries(PreparsedWord const& word, int index, Dictionary_EX special);
    bool CreateInternetName(PreparsedWord const& word, int index, Dictionary_EX special);
    bool CreatePhoneNumber(PreparsedWord const& word, int index, Dictionary_EX special);
    bool CreateIdentifier(PreparsedWord const& word, int index, Dictionary_EX special);
    void CreateUppercaseTemporaryEntries(PreparsedWord const& word, int index, Dictionary_EX missing);

    // ---- chart_always_use.cpp --------------------------------------------
    void FindAUFinePOSForEachCell();
    void AlwaysUse();
    void AlmightySeek();
    void AlmightyVengeance(int d, int e);
    // Whether a cell crossing (d, e) has one of the flags in mask.
    bool IsCellOverlap(int d, int e, uint16_t mask) const;

    // ---- chart_units_and_settings.cpp ------------------------------------
    void MarkForcedUnits();
    void ClearForcedUnits();
    void MarkLiteralBrackets(Dictionary_EX special);
    void MarkChartForSetPOS(Dictionary_EX special);
    void MarkChartForOneSetPOS(Dictionary_EX special, int first, int last, uint16_t code);

    // ---- chart_filters.cpp -----------------------------------------------
    void EliminateEntriesWithAbsentParticles();
    void EliminateEntriesWithNoEnabledParaphrases();
    void InheritFromSD();
    void CountDomains();
    void EliminateAlternateOnlyEntries();

    Sentence* GetSentence() const { return fSentence; }
    ParseChart& Chart();

    // The per-word counters of hyphen sequences beginning and ending at each
    // word, kept while the senses are handled.
    struct ForcedUnitCounts {
        uint16_t starts = 0;
        uint16_t ends = 0;
    };
    std::vector<ForcedUnitCounts>& ForcedUnits() { return fForcedUnits; }

private:
    // ---- chart_always_use.cpp: the steps of AlwaysUse --------------------
    // Per start word, the last word of the strongest preferred-always cell
    // starting there, or -1.
    using StartWordList = std::vector<int>;
    void FindStrongestAlwaysUseDEsByStartWord(StartWordList& list);
    void RemoveLosingAlwayUseDEs(StartWordList& list);
    int FindStrongestAlwaysUseDEInList(StartWordList const& list);
    void RemoveOverlappingFromDEColList(StartWordList& list, int start, int end);
    void ZapNonMatchingDEsFromCell(int d, int e);
    void MarkAlwaysUseShadows(std::vector<uint8_t> const& marks);

    // ---- chart_units_and_settings.cpp ------------------------------------
    // Moves to the next word: its counters, or null past the last word.
    ForcedUnitCounts* FUNextWord(int* word);

    Sentence* fSentence;
    std::vector<ForcedUnitCounts> fForcedUnits;  // empty outside HandleSenses
};

// Visitors.
int MarkCellWithFlag(int d, int e, Sentence* sentence, void* flag);  // data: uint16_t*
int ZapDEs(int d, int e, Sentence* sentence, void* unused);

// A synthetic reading: a new entry (or the existing one) of `headword` in
// `dictionary` with one fine part of speech and one paraphrase taken from
// the missing-word table's row `posName`.
Paraphrase_EX CreateParaphraseInTempDict(Dictionary_EX dictionary, std::string const& headword,
                                         std::string const& japanese, char const* posName);
// Scales a synthesised multi-word reading's p-value by its word count,
// saturating at both ends of a short.
void DoctorPValueForSynthesizedMultiWordEntries(FinePOS_EX fp, int words);

// Kept for callers that still set them: the first has no effect, the second
// stores 50.
void SetTDtoSDSemanticAliasing(bool, bool);
void SetPartitionSize(short* size, long requested);

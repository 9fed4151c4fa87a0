#pragma once
// The chart parser: turns the filled chart of one sentence into packed
// analyses.  Bottom-up, cell by cell, it takes the cell's dictionary
// readings, combines the analyses of every pair of smaller cells that make
// up the span with the grammar's binary rules, closes the result under the
// unary rules, checks and builds the feature vectors the rules ask for,
// prunes the cell to a ranked list and writes the survivors back into the
// cell, where the graph builder and larger spans read them.
//
// Within a cell the analyses are grouped by key (category * 2 + primed) and,
// within a key, by features: each feature-distinct group is a fine entry
// whose members are the different ways of building it.  Only a group's head
// (its best member) is a daughter of larger analyses.
//
// The work is spread over files by concern:
//   parser.cpp          the order of parsing: triangles, cells, CParse
//   parser_cells.cpp    adding analyses, binary combination, unary closure
//   parser_pruning.cpp  the prune list and who survives it
//   parser_write.cpp    writing a cell back with its index; preferred idioms
//   parser_limits.cpp   the limits that end a parse
//   parser_scores.cpp   the scores analyses carry
//   parser_features.*   feature vectors, tests and programs
#include <cstdint>
#include <map>
#include <vector>

#include "engine/parse/expert_context.h"
#include "engine/parse/parse_chart.h"
#include "engine/parse/parser_features.h"

class Sentence;

// The limits of one parse; each throws HitLimitException when passed.  Tests
// lower them to reach them quickly.
struct ParserLimits {
    uint32_t sentenceEntries = 3000000;  // analyses made in a sentence
    uint32_t cellEntries = 64999;        // analyses written to one cell
    uint32_t cellFeatureBytes = 64999;   // one cell's feature heap
    uint32_t unaryDepth = 50;            // a chain of unary rules in one cell
    uint32_t sentenceWords = 255;        // a binary analysis names its split in a byte
    uint32_t timeCheckEvery = 20000;     // analyses between looks at the clock
};

// Answers of CParse.
constexpr uint16_t kParsed = 0;
constexpr uint16_t kNoUsableAnalysis = 61;
constexpr uint16_t kQuickOrPartial = 62;

class Parser {
public:
    explicit Parser(Sentence* sentence);
    ~Parser();
    Parser(Parser const&) = delete;
    Parser& operator=(Parser const&) = delete;

    // Parses the sentence's chart (or, for a sentence marked for quick
    // translation, keeps each stretch's best reading) and builds its parse
    // graph: kParsed when analyses span it, kQuickOrPartial after quick
    // translation or when a glue graph stands in for them,
    // kNoUsableAnalysis when the graph is empty.  A limit reached throws
    // HitLimitException (running out of memory counts as one); the cells
    // parsed so far stay written and consistent, the others keep their
    // readings.
    uint16_t CParse();

    void SetLimits(ParserLimits const& limits) { fLimits = limits; }
    ParserLimits const& Limits() const { return fLimits; }

    // Whether cell (d, e) of a parsed chart holds an unprimed analysis of
    // category `category`.
    static bool CellHasAnalysis(PCHART_CELL const& cell, uint16_t category);

private:
    // ---- parser.cpp -------------------------------------------------------
    void Parse();
    void DoTriangle(unsigned apexD, unsigned apexE);
    void ParseCell(unsigned d, unsigned e);
    void DoQuickTrans();

    // ---- parser_cells.cpp -------------------------------------------------
    // One analysis being built.  A unary one names its daughter's fine entry
    // (fines are numbered per cell) until it is written.
    struct Member {
        ParseChartEntry entry;
        uint32_t daughterFine = 0;
    };
    // A feature-distinct group of analyses of one key.
    struct FineEntry {
        static constexpr uint8_t kPruned = 1;
        static constexpr uint8_t kMatchedSet = 2;  // in a set-POS cell: matches the setting or lies below one that does

        uint16_t key = 0;
        FeatureVector features;
        ParseChartEntry representative;  // its score is the group's best
        std::vector<Member> members;
        uint8_t state = 0;
        uint32_t head = kNotWritten;  // index of the group's head once written
        uint32_t depth = 0;           // unary rules above the cell's first analyses

        static constexpr uint32_t kNotWritten = 0xFFFFFFFF;
    };
    // The analyses of one key, their fine entries sorted by FineCompare.
    struct Consp {
        std::vector<uint32_t> fines;
    };
    // Where an added analysis went, and whether its fine entry is new or
    // better than before (it then needs the unary rules again).
    struct Added {
        uint32_t fine = 0;
        bool signalled = false;
    };

    void DictEntriesToConsp(PCHART_CELL& cell, unsigned d, unsigned e);
    Added AddPEntry(uint16_t key, Member const& member, FeatureVector const& features, bool unary, bool matchedSet,
                    uint32_t depth);
    int FineCompare(uint8_t flags, FeatureVector const& features, FineEntry const& fine) const;
    struct Head {
        uint32_t index;
        FeatureVector features;
    };
    static std::vector<Head> HeadsOf(PCHART_CELL const& cell, PCHART_CELL::IndexRecord const& key, uint32_t start);
    void BinaryCombo(unsigned split, PCHART_CELL const& left, PCHART_CELL const& right);
    void DoConspMatches(unsigned split, unsigned firstRule, unsigned ruleCount, PCHART_CELL const& left,
                        PCHART_CELL::IndexRecord const& leftKey, uint32_t leftStart, PCHART_CELL const& right,
                        PCHART_CELL::IndexRecord const& rightKey, uint32_t rightStart);
    void UnaryForCell();
    void UnaryOneFine(uint32_t fine, std::vector<uint32_t>& pending);
    bool FinishSetPOS();

    // ---- parser_pruning.cpp -----------------------------------------------
    struct PruneSlot {
        float score = 0;
        uint32_t fine = 0;
    };
    void AddToPruneList(uint32_t fine, bool replace);
    void EnableSurvivingBinary();

    // ---- parser_write.cpp -------------------------------------------------
    // Writes the surviving analyses, their features and the cell's index.
    void WritePENTRYs(PCHART_CELL& cell);
    void DoPreferentialIdioms(std::vector<ParseChartEntry>& entries);
    // The byte offset of the features appended to the heap; 0 for none.
    uint16_t AllocInCellHeap(std::vector<uint16_t>& heap, FeatureVector const& features);
    void FreeConsp();

    // ---- parser_limits.cpp ------------------------------------------------
    void CountEntry();
    void CheckTime() const;
    void CheckCellEntries(std::size_t count) const;
    void CheckCellHeap(std::size_t bytes) const;
    void CheckUnaryDepth(uint32_t depth) const;

    // ---- parser_scores.cpp ------------------------------------------------
    // What the scoring experts give an analysis made by a rule piece, and a
    // dictionary reading over the words e-d .. e.
    float RuleScore(unsigned rule);
    float DictScore(FinePOS_EX const& finePOS, unsigned d, unsigned e);

    Sentence* fSentence;
    ExpertContext fScoring;
    ParserLimits fLimits;
    bool fPruning = false;
    bool fSetPOSCell = false;
    bool fInUnary = false;
    unsigned fD = 0, fE = 0;
    PCHART_CELL* fCell = nullptr;
    std::map<uint16_t, Consp> fConsp;
    std::vector<FineEntry> fFines;
    std::vector<PruneSlot> fPruneSlots;
};

// The parser's entry point for the translator stage: parses the sentence.
uint16_t CParse(Sentence* sentence);

#pragma once
// The parse chart of one sentence: a triangle of cells, one for every span of
// its preparsed words, each holding the readings that chart building found or
// made for the span.  Cell (d, e) covers the words e - d to e (d is the
// number of words less one, e the last word) and lies at index
// e(e+1)/2 + d.  Readings name their fine part of speech by an index into
// the chart's fine-part-of-speech vector, so an entry stays a plain 16-byte
// record that the parser can copy and rank.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"

// One reading (made by chart building) or analysis (made by the parser) of a
// cell.  Chart building leaves the parser's fields zero.
struct ParseChartEntry {
    // flags
    static constexpr uint8_t kDisabled = 0x01;       // parser: disabled, or not a group head once written
    static constexpr uint8_t kMoreInGroup = 0x02;    // parser: more members of the same group follow
    static constexpr uint8_t kPrimed = 0x04;         // the reading is primed
    static constexpr uint8_t kCommaPenalty = 0x08;   // graph builder
    static constexpr uint8_t kPreferred = 0x10;      // an almighty or preferential idiom, or preferred by learning
    static constexpr uint8_t kWalked = 0x20;         // graph builder
    static constexpr uint8_t kMatchesSetPOS = 0x40;  // parser
    static constexpr uint8_t kAlwaysUse = 0x80;      // an always-use reading (the parser: marked)

    // kind
    static constexpr uint8_t kDictionaryReading = 254;  // made by chart building
    static constexpr uint8_t kUnaryEntry = 255;         // parser; below 254 a binary entry's split

    uint16_t category = 0;
    uint16_t featureOffset = 0;
    uint8_t flags = 0;
    uint8_t kind = 0;
    uint16_t a = 0;  // a dictionary reading: index of its fine part of speech in the chart
    uint16_t b = 0;
    uint16_t rule = 0;
    float score = 0;

    bool Has(uint8_t flag) const { return (flags & flag) != 0; }
};
static_assert(sizeof(ParseChartEntry) == 16, "the parser copies entries as 16-byte records");

// One word span.
struct PCHART_CELL {
    // flags
    static constexpr uint16_t kCapitalInitial = 0x0001;      // one-word cell whose word begins with an ASCII capital
    static constexpr uint16_t kTrulyCapitalised = 0x0002;    // the word's truly-capitalised flag
    static constexpr uint16_t kMatchedCapitalised = 0x0004;  // a dictionary form matched the word with a capital
    static constexpr uint16_t kMatchedLowerCase = 0x0008;    // a dictionary form matched the word in lower case
    static constexpr uint16_t kCapitalSequence = 0x0010;     // holds a reading made from a capital sequence
    static constexpr uint16_t kParseAsUnit = 0x0020;         // a part-of-speech setting or a segment
    static constexpr uint16_t kClosed = 0x0040;              // parser: a finished segment
    static constexpr uint16_t kAlwaysUseShadow = 0x0080;
    static constexpr uint16_t kKeepsAlmighty = 0x0200;  // keeps an almighty idiom
    static constexpr uint16_t kHasAlmighty = 0x0400;    // holds an almighty reading
    static constexpr uint16_t kStartLiteral = 0x0800;   // holds a reading of part of speech STARTLITERAL
    static constexpr uint16_t kEndLiteral = 0x1000;     // holds a reading of part of speech ENDLITERAL
    static constexpr uint16_t kForcedUnitCrossing = 0x2000;
    static constexpr uint16_t kDominated = 0x4000;  // lies inside a larger span that has readings

    // Readings grow this many at a time and are trimmed to their count once
    // the chart is built.
    static constexpr std::size_t kEntryGrowth = 30;

    std::vector<ParseChartEntry> entries;
    CanBeNull<FinePOS_EX> alwaysUseReading;  // the cell's strongest always-use reading
    uint16_t settingCode = 0;                // the part-of-speech setting applied to the cell
    std::vector<FinePOS_EX> setPOSReadings;  // default readings of that setting
    uint16_t flags = 0;

    // ---- The parser's: what it writes with the cell's analyses ------------
    static constexpr uint16_t kSetPOSNotMet = 0x0100;  // the setting was literal or met by no analysis
    // One written key: its entries lie together, keys ascending.
    struct IndexRecord {
        static constexpr uint16_t kUsable = 0x0001;  // a daughter of larger analyses
        static constexpr uint16_t kEnd = 0xFFFF;     // key of the record that ends the index

        uint16_t key = kEnd;
        uint16_t count = 0;
        uint16_t unionOffset = 0;  // of the OR of the key's feature vectors, 0 none
        uint16_t flags = 0;
    };
    // Feature vectors; an entry's featureOffset is a byte offset into it, and
    // 0 (the unused first word) means none.
    std::vector<uint16_t> featureHeap;
    std::vector<IndexRecord> index;  // empty until parsed
    uint32_t fineEntryCount = 0;     // feature-distinct groups written
    bool parsed = false;

    std::size_t Count() const { return entries.size(); }
    bool Has(uint16_t flag) const { return (flags & flag) != 0; }
};

class ParseChart {
public:
    // Index of cell (d, e).
    static std::size_t CellIndex(std::size_t d, std::size_t e) { return e * (e + 1) / 2 + d; }
    static std::size_t CellCountFor(std::size_t words) { return words * (words + 1) / 2; }

    // Empty cells for a sentence of `words` words, and no fine parts of
    // speech.
    void Allocate(std::size_t words);
    // Back to no chart.
    void Free();
    bool Exists() const { return fExists; }

    std::size_t WordCount() const { return fWords; }
    std::size_t CellCount() const { return fCells.size(); }
    // Cell (d, e); d <= e < WordCount() is checked (std::out_of_range).
    PCHART_CELL& Cell(std::size_t d, std::size_t e);
    PCHART_CELL const& Cell(std::size_t d, std::size_t e) const;
    std::vector<PCHART_CELL>& Cells() { return fCells; }
    std::vector<PCHART_CELL> const& Cells() const { return fCells; }

    // Appends fp to the fine parts of speech and points the entry at it.
    // Past 65,536 the index would not fit: HitLimitException.
    void AssignFinePOSToEntry(ParseChartEntry& entry, FinePOS_EX const& fp);
    FinePOS_EX const& GetFinePOSFromIndex(std::size_t index) const { return fFinePOS.at(index); }
    // The fine part of speech of a dictionary reading.
    FinePOS_EX const& FinePOSOf(ParseChartEntry const& entry) const { return GetFinePOSFromIndex(entry.a); }
    std::size_t FinePOSCount() const { return fFinePOS.size(); }

private:
    bool fExists = false;
    std::size_t fWords = 0;
    std::vector<PCHART_CELL> fCells;
    std::vector<FinePOS_EX> fFinePOS;
};

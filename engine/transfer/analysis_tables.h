#pragma once
// The compiled analysis rules: tree patterns that spell the Japanese side of
// a transferred tree (endings, particles, copula forms).  The values are
// generated from tools/grammar/analysis.gram by tools/gen_analysis_tables.py
// into analysis_tables.cpp; the layouts are fixed here.  Texts are native
// pointers to string literals; indices are into the tables named.
#include <cstdint>

// One test or action on a node.
struct AnalTerm {
    static constexpr uint8_t kAction = 0x01;        // acts on the node instead of testing it
    static constexpr uint8_t kInsertAfter = 0x02;   // an adjoinable node after the target; act there
    static constexpr uint8_t kInsertBefore = 0x04;  // an adjoinable node before the target; act there

    char const* text;   // never null; "" when the kind takes none
    char const* text2;  // the second text of kinds 12, 19 and 27; null for the others
    uint8_t featureIndex;  // kind 2: which of the node's feature strings (0 to 2)
    uint8_t kind;          // the term kinds of doc/analysis-rules.md
    uint8_t flags;         // the bits above
    uint8_t moveMode;      // 0 up, 1 right/left, 2 from the leftmost, 3 from the rightmost, 4 the spanning node
    int8_t moveDistance;
};

// One constituent of a rule: a run of terms and how it is searched for.
struct AnalConstit {
    enum MatchMode : uint8_t {
        kNext = 0,    // the next node or its leftmost descendants
        kAny = 1,     // any later node
        kClause = 2,  // any later node at the same clause depth
        kStar = 3,    // zero or more occurrences, each searched as kNext
    };

    uint32_t firstTerm;  // into kAnalTerms
    uint8_t termCount;
    uint8_t modes;  // bits 0-1 MatchMode, bits 2-3 the advance mode handed to the next constituent

    MatchMode GetMatchMode() const { return static_cast<MatchMode>(modes & 0x03); }
    uint8_t GetAdvanceMode() const { return static_cast<uint8_t>((modes >> 2) & 0x03); }
};

struct AnalysisRule {
    static constexpr uint8_t kPolite = 0x01;       // only in politeness 22
    static constexpr uint8_t kPlain = 0x02;        // only in politeness 21
    static constexpr uint8_t kWritten = 0x04;      // only in politeness 23
    static constexpr uint8_t kYouMode0 = 0x08;     // only when "you" is translated in mode 0
    static constexpr uint8_t kYouMode1 = 0x10;     // ... in mode 1
    static constexpr uint8_t kDepthFirst = 0x40;   // walk the tree in post-order
    static constexpr unsigned kAuxMaskCount = 10;
    static constexpr unsigned kMaxKeys = 10;

    uint32_t firstConstit;  // into kAnalConstits
    uint16_t number;        // the rule's line in the source
    uint8_t constitCount;   // 1 to kMaxAnalConstits
    uint8_t options;        // the bits above
    uint16_t auxMasks[kAuxMaskCount];  // over the auxiliary-verb option fields
    uint32_t flagMask;                 // bit i: flag Bi of the auxiliary-verb option must be set
    uint16_t keys[kMaxKeys];           // global bitmap bits, 0-terminated; all must be set
};

// A trie node over the letters of the strings keyed on; record 0 of each
// map is the root (its letter unused).
struct LetterMapRecord {
    uint8_t letter;
    uint16_t wholeBit;   // region bit set when a string ends here; 0 none
    uint16_t prefixBit;  // region bit set when a string passes here; 0 none
    uint16_t childCount;
    uint16_t firstChild;  // children sorted by letter, ascending
};

// One region of the tree bitmap: the tries that map one kind of string onto
// its bits, forward (from the first character) and backward (from the last).
struct ANALOPT {
    LetterMapRecord const* forward;  // null: no prefix keys
    uint32_t forwardCount;
    uint16_t forwardRegion;  // first bitmap word of the region
    LetterMapRecord const* backward;  // null: no suffix keys
    uint32_t backwardCount;
    uint16_t backwardRegion;
};

constexpr unsigned kAnalBitmapWords = 512;  // 16,384 bits
constexpr unsigned kMaxAnalConstits = 50;

extern AnalysisRule const kAnalysisRules[];
extern unsigned const kAnalysisRuleCount;
extern AnalConstit const kAnalConstits[];
extern unsigned const kAnalConstitCount;
extern AnalTerm const kAnalTerms[];
extern unsigned const kAnalTermCount;
// Rules from this index on are tried only when the tree holds a number.
extern unsigned const kFirstNumberRule;

extern ANALOPT const kAOJStr;       // Japanese strings
extern ANALOPT const kAOJPOS;       // Japanese part-of-speech names
extern ANALOPT const kAOEBase;      // English base forms
extern ANALOPT const kAOESurface;   // English surface forms
extern ANALOPT const kAOConstit;    // category names
extern ANALOPT const kAOSemant;     // semantic atom names

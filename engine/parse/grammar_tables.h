#pragma once
// The compiled English grammar: the tables the parser, the experts and the
// transfer read.  Their values are generated from tools/grammar/*.gram by
// tools/gen_grammar_tables.py (grammar_tables.cpp, grammar_ids.h); the
// layouts are fixed here.  Records are plain structs read by field; where a
// table is addressed in units (kRuleHeap, kFeatureBitHeap: 4 words), the
// accessors below do the arithmetic.  rules.gram tells how the tables are
// laid out (dummy records, run ends, temporary categories).
#include <cstdint>
#include <string>
#include <vector>

#include "engine/parse/grammar_ids.h"

// One binary or unary rule (a piece of a pure rule); its number is its
// index.  Record 0 is a dummy meaning "no rule".
struct RuleRecord {
    static constexpr uint16_t kResultPrimed = 0x0001;
    static constexpr uint16_t kCapitalSequenceOnly = 0x0020;
    static constexpr uint16_t kHasAltProbs = 0x0080;

    uint16_t flags;     // the bits above; high byte: smallest start word
    uint16_t category;  // the result's
    uint16_t unused[5];
    uint16_t settings[3];   // kFeatureBitHeap units of the result's settings, 0 none
    uint16_t leftTests[3];  // of the only or left daughter
    uint16_t rightTests[3];
    uint16_t pureRule;       // index into kPureRules
    uint16_t programLength;  // kRuleHeap words
    uint16_t programStart;   // in 4-word units
    float balanceWeight;

    uint16_t SmallestStartWord() const { return flags >> 8; }
};

// Where the rules of a left daughter's category lie in kRuleList: from
// firstRule, the unary and binary rules of the unprimed key, then those of
// the primed key; binary rules grouped by right key as kRuleRHeap lists
// them from rightRuns[primed].
struct RuleIndexRecord {
    uint16_t firstRule;
    uint16_t unaryUnprimed;
    uint16_t binaryUnprimed;
    uint16_t unaryPrimed;
    uint16_t binaryPrimed;
    uint16_t rightRuns[2];  // kRuleRHeap pair index of each key's run
};

// One (right key, rule count) pair of a run; a run ends with kRunEnd.
struct RuleRHeapPair {
    static constexpr uint16_t kRunEnd = 0xFFFF;

    uint16_t rightKey;  // category * 2 + primed
    uint16_t count;
};

// A grammar rule as written: what transfer needs of it.  Record 0 is a
// dummy meaning "no rule".
struct PureRuleRecord {
    static constexpr uint16_t kSelresDoubled = 0x0002;

    uint16_t flags;
    uint16_t id;          // the rule's number in the grammar source
    int16_t probability;  // log10, in units of 1/2048
    uint16_t unused[3];
    uint16_t termCount;
    uint32_t firstTerm;  // index into kPureTerms
    uint16_t codeCount;
    uint16_t firstCode;  // index into kPureCCodes
};

struct PureCCodeRecord {
    char code[16];  // digits, "CCspecial" and an id, or "TargetLangStart"
    uint8_t reserved[26];
    uint16_t vCategory;  // 0, or the category of the virtual node it applies to
};

struct PureTermRecord {
    uint16_t unused;
    uint8_t kind;  // 21/22 a daughter; 24 to 29 an inserted position
    uint8_t vCatCount;
    uint16_t firstVCat;
};

struct PureVCatRecord {
    uint32_t category;
    uint8_t kind;  // 22: the virtual node is primed
    uint8_t childCount;
};

struct AltProbRecord {
    uint16_t pureRuleId;
    int16_t probability;  // in units of 1/2048
    char tag[20];         // "dialog" or "paren_at_end"
};

constexpr unsigned kGrammarCreatedParticleBytes = 101;

extern RuleRecord const kRuleList[kRuleListCount];
extern RuleIndexRecord const* const gpRuleIndex;  // kRuleIndexCount records
extern RuleRHeapPair const kRuleRHeap[kRuleRHeapCount];
extern uint16_t const kRuleHeap[kRuleHeapCount];
extern uint16_t const kFeatureBitHeap[kFeatureBitHeapCount];
extern PureRuleRecord const kPureRules[kPureRuleCount];
extern PureCCodeRecord const kPureCCodes[kPureCCodeCount];
extern PureTermRecord const kPureTerms[kPureTermCount];
extern PureVCatRecord const kPureVCats[kPureVCatCount];
extern AltProbRecord const kAltProbs[kAltProbCount];      // kUsedAltProbCount used
extern uint16_t const kExcludedCats[kExcludedCatCount];   // sorted; kUsedExcludedCatCount used
extern uint8_t const kCommaPenaltyRules[kRuleListCount];  // 1: the rule takes the comma penalty
// NUL-padded names, ended by an empty one.
extern char const kGrammarCreatedParticles[kGrammarCreatedParticleCount][kGrammarCreatedParticleBytes];

// Every record counts, the dummy rule 0 included.
constexpr unsigned guNumRules = kRuleListCount;

// The rules of category c's keys; an empty record for a category past the
// table (dictionary codes come from files).
RuleIndexRecord const& RuleIndexFor(unsigned category);

// The feature program of a rule and the test or setting record at a
// kFeatureBitHeap index (null for index 0 or past the heap).
uint16_t const* RuleProgram(RuleRecord const& rule);
uint16_t const* FeatureBitRecord(uint16_t index);

// The text a class-12 operation names (its operand, in 8-byte units).
std::string RuleHeapText(uint16_t operand);

// The daughters' keys (category * 2 + primed) of every rule, as the index
// and the run heap place them; kNone for rule 0 and a unary rule's right.
struct RuleKeys {
    static constexpr unsigned kNone = 0xFFFFFFFF;

    std::vector<unsigned> left = std::vector<unsigned>(kRuleListCount, kNone);
    std::vector<unsigned> right = std::vector<unsigned>(kRuleListCount, kNone);
};
RuleKeys DaughterKeysOfRules();

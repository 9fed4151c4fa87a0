#pragma once
// What the analysis reads besides the sentence: the process-wide switches
// of parsing, the graph and the experts with their start values, the
// particles the grammar creates without a dictionary word, and two texts
// chart building compares words with.  Read and set by one request at a
// time; nothing here takes a lock.
#include <set>
#include <string>

#include "engine/parse/grammar_tables.h"

// When set, rare readings stay in long sentences.
extern bool gbKeepRareParas;
// Graph nodes allowed per sentence; 0 or less: no limit.
extern long glGraphNodeCutoff;
// The word-sense association expert is in use; a sentence whose options
// switch it off does without it and leaves this as it is.
extern bool gbUsingSWAN;
// While false, the word-sense association expert skips words covered by a
// multi-word dictionary entry.
extern bool gbUseSWANUnderMultiword;
// When set, domains activated in earlier sentences are not carried into the
// next one.
extern bool gbSuppressDomains;
// (The segmenter's trace file, gfpSegF_Knob, is the segmenter's own.)
// Tracing switches.
extern bool gbTrackSWAN;
extern bool gbTrackDomainActivation;
extern bool gbTraceDistance;
extern bool gbTraceSelres;

// The pseudo-word of a full stop that may also be nothing, and a full stop.
extern std::string const kzxjPRDor0;
extern std::string const kPeriod;

// The particles grammar rules create without a dictionary word.
class GrammarCreatedParticleRegistry {
public:
    // Every name of the table up to the first empty one.
    explicit GrammarCreatedParticleRegistry(char const (*names)[kGrammarCreatedParticleBytes], std::size_t count);

    bool Contains(std::string const& name) const { return fNames.count(name) != 0; }
    std::set<std::string> const& Names() const { return fNames; }

private:
    std::set<std::string> fNames;
};

// Built from the grammar's table on first use.
GrammarCreatedParticleRegistry const& kGrammarCreatedParticleRegistry();

#pragma once
// The word-sense association expert as chart building sees it: whether the
// process runs it at all, and its set-up for one sentence once the chart is
// filled.  Whether it runs for a sentence is decided per sentence
// (Sentence::UsingWordSenseExpert): a sentence whose options switch it off
// leaves the process-wide switch alone.
class Sentence;

// The expert in use in this process (true unless a host switches it off).
extern bool gbUsingSWAN;

// Prepares the expert for the sentence whose chart is filled.  The expert is
// not built yet: this does nothing.
void ZZZInitSentenceForWSAN(Sentence* sentence);

#pragma once
// The word-sense association expert's set-up for one sentence once the
// chart is filled.  Whether it runs for a sentence is decided per sentence
// (Sentence::UsingWordSenseExpert, from gbUsingSWAN and the sentence's
// options): a sentence whose options switch it off leaves the process-wide
// switch alone.
class Sentence;

// Prepares the expert for the sentence whose chart is filled.  The expert is
// not built yet: this does nothing.
void ZZZInitSentenceForWSAN(Sentence* sentence);

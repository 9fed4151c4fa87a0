#pragma once
// The word-sense association expert.  Some English words have several
// Japanese translations that only the context tells apart ("account": 口座
// near "balance", 説明 near "trip"); the expert rewards a dictionary leaf
// whose translation has associates (words, or phrases of a semantic atom)
// elsewhere in the sentence, more the closer they are.
//
// Whether it runs for a sentence is decided per sentence
// (Sentence::UsingWordSenseExpert, from gbUsingSWAN and the sentence's
// options): a sentence whose options switch it off leaves the process-wide
// switch alone.  Its copy of the sentence's words and noun semantics is the
// sentence's own, so sentences analysed at once never share it.
#include <string>
#include <vector>

#include "engine/foundation/semantics.h"

class Sentence;
struct EXPERT_VIEW;
struct WSANTranslation;

// What the expert keeps of a sentence once its chart is filled: the words'
// texts, and for each chart cell (index e(e+1)/2 + d) the noun-like semantic
// sets of its enabled dictionary readings.
struct WSAN_SENTENCE_INFO {
    std::vector<std::string> words;
    std::vector<std::vector<SemanticRecord>> cells;
};

// (gbUsingSWAN, gbUseSWANUnderMultiword and gbTrackSWAN are among the
// analysis settings.)
extern double gSWANProportionAt10;  // an associate's share of its weight at 10 words
extern double gProportionOverMax;   // the share of the findings beyond the best one

// Rebuilds the sentence's record (when the expert runs for it).
void ZZZInitSentenceForWSAN(Sentence* sentence);

// The expert's score of a view: the scores of its translation's associates.
float WSANScore(EXPERT_VIEW const* view, Sentence const& sentence);
// One translation's associates around the view.
float FindWSANAssociates(EXPERT_VIEW const* view, WSANTranslation const& translation, WSAN_SENTENCE_INFO const& info);

// 1 + the words strictly between word indexes a and b that count (not
// pseudo-words, not clitics like "'s", and holding a letter or digit).
int FindWSANDistance(std::vector<std::string> const& words, int a, int b);
// The weight an associate at that distance gives.
double ScoreFunction(int distance, double weight);
// The word is the base or its plural, "-ing" or "-ed" form (any case).
bool MatchIncludingInflections(std::string const& base, std::string const& word);
bool CaseInsensitiveMatch(std::string const& a, std::string const& b);
// Splits text into tokens the way the preparser does.
std::vector<std::string> TokenizeLikePreparser(std::string const& text);

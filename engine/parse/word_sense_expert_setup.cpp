// The word-sense association expert's per-sentence set-up.  The expert is
// not built yet; chart building calls this in its place in the order.
#include "engine/parse/word_sense_expert.h"

void ZZZInitSentenceForWSAN(Sentence*) {}

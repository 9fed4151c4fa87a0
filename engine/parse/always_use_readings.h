#pragma once
// How readings compare where the dictionaries mark a reading to be used
// always: which of two always-use readings is the stronger, and whether a
// reading agrees in category with a span's always-use reading closely enough
// to stay beside it.  Chart building and best-tree extraction both ask.
#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"

class Sentence;

// Positive when a is the stronger always-use reading, negative when b is, 0
// for a tie.  A present reading beats an absent one.  A preferred-always
// reading beats any other; a preferred-part-of-speech reading loses to a
// preferred-always one; between readings of the same rank (and a
// preferred-part-of-speech reading against a plain one) the dictionary with
// the smaller priority wins by the whole-number part of the difference, so
// priorities less than 1 apart tie.  Idiom types count as the sentence's
// switches let them.
int AlwaysUseStrengthCmp(CanBeNull<FinePOS_EX> const& a, CanBeNull<FinePOS_EX> const& b, Sentence const& sentence);

// Whether b looks like a's gross class asks: a noun, verb, adjective or
// adverb needs the same class; a prepositional phrase needs "PP" exactly, a
// conjunction "CONJ" exactly; a preposition needs a preposition of a
// compatible type.  Auxiliaries, interjections and parts of speech without
// a gross class match nothing.
bool AlwaysUseCatMatch(FinePOS_EX const& a, FinePOS_EX const& b);

// A preposition's type from the fourth and fifth characters of its second
// feature set: 1 when only the fourth is "1", 2 when only the fifth, 3 when
// both, 0 when neither.
int GetPrepositionType(FinePOS_EX const& f);
// Types agree unless one is 1 and the other 2.
bool PrepTypesMatch(FinePOS_EX const& a, FinePOS_EX const& b);

#pragma once
// The idiom type of a reading as the sentence's switches let it count: the
// preferred-part-of-speech and preferred-always types fall back to normal
// when their switch is off.
#include "engine/foundation/value_types.h"

class Sentence;

IdiomType FilterAUIdiomType(IdiomType type, Sentence const& sentence);

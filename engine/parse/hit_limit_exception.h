#pragma once
// Thrown when parsing one sentence reaches a limit (entries, memory, time).
// It carries nothing: the translator stage catches it and gives up on the
// sentence, never on the text.
struct HitLimitException {};

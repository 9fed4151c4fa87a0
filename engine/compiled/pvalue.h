#pragma once
// P-value arithmetic.  P-values are stored in 16 signed bits; sums and
// penalties are computed wider and pinned to that range, so a very low
// p-value stays the lowest instead of wrapping round to a high one.

// The value limited to the 16-bit signed range.
short ClampPValue(long value);

// The amount a reading found only through a respelling loses.
constexpr int kRespellingPenalty = 4096;

// p lowered by kRespellingPenalty, at least -32768.
short PenalizePValue(short p);

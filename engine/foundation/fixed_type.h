#pragma once
// The engine-wide "fixed type" switch.  The translation side sets it; the user
// dictionary reads it to give its readings a fixed p-value.

// Nonzero (the start value is 1): user-dictionary readings carry the fixed
// p-value 0x3000.
extern unsigned char gFixedType;

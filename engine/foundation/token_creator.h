#pragma once
// The serial-number source of one translation pipeline.  A stage that makes a
// token raises the counter first and uses the new value as the token's
// serial, so serial 0 is never handed out and serials are unique within the
// pipeline: the per-token stores are keyed by them.
#include <cstdint>

using TokenCreator = uint32_t;

// A token keeps its serial in its high 24 bits.
constexpr unsigned kTokenSerialBits = 24;

// Raises the counter and returns the new serial.
inline uint32_t NextTokenSerial(TokenCreator* creator) { return ++*creator; }

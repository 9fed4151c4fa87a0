#pragma once
// The serial-number source of one translation pipeline.  A stage that makes a
// token raises the counter first and uses the new value as the token's
// serial, so serial 0 is never handed out and serials are unique within the
// pipeline: the per-token stores are keyed by them.
#include <cstdint>
#include <stdexcept>

using TokenCreator = uint32_t;

// A token keeps its serial in its high 24 bits.
constexpr unsigned kTokenSerialBits = 24;
constexpr uint32_t kMaxTokenSerial = (uint32_t{1} << kTokenSerialBits) - 1;

// Raises the counter and returns the new serial.  A pipeline that has used up
// every serial gets std::overflow_error and the counter stays: a wrapped
// serial would make two tokens share their stored text.
inline uint32_t NextTokenSerial(TokenCreator* creator) {
    if (*creator >= kMaxTokenSerial) throw std::overflow_error("token serials exhausted");
    return ++*creator;
}

#pragma once
// A monotonic tick counter in sixtieths of a second, as hosts of the
// translation engine pace their progress notices.  It wraps at 2^32 ticks
// (about 2.3 years); compare ticks with TickReached, never with <.
#include <cstdint>

uint32_t TickCount();

// Whether `now` is at or past `then + interval`, across a wrap.
inline bool TickReached(uint32_t now, uint32_t then, uint32_t interval) {
    return static_cast<uint32_t>(now - then) >= interval;
}

#include "platform/clock/tick_count.h"

#include <time.h>

uint32_t TickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    uint64_t const ticks =
        static_cast<uint64_t>(now.tv_sec) * 60u + static_cast<uint64_t>(now.tv_nsec) * 60u / 1000000000u;
    return static_cast<uint32_t>(ticks);
}

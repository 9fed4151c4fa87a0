#pragma once
// The translation facade's process-wide state beside gOptions and
// dictsVector (startup_init.h).
#include <atomic>
#include <cstdint>

// The stop flag the facade's source polls before every token; a host may set
// it from another thread.
extern std::atomic<uint8_t> gStop;
// A system dictionary has been added through the facade.
extern bool haveSD;

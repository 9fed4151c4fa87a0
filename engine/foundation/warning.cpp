#include "engine/foundation/warning.h"

#include <atomic>

namespace {
// Atomic so that a warning on one thread never sees a half-written pointer.
std::atomic<LogFunction> gLogFunction{nullptr};
}  // namespace

void SetLogFunction(LogFunction log) { gLogFunction.store(log); }

void PWarning(char const* a, char const* b, char const* c, int line) {
    LogFunction log = gLogFunction.load();
    if (log == nullptr) return;
    log(0, false, a != nullptr ? a : "", b, c, line);
}

// Arbitrary bytes as an event frame: decoding must never crash or allocate
// beyond what the bytes hold, and whatever decodes must encode back to the
// very same bytes.
#include <cstdint>
#include <string>

#include "platform/apple_events.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    char const* bytes = reinterpret_cast<char const*>(data);
    platform::AppleEvent event;
    if (!platform::AEDecodeEvent(bytes, size, &event)) return 0;
    if (platform::AEEncodeEvent(event) != std::string(bytes, size)) __builtin_trap();
    return 0;
}

#pragma once
// The entry count a companion program's controller answers to 'uwNM'.
#include <cstdint>
#include <optional>

#include "platform/apple_events.h"

// The count in the reply's direct parameter; nullopt when the reply has none.
template <class Controller>
std::optional<int32_t> AskEntryNumber(Controller& controller) {
    platform::AppleEvent reply;
    controller.handleAppleEventsNM(platform::AppleEvent{}, &reply);
    platform::AEDesc const* count = reply.FindParam(platform::keyDirectObject);
    int32_t value = 0;
    if (count == nullptr || !platform::AEGetLong(*count, &value)) return std::nullopt;
    return value;
}

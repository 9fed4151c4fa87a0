#pragma once
// The front end's side of the conversion protocol: one request to a
// companion program and what is read from its reply.  Every failure (the
// request cannot be built or sent, a time-out, a reply without the expected
// parameter) reads as a missing reply.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/apple_events.h"

namespace quellit {

// AESend's shape, so that tests can stand in for the companion programs.
using EventSender = std::function<int(platform::AppleEvent const& event, platform::AppleEvent* reply, int32_t sendMode,
                                      int32_t priority, long timeOutInTicks)>;

class ConverterRequests {
public:
    explicit ConverterRequests(EventSender sender);

    // 'uwNM': the count, or nothing.
    std::optional<int32_t> EntryNumber(platform::ProcessSerialNumber const& target) const;
    // 'uwRE': the entry's text bytes as sent, or nothing.
    std::optional<std::string> ReadEntry(platform::ProcessSerialNumber const& target, int32_t index) const;
    // 'uwCV': the log bytes as sent, or nothing.  Waits without a time-out:
    // a large conversion must not lose its log.  *completed tells whether
    // the converter said its run completed (a reply without 'errn').
    std::optional<std::string> Convert(platform::ProcessSerialNumber const& target, bool* completed = nullptr) const;
    // 'uwQT' without a reply; false when the send failed.
    bool Quit(platform::ProcessSerialNumber const& target) const;

private:
    // Builds and sends one event; nullopt when anything failed.
    std::optional<platform::AppleEvent> Send(platform::ProcessSerialNumber const& target, platform::AEEventID eventID,
                                             platform::AEDesc const* directParameter, int32_t sendMode,
                                             long timeOutInTicks) const;
    // Item 1 of the reply's '----' fetched as a list (a 'TEXT' reply is
    // coerced into a list of one item).
    static std::optional<std::string> FirstListItem(platform::AppleEvent const& reply);

    EventSender fSender;
};

}  // namespace quellit

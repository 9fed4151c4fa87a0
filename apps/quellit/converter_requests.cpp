#include "apps/quellit/converter_requests.h"

#include <utility>

namespace quellit {

using namespace platform;

ConverterRequests::ConverterRequests(EventSender sender) : fSender(std::move(sender)) {}

std::optional<AppleEvent> ConverterRequests::Send(ProcessSerialNumber const& target, AEEventID eventID,
                                                  AEDesc const* directParameter, int32_t sendMode,
                                                  long timeOutInTicks) const {
    AppleEvent event;
    if (AECreateAppleEvent(kConverterEventClass, eventID, AEMakeProcessDesc(target), kAutoGenerateReturnID,
                           kAnyTransactionID, &event) != noErr)
        return std::nullopt;
    if (directParameter) event.PutParam(keyDirectObject, *directParameter);
    AppleEvent reply;
    if (fSender(event, &reply, sendMode, kAENormalPriority, timeOutInTicks) != noErr) return std::nullopt;
    return reply;
}

std::optional<std::string> ConverterRequests::FirstListItem(AppleEvent const& reply) {
    AEDesc list;
    if (AEGetParamDesc(reply, keyDirectObject, typeAEList, &list) != noErr) return std::nullopt;
    AEDesc item;
    if (AEGetNthDesc(list, 1, typeWildCard, &item) != noErr) return std::nullopt;
    return item.data;
}

std::optional<int32_t> ConverterRequests::EntryNumber(ProcessSerialNumber const& target) const {
    auto reply = Send(target, kEventEntryNumber, nullptr, kAEWaitReply, kAEDefaultTimeout);
    if (!reply) return std::nullopt;
    AEDesc count;
    int32_t value = 0;
    if (AEGetParamDesc(*reply, keyDirectObject, typeSInt32, &count) != noErr || !AEGetLong(count, &value))
        return std::nullopt;
    return value;
}

std::optional<std::string> ConverterRequests::ReadEntry(ProcessSerialNumber const& target, int32_t index) const {
    AEDesc const indexDesc = AEMakeLongDesc(index);
    auto reply = Send(target, kEventReadEntry, &indexDesc, kAEWaitReply, kAEDefaultTimeout);
    if (!reply) return std::nullopt;
    return FirstListItem(*reply);
}

std::optional<std::string> ConverterRequests::Convert(ProcessSerialNumber const& target, bool* completed) const {
    if (completed) *completed = false;
    auto reply = Send(target, kEventConvert, nullptr, kAEWaitReply, kNoTimeOut);
    if (!reply) return std::nullopt;
    std::optional<std::string> log = FirstListItem(*reply);
    if (completed) *completed = log.has_value() && reply->FindParam(keyErrorNumber) == nullptr;
    return log;
}

bool ConverterRequests::Quit(ProcessSerialNumber const& target) const {
    return Send(target, kEventQuit, nullptr, kAENoReply, kAEDefaultTimeout).has_value();
}

}  // namespace quellit

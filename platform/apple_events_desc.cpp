// Descriptors, event parameters and the coercions the programs ask for.
#include <cstring>

#include "platform/apple_events.h"

namespace platform {

AEDesc AEMakeLongDesc(int32_t value) {
    return AEMakeDesc(typeSInt32, std::string(reinterpret_cast<char const*>(&value), sizeof value));
}

AEDesc AEMakeDesc(DescType type, std::string bytes) {
    AEDesc desc;
    desc.descriptorType = type;
    desc.data = std::move(bytes);
    return desc;
}

AEDesc AEMakeListDesc() {
    AEDesc desc;
    desc.descriptorType = typeAEList;
    return desc;
}

AEDesc AEMakeProcessDesc(ProcessSerialNumber const& psn) {
    std::string bytes(sizeof psn.highLongOfPSN + sizeof psn.lowLongOfPSN, '\0');
    std::memcpy(&bytes[0], &psn.highLongOfPSN, sizeof psn.highLongOfPSN);
    std::memcpy(&bytes[sizeof psn.highLongOfPSN], &psn.lowLongOfPSN, sizeof psn.lowLongOfPSN);
    return AEMakeDesc(typeProcessSerialNumber, std::move(bytes));
}

std::size_t AEGetDescDataSize(AEDesc const& desc) { return desc.data.size(); }

bool AEGetLong(AEDesc const& desc, int32_t* value) {
    if (desc.descriptorType != typeSInt32 || desc.data.size() != sizeof *value) return false;
    std::memcpy(value, desc.data.data(), sizeof *value);
    return true;
}

int AEPutDesc(AEDesc* list, long index, AEDesc const& item) {
    if (list->descriptorType != typeAEList) return errAEWrongDataType;
    long const count = static_cast<long>(list->items.size());
    if (index == 0 || index == count + 1) {
        list->items.push_back(item);
    } else if (index >= 1 && index <= count) {
        list->items[static_cast<std::size_t>(index - 1)] = item;
    } else {
        return errAEIllegalIndex;
    }
    return noErr;
}

void AppleEvent::PutParam(AEKeyword keyword, AEDesc desc) {
    for (auto& parameter : parameters) {
        if (parameter.first == keyword) {
            parameter.second = std::move(desc);
            return;
        }
    }
    parameters.emplace_back(keyword, std::move(desc));
}

AEDesc const* AppleEvent::FindParam(AEKeyword keyword) const {
    for (auto const& parameter : parameters) {
        if (parameter.first == keyword) return &parameter.second;
    }
    return nullptr;
}

int AECreateAppleEvent(AEEventClass eventClass, AEEventID eventID, AEDesc const& target, int32_t returnID,
                       int32_t transactionID, AppleEvent* result) {
    ProcessSerialNumber psn;
    if (target.descriptorType != typeProcessSerialNumber ||
        target.data.size() != sizeof psn.highLongOfPSN + sizeof psn.lowLongOfPSN) {
        return errAECoercionFail;
    }
    std::memcpy(&psn.highLongOfPSN, target.data.data(), sizeof psn.highLongOfPSN);
    std::memcpy(&psn.lowLongOfPSN, target.data.data() + sizeof psn.highLongOfPSN, sizeof psn.lowLongOfPSN);
    *result = AppleEvent();
    result->eventClass = eventClass;
    result->eventID = eventID;
    result->target = psn;
    result->returnID = returnID;
    result->transactionID = transactionID;
    return noErr;
}

namespace {

// The same type or any type is had as it is; a list is had from any other
// descriptor as a list of that one item.
int Coerce(AEDesc const& desc, DescType desiredType, AEDesc* result) {
    if (desiredType == typeWildCard || desiredType == desc.descriptorType) {
        *result = desc;
        return noErr;
    }
    if (desiredType == typeAEList) {
        AEDesc list = AEMakeListDesc();
        list.items.push_back(desc);
        *result = std::move(list);
        return noErr;
    }
    return errAECoercionFail;
}

}  // namespace

int AEGetParamDesc(AppleEvent const& event, AEKeyword keyword, DescType desiredType, AEDesc* result) {
    AEDesc const* found = event.FindParam(keyword);
    if (found == nullptr) return errAEDescNotFound;
    return Coerce(*found, desiredType, result);
}

int AEGetNthDesc(AEDesc const& list, long index, DescType desiredType, AEDesc* result) {
    if (list.descriptorType != typeAEList) return errAEWrongDataType;
    if (index < 1 || index > static_cast<long>(list.items.size())) return errAEIllegalIndex;
    return Coerce(list.items[static_cast<std::size_t>(index - 1)], desiredType, result);
}

}  // namespace platform

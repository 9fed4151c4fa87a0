#pragma once
// A running program's name on the messaging layer: {0, pid}.  {0, 0} names
// no program.
#include <cstdint>

namespace platform {

struct ProcessSerialNumber {
    uint32_t highLongOfPSN = 0;
    uint32_t lowLongOfPSN = 0;
};

constexpr bool IsNoProcess(ProcessSerialNumber const& psn) { return psn.highLongOfPSN == 0 && psn.lowLongOfPSN == 0; }

inline bool operator==(ProcessSerialNumber const& a, ProcessSerialNumber const& b) {
    return a.highLongOfPSN == b.highLongOfPSN && a.lowLongOfPSN == b.lowLongOfPSN;
}
inline bool operator!=(ProcessSerialNumber const& a, ProcessSerialNumber const& b) { return !(a == b); }

// Status codes of the messaging and process layers (0 is success).
constexpr int noErr = 0;
constexpr int procNotFound = -600;       // no such program, or end of the process list
constexpr int connectionInvalid = -609;  // the peer went away mid-exchange
constexpr int errAEEventNotHandled = -1708;
constexpr int errAEDescNotFound = -1701;
constexpr int errAECoercionFail = -1700;
constexpr int errAETimeout = -1712;
constexpr int errAEReplyNotValid = -1709;  // a frame that does not decode

}  // namespace platform

#pragma once
// Messaging between the three programs: descriptors, events, sending and
// serving.  Requests and replies keep the shapes of the conversion protocol
// (event class and ID as four-character codes, the direct parameter '----',
// descriptors of type 'long', 'TEXT' and 'list'); underneath, every program
// that serves events listens on a Unix-domain socket in the per-user runtime
// folder (runtime_folder.h) and frames are length-prefixed.
#include <signal.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/four_char_codes.h"
#include "platform/process_serial_number.h"

namespace platform {

class EventConnection;

// One descriptor: a type and its bytes, or, for a 'list', its items.
struct AEDesc {
    DescType descriptorType = typeNull;
    std::string data;           // bytes of any descriptor but a list
    std::vector<AEDesc> items;  // items of a 'list', in order
};

AEDesc AEMakeLongDesc(int32_t value);                      // 'long', 4 native bytes
AEDesc AEMakeDesc(DescType type, std::string bytes);       // any scalar type
AEDesc AEMakeListDesc();                                   // empty 'list'
AEDesc AEMakeProcessDesc(ProcessSerialNumber const& psn);  // 'psn ', 8 bytes
// The byte count of a descriptor other than a list (a list's is 0).
std::size_t AEGetDescDataSize(AEDesc const& desc);

// Status codes of descriptor access besides those of process_serial_number.h.
constexpr int errAEWrongDataType = -1703;    // a list operation on a non-list
constexpr int errAEIllegalIndex = -1719;     // no such list item
constexpr int errAEEventFailed = -10000;     // a handler failed (threw)
constexpr int errAERegistrationFailed = -1;  // Run could not listen or register

// Reads a 'long' descriptor (exactly 4 bytes).  False for anything else.
bool AEGetLong(AEDesc const& desc, int32_t* value);
// Puts item at a 1-based index, replacing the item there; 0 (or one past the
// end) appends.  errAEIllegalIndex for any other index.
int AEPutDesc(AEDesc* list, long index, AEDesc const& item);

constexpr int32_t kAutoGenerateReturnID = -1;
constexpr int32_t kAnyTransactionID = 0;
constexpr AEKeyword keyErrorNumber = FourCC("errn");

struct AppleEvent {
    AEEventClass eventClass = 0;
    AEEventID eventID = 0;
    ProcessSerialNumber target;
    int32_t returnID = kAutoGenerateReturnID;
    int32_t transactionID = kAnyTransactionID;
    std::vector<std::pair<AEKeyword, AEDesc>> parameters;  // keywords are unique

    // Replaces a parameter of the same keyword.
    void PutParam(AEKeyword keyword, AEDesc desc);
    // Null when the event has no such parameter.
    AEDesc const* FindParam(AEKeyword keyword) const;
};

// The target must be a 'psn ' descriptor of 8 bytes; errAECoercionFail else.
int AECreateAppleEvent(AEEventClass eventClass, AEEventID eventID, AEDesc const& target, int32_t returnID,
                       int32_t transactionID, AppleEvent* result);

// Fetches a parameter as the wanted type: the same type, '****' (any), or a
// 'list' wanted from a scalar (coerced into a list of one item).
// errAEDescNotFound when absent, errAECoercionFail when it cannot be had.
int AEGetParamDesc(AppleEvent const& event, AEKeyword keyword, DescType desiredType, AEDesc* result);
// Item `index` (1-based) of a list, as the wanted type ('****' any).
// errAEWrongDataType for a non-list, errAEIllegalIndex for a missing item.
int AEGetNthDesc(AEDesc const& list, long index, DescType desiredType, AEDesc* result);

// Send modes, priority and time-outs (ticks of 1/60 s).
constexpr int32_t kAENoReply = 1;
constexpr int32_t kAEWaitReply = 3;
constexpr int32_t kAENormalPriority = 0;
constexpr long kAEDefaultTimeout = -1;  // about one minute
constexpr long kNoTimeOut = -2;         // wait as long as it takes

// Sends the event to its target.  With kAEWaitReply, waits for the reply
// (within the time-out) and stores it in *reply; with kAENoReply, returns
// once the event is delivered.  A target of {0, 0} fails with procNotFound
// before any system call.  A server that has no handler answers with a reply
// holding only keyErrorNumber (errAEEventNotHandled); that is still noErr
// here, and the reply has no '----'.  Errors: procNotFound (no such
// program, or what listens on its socket is not that process of this user),
// errAETimeout, connectionInvalid (the peer closed without a whole reply),
// errAEReplyNotValid (a reply that does not decode or answers another event).
// Time-outs: kAEDefaultTimeout is 3600 ticks, kNoTimeOut waits forever, a
// positive value is ticks; any other value is taken as the default.
int AESend(AppleEvent const& event, AppleEvent* reply, int32_t sendMode, int32_t priority, long timeOutInTicks);

// The wire form of one event (used by AESend and the server; exposed for
// tests and fuzzing).  Decoding checks every length against what is left of
// the frame before allocating anything.
std::string AEEncodeEvent(AppleEvent const& event);
bool AEDecodeEvent(char const* bytes, std::size_t size, AppleEvent* event);

// The serving side of a faceless program: handlers registered by event
// class and ID, one event at a time on the calling (main) thread.
class AppleEventManager {
public:
    using Handler = std::function<void(AppleEvent const& event, AppleEvent* reply)>;

    static AppleEventManager& Shared();

    void SetEventHandler(AEEventClass eventClass, AEEventID eventID, Handler handler);

    // Registers this process under its bundle's file name (for example
    // "Tazmet.app"), listens, and serves events until Terminate is called
    // from a handler (or SIGTERM/SIGINT arrives); then unregisters.  0 on an
    // orderly end, else errAERegistrationFailed (no trusted runtime folder,
    // a name that is not a plain file name, or the socket could not be made).
    // A handler that throws is answered with keyErrorNumber errAEEventFailed.
    int Run(std::string const& bundleFileName);
    // Ends Run after the current event's reply has been sent.
    void Terminate();

private:
    AppleEventManager() = default;
    // The reply to one event: the handler's, or keyErrorNumber alone.
    AppleEvent Dispatch(AppleEvent const& event, pid_t sender);
    // Moves one connection on: takes what arrived of its frame, answers a
    // whole one, or sends more of its reply.  False when the connection is
    // done with (closed by the sender, or unusable).
    bool Advance(EventConnection& connection);

    struct HandlerEntry {
        AEEventClass eventClass;
        AEEventID eventID;
        Handler handler;
    };
    std::vector<HandlerEntry> fHandlers;
    bool fTerminateRequested = false;
};

}  // namespace platform

#pragma once
// The old-format reader program's controller: opens the previous edition's
// user dictionary as user dictionary 0 and answers the front end's requests
// ('uwQT' quit, 'uwNM' entry count, 'uwRE' one entry's text line).  The
// handlers are plain member functions so that they can be called in process
// as well as registered with the event manager.
#include "platform/apple_events.h"

// The application identifier of the previous edition's preferences.
inline constexpr char kUserPathApplicationID[] = "/Library/Application Support/Quorindal/Tovikan/UserPath";

// The entry count of user dictionary 0; 0 when none is open or it cannot be
// counted.
int uwEntryNumber();

class VorlipController {
public:
    // Registers the three handlers for the converter's event class.
    void RegisterHandlers(platform::AppleEventManager& manager);

    // Reads the preferences and opens the old user dictionary (never creating
    // it) as user dictionary 0.  Each failure writes its line to standard
    // error and gives false; a corrupt or locked dictionary is one of them.
    bool uwInitialize();

    void handleAppleEventsQT(platform::AppleEvent const& event, platform::AppleEvent* reply);
    void handleAppleEventsNM(platform::AppleEvent const& event, platform::AppleEvent* reply);
    // The direct parameter is the entry index ('long'); the reply's is a list
    // of one untyped item, the entry's line, or nothing when the entry cannot
    // be served.
    void handleAppleEventsRE(platform::AppleEvent const& event, platform::AppleEvent* reply);
};

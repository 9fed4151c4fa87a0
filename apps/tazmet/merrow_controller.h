#pragma once
// The converter program's controller: opens the current edition's user
// dictionary as user dictionary 0 and answers the front end's requests
// ('uwQT' quit, 'uwNM' entry count, 'uwCV' convert the old dictionary's
// text file into it).  The handlers are plain member functions so that they
// can be called in process as well as registered with the event manager.
#include <string>

#include "engine/userdict/uw_convert.h"
#include "engine/userdict/uw_log_messages.h"
#include "platform/apple_events.h"

// The entry count of user dictionary 0; 0 when none is open.
int uwEntryNumber();

class MerrowController {
public:
    explicit MerrowController(std::string conversionPath = kUwConvertTextPath);

    // Registers the three handlers for the converter's event class.
    void RegisterHandlers(platform::AppleEventManager& manager);

    // Reads the preferences and opens (creating when missing) the user
    // dictionary as user dictionary 0.  Each failure prints its line on
    // standard output and gives false.
    bool uwInitialize();

    void handleAppleEventsQT(platform::AppleEvent const& event, platform::AppleEvent* reply);
    void handleAppleEventsNM(platform::AppleEvent const& event, platform::AppleEvent* reply);
    // The log; and 'errn' errConversionIncomplete when the run did not
    // complete.
    void handleAppleEventsCV(platform::AppleEvent const& event, platform::AppleEvent* reply);

private:
    // Every conversion closes all dictionaries; a later request opens user
    // dictionary 0 again from the path found at start-up.  False when there
    // is none to open.
    bool EnsureUserDictionaryOpen();

    std::string fConversionPath;
    std::string fUserDictionaryPath;      // empty until the preferences gave one
    bool fUserDictionaryDamaged = false;  // the last open found its blocks damaged
};

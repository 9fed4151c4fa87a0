#pragma once
// The front end's controller: one press of the convert button runs the
// whole conversion through the two companion programs, and quitting asks
// both to quit.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "apps/quellit/conversion_lock.h"
#include "apps/quellit/converter_requests.h"
#include "apps/quellit/converter_window.h"
#include "platform/process_serial_number.h"

namespace quellit {

// Everything the controller reaches outside itself, so that tests can stand
// in for the bundle, the launcher, the companion programs and the file.
struct ControllerServices {
    // Path of a bundle resource ("Vorlip", "app"); empty when absent.
    std::function<std::string(std::string const& name, std::string const& type)> pathForResource;
    // Localized text of a key; the key itself when the table has none.
    std::function<std::string(std::string const& key)> localizedString;
    // Launch and find: -1 refused, 1 found (psn filled), 0 not found.
    std::function<int32_t(std::string const& bundlePath, platform::ProcessSerialNumber* psn, bool until)>
        launchedApplication;
    EventSender sender;
    // Writes the entry lines; false with a reason when they were not put in place.
    std::function<bool(std::string const& bytes, std::string* error)> writeEntryLines;
    // Optional.  Takes the machine's conversion lock before anything is
    // launched or written (the reason when it fails); endConversion removes
    // the entry lines and gives the lock back once the run is over.
    std::function<ConversionLock::Outcome(std::string* reason)> beginConversion;
    std::function<void()> endConversion;
    // Optional.  Remembers where the companion programs' messages stand;
    // gives the lines they printed since, for the window.
    std::function<void()> markCompanionMessages;
    std::function<std::string()> companionMessages;
};

class UDCAppController {
public:
    UDCAppController(ConverterWindow& window, ControllerServices services);

    void applicationWillFinishLaunching();
    // The button's action.
    void doConvert();
    // Sends 'uwQT' to both companion programs; the application may then end.
    void applicationShouldTerminate();

    // The steps of a run, as the button's action uses them.
    bool loadOldConverter();
    bool initOldConverter();
    bool procOldConverter(int32_t index);
    bool loadNewConverter();
    bool procNewConverter();

    std::string const& displayString() const { return fDisplayString; }
    std::string const& outputString() const { return fOutputString; }
    uint32_t entryNum() const { return fEntryNum; }
    // The last run converted: the converter opened its dictionary, read the
    // whole file and answered, and every entry was read.
    bool runCompleted() const { return fRunCompleted; }

private:
    bool LoadConverter(char const* resourceName, platform::ProcessSerialNumber* psn);
    std::string CountLine(int32_t count) const;
    void EndRunEnablingButton();
    void AppendTroubleNotes();
    void RunSteps();
    // The text with the companion programs' messages under it, when any.
    std::string WithCompanionMessages(std::string text) const;

    ConverterWindow& fWindow;
    ControllerServices fServices;
    ConverterRequests fRequests;
    platform::ProcessSerialNumber fOldConverter;
    platform::ProcessSerialNumber fNewConverter;
    uint32_t fEntryNum = 0;
    std::string fDisplayString;  // UTF-8: what the text view shows
    std::string fOutputString;   // Shift-JIS bytes: the entry lines for the converter
    std::vector<int32_t> fUnreadEntries;
    bool fLogMissing = false;
    bool fConverterCompleted = false;
    bool fRunCompleted = false;
};

}  // namespace quellit

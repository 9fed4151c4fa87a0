#include "apps/quellit/udc_app_controller.h"

#include <utility>

#include "apps/quellit/display_text.h"

namespace quellit {

using platform::ProcessSerialNumber;

namespace {

constexpr char kCountFormatKey[] = "Entry item %d.";
constexpr char kNoEntryKey[] = "No Entry.";
constexpr char kProcEndKey[] = "Proc End";
constexpr char kCannotWriteKey[] = "The entry lines could not be written:";
constexpr char kUnreadEntriesKey[] = "Entries not read (index):";
constexpr char kNoLogKey[] = "The converter returned no log.";
constexpr char kBusyKey[] = "Another conversion is running on this computer; this one did not start.";
constexpr char kNoLockKey[] = "The conversion could not start:";

}  // namespace

UDCAppController::UDCAppController(ConverterWindow& window, ControllerServices services)
    : fWindow(window), fServices(std::move(services)), fRequests(fServices.sender) {}

void UDCAppController::applicationWillFinishLaunching() {
    fDisplayString.clear();
    fOutputString.clear();
}

bool UDCAppController::LoadConverter(char const* resourceName, ProcessSerialNumber* psn) {
    std::string const path = fServices.pathForResource(resourceName, "app");
    if (path.empty()) return false;
    return fServices.launchedApplication(path, psn, true) != -1;
}

bool UDCAppController::loadOldConverter() { return LoadConverter("Vorlip", &fOldConverter); }
bool UDCAppController::loadNewConverter() { return LoadConverter("Tazmet", &fNewConverter); }

std::string UDCAppController::CountLine(int32_t count) const {
    return FormatCountLine(fServices.localizedString(kCountFormatKey), count);
}

bool UDCAppController::initOldConverter() {
    auto const count = fRequests.EntryNumber(fOldConverter);
    // A count of 0 or less is no entry: read as unsigned, -1 would ask for
    // four billion entries.
    if (!count || *count <= 0) {
        fEntryNum = 0;
        fWindow.SetText(fServices.localizedString(kNoEntryKey));
        return false;
    }
    fEntryNum = static_cast<uint32_t>(*count);
    fDisplayString += CountLine(*count);
    fWindow.SetText(fDisplayString);
    return true;
}

bool UDCAppController::procOldConverter(int32_t index) {
    if (static_cast<uint32_t>(index) >= fEntryNum) return false;
    // The bytes go on as the reader sent them: decoding and encoding again
    // would change some characters, and what is not Shift-JIS is for the
    // converter to log.
    if (auto text = fRequests.ReadEntry(fOldConverter, index)) {
        fOutputString += '\n';
        fOutputString += *text;
    } else {
        fUnreadEntries.push_back(index);
    }
    return true;
}

bool UDCAppController::procNewConverter() {
    if (auto log = fRequests.Convert(fNewConverter, &fConverterCompleted)) {
        fDisplayString += '\n';
        fDisplayString += DecodeForDisplay(*log);
    } else {
        fLogMissing = true;
    }
    return true;
}

void UDCAppController::EndRunEnablingButton() {
    fWindow.SetProgressVisible(false);
    fWindow.SetButtonEnabled(true);
}

void UDCAppController::AppendTroubleNotes() {
    if (!fUnreadEntries.empty()) {
        fDisplayString += '\n';
        fDisplayString += fServices.localizedString(kUnreadEntriesKey);
        for (std::size_t i = 0; i < fUnreadEntries.size(); ++i)
            fDisplayString += (i == 0 ? " " : ", ") + std::to_string(fUnreadEntries[i]);
    }
    if (fLogMissing) {
        fDisplayString += '\n';
        fDisplayString += fServices.localizedString(kNoLogKey);
    }
}

std::string UDCAppController::WithCompanionMessages(std::string text) const {
    std::string const messages = fServices.companionMessages ? fServices.companionMessages() : std::string();
    if (messages.empty()) return text;
    if (!text.empty()) text += '\n';
    return text + messages;
}

void UDCAppController::doConvert() {
    if (!fWindow.IsButtonEnabled()) return;
    fWindow.SetButtonEnabled(false);
    // Each run sends its own entries only, even after a run that failed.
    fOutputString.clear();
    fUnreadEntries.clear();
    fLogMissing = false;
    fConverterCompleted = false;
    fRunCompleted = false;

    std::string reason;
    ConversionLock::Outcome const lock =
        fServices.beginConversion ? fServices.beginConversion(&reason) : ConversionLock::Outcome::kHeld;
    if (lock != ConversionLock::Outcome::kHeld) {
        fWindow.SetText(lock == ConversionLock::Outcome::kBusy ? fServices.localizedString(kBusyKey)
                                                               : fServices.localizedString(kNoLockKey) + " " + reason);
        fWindow.SetButtonEnabled(true);
        return;
    }
    if (fServices.markCompanionMessages) fServices.markCompanionMessages();
    RunSteps();
    if (fServices.endConversion) fServices.endConversion();
}

void UDCAppController::RunSteps() {
    if (!loadOldConverter()) {
        fWindow.SetText(WithCompanionMessages(fWindow.Text()));
        fWindow.SetButtonEnabled(true);
        return;
    }
    if (!initOldConverter()) {
        // Why the reader found no entry is in its messages.
        fWindow.SetText(WithCompanionMessages(fWindow.Text()));
        fWindow.SetButtonEnabled(true);
        return;
    }

    fWindow.SetProgressVisible(true);
    for (uint32_t index = 0; index < fEntryNum; ++index) {
        procOldConverter(static_cast<int32_t>(index));
        fWindow.SetProgress(index + 1, fEntryNum);
    }

    std::string writeError;
    if (!fServices.writeEntryLines(fOutputString, &writeError)) {
        fDisplayString += '\n';
        fDisplayString += fServices.localizedString(kCannotWriteKey) + " " + writeError;
        fWindow.SetText(WithCompanionMessages(fDisplayString));
        EndRunEnablingButton();
        return;
    }

    if (!loadNewConverter()) {
        fWindow.SetText(WithCompanionMessages(fWindow.Text()));
        EndRunEnablingButton();
        return;
    }
    procNewConverter();
    AppendTroubleNotes();
    fRunCompleted = fConverterCompleted && fUnreadEntries.empty();
    std::string const messages = WithCompanionMessages(std::string());
    if (!messages.empty()) fDisplayString += "\n" + messages.substr(0, messages.size() - 1);
    fDisplayString += "\n\n" + fServices.localizedString(kProcEndKey);
    fWindow.SetText(fDisplayString);
    fWindow.SetProgressVisible(false);
    // A completed run is not repeated: the button stays disabled.
}

void UDCAppController::applicationShouldTerminate() {
    fRequests.Quit(fOldConverter);
    fRequests.Quit(fNewConverter);
    fDisplayString.clear();
    fOutputString.clear();
}

}  // namespace quellit

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

}  // namespace

UDCAppController::UDCAppController(ConverterWindow& window, ControllerServices services)
    : window_(window), services_(std::move(services)), requests_(services_.sender) {}

void UDCAppController::applicationWillFinishLaunching() {
    displayString_.clear();
    outputString_.clear();
}

bool UDCAppController::LoadConverter(char const* resourceName, ProcessSerialNumber* psn) {
    std::string const path = services_.pathForResource(resourceName, "app");
    if (path.empty()) return false;
    return services_.launchedApplication(path, psn, true) != -1;
}

bool UDCAppController::loadOldConverter() { return LoadConverter("Vorlip", &oldConverter_); }
bool UDCAppController::loadNewConverter() { return LoadConverter("Tazmet", &newConverter_); }

std::string UDCAppController::CountLine(int32_t count) const {
    return FormatCountLine(services_.localizedString(kCountFormatKey), count);
}

bool UDCAppController::initOldConverter() {
    auto const count = requests_.EntryNumber(oldConverter_);
    // A count of 0 or less is no entry: read as unsigned, -1 would ask for
    // four billion entries.
    if (!count || *count <= 0) {
        entryNum_ = 0;
        window_.SetText(services_.localizedString(kNoEntryKey));
        return false;
    }
    entryNum_ = static_cast<uint32_t>(*count);
    displayString_ += CountLine(*count);
    window_.SetText(displayString_);
    return true;
}

bool UDCAppController::procOldConverter(int32_t index) {
    if (static_cast<uint32_t>(index) >= entryNum_) return false;
    // The bytes go on as the reader sent them: decoding and encoding again
    // would change some characters, and what is not Shift-JIS is for the
    // converter to log.
    if (auto text = requests_.ReadEntry(oldConverter_, index)) {
        outputString_ += '\n';
        outputString_ += *text;
    } else {
        unreadEntries_.push_back(index);
    }
    return true;
}

bool UDCAppController::procNewConverter() {
    if (auto log = requests_.Convert(newConverter_)) {
        displayString_ += '\n';
        displayString_ += DecodeForDisplay(*log);
    } else {
        logMissing_ = true;
    }
    return true;
}

void UDCAppController::EndRunEnablingButton() {
    window_.SetProgressVisible(false);
    window_.SetButtonEnabled(true);
}

void UDCAppController::AppendTroubleNotes() {
    if (!unreadEntries_.empty()) {
        displayString_ += '\n';
        displayString_ += services_.localizedString(kUnreadEntriesKey);
        for (std::size_t i = 0; i < unreadEntries_.size(); ++i)
            displayString_ += (i == 0 ? " " : ", ") + std::to_string(unreadEntries_[i]);
    }
    if (logMissing_) {
        displayString_ += '\n';
        displayString_ += services_.localizedString(kNoLogKey);
    }
}

void UDCAppController::doConvert() {
    if (!window_.IsButtonEnabled()) return;
    window_.SetButtonEnabled(false);
    // Each run sends its own entries only, even after a run that failed.
    outputString_.clear();
    unreadEntries_.clear();
    logMissing_ = false;

    if (!loadOldConverter() || !initOldConverter()) {
        window_.SetButtonEnabled(true);
        return;
    }

    window_.SetProgressVisible(true);
    for (uint32_t index = 0; index < entryNum_; ++index) {
        procOldConverter(static_cast<int32_t>(index));
        window_.SetProgress(index + 1, entryNum_);
    }

    std::string writeError;
    if (!services_.writeEntryLines(outputString_, &writeError)) {
        displayString_ += '\n';
        displayString_ += services_.localizedString(kCannotWriteKey) + " " + writeError;
        window_.SetText(displayString_);
        EndRunEnablingButton();
        return;
    }

    if (!loadNewConverter()) {
        EndRunEnablingButton();
        return;
    }
    procNewConverter();
    AppendTroubleNotes();
    displayString_ += "\n\n" + services_.localizedString(kProcEndKey);
    window_.SetText(displayString_);
    window_.SetProgressVisible(false);
    // A completed run is not repeated: the button stays disabled.
}

void UDCAppController::applicationShouldTerminate() {
    requests_.Quit(oldConverter_);
    requests_.Quit(newConverter_);
    displayString_.clear();
    outputString_.clear();
}

}  // namespace quellit

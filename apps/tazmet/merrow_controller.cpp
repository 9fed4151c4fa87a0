#include "apps/tazmet/merrow_controller.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "apps/tazmet/new_edition_preferences.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_log_messages.h"

namespace {

constexpr short kUserDictZero = 0;

// Opens the file as user dictionary 0 for writing and gives AddUserDict's
// result.  A file that can only be read is closed again: converting into it
// would refuse every line.
short OpenUserDictionaryZero(std::string const& path) {
    short const result = gCorvanEngine.AddUserDict(path, false);
    if (result == kUserDictOpenedReadOnly) gCorvanEngine.RemoveAllDict();
    return result;
}

}  // namespace

int uwEntryNumber() {
    try {
        return static_cast<int>(gCorvanEngine.CountUserDictEntry(kUserDictZero));
    } catch (...) {
        // No user dictionary 0 (start-up failed or a conversion closed it).
        return 0;
    }
}

MerrowController::MerrowController(std::string conversionPath) : fConversionPath(std::move(conversionPath)) {}

void MerrowController::RegisterHandlers(platform::AppleEventManager& manager) {
    using namespace platform;
    auto bind = [this](void (MerrowController::*handler)(AppleEvent const&, AppleEvent*)) {
        return [this, handler](AppleEvent const& event, AppleEvent* reply) { (this->*handler)(event, reply); };
    };
    manager.SetEventHandler(kConverterEventClass, kEventQuit, bind(&MerrowController::handleAppleEventsQT));
    manager.SetEventHandler(kConverterEventClass, kEventEntryNumber, bind(&MerrowController::handleAppleEventsNM));
    manager.SetEventHandler(kConverterEventClass, kEventConvert, bind(&MerrowController::handleAppleEventsCV));
}

bool MerrowController::uwInitialize() {
    std::optional<std::string> const path = ReadNewUserDictionaryPath();
    if (!path) return false;
    fUserDictionaryPath = *path;
    short const opened = OpenUserDictionaryZero(fUserDictionaryPath);
    fUserDictionaryDamaged = opened == kUserDictDamaged;
    if (opened != kUserDictOpenedReadWrite) {
        std::puts("Engine Error");
        if (fUserDictionaryDamaged) std::puts("The user dictionary is damaged (code 202); nothing was written to it.");
        std::fflush(stdout);
        return false;
    }
    return true;
}

void MerrowController::handleAppleEventsQT(platform::AppleEvent const&, platform::AppleEvent*) {
    platform::AppleEventManager::Shared().Terminate();
}

void MerrowController::handleAppleEventsNM(platform::AppleEvent const&, platform::AppleEvent* reply) {
    // After a conversion closed it, the dictionary still has its entries.
    EnsureUserDictionaryOpen();
    reply->PutParam(platform::keyDirectObject, platform::AEMakeLongDesc(uwEntryNumber()));
}

void MerrowController::handleAppleEventsCV(platform::AppleEvent const&, platform::AppleEvent* reply) {
    bool const opened = EnsureUserDictionaryOpen();
    std::string log = opened                   ? uwConvert(fConversionPath.c_str())
                      : fUserDictionaryDamaged ? kLogDamagedDictionary
                                               : kLogNoUserDictionary;
    reply->PutParam(platform::keyDirectObject, platform::AEMakeDesc(platform::typeText, std::move(log)));
    // The log alone cannot tell a run that refused no line from one that
    // never started.
    if (!opened || !uwLastRunCompleted()) {
        reply->PutParam(platform::keyErrorNumber, platform::AEMakeLongDesc(platform::errConversionIncomplete));
    }
}

bool MerrowController::EnsureUserDictionaryOpen() {
    try {
        gCorvanEngine.CountUserDictEntry(kUserDictZero);
        return true;
    } catch (...) {
        // Closed by an earlier conversion, or never opened.
    }
    if (fUserDictionaryPath.empty()) return false;
    short const opened = OpenUserDictionaryZero(fUserDictionaryPath);
    fUserDictionaryDamaged = opened == kUserDictDamaged;
    return opened == kUserDictOpenedReadWrite;
}

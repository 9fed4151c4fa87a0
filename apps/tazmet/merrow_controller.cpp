#include "apps/tazmet/merrow_controller.h"

#include <cstdio>
#include <optional>
#include <utility>

#include "apps/tazmet/new_edition_preferences.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_log_messages.h"

// ";;ユーザー辞書を開けなかったため、変換していません" and CR.
char const kLogNoUserDictionary[] =
    "\x3B\x3B\x83\x86\x81\x5B\x83\x55\x81\x5B\x8E\xAB\x8F\x91\x82\xF0\x8A\x4A\x82\xAF\x82\xC8\x82\xA9\x82\xC1\x82"
    "\xBD\x82\xBD\x82\xDF\x81\x41\x95\xCF\x8A\xB7\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB9\x82\xF1\x0D";

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
    std::string log = EnsureUserDictionaryOpen()  ? uwConvert(fConversionPath.c_str())
                      : fUserDictionaryDamaged ? kLogDamagedDictionary
                                               : kLogNoUserDictionary;
    reply->PutParam(platform::keyDirectObject, platform::AEMakeDesc(platform::typeText, std::move(log)));
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

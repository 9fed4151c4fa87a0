#include "apps/vorlip/vorlip_controller.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "apps/vorlip/corvan_dict_if_file_specifier.h"
#include "apps/vorlip/entry_text.h"
#include "engine/userdict/corvan_dict_if.h"
#include "platform/home_path.h"
#include "platform/preferences.h"

namespace {

// The system log of this program is its standard error, one line a message.
bool Report(char const* line) {
    std::fprintf(stderr, "%s\n", line);
    return false;
}

}  // namespace

int uwEntryNumber() {
    try {
        return static_cast<int>(gCorvanEngine.CountUserDictEntry(0));
    } catch (...) {
        // Not open, or a dictionary that cannot be read.
        return 0;
    }
}

void VorlipController::RegisterHandlers(platform::AppleEventManager& manager) {
    using namespace platform;
    auto bind = [this](void (VorlipController::*handler)(AppleEvent const&, AppleEvent*)) {
        return [this, handler](AppleEvent const& event, AppleEvent* reply) { (this->*handler)(event, reply); };
    };
    manager.SetEventHandler(kConverterEventClass, kEventQuit, bind(&VorlipController::handleAppleEventsQT));
    manager.SetEventHandler(kConverterEventClass, kEventEntryNumber, bind(&VorlipController::handleAppleEventsNM));
    manager.SetEventHandler(kConverterEventClass, kEventReadEntry, bind(&VorlipController::handleAppleEventsRE));
}

bool VorlipController::uwInitialize() {
    using namespace platform;
    if (!PreferencesSynchronize(kUserPathApplicationID)) return Report("Error UserPath.plist");
    std::optional<std::string> const value = PreferencesCopyString("EtoJUserDict", kUserPathApplicationID);
    if (!value) return Report("Error UserPath.plist format");

    FSSpec spec;
    if (!qwcCFStringToFSSpec(qwcCFStringToUTF8string(ExpandUserFolderTilde(*value)), &spec)) {
        return Report("Error UserDictionary");
    }
    try {
        // The old dictionary is the user's only copy: it is read, never
        // written, and whatever needs mending is mended in memory only.
        if (AddUserDict(spec, true) < 0) return Report("Engine Error");
    } catch (...) {
        // Not a dictionary, corrupt, or locked by another program.
        return Report("Engine Error");
    }
    for (uint32_t block : MissingEntriesOfUserDict(0)) {
        std::fprintf(stderr, "Entry not read: the old dictionary has no readable entry at block %u\n",
                     static_cast<unsigned>(block));
    }
    return true;
}

void VorlipController::handleAppleEventsQT(platform::AppleEvent const&, platform::AppleEvent*) {
    platform::AppleEventManager::Shared().Terminate();
}

void VorlipController::handleAppleEventsNM(platform::AppleEvent const&, platform::AppleEvent* reply) {
    reply->PutParam(platform::keyDirectObject, platform::AEMakeLongDesc(uwEntryNumber()));
}

void VorlipController::handleAppleEventsRE(platform::AppleEvent const& event, platform::AppleEvent* reply) {
    using namespace platform;
    AEDesc indexDesc;
    int32_t index = 0;
    if (AEGetParamDesc(event, keyDirectObject, typeSInt32, &indexDesc) != noErr || !AEGetLong(indexDesc, &index)) {
        return;
    }
    std::string text;
    if (!uwGetText(static_cast<unsigned int>(index), &text)) return;
    AEDesc list = AEMakeListDesc();
    AEPutDesc(&list, 0, AEMakeDesc(typeWildCard, std::move(text)));
    reply->PutParam(keyDirectObject, std::move(list));
}

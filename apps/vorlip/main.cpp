// The old-format reader program: faceless, it serves the old user
// dictionary's entries as text lines until it is asked to quit.
#include "apps/vorlip/vorlip_controller.h"
#include "engine/userdict/corvan_dict_if.h"
#include "platform/apple_events.h"

int main() {
    VorlipController controller;
    platform::AppleEventManager& manager = platform::AppleEventManager::Shared();
    controller.RegisterHandlers(manager);
    controller.uwInitialize();
    int const served = manager.Run("Vorlip.app");
    try {
        gCorvanEngine.RemoveAllDict();
    } catch (...) {
        // Nothing was written: the old dictionary is only read.
    }
    return served == 0 ? 0 : 1;
}

// The converter program: faceless, it answers the front end's requests
// until it is asked to quit.
#include "apps/tazmet/merrow_controller.h"
#include "engine/userdict/corvan_dict_if.h"
#include "platform/apple_events.h"
#include "platform/conversion_text_path.h"

int main() {
    MerrowController controller(platform::ConversionTextPath());
    platform::AppleEventManager& manager = platform::AppleEventManager::Shared();
    controller.RegisterHandlers(manager);
    controller.uwInitialize();
    int const served = manager.Run("Tazmet.app");
    try {
        gCorvanEngine.RemoveAllDict();
    } catch (...) {
        // The files are closed all the same; the next opening repairs a map
        // or index that could not be written back.
    }
    return served == 0 ? 0 : 1;
}

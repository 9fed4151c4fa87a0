// Quellit: the front end.  Run it and press Enter to convert the user
// dictionary of the previous edition into the current one; "q" quits.
//   Quellit --convert   presses the button once, prints the window's final
//                       text and quits (for scripts).
#include <cstdio>
#include <cstring>

#include "apps/quellit/companion_messages.h"
#include "apps/quellit/conversion_lock.h"
#include "apps/quellit/old_dictionary_text_file.h"
#include "apps/quellit/quellit_session.h"
#include "apps/quellit/text_file_on_signal.h"
#include "apps/quellit/tovik_common_module.h"
#include "platform/apple_events.h"
#include "platform/bundle.h"
#include "platform/conversion_text_path.h"

namespace {

quellit::ControllerServices RealServices() {
    static std::string const textPath = platform::ConversionTextPath();
    static quellit::ConversionLock lock(textPath);
    static quellit::CompanionMessages messages({"Vorlip", "Tazmet"});
    platform::Bundle const& bundle = platform::Bundle::Main();
    quellit::ControllerServices services;
    services.pathForResource = [&bundle](std::string const& name, std::string const& type) {
        return bundle.PathForResource(name, type);
    };
    services.localizedString = [&bundle](std::string const& key) { return bundle.LocalizedString(key, "", ""); };
    services.launchedApplication = [](std::string const& path, platform::ProcessSerialNumber* psn, bool until) {
        return quellit::TovikCommonModule::LaunchedApplication(path, psn, until);
    };
    services.sender = platform::AESend;
    services.writeEntryLines = [](std::string const& bytes, std::string* error) {
        return quellit::WriteOldDictionaryText(textPath, bytes, error);
    };
    quellit::RemoveTextFileOnSignals(textPath);
    services.beginConversion = [](std::string* reason) {
        quellit::ConversionLock::Outcome const outcome = lock.Acquire(reason);
        quellit::SetRunUnderway(outcome == quellit::ConversionLock::Outcome::kHeld);
        return outcome;
    };
    services.endConversion = [] {
        quellit::RemoveOldDictionaryText(textPath);
        quellit::SetRunUnderway(false);
        lock.Release();
    };
    services.markCompanionMessages = [] { messages.Mark(); };
    services.companionMessages = [] { return messages.SinceMark(); };
    return services;
}

}  // namespace

int main(int argc, char** argv) {
    quellit::SessionOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--convert") == 0) {
            options.convertOnce = true;
        } else {
            std::fprintf(stderr, "usage: Quellit [--convert]\n");
            return 2;
        }
    }
    return quellit::RunSession(options, RealServices(), stdin, stdout, stderr);
}

// A stand-in server for tests and benchmarks: serves the conversion events
// with fixed answers.  Run as "aestub NAME.app", or launched through a
// bundle folder "Name.app/Name" that holds (a link to) this program, when it
// takes the bundle folder's name.
#include <cstdio>
#include <string>

#include "platform/apple_events.h"

namespace {

using platform::AEDesc;
using platform::AppleEvent;

// "…/Stub.app/Stub" gives "Stub.app"; a bare program name gives "<name>.app".
std::string BundleFileNameOfProgram(std::string const& programPath) {
    std::size_t const slash = programPath.rfind('/');
    if (slash != std::string::npos) {
        std::string const folder = programPath.substr(0, slash);
        std::string const folderName = folder.substr(folder.rfind('/') + 1);
        if (folderName.size() > 4 && folderName.compare(folderName.size() - 4, 4, ".app") == 0) return folderName;
    }
    return programPath.substr(slash + 1) + ".app";
}

void AnswerEntryNumber(AppleEvent const&, AppleEvent* reply) {
    reply->PutParam(platform::keyDirectObject, platform::AEMakeLongDesc(3));
}

// A list of one untyped item "entry <n>"; no answer without an index.
void AnswerReadEntry(AppleEvent const& event, AppleEvent* reply) {
    AEDesc indexDesc;
    int32_t index = 0;
    if (platform::AEGetParamDesc(event, platform::keyDirectObject, platform::typeSInt32, &indexDesc) !=
            platform::noErr ||
        !platform::AEGetLong(indexDesc, &index)) {
        return;
    }
    AEDesc list = platform::AEMakeListDesc();
    platform::AEPutDesc(&list, 0, platform::AEMakeDesc(platform::typeWildCard, "entry " + std::to_string(index)));
    reply->PutParam(platform::keyDirectObject, list);
}

void AnswerConvert(AppleEvent const&, AppleEvent* reply) {
    reply->PutParam(platform::keyDirectObject, platform::AEMakeDesc(platform::typeText, ";;stub log\r"));
}

}  // namespace

int main(int argc, char** argv) {
    std::string const name = argc > 1 ? argv[1] : BundleFileNameOfProgram(argv[0]);
    platform::AppleEventManager& manager = platform::AppleEventManager::Shared();
    manager.SetEventHandler(platform::kConverterEventClass, platform::kEventEntryNumber, AnswerEntryNumber);
    manager.SetEventHandler(platform::kConverterEventClass, platform::kEventReadEntry, AnswerReadEntry);
    manager.SetEventHandler(platform::kConverterEventClass, platform::kEventConvert, AnswerConvert);
    manager.SetEventHandler(platform::kConverterEventClass, platform::kEventQuit,
                            [&manager](AppleEvent const&, AppleEvent*) { manager.Terminate(); });
    if (manager.Run(name) != platform::noErr) {
        std::fprintf(stderr, "aestub: cannot serve as %s\n", name.c_str());
        return 1;
    }
    return 0;
}

// The reader program serving a whole old dictionary through the messaging
// layer: 'uwNM', then 'uwRE' for every entry, for 3,000 and 30,000 entries.
// The figure to watch is entries per second: it must not fall with size.
// Needs the Vorlip program built in the same build folder.
#include <benchmark/benchmark.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/userdict/corvan_dict_if.h"
#include "platform/apple_events.h"
#include "platform/preferences.h"
#include "platform/process_list.h"

#include "user_word_lines.h"

namespace {

// <build>/bench/engine_bench -> <build>/Quellit.app/Resources/Vorlip.app
std::string VorlipBundle() {
    char self[PATH_MAX] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return "";
    return std::filesystem::path(self).parent_path().parent_path().string() + "/Quellit.app/Resources/Vorlip.app";
}

// The same distinct words as the conversion benchmark's lines.
using bench_lines::Word;

// A private home whose old dictionary holds `entries` nouns.
std::string MakeHome(int entries) {
    char pattern[] = "/tmp/vorlip_bench.XXXXXX";
    std::string const home = mkdtemp(pattern);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    std::filesystem::create_directories(home + "/run");
    std::filesystem::permissions(home + "/run", std::filesystem::perms::owner_all);
    setenv("XDG_RUNTIME_DIR", (home + "/run").c_str(), 1);

    std::string const dictionary = home + "/old.dic";
    gCorvanEngine.RemoveAllDict();
    gCorvanEngine.AddUserDict(dictionary, false);
    gCorvanEngine.LockUserDict(0);  // one write-back for the whole fill
    CorvanUserNoun noun;
    noun.SetYakugo("\x8C\xEA");  // 語
    for (int i = 0; i < entries; ++i) {
        noun.SetGenkei(Word(i).c_str());
        gCorvanEngine.AddUserNoun(0, &noun, 1);
    }
    gCorvanEngine.RemoveAllDict();

    std::string const preferences =
        platform::PreferencesFilePath("/Library/Application Support/Quorindal/Tovikan/UserPath");
    std::filesystem::create_directories(std::filesystem::path(preferences).parent_path());
    std::ofstream(preferences) << "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>EtoJUserDict</key><string>"
                               << dictionary << "</string></dict></plist>";
    return home;
}

bool FindVorlip(platform::ProcessSerialNumber* psn) {
    *psn = platform::ProcessSerialNumber{};
    while (platform::GetNextProcess(psn) == platform::noErr) {
        std::string name;
        if (platform::GetProcessBundleFileName(*psn, &name) == platform::noErr && name == "Vorlip.app") return true;
    }
    return false;
}

int Send(platform::ProcessSerialNumber const& psn, platform::AEEventID id, int32_t const* index,
         platform::AppleEvent* reply, int32_t mode = platform::kAEWaitReply) {
    platform::AppleEvent event;
    platform::AECreateAppleEvent(platform::kConverterEventClass, id, platform::AEMakeProcessDesc(psn),
                                 platform::kAutoGenerateReturnID, platform::kAnyTransactionID, &event);
    if (index) event.PutParam(platform::keyDirectObject, platform::AEMakeLongDesc(*index));
    return platform::AESend(event, reply, mode, platform::kAENormalPriority, platform::kNoTimeOut);
}

void BM_VorlipServesEveryEntry(benchmark::State& state) {
    int const entries = static_cast<int>(state.range(0));
    std::string const home = MakeHome(entries);
    platform::ProcessSerialNumber psn;
    if (!platform::LaunchApplication(VorlipBundle()) || !FindVorlip(&psn)) {
        state.SkipWithError("the Vorlip program is not built next to this benchmark");
        return;
    }
    for (auto _ : state) {
        platform::AppleEvent reply;
        Send(psn, platform::kEventEntryNumber, nullptr, &reply);
        int32_t count = 0;
        platform::AEGetLong(*reply.FindParam(platform::keyDirectObject), &count);
        for (int32_t i = 0; i < count; ++i) {
            platform::AppleEvent entry;
            Send(psn, platform::kEventReadEntry, &i, &entry);
            benchmark::DoNotOptimize(entry.FindParam(platform::keyDirectObject));
        }
        if (count != entries) state.SkipWithError("wrong entry count");
    }
    state.SetItemsProcessed(state.iterations() * entries);
    platform::AppleEvent none;
    Send(psn, platform::kEventQuit, nullptr, &none, platform::kAENoReply);
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_VorlipServesEveryEntry)->Arg(3000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

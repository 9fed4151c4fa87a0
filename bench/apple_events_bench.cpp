// Request/reply round trips shaped like the front end's entry reads: a
// 'long' index out, a list of one untyped ~60-byte text back, against a
// server forked for the run.
#include <benchmark/benchmark.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "platform/apple_events.h"
#include "platform/process_list.h"

namespace {

using namespace platform;

constexpr std::size_t kEntryTextBytes = 60;

void AnswerReadEntry(AppleEvent const& event, AppleEvent* reply) {
    AEDesc index;
    int32_t value = 0;
    if (AEGetParamDesc(event, keyDirectObject, typeSInt32, &index) != noErr || !AEGetLong(index, &value)) return;
    std::string line = "headword " + std::to_string(value) + "\tnoun\tNOUN\t\x96\xbc\x8e\x8c\t";
    line.resize(kEntryTextBytes - 1, 'x');
    line += '\r';
    AEDesc list = AEMakeListDesc();
    AEPutDesc(&list, 0, AEMakeDesc(typeWildCard, line));
    reply->PutParam(keyDirectObject, list);
}

bool IsRegistered(pid_t pid) {
    ProcessSerialNumber psn;
    while (GetNextProcess(&psn) == noErr) {
        if (psn.lowLongOfPSN == static_cast<uint32_t>(pid)) return true;
    }
    return false;
}

// A serving child in a runtime folder of its own, ended with the run.
class ServerForRun {
public:
    ServerForRun() {
        char pattern[] = "/tmp/aebench.XXXXXX";
        folder_ = mkdtemp(pattern);
        setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
        pid_ = fork();
        if (pid_ == 0) {
            AppleEventManager& manager = AppleEventManager::Shared();
            manager.SetEventHandler(kConverterEventClass, kEventReadEntry, AnswerReadEntry);
            _exit(manager.Run("Bench.app") == noErr ? 0 : 1);
        }
        while (!IsRegistered(pid_)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ~ServerForRun() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        std::filesystem::remove_all(folder_);
        unsetenv("XDG_RUNTIME_DIR");
    }
    ProcessSerialNumber Psn() const { return ProcessSerialNumber{0, static_cast<uint32_t>(pid_)}; }

private:
    std::string folder_;
    pid_t pid_ = 0;
};

void BM_ReadEntryRoundTrip(benchmark::State& state) {
    ServerForRun server;
    AppleEvent event;
    AECreateAppleEvent(kConverterEventClass, kEventReadEntry, AEMakeProcessDesc(server.Psn()), kAutoGenerateReturnID,
                       kAnyTransactionID, &event);
    int32_t index = 0;
    for (auto _ : state) {
        event.PutParam(keyDirectObject, AEMakeLongDesc(index++));
        AppleEvent reply;
        if (AESend(event, &reply, kAEWaitReply, kAENormalPriority, kAEDefaultTimeout) != noErr ||
            reply.FindParam(keyDirectObject) == nullptr) {
            state.SkipWithError("round trip failed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadEntryRoundTrip)->Iterations(30000)->UseRealTime()->Unit(benchmark::kMicrosecond);

}  // namespace

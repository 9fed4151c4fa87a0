// aesend [--launch BUNDLE_PATH | --find BUNDLE_FILE_NAME | --pid PID] EVENT_ID
//        [--long N] [--no-reply] [--timeout TICKS]
//   sends one 'misc' event (with N as its 'long' direct parameter when
//   given) to a program that is launched from its bundle, found by its
//   bundle file name ("Tazmet.app") or named by process id, and prints the
//   reply's direct parameter: a 'long' as a number, 'TEXT' as its bytes, a
//   'list' as each item's bytes on a line of its own, or
//   "(no direct parameter)".
// Exit 0 on a sent event, 1 when the program is not found or the send
// fails (the error on standard error), 2 for a usage error.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/apple_events.h"
#include "platform/process_list.h"

namespace {

constexpr int kExitSent = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

struct Options {
    std::string launchPath;
    std::string findName;
    long pid = 0;
    std::string eventID;
    bool hasLong = false;
    long longValue = 0;
    bool noReply = false;
    long timeoutTicks = platform::kAEDefaultTimeout;
};

int Usage() {
    std::fprintf(stderr,
                 "usage: aesend [--launch BUNDLE_PATH | --find BUNDLE_FILE_NAME | --pid PID] EVENT_ID "
                 "[--long N] [--no-reply] [--timeout TICKS]\n");
    return kExitUsage;
}

bool ParseNumber(char const* text, long* value) {
    char* end = nullptr;
    errno = 0;
    *value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && errno == 0;
}

bool ParseOptions(int argc, char** argv, Options* options) {
    int targets = 0;
    for (int i = 1; i < argc; ++i) {
        std::string const argument = argv[i];
        bool const hasValue = i + 1 < argc;
        if (argument == "--launch" && hasValue) {
            options->launchPath = argv[++i];
            ++targets;
        } else if (argument == "--find" && hasValue) {
            options->findName = argv[++i];
            ++targets;
        } else if (argument == "--pid" && hasValue) {
            if (!ParseNumber(argv[++i], &options->pid) || options->pid <= 0) return false;
            ++targets;
        } else if (argument == "--long" && hasValue) {
            if (!ParseNumber(argv[++i], &options->longValue) || options->longValue < INT32_MIN ||
                options->longValue > INT32_MAX) {
                return false;
            }
            options->hasLong = true;
        } else if (argument == "--timeout" && hasValue) {
            if (!ParseNumber(argv[++i], &options->timeoutTicks)) return false;
        } else if (argument == "--no-reply") {
            options->noReply = true;
        } else if (argument.size() == 4 && options->eventID.empty()) {
            options->eventID = argument;
        } else {
            return false;
        }
    }
    return targets == 1 && !options->eventID.empty();
}

// The first running program registered under the bundle file name.
bool FindProgram(std::string const& bundleFileName, platform::ProcessSerialNumber* psn) {
    *psn = platform::ProcessSerialNumber{};
    while (platform::GetNextProcess(psn) == platform::noErr) {
        std::string name;
        if (platform::GetProcessBundleFileName(*psn, &name) == platform::noErr && name == bundleFileName) return true;
    }
    return false;
}

std::string LastPathComponent(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path.substr(path.rfind('/') + 1);
}

bool ResolveTarget(Options const& options, platform::ProcessSerialNumber* psn) {
    if (options.pid > 0) {
        *psn = platform::ProcessSerialNumber{0, static_cast<uint32_t>(options.pid)};
        return true;
    }
    if (!options.launchPath.empty()) {
        if (!platform::LaunchApplication(options.launchPath)) {
            std::fprintf(stderr, "aesend: cannot launch %s\n", options.launchPath.c_str());
            return false;
        }
        return FindProgram(LastPathComponent(options.launchPath), psn);
    }
    if (FindProgram(options.findName, psn)) return true;
    std::fprintf(stderr, "aesend: no running program %s\n", options.findName.c_str());
    return false;
}

void PrintBytes(std::string const& bytes) { std::fwrite(bytes.data(), 1, bytes.size(), stdout); }

void PrintDirectParameter(platform::AppleEvent const& reply) {
    platform::AEDesc const* direct = reply.FindParam(platform::keyDirectObject);
    int32_t number = 0;
    if (direct == nullptr) {
        std::puts("(no direct parameter)");
    } else if (platform::AEGetLong(*direct, &number)) {
        std::printf("%ld\n", static_cast<long>(number));
    } else if (direct->descriptorType == platform::typeAEList) {
        for (platform::AEDesc const& item : direct->items) {
            PrintBytes(item.data);
            std::putchar('\n');
        }
    } else {
        PrintBytes(direct->data);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, &options)) return Usage();
    platform::ProcessSerialNumber psn;
    if (!ResolveTarget(options, &psn)) return kExitFailed;

    platform::AppleEvent event;
    platform::AEDesc const target = platform::AEMakeProcessDesc(psn);
    char const* code = options.eventID.c_str();
    platform::AEEventID const eventID = platform::FourCC({code[0], code[1], code[2], code[3], '\0'});
    int status = platform::AECreateAppleEvent(platform::kConverterEventClass, eventID, target,
                                              platform::kAutoGenerateReturnID, platform::kAnyTransactionID, &event);
    if (status == platform::noErr && options.hasLong) {
        event.PutParam(platform::keyDirectObject, platform::AEMakeLongDesc(static_cast<int32_t>(options.longValue)));
    }
    platform::AppleEvent reply;
    if (status == platform::noErr) {
        status = platform::AESend(event, &reply, options.noReply ? platform::kAENoReply : platform::kAEWaitReply,
                                  platform::kAENormalPriority, options.timeoutTicks);
    }
    if (status != platform::noErr) {
        std::fprintf(stderr, "aesend: sending '%s' failed: error %d\n", options.eventID.c_str(), status);
        return kExitFailed;
    }
    if (!options.noReply) PrintDirectParameter(reply);
    return kExitSent;
}

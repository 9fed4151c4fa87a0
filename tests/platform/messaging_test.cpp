// Events sent to a server forked from the test: replies of every shape, the
// reply modes, and the ways an exchange can fail.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

#include "messaging_test_support.h"
#include "platform/apple_events.h"
#include "platform/process_list_registry.h"

namespace {

using namespace platform;
using messaging_test::ForkedServer;
using messaging_test::PsnOf;
using messaging_test::SameDesc;
using messaging_test::SendToProgram;

constexpr AEEventID kEventEcho = FourCC("echo");
constexpr AEEventID kEventHang = FourCC("hang");
constexpr AEEventID kEventVanish = FourCC("vnsh");
constexpr AEEventID kEventThrow = FourCC("thrw");

// The stub's answers plus a few that misbehave on purpose.
void InstallHandlers(AppleEventManager& manager) {
    manager.SetEventHandler(kConverterEventClass, kEventEntryNumber, [](AppleEvent const&, AppleEvent* reply) {
        reply->PutParam(keyDirectObject, AEMakeLongDesc(3));
    });
    manager.SetEventHandler(kConverterEventClass, kEventReadEntry, [](AppleEvent const& event, AppleEvent* reply) {
        AEDesc index;
        int32_t value = 0;
        if (AEGetParamDesc(event, keyDirectObject, typeSInt32, &index) != noErr || !AEGetLong(index, &value)) return;
        AEDesc list = AEMakeListDesc();
        AEPutDesc(&list, 0, AEMakeDesc(typeWildCard, "entry " + std::to_string(value)));
        reply->PutParam(keyDirectObject, list);
    });
    // Answers a 'TEXT' of the size asked for, so big logs cross both ways.
    manager.SetEventHandler(kConverterEventClass, kEventEcho, [](AppleEvent const& event, AppleEvent* reply) {
        AEDesc const* text = event.FindParam(keyDirectObject);
        if (text != nullptr) reply->PutParam(keyDirectObject, AEMakeDesc(typeText, text->data + "!"));
    });
    manager.SetEventHandler(kConverterEventClass, kEventHang, [](AppleEvent const&, AppleEvent*) {
        std::this_thread::sleep_for(std::chrono::seconds(2));
    });
    manager.SetEventHandler(kConverterEventClass, kEventVanish, [](AppleEvent const&, AppleEvent*) { _exit(7); });
    manager.SetEventHandler(kConverterEventClass, kEventThrow,
                            [](AppleEvent const&, AppleEvent*) { throw std::runtime_error("handler trouble"); });
    manager.SetEventHandler(kConverterEventClass, kEventQuit,
                            [&manager](AppleEvent const&, AppleEvent*) { manager.Terminate(); });
}

class MessagingTest : public ::testing::Test {
protected:
    messaging_test::ScopedRuntimeDir runtimeDir_;
    ForkedServer server_{InstallHandlers};

    int Send(AEEventID eventID, AEDesc const* direct, AppleEvent* reply, int32_t mode = kAEWaitReply,
             long timeout = kAEDefaultTimeout) {
        AppleEvent event;
        AECreateAppleEvent(kConverterEventClass, eventID, AEMakeProcessDesc(server_.Psn()), kAutoGenerateReturnID,
                           kAnyTransactionID, &event);
        if (direct != nullptr) event.PutParam(keyDirectObject, *direct);
        return AESend(event, reply, mode, kAENormalPriority, timeout);
    }
};

TEST_F(MessagingTest, RepliesOfEveryShapeComeBack) {
    std::string const bigLog(6 * 1024 * 1024 + 3, '\x82');
    AEDesc const index = AEMakeLongDesc(41);
    AEDesc const log = AEMakeDesc(typeText, bigLog);
    AEDesc entryList = AEMakeListDesc();
    AEPutDesc(&entryList, 0, AEMakeDesc(typeWildCard, "entry 41"));
    struct Case {
        char const* name;
        AEEventID eventID;
        AEDesc const* direct;
        AEDesc expected;
    } const cases[] = {
        {"long", kEventEntryNumber, nullptr, AEMakeLongDesc(3)},
        {"list of one untyped item", kEventReadEntry, &index, entryList},
        {"multi-megabyte TEXT", kEventEcho, &log, AEMakeDesc(typeText, bigLog + "!")},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        AppleEvent reply;
        ASSERT_EQ(Send(c.eventID, c.direct, &reply), noErr);
        AEDesc direct;
        ASSERT_EQ(AEGetParamDesc(reply, keyDirectObject, typeWildCard, &direct), noErr);
        EXPECT_TRUE(SameDesc(direct, c.expected));
    }
}

TEST_F(MessagingTest, UnansweredEventsGetARepliesWithoutDirectParameter) {
    struct Case {
        char const* name;
        AEEventID eventID;
        int32_t errorNumber;
    } const cases[] = {
        {"no handler", FourCC("uwZZ"), errAEEventNotHandled},
        {"handler threw", kEventThrow, errAEEventFailed},
        {"handler answered nothing", kEventReadEntry, 0},  // no index sent
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        AppleEvent reply;
        ASSERT_EQ(Send(c.eventID, nullptr, &reply), noErr);
        EXPECT_EQ(reply.FindParam(keyDirectObject), nullptr);
        int32_t errorNumber = 0;
        AEDesc const* error = reply.FindParam(keyErrorNumber);
        if (error != nullptr) {
            EXPECT_TRUE(AEGetLong(*error, &errorNumber));
        }
        EXPECT_EQ(errorNumber, c.errorNumber);
    }
    // The server is still there for the next event.
    AppleEvent reply;
    EXPECT_EQ(Send(kEventEntryNumber, nullptr, &reply), noErr);
}

// Connections are kept between events: every reply must still be the
// answer to its own event, also when a no-reply event came between.
TEST_F(MessagingTest, EachEventGetsItsOwnReplyOverKeptConnections) {
    auto readEntry = [this](int32_t index) {
        AEDesc const direct = AEMakeLongDesc(index);
        AppleEvent reply;
        if (Send(kEventReadEntry, &direct, &reply) != noErr) return std::string("(no reply)");
        AEDesc list, item;
        if (AEGetParamDesc(reply, keyDirectObject, typeAEList, &list) != noErr ||
            AEGetNthDesc(list, 1, typeWildCard, &item) != noErr)
            return std::string("(no text)");
        return item.data;
    };
    for (int32_t index = 0; index < 12; ++index) {
        if (index % 4 == 1) {
            AEDesc const text = AEMakeDesc(typeText, "unanswered");
            ASSERT_EQ(Send(kEventEcho, &text, nullptr, kAENoReply), noErr);
        }
        EXPECT_EQ(readEntry(index), "entry " + std::to_string(index));
    }
}

TEST_F(MessagingTest, APeerStalledMidFrameHoldsUpNoOtherSender) {
    // Connects as a sender would, then sends a header that announces a
    // payload, a few bytes of it, and nothing more.
    int const stalled = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(stalled, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string const path = SocketPath(runtimeDir_.Folder(), server_.Pid());
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    ASSERT_EQ(connect(stalled, reinterpret_cast<sockaddr const*>(&address), sizeof address), 0);
    std::string const partial = std::string("AEv1") + std::string(7, '\0') + "\x40" + "abc";
    ASSERT_EQ(write(stalled, partial.data(), partial.size()), static_cast<ssize_t>(partial.size()));

    auto const start = std::chrono::steady_clock::now();
    AppleEvent reply;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Send(kEventEntryNumber, nullptr, &reply, kAEWaitReply, 60), noErr);
    // Well under the ten seconds after which a stalled frame is cut, even
    // on a loaded machine: the stalled peer did not hold these up.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    close(stalled);
}

TEST_F(MessagingTest, QuitWithoutReplyEndsTheServerAndItsRegistration) {
    EXPECT_EQ(Send(kEventQuit, nullptr, nullptr, kAENoReply), noErr);
    EXPECT_EQ(server_.WaitForExit(), 0);
    EXPECT_FALSE(messaging_test::IsRegistered(server_.Pid()));
    EXPECT_TRUE(std::filesystem::is_empty(runtimeDir_.Folder()));
}

TEST_F(MessagingTest, TerminationSignalsEndTheServerInOrder) {
    ASSERT_EQ(kill(server_.Pid(), SIGTERM), 0);
    EXPECT_EQ(server_.WaitForExit(), 0);
    EXPECT_TRUE(std::filesystem::is_empty(runtimeDir_.Folder()));
}

TEST_F(MessagingTest, FailedExchangesSayWhy) {
    AppleEvent reply;
    EXPECT_EQ(Send(kEventHang, nullptr, &reply, kAEWaitReply, 3), errAETimeout);
    EXPECT_EQ(Send(kEventVanish, nullptr, &reply), connectionInvalid);
    EXPECT_EQ(server_.WaitForExit(), 7);
    // Gone now: its registration and socket are stale.
    EXPECT_EQ(Send(kEventEntryNumber, nullptr, &reply), procNotFound);
}

TEST(MessagingTargets, ProgramsThatDoNotServeAreNotFound) {
    messaging_test::ScopedRuntimeDir runtimeDir;
    AppleEvent reply;
    EXPECT_EQ(SendToProgram(0, kEventEntryNumber, &reply), procNotFound);         // {0, 0}: no process
    EXPECT_EQ(SendToProgram(getpid(), kEventEntryNumber, &reply), procNotFound);  // alive, not serving
    AppleEvent event;
    AECreateAppleEvent(kConverterEventClass, kEventQuit, AEMakeProcessDesc({1, 2}), kAutoGenerateReturnID,
                       kAnyTransactionID, &event);
    EXPECT_EQ(AESend(event, &reply, kAENoReply, kAENormalPriority, kAEDefaultTimeout), procNotFound);
}

TEST(MessagingTargets, NoRuntimeFolderMeansNoServing) {
    messaging_test::ScopedRuntimeDir runtimeDir;
    EXPECT_EQ(AppleEventManager::Shared().Run("bad/name.app"), errAERegistrationFailed);
    EXPECT_EQ(AppleEventManager::Shared().Run(""), errAERegistrationFailed);
    ASSERT_EQ(chmod(runtimeDir.Folder().c_str(), 0755), 0);  // open to others: not trusted
    EXPECT_EQ(AppleEventManager::Shared().Run("Untrusted.app"), errAERegistrationFailed);
}

}  // namespace

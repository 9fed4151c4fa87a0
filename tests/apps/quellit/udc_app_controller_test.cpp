// The conversion run against stand-ins for the bundle, the launcher, the two
// companion programs and the file.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "apps/quellit/udc_app_controller.h"
#include "platform/apple_events.h"

namespace quellit {
namespace {

using namespace platform;

constexpr uint32_t kVorlipPid = 101;
constexpr uint32_t kTazmetPid = 202;

class RecordingWindow : public ConverterWindow {
public:
    void SetButtonEnabled(bool enabled) override { enabled_ = enabled; }
    bool IsButtonEnabled() const override { return enabled_; }
    void SetProgressVisible(bool visible) override { progressShown_ = visible; }
    void SetProgress(uint32_t done, uint32_t) override { lastProgress_ = done; }
    void SetText(std::string const& text) override { text_ = text; }
    std::string Text() const override { return text_; }

    bool enabled_ = true;
    bool progressShown_ = false;
    uint32_t lastProgress_ = 0;
    std::string text_;
};

// What the two companion programs answer, and what reached them.
struct FakePrograms {
    std::optional<int32_t> count = 3;
    std::map<int32_t, std::optional<std::string>> entries;  // absent index: "e<index>\r"
    std::optional<std::string> log = std::string("line\t;; refused\r");
    bool tazmetLaunchRefused = false;
    bool vorlipMissing = false;
    bool writeFails = false;

    std::vector<std::string> launches;
    std::vector<std::pair<uint32_t, AEEventID>> sends;
    std::vector<std::string> writes;
    std::vector<long> convertTimeouts;

    ControllerServices Services() {
        ControllerServices services;
        services.pathForResource = [this](std::string const& name, std::string const& type) -> std::string {
            if (name == "Vorlip" && vorlipMissing) return {};
            return "/bundle/Resources/" + name + "." + type;
        };
        services.localizedString = [](std::string const& key) { return key; };
        services.launchedApplication = [this](std::string const& path, ProcessSerialNumber* psn, bool until) {
            EXPECT_TRUE(until);
            launches.push_back(path);
            bool const tazmet = path.find("Tazmet") != std::string::npos;
            if (tazmet && tazmetLaunchRefused) return -1;
            *psn = ProcessSerialNumber{0, tazmet ? kTazmetPid : kVorlipPid};
            return 1;
        };
        services.sender = [this](AppleEvent const& event, AppleEvent* reply, int32_t, int32_t, long timeout) {
            sends.emplace_back(event.target.lowLongOfPSN, event.eventID);
            if (IsNoProcess(event.target)) return procNotFound;
            *reply = AppleEvent{};
            if (event.eventID == kEventEntryNumber) {
                if (count) reply->PutParam(keyDirectObject, AEMakeLongDesc(*count));
            } else if (event.eventID == kEventReadEntry) {
                int32_t index = -1;
                AEGetLong(*event.FindParam(keyDirectObject), &index);
                auto const found = entries.find(index);
                std::optional<std::string> text =
                    found == entries.end() ? "e" + std::to_string(index) + "\r" : found->second;
                if (text) {
                    AEDesc list = AEMakeListDesc();
                    AEPutDesc(&list, 0, AEMakeDesc(typeWildCard, *text));
                    reply->PutParam(keyDirectObject, list);
                }
            } else if (event.eventID == kEventConvert) {
                convertTimeouts.push_back(timeout);
                if (log) reply->PutParam(keyDirectObject, AEMakeDesc(typeText, *log));
            }
            return noErr;
        };
        services.writeEntryLines = [this](std::string const& bytes, std::string* error) {
            if (writeFails) {
                *error = "disk full";
                return false;
            }
            writes.push_back(bytes);
            return true;
        };
        return services;
    }

    bool TazmetLaunched() const {
        for (auto const& path : launches)
            if (path.find("Tazmet") != std::string::npos) return true;
        return false;
    }
};

struct Scenario {
    FakePrograms programs;
    RecordingWindow window;
    std::optional<UDCAppController> controller;

    void Start() {
        controller.emplace(window, programs.Services());
        controller->applicationWillFinishLaunching();
    }
};

TEST(ConversionRun, NoCountEndsTheRunWithNoEntry) {
    struct Case {
        char const* name;
        std::optional<int32_t> count;
    };
    for (Case const& c : {Case{"no reply", std::nullopt}, Case{"zero", 0}, Case{"negative", -1}}) {
        SCOPED_TRACE(c.name);
        Scenario run;
        run.programs.count = c.count;
        run.Start();
        run.controller->doConvert();
        EXPECT_EQ(run.window.Text(), "No Entry.");
        EXPECT_TRUE(run.window.IsButtonEnabled());
        EXPECT_TRUE(run.programs.writes.empty());
        EXPECT_FALSE(run.programs.TazmetLaunched());
        EXPECT_EQ(run.programs.sends.size(), 1u);  // the count request only
    }
}

TEST(ConversionRun, WritesEveryServedEntryAndReportsTheOthers) {
    struct Case {
        char const* name;
        std::map<int32_t, std::optional<std::string>> entries;
        std::string file;
        std::string note;
    };
    Case const cases[] = {
        {"all served", {}, "\ne0\r\ne1\r\ne2\r", ""},
        {"second unanswered", {{1, std::nullopt}}, "\ne0\r\ne2\r", "\nEntries not read (index): 1"},
        {"empty text", {{1, std::string()}}, "\ne0\r\n\ne2\r", ""},
        {"bytes kept as sent", {{0, std::string("\x82\xA0\xFF\r")}}, "\n\x82\xA0\xFF\r\ne1\r\ne2\r", ""},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario run;
        run.programs.entries = c.entries;
        run.Start();
        run.controller->doConvert();
        ASSERT_EQ(run.programs.writes.size(), 1u);
        EXPECT_EQ(run.programs.writes[0], c.file);
        EXPECT_EQ(run.window.Text(), "Entry item 3.\nline\t;; refused\r" + c.note + "\n\nProc End");
        EXPECT_FALSE(run.window.IsButtonEnabled());
        EXPECT_FALSE(run.window.progressShown_);
        EXPECT_EQ(run.window.lastProgress_, 3u);
    }
}

TEST(ConversionRun, FinalTextWithoutALog) {
    Scenario run;
    run.programs.log = std::nullopt;
    run.Start();
    run.controller->doConvert();
    EXPECT_EQ(run.window.Text(), "Entry item 3.\nThe converter returned no log.\n\nProc End");
    // The conversion waits as long as it takes.
    EXPECT_EQ(run.programs.convertTimeouts, std::vector<long>{kNoTimeOut});
}

TEST(ConversionRun, ARunAfterAFailedLaunchSendsEachEntryOnce) {
    Scenario run;
    run.programs.tazmetLaunchRefused = true;
    run.Start();
    run.controller->doConvert();
    EXPECT_TRUE(run.window.IsButtonEnabled());
    EXPECT_FALSE(run.window.progressShown_);

    run.programs.tazmetLaunchRefused = false;
    run.controller->doConvert();
    ASSERT_EQ(run.programs.writes.size(), 2u);
    EXPECT_EQ(run.programs.writes[1], "\ne0\r\ne1\r\ne2\r");
    EXPECT_FALSE(run.window.IsButtonEnabled());
}

TEST(ConversionRun, AFailedWriteEndsTheRunWithAMessage) {
    Scenario run;
    run.programs.writeFails = true;
    run.Start();
    run.controller->doConvert();
    EXPECT_EQ(run.window.Text(), "Entry item 3.\nThe entry lines could not be written: disk full");
    EXPECT_TRUE(run.window.IsButtonEnabled());
    EXPECT_FALSE(run.programs.TazmetLaunched());
}

TEST(ConversionRun, MissingReaderEndsTheRunBeforeAnySend) {
    Scenario run;
    run.programs.vorlipMissing = true;
    run.Start();
    run.controller->doConvert();
    EXPECT_TRUE(run.window.IsButtonEnabled());
    EXPECT_TRUE(run.programs.sends.empty());
    EXPECT_TRUE(run.programs.launches.empty());
}

TEST(ConversionRun, PressingWhileDisabledDoesNothing) {
    Scenario run;
    run.Start();
    run.controller->doConvert();
    auto const sendsAfterRun = run.programs.sends.size();
    run.controller->doConvert();
    EXPECT_EQ(run.programs.sends.size(), sendsAfterRun);
}

TEST(ConversionRun, QuittingWithoutARunSendsTwoFailingQuits) {
    Scenario run;
    run.Start();
    run.controller->applicationShouldTerminate();
    ASSERT_EQ(run.programs.sends.size(), 2u);
    for (auto const& [pid, id] : run.programs.sends) {
        EXPECT_EQ(pid, 0u);
        EXPECT_EQ(id, kEventQuit);
    }
    // The real sender refuses {0, 0} itself, before any system call.
    EXPECT_EQ(AESend(AppleEvent{}, nullptr, kAENoReply, kAENormalPriority, kAEDefaultTimeout), procNotFound);
}

TEST(ConversionRun, QuittingAfterARunAsksBothProgramsToQuit) {
    Scenario run;
    run.Start();
    run.controller->doConvert();
    run.programs.sends.clear();
    run.controller->applicationShouldTerminate();
    std::vector<std::pair<uint32_t, AEEventID>> const expected{{kVorlipPid, kEventQuit}, {kTazmetPid, kEventQuit}};
    EXPECT_EQ(run.programs.sends, expected);
}

}  // namespace
}  // namespace quellit

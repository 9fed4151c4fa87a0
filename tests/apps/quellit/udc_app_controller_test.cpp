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
    bool lockBusy = false;
    bool convertIncomplete = false;  // the converter's reply carries 'errn'
    std::string messages;            // what the companion programs printed

    int begins = 0;
    int ends = 0;

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
                if (convertIncomplete) reply->PutParam(keyErrorNumber, AEMakeLongDesc(errConversionIncomplete));
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
        services.beginConversion = [this](std::string*) {
            ++begins;
            return lockBusy ? ConversionLock::Outcome::kBusy : ConversionLock::Outcome::kHeld;
        };
        services.endConversion = [this] { ++ends; };
        services.companionMessages = [this] { return messages; };
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

TEST(ConversionRun, EachRunSaysWhetherItCompleted) {
    struct Case {
        char const* name;
        void (*set)(FakePrograms&);
        bool completed;
        int ends;  // the lock is given back and the entry lines removed once per run that took it
    };
    Case const cases[] = {
        {"completed", [](FakePrograms&) {}, true, 1},
        {"another run holds the lock", [](FakePrograms& p) { p.lockBusy = true; }, false, 0},
        {"no entry", [](FakePrograms& p) { p.count = 0; }, false, 1},
        {"write failed", [](FakePrograms& p) { p.writeFails = true; }, false, 1},
        {"converter not launched", [](FakePrograms& p) { p.tazmetLaunchRefused = true; }, false, 1},
        {"converter did not complete", [](FakePrograms& p) { p.convertIncomplete = true; }, false, 1},
        {"no log", [](FakePrograms& p) { p.log = std::nullopt; }, false, 1},
        {"an entry not read",
         [](FakePrograms& p) {
             p.entries = {{1, std::nullopt}};
         },
         false, 1},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario run;
        c.set(run.programs);
        run.Start();
        run.controller->doConvert();
        EXPECT_EQ(run.controller->runCompleted(), c.completed);
        EXPECT_EQ(run.programs.begins, 1);
        EXPECT_EQ(run.programs.ends, c.ends);
    }
}

TEST(ConversionRun, ASecondRunIsRefusedBeforeAnythingIsLaunchedOrWritten) {
    Scenario run;
    run.programs.lockBusy = true;
    run.Start();
    run.controller->doConvert();
    EXPECT_EQ(run.window.Text(), "Another conversion is running on this computer; this one did not start.");
    EXPECT_TRUE(run.window.IsButtonEnabled());
    EXPECT_TRUE(run.programs.launches.empty());
    EXPECT_TRUE(run.programs.writes.empty());
}

TEST(ConversionRun, TheCompanionProgramsMessagesAreShown) {
    struct Case {
        char const* name;
        void (*set)(FakePrograms&);
        std::string text;
    };
    Case const cases[] = {
        {"completed", [](FakePrograms&) {}, "Entry item 3.\nline\t;; refused\r\nTazmet: a note\n\nProc End"},
        {"no entry", [](FakePrograms& p) { p.count = std::nullopt; }, "No Entry.\nTazmet: a note\n"},
        {"converter not launched", [](FakePrograms& p) { p.tazmetLaunchRefused = true; },
         "Entry item 3.\nTazmet: a note\n"},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.name);
        Scenario run;
        run.programs.messages = "Tazmet: a note\n";
        c.set(run.programs);
        run.Start();
        run.controller->doConvert();
        EXPECT_EQ(run.window.Text(), c.text);
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

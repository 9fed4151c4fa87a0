// The whole road, one scenario at a time: an old dictionary, both editions'
// preferences and a private home, `Quellit --convert` run as a user would,
// then its exit status, the window's final text and the new dictionary.
// Read-only places and a small disk are made in a private mount namespace.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "apps/quellit/conversion_lock.h"
#include "cp932.h"
#include "run_command.h"
#include "support/scratch_folder.h"

namespace {

std::string const kQuellit = std::string(BUNDLE_DIR) + "/Quellit";

std::string Quoted(std::string const& text) { return "'" + text + "'"; }

// Noun lines of the converter's text format, Shift-JIS with CR ends.
std::string Nouns(std::string const& stem, int count) {
    std::string lines;
    for (int i = 0; i < count; ++i) lines += stem + std::to_string(i) + "\t" + CP932("語") + "\tNOUN\r";
    return lines;
}

std::string Plist(std::string const& members) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + members + "</dict></plist>\n";
}

std::string TovikPath(std::string const& documentsFolder, std::string const& name = "New.ud") {
    return Plist(
        "<key>DictionaryPath</key><dict><key>SystemDictionaryEJName</key><string>EtoJSystem</string>"
        "<key>UserDictionaryEJName</key><string>" +
        name + "</string></dict><key>DocumentsFolder</key><string>" + documentsFolder + "</string>");
}

// Made with a wrapper: runs the command in a private mount namespace after
// the mount commands, and copies files out before the namespace goes.
bool MountNamespaceUsable() {
    static bool const usable = RunCommand(std::string(geteuid() == 0 ? "unshare -m" : "unshare -rm") +
                                          " sh -c 'mount -t tmpfs -o size=16k tmpfs /mnt' 2>/dev/null")
                                   .exitCode == 0;
    return usable;
}

// One user's home: the old dictionary in ~/Old, the new one named by the
// preferences (~/Documents/New.ud unless a scenario says otherwise).
class Road {
public:
    explicit Road(std::string textPath, std::string const& oldLines = Nouns("word", 5))
        : fTextPath(std::move(textPath)) {
        std::filesystem::create_directories(fFolder / "home/Old");
        std::filesystem::create_directories(fFolder / "home/Documents");
        std::filesystem::create_directories(fFolder / "config/Quorindal/Tovikan");
        std::filesystem::create_directories(fFolder / "run");
        chmod((fFolder / "run").c_str(), 0700);
        WriteWholeFile(fFolder / "old.txt", oldLines);
        RunTool("uwconvert", fFolder / "old.txt" + " " + OldDictionary());
        WritePreferences("UserPath", Plist("<key>EtoJUserDict</key><string>~/Old/Old.ud</string>"));
        WritePreferences("TovikPath", TovikPath("~/Documents"));
    }

    std::string Home() const { return fFolder / "home"; }
    std::string OldDictionary() const { return fFolder / "home/Old/Old.ud"; }
    std::string NewDictionary() const { return fFolder / "home/Documents/New.ud"; }
    std::string Scratch(std::string const& name) const { return fFolder / name; }
    std::string const& TextPath() const { return fTextPath; }
    void SetTextPath(std::string path) { fTextPath = std::move(path); }

    void WritePreferences(std::string const& name, std::string const& bytes) const {
        WriteWholeFile(fFolder / ("config/Quorindal/Tovikan/" + name + ".plist"), bytes);
    }
    void RemovePreferences(std::string const& name) const {
        std::filesystem::remove(fFolder / ("config/Quorindal/Tovikan/" + name + ".plist"));
    }

    // `Quellit --convert` in this home, as a shell command.
    std::string QuellitCommand() const {
        return "env HOME=" + Quoted(Home()) + " XDG_CONFIG_HOME=" + Quoted(fFolder / "config") +
               " XDG_RUNTIME_DIR=" + Quoted(fFolder / "run") + " TOVIKAN_TEST_CONVERSION_TEXT=" + Quoted(fTextPath) +
               " " + kQuellit + " --convert";
    }
    // The companion programs this home's runs launched and left running.
    std::string StopCompanions() const {
        return "for r in " + Quoted(fFolder / "run/tovikan") +
               "/*.reg; do [ -e \"$r\" ] && kill \"$(basename \"$r\" .reg)\"; rm -f \"$r\"; done";
    }

    // Quellit with its button pressed once; `mounts` (shell commands) run
    // first in a private mount namespace, `after` once it has ended.
    CommandOutcome Convert(std::string const& mounts = "", std::string const& after = "") const {
        std::string const run = QuellitCommand() + " </dev/null 2>&1";
        if (mounts.empty()) return RunCommand(run);
        std::string const script = mounts + " && { " + run + "; status=$?; " + after + " exit $status; }";
        std::string const unshare = geteuid() == 0 ? "unshare -m" : "unshare -rm";
        std::string escaped;
        for (char c : script) escaped += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return RunCommand(unshare + " sh -c '" + escaped + "'");
    }

private:
    ScratchFolder fFolder{"conversion-road"};
    std::string fTextPath;
};

// The entries of a user dictionary, sorted; "" when it cannot be listed.
std::string Listing(std::string const& dictionary) {
    CommandOutcome const listed =
        RunCommand(TOOLS_DIR "/udinspect --list " + Quoted(dictionary) + " 2>/dev/null | LC_ALL=C sort");
    return listed.output;
}

std::string BytesOrNothing(std::string const& path) {
    return std::filesystem::exists(path) ? ReadWholeFile(path) : std::string("(no file)");
}

std::string ReadOnlyBind(std::string const& path) {
    return "mount --bind " + Quoted(path) + " " + Quoted(path) + " && mount -o remount,bind,ro " + Quoted(path) + " " +
           Quoted(path);
}

enum class NewDictionary { kEveryOldEntry, kAbsent, kUntouched };

struct Scenario {
    char const* name;
    std::function<void(Road&)> set;                  // what goes wrong
    std::function<std::string(Road const&)> mounts;  // empty: no mount namespace
    int exitCode;
    std::vector<std::string> shown;  // pieces of the window's final text
    NewDictionary newDictionary;
};

TEST(ConversionRoad, EachScenarioEndsWithATruthfulStatusAndText) {
    ScratchFolder shared("conversion-road-text");
    std::string const folder = shared.Path();
    quellit::ConversionLock otherRun(folder + "/oldUD.txt");
    Scenario const scenarios[] = {
        {"everything in place",
         [](Road&) {},
         nullptr,
         0,
         {"Entry item 5.", "\n\nProc End"},
         NewDictionary::kEveryOldEntry},
        {"no new-edition preferences",
         [](Road& r) { r.RemovePreferences("TovikPath"); },
         nullptr,
         1,
         {"Tazmet: Error TovikPath.plist", "ユーザー辞書を開けなかったため"},
         NewDictionary::kAbsent},
        {"malformed new-edition preferences",
         [](Road& r) { r.WritePreferences("TovikPath", "<plist><dict><key>"); },
         nullptr,
         1,
         {"Tazmet: Error TovikPath.plist"},
         NewDictionary::kAbsent},
        {"no documents folder in the preferences",
         [](Road& r) { r.WritePreferences("TovikPath", Plist("<key>DictionaryPath</key><dict/>")); },
         nullptr,
         1,
         {"Tazmet: Error TovikPath.plist format"},
         NewDictionary::kAbsent},
        {"documents folder missing",
         [](Road& r) { r.WritePreferences("TovikPath", TovikPath("~/Missing")); },
         nullptr,
         1,
         {"Tazmet: Engine Error"},
         NewDictionary::kAbsent},
        {"new dictionary path is a text file",
         [](Road& r) { WriteWholeFile(r.NewDictionary(), "not a dictionary\n"); },
         nullptr,
         1,
         {"Tazmet: Engine Error"},
         NewDictionary::kUntouched},
        {"corrupt new dictionary",
         [](Road& r) {
             // A real dictionary cut short inside its first block.
             RunTool("uwconvert", r.Scratch("old.txt") + " " + r.NewDictionary());
             std::filesystem::resize_file(r.NewDictionary(), 100);
         },
         nullptr,
         1,
         {"Tazmet: Engine Error"},
         NewDictionary::kUntouched},
        {"documents folder read-only",
         [](Road&) {},
         [](Road const& r) { return ReadOnlyBind(r.Home() + "/Documents"); },
         1,
         {"Tazmet: Engine Error"},
         NewDictionary::kAbsent},
        {"new dictionary read-only",
         [](Road& r) { RunTool("uwconvert", r.Scratch("old.txt") + " " + r.NewDictionary()); },
         [](Road const& r) { return ReadOnlyBind(r.NewDictionary()); },
         1,
         {"Tazmet: Engine Error"},
         NewDictionary::kUntouched},
        {"text file cannot be written",
         [&](Road& r) {
             r.SetTextPath(folder + "/a-folder");
             std::filesystem::create_directories(r.TextPath());
         },
         nullptr,
         1,
         {"The entry lines could not be written:"},
         NewDictionary::kAbsent},
        {"no folder for the entry lines",
         [&](Road& r) { r.SetTextPath(folder + "/missing/oldUD.txt"); },
         nullptr,
         1,
         {"The conversion could not start:"},
         NewDictionary::kAbsent},
        {"no old-edition preferences",
         [](Road& r) { r.RemovePreferences("UserPath"); },
         nullptr,
         1,
         {"No Entry.", "Vorlip: Error UserPath.plist"},
         NewDictionary::kAbsent},
        {"another conversion running",
         [&](Road&) {
             std::string reason;
             ASSERT_EQ(otherRun.Acquire(&reason), quellit::ConversionLock::Outcome::kHeld) << reason;
         },
         nullptr,
         1,
         {"Another conversion is running"},
         NewDictionary::kAbsent},
    };
    for (Scenario const& s : scenarios) {
        SCOPED_TRACE(s.name);
        if (s.mounts && !MountNamespaceUsable()) {
            std::printf("skipped \"%s\": no private mount namespace here\n", s.name);
            continue;
        }
        Road road(folder + "/oldUD.txt");
        s.set(road);
        std::string const before = BytesOrNothing(road.NewDictionary());
        std::string const oldBefore = ReadWholeFile(road.OldDictionary());
        CommandOutcome const outcome = road.Convert(s.mounts ? s.mounts(road) : std::string());
        EXPECT_EQ(outcome.exitCode, s.exitCode) << outcome.output;
        for (std::string const& piece : s.shown)
            EXPECT_NE(outcome.output.find(piece), std::string::npos) << outcome.output;
        switch (s.newDictionary) {
            case NewDictionary::kEveryOldEntry:
                EXPECT_EQ(Listing(road.NewDictionary()), Listing(road.OldDictionary()));
                break;
            case NewDictionary::kAbsent:
                EXPECT_FALSE(std::filesystem::exists(road.NewDictionary()));
                break;
            case NewDictionary::kUntouched:
                EXPECT_TRUE(BytesOrNothing(road.NewDictionary()) == before) << "the new dictionary was written";
                break;
        }
        // The old dictionary is only read, and the entry lines never stay.
        EXPECT_TRUE(ReadWholeFile(road.OldDictionary()) == oldBefore);
        EXPECT_FALSE(std::filesystem::is_regular_file(road.TextPath())) << road.TextPath();
    }
}

TEST(ConversionRoad, AFullDiskStopsTheRunAndSaysWhere) {
    if (!MountNamespaceUsable()) GTEST_SKIP() << "no private mount namespace here";
    ScratchFolder shared("conversion-road-text");
    Road road(shared / "oldUD.txt", Nouns("word", 2000));
    std::string const kept = road.Scratch("kept.ud");
    std::string const documents = road.Home() + "/Documents";
    CommandOutcome const outcome = road.Convert("mount -t tmpfs -o size=48k tmpfs " + Quoted(documents),
                                                "cp " + Quoted(road.NewDictionary()) + " " + Quoted(kept) + ";");
    EXPECT_EQ(outcome.exitCode, 1) << outcome.output;
    EXPECT_NE(outcome.output.find("ディスクがいっぱいのため"), std::string::npos) << outcome.output;
    EXPECT_NE(outcome.output.find("行目から後は変換していません"), std::string::npos) << outcome.output;
    // What was added before the disk filled up is there and can be listed.
    std::string const listed = Listing(kept);
    std::size_t const entries = static_cast<std::size_t>(std::count(listed.begin(), listed.end(), '\n'));
    EXPECT_GT(entries, 0u);
    EXPECT_LT(entries, 2000u);
}

TEST(ConversionRoad, AFreedHeadBlockInTheOldDictionaryIsReportedAndTheFileLeftAsItWas) {
    ScratchFolder shared("conversion-road-text");
    Road road(shared / "oldUD.txt", "hang\t" + CP932("掛ける") + "\tVT\thung\thangs\thanging\thung\t" + CP932("を") +
                                        "\t\t" + CP932("掛けた") + "\rowl\t" + CP932("ふくろう") + "\tNOUN\r");
    std::string bytes = ReadWholeFile(road.OldDictionary());
    std::size_t const hangText = bytes.find(std::string("hang\0VT_INF", 11));
    ASSERT_NE(hangText, std::string::npos);
    std::size_t const hangHead = hangText - 32;  // the text follows the head's 32 bytes of words
    bytes[hangHead + 3] = 1;                     // marked free
    WriteWholeFile(road.OldDictionary(), bytes);

    CommandOutcome const outcome = road.Convert();
    EXPECT_NE(outcome.output.find("Vorlip: Entry not read"), std::string::npos) << outcome.output;
    EXPECT_NE(outcome.output.find("Proc End"), std::string::npos) << outcome.output;
    EXPECT_TRUE(ReadWholeFile(road.OldDictionary()) == bytes) << "the old dictionary was written";
    // The verb from the forms that are left (its base form is lost), and
    // the noun.
    std::string const listed = Listing(road.NewDictionary());
    EXPECT_EQ(listed.find("hang\t"), std::string::npos) << listed;
    EXPECT_NE(listed.find("hung\t"), std::string::npos) << listed;
    EXPECT_NE(listed.find("owl\t"), std::string::npos) << listed;
}

// The entry lines go with a run that a signal ends, whichever signal.
TEST(ConversionRoad, ARunEndedByASignalLeavesNoEntryLines) {
    ScratchFolder shared("conversion-road-text");
    Road road(shared / "oldUD.txt", Nouns("word", 3000));
    for (char const* signal : {"HUP", "INT", "TERM"}) {
        SCOPED_TRACE(signal);
        // Waits (at most 60 s) for the lines to be written, then signals.
        std::string const text = Quoted(road.TextPath());
        std::string const waitForLines = "i=0; while [ ! -f " + text +
                                         " ] && [ $i -lt 6000 ]; do sleep 0.01; i=$((i+1)); done; [ -f " + text +
                                         " ] && echo written";
        std::string const stop = std::string("kill -") + signal + " $q; wait $q; echo \"status $?\"";
        std::string const script = "{ " + road.QuellitCommand() + " </dev/null >/dev/null 2>&1 & q=$!; " +
                                   waitForLines + "; " + stop + "; " + road.StopCompanions() + "; } 2>/dev/null";
        CommandOutcome const outcome = RunCommand(script);
        ASSERT_NE(outcome.output.find("written"), std::string::npos) << outcome.output;
        EXPECT_EQ(outcome.output.find("status 0"), std::string::npos) << outcome.output;
        EXPECT_FALSE(std::filesystem::exists(road.TextPath()));
    }
}

TEST(ConversionRoad, TwoRunsAtOnceNeverMixTheirDictionaries) {
    ScratchFolder shared("conversion-road-text");
    Road first(shared / "oldUD.txt", Nouns("first", 300));
    Road second(shared / "oldUD.txt", Nouns("second", 300));
    auto firstRun = std::async(std::launch::async, [&] { return first.Convert(); });
    auto secondRun = std::async(std::launch::async, [&] { return second.Convert(); });
    CommandOutcome const outcomes[] = {firstRun.get(), secondRun.get()};
    Road const* roads[] = {&first, &second};
    int converted = 0;
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        if (outcomes[i].exitCode == 0) {
            // Converted: its own entries, all of them, and nothing else.
            ++converted;
            EXPECT_EQ(Listing(roads[i]->NewDictionary()), Listing(roads[i]->OldDictionary()));
        } else {
            // Refused: said plainly, nothing written.
            EXPECT_EQ(outcomes[i].exitCode, 1);
            EXPECT_NE(outcomes[i].output.find("Another conversion is running"), std::string::npos)
                << outcomes[i].output;
            EXPECT_FALSE(std::filesystem::exists(roads[i]->NewDictionary()));
        }
    }
    EXPECT_GE(converted, 1);
    EXPECT_FALSE(std::filesystem::exists(shared / "oldUD.txt"));
}

}  // namespace

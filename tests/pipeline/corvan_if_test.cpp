#include "engine/pipeline/corvan_if.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "engine/pipeline/startup_init.h"
#include "engine/pipeline/translation_host_hooks.h"
#include "engine/userdict/ud_create.h"
#include "support/scratch_folder.h"

namespace {

int OpenDescriptors() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir) != nullptr) ++count;
        closedir(dir);
    }
    return count;
}

void MakeEmptyUserDictionary(std::string const& path) {
    int const fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    CreateUDFile(fd);
    close(fd);
}

TEST(CorvanIF, OptionSettersKeepTheirChoicesAndGettersAnswerInThem) {
    CorvanIF facade;
    struct {
        char const* what;
        void (CorvanIF::*set)(int);
        int (CorvanIF::*get)() const;
        int value, answer;
    } const cases[] = {
        {"speed over 100", &CorvanIF::SetTranslationSpeed, &CorvanIF::GetTranslationSpeed, 150, 100},
        {"speed below 0", &CorvanIF::SetTranslationSpeed, &CorvanIF::GetTranslationSpeed, -5, 0},
        {"speed 60", &CorvanIF::SetTranslationSpeed, &CorvanIF::GetTranslationSpeed, 60, 60},
        {"style plain", &CorvanIF::SetTranslationStyle, &CorvanIF::GetTranslationStyle, 1, 1},
        {"style polite", &CorvanIF::SetTranslationStyle, &CorvanIF::GetTranslationStyle, 2, 2},
        {"style 7 is written", &CorvanIF::SetTranslationStyle, &CorvanIF::GetTranslationStyle, 7, 3},
        {"they 3", &CorvanIF::SetTranslationThey, &CorvanIF::GetTranslationThey, 3, 3},
        {"they 9", &CorvanIF::SetTranslationThey, &CorvanIF::GetTranslationThey, 9, 1},
        {"proper 3", &CorvanIF::SetTranslationProper, &CorvanIF::GetTranslationProper, 3, 3},
        {"proper -1", &CorvanIF::SetTranslationProper, &CorvanIF::GetTranslationProper, -1, 2},
        {"numeric 1", &CorvanIF::SetTranslationNumeric, &CorvanIF::GetTranslationNumeric, 1, 1},
        {"numeric 5", &CorvanIF::SetTranslationNumeric, &CorvanIF::GetTranslationNumeric, 5, 3},
        {"the off", &CorvanIF::SetTranslationThe, &CorvanIF::GetTranslationThe, 2, 2},
        {"the 0", &CorvanIF::SetTranslationThe, &CorvanIF::GetTranslationThe, 0, 1},
        {"you 1", &CorvanIF::SetTranslationYou, &CorvanIF::GetTranslationYou, 1, 1},
        {"you 4", &CorvanIF::SetTranslationYou, &CorvanIF::GetTranslationYou, 4, 2},
        {"document 3", &CorvanIF::SetTranslationDocument, &CorvanIF::GetTranslationDocument, 3, 2},
        {"dialog 1", &CorvanIF::SetTranslationDialog, &CorvanIF::GetTranslationDialog, 1, 1},
        {"strength 3", &CorvanIF::SetTranslationStrength, &CorvanIF::GetTranslationStrength, 3, 3},
        {"strength 0", &CorvanIF::SetTranslationStrength, &CorvanIF::GetTranslationStrength, 0, 2},
        {"POS 2", &CorvanIF::SetTranslationPOS, &CorvanIF::GetTranslationPOS, 2, 2},
        {"user dictionary first 1", &CorvanIF::SetUserDictPreferred, &CorvanIF::GetUserDictPreferred, 1, 1},
    };
    for (auto const& c : cases) {
        (facade.*c.set)(c.value);
        EXPECT_EQ((facade.*c.get)(), c.answer) << c.what;
    }
    facade.SetDefault();
    int values[12];
    facade.GetObject(values);
    EXPECT_EQ(std::vector<int>(values, values + 12), (std::vector<int>{50, 2, 1, 2, 1, 2, 1, 1, 2, 3, 2, 2}));
    int const chosen[12] = {25, 1, 2, 1, 2, 2, 1, 2, 1, 1, 1, 1};
    facade.SetObject(chosen);
    facade.GetObject(values);
    EXPECT_EQ(std::vector<int>(values, values + 12), std::vector<int>(chosen, chosen + 12));
    facade.SetDefault();
}

TEST(CorvanIF, DictionariesAreAddedByPathAndFailuresLeaveNothingOpen) {
    ScratchFolder folder("corvan_if");
    std::string const compiled = folder / "system.cdict";
    compiled_test::CompileText40(compiled_test::SampleDictionaryText(), compiled);
    std::string const user = folder / "user.ud";
    std::string const second = folder / "second.ud";
    MakeEmptyUserDictionary(user);
    MakeEmptyUserDictionary(second);
    std::string const text = folder / "notes.txt";
    WriteWholeFile(text, "just some text\n");

    CorvanIF facade;
    int const before = OpenDescriptors();
    EXPECT_EQ(facade.AddSysDict(text), 0);
    EXPECT_EQ(facade.AddSysDict(folder / "missing.cdict"), 0);
    EXPECT_EQ(facade.AddTechDict(user), 0);
    EXPECT_EQ(facade.AddUserDict(text, true), 0);
    EXPECT_EQ(facade.AddUserDict(folder / "missing.ud", true), -1);
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_FALSE(facade.IsSystemDict());

    EXPECT_EQ(facade.AddSysDict(compiled), 7);
    EXPECT_TRUE(facade.IsSystemDict());
    EXPECT_EQ(facade.AddUserDict(user, true), 10000);
    EXPECT_EQ(facade.AddUserDict(user, true), -1);  // already open writable
    EXPECT_EQ(facade.AddUserDict(second, false), 10001);
    EXPECT_EQ(facade.GetDictVector(), (std::vector<std::string>{compiled, user, second}));
    ASSERT_EQ(gOptions().fDictionaries.size(), 3u);
    facade.ClearLearning("apple");  // no learning file: nothing to clear, no fault

    // A new facade starts without the old one's dictionaries.
    CorvanIF next;
    EXPECT_TRUE(next.GetDictVector().empty());
    EXPECT_TRUE(gOptions().fDictionaries.empty());
    EXPECT_EQ(next.AddUserDict(user, true), 10000);
    next.RemoveAllDict();
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(CorvanIF, TranslationHandsBackTheTextOnce) {
    CorvanIF facade;
    EXPECT_FALSE(facade.IsSink());
    std::string out = "stale";
    facade.GetSink(out, nullptr);
    EXPECT_EQ(out, "");
    std::vector<PostIF> info;
    facade.GetPostInfo(info, "", "");
    EXPECT_TRUE(info.empty());

    struct {
        std::string text, sink;
    } const cases[] = {
        {"It rains. It pours.", "It rains. It pours."},
        {"", ""},
        {"No final stop  ", "No final stop  "},
        {"Hi \x80there.", "Hi ?there."},
    };
    for (auto const& c : cases) {
        std::string text = c.text;
        EXPECT_TRUE(facade.Translation(&text)) << c.text;
        EXPECT_TRUE(facade.IsSink());
        facade.GetSink(out, nullptr);
        EXPECT_EQ(out, c.sink);
        facade.GetSink(out, nullptr);
        EXPECT_EQ(out, "");
        EXPECT_EQ(facade.GetRatio(), c.text.empty() ? 0 : 100) << c.text;
    }
    EXPECT_FALSE(facade.Translation("abc", -1));
    EXPECT_TRUE(facade.Translation("ab\x82\xA0", 4));
    EXPECT_EQ(facade.GetRatio(), 100);  // characters both ways
}

TEST(CorvanIF, StoppingFromTheProgressNoticeEndsTheRunWithFalse) {
    struct Stopper {
        CorvanIF* facade;
        int notices = 0;
        int stopAfter;
    };
    CorvanIF facade;
    Stopper stopper{&facade, 0, 1};
    SetTranslationIdleCallback(
        [](void* context) {
            auto* s = static_cast<Stopper*>(context);
            if (++s->notices == s->stopAfter) s->facade->StopTranslation();
        },
        &stopper);
    std::string text = "One. Two. Three.";
    EXPECT_FALSE(facade.Translation(&text));
    EXPECT_FALSE(facade.IsSink());
    EXPECT_EQ(stopper.notices, 1);

    // A stop asked for between runs does not stop the next one.
    stopper.stopAfter = 0;
    facade.StopTranslation();
    EXPECT_TRUE(facade.Translation(&text));
    SetTranslationIdleCallback(nullptr, nullptr);
}

}  // namespace

#include "engine/pipeline/corvan_if.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>
#include <map>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "compiled/compiled_test_support.h"
#include "engine/foundation/dictionary_learning.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/fixed_type.h"
#include "engine/pipeline/basic_translator.h"
#include "engine/pipeline/chain_description.h"
#include "engine/pipeline/dictionary_priorities.h"
#include "engine/pipeline/startup_init.h"
#include "engine/pipeline/translation_globals.h"
#include "engine/pipeline/translation_host_hooks.h"
#include "engine/userdict/ud_create.h"
#include "platform/files/file_system.h"
#include "support/forwarding_file_system.h"
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

// Files as on a disk where this user may read but not write: every opening
// for writing fails with EACCES.  (Tests run as root, whom no mode bit stops.)
class ReadOnlyFiles final : public ForwardingFileSystem {
public:
    int Open(char const* path, int flags, mode_t mode) override {
        if ((flags & O_ACCMODE) != O_RDONLY) {
            ++fRefused;
            errno = EACCES;
            return -1;
        }
        return fPosix.Open(path, flags, mode);
    }

    int fRefused = 0;
};

// The dictionary files the facade tests add: a compiled dictionary, two
// empty user dictionaries and a text file.
struct DictionaryFiles {
    DictionaryFiles() : folder("corvan_if") {
        compiled_test::CompileText40(compiled_test::SampleDictionaryText(), compiled);
        MakeEmptyUserDictionary(user);
        MakeEmptyUserDictionary(second);
        WriteWholeFile(text, "just some text\n");
    }
    ScratchFolder folder;
    std::string const compiled = folder / "system.cdict";
    std::string const user = folder / "user.ud";
    std::string const second = folder / "second.ud";
    std::string const text = folder / "notes.txt";
};

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
    DictionaryFiles const files;
    std::string const& compiled = files.compiled;
    std::string const& user = files.user;
    std::string const& second = files.second;
    std::string const linked = files.folder / "linked.cdict";
    ASSERT_EQ(symlink(compiled.c_str(), linked.c_str()), 0);

    CorvanIF facade;
    int const before = OpenDescriptors();
    EXPECT_EQ(facade.AddSysDict(files.text), 0);
    EXPECT_EQ(facade.AddSysDict(files.folder / "missing.cdict"), 0);
    EXPECT_EQ(facade.AddSysDict(files.folder / "missing.cdict", files.folder / "missing.stats"), 0);
    EXPECT_EQ(facade.AddTechDict(user), 0);
    EXPECT_EQ(facade.AddUserDict(files.text, true), 0);
    EXPECT_EQ(facade.AddUserDict(files.folder / "missing.ud", true), -1);
    EXPECT_EQ(facade.AddUserDict(files.folder.Path(), false), 0);
    EXPECT_EQ(OpenDescriptors(), before);
    EXPECT_FALSE(facade.IsSystemDict());
    EXPECT_TRUE(facade.GetDictVector().empty());

    EXPECT_EQ(facade.AddSysDict(compiled), 7);
    EXPECT_TRUE(facade.IsSystemDict());
    EXPECT_EQ(facade.AddUserDict(user, true), 10000);
    EXPECT_EQ(facade.AddUserDict(second, false), 10001);
    int const opened = OpenDescriptors();
    // A file already added, by any path, is not added again.
    EXPECT_EQ(facade.AddSysDict(compiled), 0);
    EXPECT_EQ(facade.AddTechDict(linked), 0);
    EXPECT_EQ(facade.AddUserDict(user, true), -1);
    EXPECT_EQ(facade.AddUserDict(user, false), -1);
    EXPECT_EQ(facade.AddUserDict(second, true), -1);
    EXPECT_EQ(OpenDescriptors(), opened);
    EXPECT_EQ(facade.GetDictVector(), (std::vector<std::string>{compiled, user, second}));
    ASSERT_EQ(gOptions().fDictionaries.size(), 3u);
    // Each user dictionary has a number and so a priority of its own.
    DictionaryPriorityMap const priorities = MakeDictionaryPriorityMap(gOptions().fDictionaries);
    EXPECT_EQ(priorities.GetPriorities().size(), 3u);
    for (auto const& [id, priority] : std::map<uint16_t, double>{{7, 1.0}, {10000, 0.0}, {10001, 0.01}})
        EXPECT_NEAR(priorities.Get(id), priority, 1e-9) << id;
    facade.ClearLearning("apple");  // no learning file: nothing to clear, no fault

    // A new facade starts without the old one's dictionaries.
    CorvanIF next;
    EXPECT_TRUE(next.GetDictVector().empty());
    EXPECT_TRUE(gOptions().fDictionaries.empty());
    EXPECT_FALSE(next.IsSystemDict());
    EXPECT_EQ(next.AddUserDict(user, true), 10000);
    EXPECT_EQ(next.AddTechDict(linked), 7);
    EXPECT_FALSE(next.IsSystemDict());
    next.RemoveAllDict();
    EXPECT_TRUE(gOptions().fDictionaries.empty());
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(CorvanIF, AUserDictionaryThatCannotBeWrittenIsAddedReadOnly) {
    DictionaryFiles const files;
    CorvanIF facade;
    int const before = OpenDescriptors();
    {
        ReadOnlyFiles readOnly;
        ScopedFileSystem const installed(readOnly);
        EXPECT_EQ(facade.AddUserDict(files.user, true), 10000);
        EXPECT_EQ(readOnly.fRefused, 1);
        ASSERT_EQ(gOptions().fDictionaries.size(), 1u);
        // Added read-only: it learns nothing.
        EXPECT_EQ(gOptions().fDictionaries[0].GetDictionaryLearningInterface(true), nullptr);
    }
    facade.RemoveAllDict();
    EXPECT_EQ(OpenDescriptors(), before);
}

TEST(CorvanIF, ClearingLearningClearsEveryReadingOfTheWord) {
    DictionaryFiles const files;
    std::string const stats = files.folder / "system.stats";
    CorvanIF facade;
    ASSERT_EQ(facade.AddSysDict(files.compiled, stats), 7);
    Dictionary_EX const dictionary = gOptions().fDictionaries.at(0);
    auto* learning = dictionary.GetDictionaryLearningInterface(true);
    ASSERT_NE(learning, nullptr);

    auto readings = [&](std::string const& word) {
        std::vector<std::pair<FinePOS_EX, Paraphrase_EX>> found;
        for (ForwardIterator<Entry_EX> entry = dictionary.Lookup(word, nullptr); !entry.IsAtEnd(); ++entry)
            for (ForwardIterator<FinePOS_EX> fine = (*entry).GetFinePOSIterator(); !fine.IsAtEnd(); ++fine)
                for (ForwardIterator<Paraphrase_EX> para = (*fine).GetParaphraseIterator(); !para.IsAtEnd(); ++para)
                    found.emplace_back(*fine, *para);
        return found;
    };
    auto const apple = readings("apple");
    auto const run = readings("run");
    ASSERT_EQ(apple.size(), 2u);
    ASSERT_EQ(run.size(), 1u);
    for (auto const& reading : apple) learning->SetLearningValue(reading.first, reading.second, 0.5f);
    learning->SetLearningValue(run[0].first, run[0].second, 0.5f);

    facade.ClearLearning("apple");
    for (auto const& reading : apple) EXPECT_FALSE(learning->IsRecorded(reading.first, reading.second));
    EXPECT_TRUE(learning->IsRecorded(run[0].first, run[0].second));
    facade.ClearLearning("no such word");
    EXPECT_TRUE(learning->IsRecorded(run[0].first, run[0].second));
    facade.RemoveAllDict();
}

// A stage that fails on its first token with what the test throws.
class FailingFilter : public PassThroughFilter {
public:
    explicit FailingFilter(std::function<void()> fail) : PassThroughFilter("failing"), fFail(std::move(fail)) {}
    Token Produce() override {
        fFail();
        return PullUpstream();
    }

private:
    std::function<void()> fFail;
};

TEST(CorvanIF, WhatAStageThrowsEndsTheCallWithFalse) {
    struct {
        char const* what;
        std::function<void()> fail;
    } const cases[] = {
        {"a standard error", [] { throw std::runtime_error("stage failed"); }},
        {"no memory", [] { throw std::bad_alloc(); }},
        {"a wiring fault", [] { throw std::logic_error("no upstream"); }},
        {"something else", [] { throw 42; }},
    };
    CorvanIF facade;
    for (auto const& c : cases) {
        FailingFilter failing(c.fail);
        SetTranslatorBuiltCallback(
            [](BasicTranslator& translator, void* filter) {
                translator.AddHookFilter(BasicTranslator::kAfterTokenizer, static_cast<Filter*>(filter));
            },
            &failing);
        std::string text = "It rains.";
        EXPECT_FALSE(facade.Translation(&text)) << c.what;
        SetTranslatorBuiltCallback(nullptr, nullptr);
        EXPECT_FALSE(facade.IsSink()) << c.what;
        std::string out = "stale";
        facade.GetSink(out, nullptr);
        EXPECT_EQ(out, "") << c.what;
        EXPECT_TRUE(facade.Translation(&text)) << c.what;  // the next call is not hurt
    }
}

TEST(CorvanIF, OperationsOfLaterRoadsAnswerByResult) {
    CorvanIF facade;
    CorvanIF second;
    EXPECT_EQ(second.GetCritical(), facade.GetCritical() + 1);
    EXPECT_EQ(facade.Error(), 0u);
    EXPECT_TRUE(facade.CloseAllLearningFile());
    facade.SetFixedType(false);
    EXPECT_EQ(gFixedType, 0);
    facade.SetFixedType(true);
    EXPECT_EQ(gFixedType, 1);

    std::string text = "It rains.";
    std::vector<ScanIF*> sentences;
    EXPECT_TRUE(facade.JudgeTranslate(&text, &sentences));
    EXPECT_FALSE(facade.JudgeTranslate(nullptr, nullptr));
    ASSERT_EQ(sentences.size(), 1u);
    EXPECT_EQ(sentences[0]->end, text.size());
    DeleteScanIFs(sentences);

    // A translation first, so that the alternates' call is seen to drop it.
    ASSERT_TRUE(facade.Translation(&text));
    // Without the parser's work the sentence is its own one alternative.
    EXPECT_TRUE(facade.AlternateTranslate(&text, 3, 1, 5));
    EXPECT_EQ(facade.GetNumberAlternate(), 1u);
    std::string alternative;
    facade.GetSinkAlternate(alternative, 0);
    EXPECT_EQ(alternative, text);
    EXPECT_FALSE(facade.AlternateTranslate(nullptr, -1, -1, 0));
    EXPECT_FALSE(facade.IsSink());
    EXPECT_EQ(facade.GetRatio(), 0);
    facade.ClearRatio();
    EXPECT_EQ(facade.GetNumberAlternate(), 0u);
    std::string out = "stale";
    facade.GetSinkAlternate(out, 0);
    EXPECT_EQ(out, "");
    facade.GetSink(out, nullptr);
    EXPECT_EQ(out, "");
    std::vector<PostIF> info(2);
    facade.GetAlternatePostInfo(info, 0);
    EXPECT_TRUE(info.empty());
    facade.GetPostInfo(info, text, text);
    EXPECT_TRUE(info.empty());

    PostIF word;
    facade.DoLearning(word, "It", "\x82\xBB\x82\xEA", 0);
    facade.ClearLearning("rains");  // no dictionary: nothing to do
}

TEST(MemoryTranslation, TheSourceHandsOutItsTextOnceAndCopiesOnlyWhatItHolds) {
    MemoryTranslationSource source;
    source.SpecifySourceText(5, "hello world");
    EXPECT_FALSE(source.ReadCharacters(nullptr));
    std::string read;
    EXPECT_TRUE(source.ReadCharacters(&read));
    EXPECT_EQ(read, "hello");
    EXPECT_TRUE(source.ReadCharacters(&read));
    EXPECT_EQ(read, "");
    EXPECT_EQ(source.GetLength(), 5u);

    struct {
        unsigned long position, count, copied;
        char const* bytes;
    } const cases[] = {
        {1, 5, 5, "hello"}, {2, 2, 2, "el"}, {4, 99, 2, "lo"}, {0, 3, 0, ""}, {6, 1, 0, ""}, {99, 1, 0, ""},
    };
    for (auto const& c : cases) {
        char dest[8] = {};
        EXPECT_EQ(source.CopyOut(c.position, c.count, dest), c.copied) << c.position << "+" << c.count;
        EXPECT_EQ(std::string(dest), c.bytes) << c.position << "+" << c.count;
    }
    source.SpecifySourceText(-3, "abc");
    EXPECT_EQ(source.GetLength(), 0u);

    MemoryTranslationSink sink;
    sink.SetCritical(3);
    std::string out = "stale";
    EXPECT_FALSE(sink.ReferTranslatedText(out));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(sink.WriteCharacters("One. "));
    EXPECT_TRUE(sink.WriteCharacters("Two."));
    EXPECT_TRUE(sink.ReferTranslatedText(out));
    EXPECT_EQ(out, "One. Two.");
    EXPECT_EQ(sink.ReferTranslatedText(), "");
    for (long const size : {40000L, -1L, 12L}) sink.MemoryTranslateSourceSize(size);
    EXPECT_EQ(sink.GetTranslatrSourceSize(), 12);
    sink.MemoryTranslateSourceSize(40000);
    EXPECT_EQ(sink.GetTranslatrSourceSize(), 32767);
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

#include "engine/compiled/learning_stats_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "compiled/learning_test_support.h"
#include "engine/compiled/learning_stats_manager.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/warning.h"

namespace {

using Helper = Dictionary_EX_70Compiled_LearningInterface_Helper;
using StatsFile = Helper::StatsFile;
using StatsFileManager = Helper::StatsFileManager;
using Key = Dict70CompiledLearningDataKey;
using learning_test::kNoun;

// "run" (N, paraphrase 1), "walk" (N, 2) and "apple" (N, 3), in the order
// their keys sort: apple, run, walk.
class LearningStatsFileTest : public ::testing::Test {
protected:
    // A handle held the way the learning interface holds one.
    std::unique_ptr<QJShared<StatsFile>> Open(std::string const& path) {
        return std::make_unique<QJShared<StatsFile>>(StatsFileManager::Get()->DoOpen(path.c_str()));
    }
    static void Release(std::unique_ptr<QJShared<StatsFile>> handle) {
        StatsFileManager::Get()->DoRelease(std::move(handle));
    }

    learning_test::ScratchDir fDir;
    std::string const fPath = fDir.File("learning.stats");
    learning_test::Readings fReadings;
    learning_test::Readings::Reading const fRun = fReadings.MakeReading("run", kNoun, 1);
    learning_test::Readings::Reading const fWalk = fReadings.MakeReading("walk", kNoun, 2);
    learning_test::Readings::Reading const fApple = fReadings.MakeReading("apple", kNoun, 3);
};

TEST_F(LearningStatsFileTest, SavesOneLineAValueInKeyOrder) {
    auto file = Open(fPath);
    EXPECT_EQ(ReadWholeFile(fPath), "") << "a missing file is created";
    (*file)->SetLearningValue(fWalk.finePOS, fWalk.paraphrase, -1.0f);
    (*file)->SetLearningValue(fRun.finePOS, fRun.paraphrase, 0.5f);
    (*file)->SetLearningValue(fApple.finePOS, fApple.paraphrase, 0.0025f);
    (*file)->SaveToFile();
    EXPECT_EQ(ReadWholeFile(fPath), "apple\t[<\t3\t0.002500\nrun\t[<\t1\t0.500000\nwalk\t[<\t2\t-1.000000\n");
    Release(std::move(file));
}

TEST_F(LearningStatsFileTest, AShorterSaveLeavesNothingOfTheLongerOne) {
    auto file = Open(fPath);
    for (auto const& reading : {fRun, fWalk, fApple})
        (*file)->SetLearningValue(reading.finePOS, reading.paraphrase, 0.5f);
    (*file)->SaveToFile();
    (*file)->ClearLearningValue(fApple.finePOS, fApple.paraphrase);
    (*file)->ClearLearningValue(fWalk.finePOS, fWalk.paraphrase);
    StatsFile::ValueMap const kept = (*file)->GetAllEntries();
    ASSERT_EQ(kept.size(), 1u);
    Release(std::move(file));  // saves

    auto reloaded = Open(fPath);
    StatsFile::ValueMap const loaded = (*reloaded)->GetAllEntries();
    ASSERT_EQ(loaded.size(), kept.size());
    EXPECT_EQ(loaded.begin()->first.GetKeyString(), kept.begin()->first.GetKeyString());
    EXPECT_EQ(loaded.begin()->second, kept.begin()->second);

    (*reloaded)->DeleteAllEntries();
    (*reloaded)->SaveToFile();
    EXPECT_EQ(ReadWholeFile(fPath), "") << "cleared values must not come back";
    Release(std::move(reloaded));
}

TEST_F(LearningStatsFileTest, AValueForEveryFirstFeatureLetterSavesAndReloads) {
    std::vector<learning_test::Readings::Reading> readings;
    for (char const* letters : {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"}) {
        for (char const* letter = letters; *letter != '\0'; ++letter) {
            char const set0[] = {*letter, '\0'};
            readings.push_back(fReadings.MakeReading("run", kNoun, 1, set0));
        }
    }
    auto file = Open(fPath);
    for (std::size_t i = 0; i < readings.size(); ++i)
        (*file)->SetLearningValue(readings[i].finePOS, readings[i].paraphrase, float(i) / 4);
    Release(std::move(file));

    auto reloaded = Open(fPath);
    EXPECT_EQ((*reloaded)->GetAllEntries().size(), readings.size());
    for (std::size_t i = 0; i < readings.size(); ++i) {
        float value = -1.0f;
        EXPECT_TRUE((*reloaded)->GetLearningValue(readings[i].finePOS, readings[i].paraphrase, &value)) << i;
        EXPECT_EQ(value, float(i) / 4) << i;
    }
    Release(std::move(reloaded));
}

TEST_F(LearningStatsFileTest, LoadsWellFormedLinesAndAnswersForTheirReadings) {
    WriteWholeFile(fPath, "run\t[<\t1\t0.500000\nbroken line\nwalk\t[<\t2\t-1.000000\n");
    auto file = Open(fPath);
    float value = 7.0f;
    EXPECT_TRUE((*file)->GetLearningValue(fRun.finePOS, fRun.paraphrase, &value));
    EXPECT_EQ(value, 0.5f);
    EXPECT_TRUE((*file)->IsRecorded(fWalk.finePOS, fWalk.paraphrase));
    value = 7.0f;
    EXPECT_FALSE((*file)->GetLearningValue(fApple.finePOS, fApple.paraphrase, &value));
    EXPECT_EQ(value, 7.0f) << "untouched when nothing is recorded";
    EXPECT_EQ((*file)->GetAllEntries().size(), 2u);
    Release(std::move(file));
    EXPECT_EQ(ReadWholeFile(fPath), "run\t[<\t1\t0.500000\nwalk\t[<\t2\t-1.000000\n");
}

TEST_F(LearningStatsFileTest, OneFileIsSharedWhateverThePathThatNamesIt) {
    std::string const link = fDir.File("link.stats");
    std::string const hardLink = fDir.File("hard.stats");
    std::string const otherCase = fDir.File("LEARNING.stats");
    auto file = Open(fPath);
    ASSERT_EQ(symlink(fPath.c_str(), link.c_str()), 0);
    ASSERT_EQ(::link(fPath.c_str(), hardLink.c_str()), 0);
    auto throughLink = Open(link);
    auto throughHardLink = Open(hardLink);
    auto throughOtherCase = Open(otherCase);
    EXPECT_EQ(throughLink->GetRep(), file->GetRep());
    EXPECT_EQ(throughHardLink->GetRep(), file->GetRep());
    EXPECT_NE(throughOtherCase->GetRep(), file->GetRep()) << "paths differing in case name different files";
    for (auto* handle : {&file, &throughLink, &throughHardLink, &throughOtherCase}) Release(std::move(*handle));
}

TEST_F(LearningStatsFileTest, FilesThatCannotBeOpenedThrow) {
    std::string const paths[] = {fDir.File("missing/learning.stats"), fDir.File(""), ""};
    for (std::string const& path : paths) EXPECT_THROW(Open(path), FileException) << path;
}

// Runs check in a child process without write access to files (root may
// write anywhere) and expects it to exit with 0; other codes name the check
// that failed.
void ExpectAsUnprivileged(int (*check)(std::string const&, learning_test::Readings::Reading const&),
                          std::string const& path, learning_test::Readings::Reading const& reading) {
    EXPECT_EXIT(
        {
            if (geteuid() == 0 && setuid(65534) != 0) _exit(99);
            _exit(check(path, reading));
        },
        ::testing::ExitedWithCode(0), "");
}

int CheckReadOnly(std::string const& path, learning_test::Readings::Reading const& run) {
    std::unique_ptr<QJShared<StatsFile>> file;
    try {
        file = std::make_unique<QJShared<StatsFile>>(StatsFileManager::Get()->DoOpen(path.c_str()));
    } catch (FileException const&) {
        return 1;
    }
    StatsFile& stats = **file;
    if (!stats.IsReadOnly()) return 2;
    float value = 0.0f;
    if (!stats.GetLearningValue(run.finePOS, run.paraphrase, &value) || value != 0.5f) return 3;
    stats.SetLearningValue(run.finePOS, run.paraphrase, 1.0f);
    stats.ClearLearningValue(run.finePOS, run.paraphrase);
    stats.DeleteAllEntries();
    if (!stats.GetLearningValue(run.finePOS, run.paraphrase, &value) || value != 0.5f) return 4;
    stats.SaveToFile();
    StatsFileManager::Get()->DoRelease(std::move(file));
    return 0;
}

TEST_F(LearningStatsFileTest, AFileWithoutWriteAccessAnswersButRefusesChanges) {
    std::string const bytes = "run\t[<\t1\t0.500000\n";
    WriteWholeFile(fPath, bytes);
    ASSERT_EQ(chmod(fPath.c_str(), 0444), 0);
    ExpectAsUnprivileged(CheckReadOnly, fPath, fRun);
    EXPECT_EQ(ReadWholeFile(fPath), bytes);
}

// Collects what the engine logs.
std::vector<std::string> gLogged;
void CollectLog(unsigned short, bool, char const* a, char const*, char const*, int) { gLogged.push_back(a); }

TEST_F(LearningStatsFileTest, SaveErrorsReachExplicitSavesAndAreLoggedOnRelease) {
    if (access("/dev/full", W_OK) != 0) GTEST_SKIP() << "no /dev/full";
    auto file = Open("/dev/full");
    (*file)->SetLearningValue(fRun.finePOS, fRun.paraphrase, 0.5f);
    EXPECT_THROW((*file)->SaveToFile(), FileException);
    gLogged.clear();
    SetLogFunction(CollectLog);
    Release(std::move(file));
    SetLogFunction(nullptr);
    ASSERT_FALSE(gLogged.empty());
    EXPECT_NE(gLogged[0].find("could not be saved"), std::string::npos);
}

}  // namespace

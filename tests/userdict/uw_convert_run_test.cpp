// Whole runs: the golden log, the entry ceiling, and runs that must end in
// order.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "support/faulty_file_system.h"
#include "support/scratch_folder.h"
#include "uw_convert_fixture.h"

namespace {

std::string Nouns(int first, int count) {
    std::string text;
    for (int i = first; i < first + count; ++i) text += "noun" + std::to_string(i) + "\t" + SJ("語") + "\tNOUN\n";
    return text;
}

TEST_F(UwConvertTest, GoldenLogHasEveryMessageOnce) {
    std::string const input = ReadWholeFile(TEST_DATA_DIR "/uw_convert/golden_input.txt");
    std::string const golden = ReadWholeFile(TEST_DATA_DIR "/uw_convert/golden_log.txt");
    ASSERT_FALSE(input.empty());
    EXPECT_EQ(Convert(input), golden);
    EXPECT_EQ(Count(), 4u);
}

TEST_F(UwConvertTest, CeilingTakesExactlyOneMoreAfter29999) {
    EXPECT_EQ(Convert(Nouns(0, kUwEntryCeiling - 1)), "");
    EXPECT_EQ(Count(), unsigned(kUwEntryCeiling - 1));
    OpenDictionary();
    // The line after the one that reaches the ceiling ends the run; it and
    // the rest are neither added nor logged, but the log says the run stopped.
    EXPECT_EQ(Convert(SJ("bad\t\tNOUN\n") + Nouns(kUwEntryCeiling, 3)),
              Refused(SJ("bad\t\tNOUN"), kLogENotNihongoyaku) + kLogStopCeiling);
    EXPECT_EQ(Count(), unsigned(kUwEntryCeiling));
    OpenDictionary();
    EXPECT_EQ(Convert(Nouns(kUwEntryCeiling + 10, 1)), kLogStopCeiling);
    // A file that ends right at the ceiling has nothing to report.
    gCorvanEngine.RemoveAllDict();
    std::remove(fDictPath.c_str());
    OpenDictionary();
    EXPECT_EQ(Convert(Nouns(0, kUwEntryCeiling)), "");
    EXPECT_EQ(Count(), unsigned(kUwEntryCeiling));
}

TEST_F(UwConvertTest, EveryRunClosesAllDictionaries) {
    Convert(SJ("cat\t猫\tNOUN\n"));
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
    OpenDictionary();
    uwConvert((fDir + "/missing.txt").c_str());
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
}

TEST_F(UwConvertTest, NoUserDictionaryLogsTheFirstLineAndEnds) {
    gCorvanEngine.RemoveAllDict();
    std::string const first = SJ("cat\t猫\tNOUN");
    EXPECT_EQ(Convert(";c\n" + first + "\n" + SJ("dog\t犬\tNOUN\n")), Refused(first, kLogUnknown));
    EXPECT_EQ(Count(), 0u);
}

TEST_F(UwConvertTest, FailingDictionaryEndsTheRunInOrder) {
    // Opened read-only, the dictionary throws on every change.
    Convert("");
    ASSERT_EQ(gCorvanEngine.AddUserDict(fDictPath, true), kUserDictOpenedReadOnly);
    std::string const first = SJ("cat\t猫\tNOUN");
    std::string const log = Convert(first + "\n" + SJ("dog\t犬\tNOUN\n"));
    // The add throws: that line is logged with what stopped the run.
    EXPECT_EQ(log, Refused(first, StopNote(kLogStopWriteError, 1, 0)));
    EXPECT_THROW(gCorvanEngine.CountUserDictEntry(0), std::out_of_range);
    EXPECT_EQ(Count(), 0u);
}

// A failing store stops the run at the line whose entry could not be
// written; the log names the failure, that line and the entries added, and
// every entry added before it stays in the dictionary (the map and index,
// left stale, are rebuilt at the next open).  A map and index that cannot be
// written at the end leave the entries to that rebuild too, and say so.
TEST_F(UwConvertTest, AFailingStoreStopsTheRunAndSaysWhy) {
    struct Case {
        char const* what;
        int lines;
        int error;
        bool stopsAtALine;
        char const* stopNote;
        char const* closeNote;
    };
    Case const cases[] = {
        {"disk full while adding", 400, ENOSPC, true, kLogStopDiskFull, ""},
        {"disk full only for the map and index", 5, ENOSPC, false, nullptr, kLogCloseDiskFull},
        {"write error while adding", 400, EIO, true, kLogStopWriteError, ""},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.what);
        gCorvanEngine.RemoveAllDict();
        std::remove(fDictPath.c_str());
        OpenDictionary();
        // A comment first, and CR LF line ends: lines are numbered as an
        // editor shows them.
        std::string text = ";old dictionary\r\n";
        for (int i = 0; i < c.lines; ++i) text += "noun" + std::to_string(i) + "\t" + SJ("語") + "\tNOUN\r\n";
        struct stat info;
        ASSERT_EQ(stat(fDictPath.c_str(), &info), 0);
        std::string log;
        {
            // A store with room up to the file's present size.
            FaultyFileSystem files;
            files.LimitRoom(static_cast<uint64_t>(info.st_size), c.error);
            log = Convert(text);
        }

        unsigned long const added = Count();
        std::string expected;
        if (c.stopsAtALine) {
            ASSERT_GT(added, 0u);
            ASSERT_LT(added, unsigned(c.lines));
            unsigned long const stoppedAt = added + 2;  // the comment, then one line an entry
            std::string const line = "noun" + std::to_string(added) + "\t" + SJ("語") + "\tNOUN";
            expected = Refused(line, StopNote(c.stopNote, stoppedAt, added).c_str());
        } else {
            EXPECT_EQ(added, unsigned(c.lines));
        }
        EXPECT_EQ(log, expected + c.closeNote);
        std::vector<std::string> const entries = Entries();
        ASSERT_EQ(entries.size(), added);
        EXPECT_EQ(entries.front(), "N|noun0|" + SJ("語") + "||");
    }
}

// The store holds new groups back and writes them many at a time, so a
// write that fails may take groups of earlier lines with it: whichever write
// fails, the log never counts an entry the dictionary does not hold, and the
// line it names is the first whose entry is missing.
TEST_F(UwConvertTest, AFailingWriteNeverOverstatesWhatLanded) {
    constexpr unsigned long kLines = 6;
    std::string text;
    for (unsigned long i = 0; i < kLines; ++i) text += "noun" + std::to_string(i) + "\t" + SJ("語") + "\tNOUN\n";
    for (int k = 1; k < 100; ++k) {
        SCOPED_TRACE("write " + std::to_string(k) + " fails");
        gCorvanEngine.RemoveAllDict();
        std::remove(fDictPath.c_str());
        OpenDictionary();
        std::string log;
        {
            FaultyFileSystem files;
            files.FailAt(FaultyFileSystem::Call::kWrite, k, EIO);
            log = Convert(text);
        }
        unsigned long const added = Count();
        if (log.empty()) {
            EXPECT_EQ(added, kLines);
            EXPECT_GT(k, 1);
            return;  // the run made fewer than k writes
        }
        if (added == kLines) {
            EXPECT_EQ(log, kLogCloseWriteError);  // only the map and index
        } else {
            // Line i + 1 holds entry i.
            std::string const note = StopNote(kLogStopWriteError, added + 1, int(added));
            EXPECT_NE(log.find(note), std::string::npos) << log;
        }
    }
    ADD_FAILURE() << "the run never got through";
}

TEST_F(UwConvertTest, FilesThatCannotBeReadAreRefusedWithTheReason) {
    std::string const line = SJ("cat\t猫\tNOUN\n");
    std::string const target = fDir + "/target.txt";
    WriteWholeFile(target, line);
    struct Case {
        char const* what;
        std::function<std::string()> make;  // the path to convert
        char const* note;
    };
    Case const kCases[] = {
        {"missing", [&] { return fDir + "/none/oldUD.txt"; }, kLogTextMissing},
        {"directory", [&] { return fDir; }, kLogTextIsFolder},
        {"symbolic link",
         [&] {
             symlink(target.c_str(), fTextPath.c_str());
             return fTextPath;
         },
         kLogTextIsLink},
        {"FIFO",
         [&] {
             std::string const fifo = fDir + "/fifo";
             mkfifo(fifo.c_str(), 0600);
             return fifo;
         },
         kLogTextNotPlain},
        {"UTF-16",
         [&] {
             std::string const utf16 = fDir + "/utf16.txt";
             WriteWholeFile(utf16, std::string("\xFF\xFE"
                                               "c\0a\0t\0\t\0",
                                               10));
             return utf16;
         },
         kLogTextUtf16},
        {"another user's file",
         [&] {
             // Only root can give a file away; others read a file without
             // permission instead.
             if (geteuid() == 0)
                 chown(target.c_str(), 65534, 65534);
             else
                 chmod(target.c_str(), 0);
             return target;
         },
         geteuid() == 0 ? kLogTextOtherOwner : kLogTextUnreadable},
    };
    for (Case const& c : kCases) {
        SCOPED_TRACE(c.what);
        OpenDictionary();
        std::string const path = c.make();
        EXPECT_EQ(uwConvert(path.c_str()), c.note);
        EXPECT_FALSE(uwLastRunCompleted());
        EXPECT_EQ(Count(), 0u);
    }
    std::remove(fTextPath.c_str());
    std::remove(target.c_str());
    OpenDictionary();
    EXPECT_EQ(Convert(line), "");
    EXPECT_TRUE(uwLastRunCompleted());
}

}  // namespace

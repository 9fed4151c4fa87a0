// How the file is cut into lines: line ends, blocks, long lines.
#include <fcntl.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "engine/userdict/uw_text_reader.h"
#include "uw_convert_fixture.h"

namespace {

// Added, refused and skipped lines, joined by `end`, with `end` after the
// last one too when lastEnd.
std::string MixedText(std::string const& end, bool lastEnd) {
    std::vector<std::string> const lines = {
        SJ("cat\t猫\tNOUN\tcats"), SJ(";; a comment"), SJ("dog\t\tNOUN"), SJ("run\t走る\tVI"), "",
        SJ("quickly\t速く\tADV"),
    };
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 < lines.size() || lastEnd) text += end;
    }
    return text;
}

TEST_F(UwConvertTest, LineEndsGiveTheSameDictionaryAndLog) {
    struct Case {
        char const* name;
        char const* end;
        bool lastEnd;
    };
    Case const cases[] = {
        {"CR", "\r", true}, {"LF", "\n", true}, {"CR LF", "\r\n", true}, {"none at end", "\n", false}};
    std::string const expectedLog = Refused(SJ("dog\t\tNOUN"), kLogENotNihongoyaku);
    std::vector<std::string> firstEntries;
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        gCorvanEngine.RemoveAllDict();
        std::remove(fDictPath.c_str());
        OpenDictionary();
        EXPECT_EQ(Convert(MixedText(c.end, c.lastEnd)), expectedLog);
        std::vector<std::string> const entries = Entries();
        EXPECT_EQ(entries.size(), 3u);
        if (firstEntries.empty()) firstEntries = entries;
        EXPECT_EQ(entries, firstEntries);
    }
}

TEST_F(UwConvertTest, EmptyAndCommentOnlyFilesGiveEmptyLogs) {
    for (std::string const text : {"", "\n", "\r\n\r\n", ";;x\r", ";only"}) {
        EXPECT_EQ(Convert(text), "") << text;
        EXPECT_EQ(Count(), 0u) << text;
        OpenDictionary();
    }
}

TEST_F(UwConvertTest, LineAcrossTheBlockBoundaryIsConverted) {
    std::string text;
    std::size_t lines = 0;
    bool spans = false;
    while (text.size() < 2 * kUwBlockSize + 100) {
        std::size_t const start = text.size();
        text += "word" + std::to_string(lines++) + "\t" + SJ("語") + "\tNOUN\r\n";
        spans = spans || (start < kUwBlockSize && text.size() > kUwBlockSize + 1);
    }
    ASSERT_TRUE(spans);
    EXPECT_EQ(Convert(text), "");
    EXPECT_EQ(Count(), lines);
}

TEST_F(UwConvertTest, LinesOf4095BytesAreReadAnd4096StopTheRun) {
    std::string const before = SJ("cat\t猫\tNOUN");
    std::string const after = SJ("dog\t犬\tNOUN");
    std::string const longest(kUwLineBufferSize - 1, 'a');
    EXPECT_EQ(Convert(before + "\n" + longest + "\n" + after + "\n"), Refused(longest, kLogUnknown));
    EXPECT_EQ(Count(), 2u);

    OpenDictionary();
    std::string const tooLong(kUwLineBufferSize, 'b');
    // The lines before the long one stay added; none after it is read, and
    // the note names the line that stopped the run.
    EXPECT_EQ(Convert(SJ("bird\t鳥\tNOUN\r\n") + tooLong + "\n" + SJ("fish\t魚\tNOUN\n")),
              LineNote(kLogStopLongLine, 2));
    EXPECT_FALSE(uwLastRunCompleted());
    EXPECT_EQ(Count(), 3u);
}

TEST_F(UwConvertTest, LinesHoldingANulAreRefusedWithTheirNumber) {
    std::string const nul(1, '\0');
    // A NUL after the key, a NUL-led line, and a line ending in NULs: none
    // is converted cut short, each is logged, and the run goes on.
    std::string const text = SJ("cat\t猫\tNOUN\tcats") + nul + "junk\n" + nul + SJ("bird\t鳥\tNOUN\n") +
                             SJ("fish\t魚\tNOUN") + nul + nul + "\n" + SJ("dog\t犬\tNOUN\n");
    EXPECT_EQ(Convert(text), Refused(SJ("cat\t猫\tNOUN\tcats"), LineNote(kLogLineHasNul, 1)) +
                                 LineNote(kLogLineHasNul, 2) +
                                 Refused(SJ("fish\t魚\tNOUN"), LineNote(kLogLineHasNul, 3)));
    EXPECT_TRUE(uwLastRunCompleted());
    EXPECT_EQ(Count(), 1u);
}

TEST(UwTextReader, AFileThatShrinksEndsWhereItsDataEnds) {
    ScratchFolder folder("uw_text_reader_test");
    std::string const path = folder / "text";
    int const fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_GE(fd, 0);
    std::string text;
    for (int i = 0; text.size() < 2 * kUwBlockSize; ++i) text += "line" + std::to_string(100000 + i) + "\n";
    ASSERT_EQ(write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));

    UwTextReader reader;
    ASSERT_EQ(reader.Open(path.c_str()), UwOpenResult::kOpened);
    // Cut after the first block was read: the second read gets fewer bytes
    // than the size promised, the third none.
    std::size_t const kept = kUwBlockSize + 100;
    ASSERT_EQ(ftruncate(fd, static_cast<off_t>(kept)), 0);
    close(fd);

    std::string readBack;
    char line[kUwLineBufferSize];
    int lines = 0;
    while (reader.ReadLine(line) == UwLineStatus::kLine && lines++ < 100000) readBack += std::string(line) + "\n";
    EXPECT_TRUE(reader.AtEnd());
    // Every byte once, in order; the cut last line without its end.
    EXPECT_EQ(readBack.substr(0, kept), text.substr(0, kept));
    EXPECT_EQ(readBack.size(), kept + (text[kept - 1] == '\n' ? 0 : 1));
}

}  // namespace

// The dictionary tool prints a user dictionary as a printed dictionary does.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "foundation/japanese_text.h"
#include "run_command.h"
#include "support/scratch_folder.h"
#include "userdict/ud_fixture.h"

namespace {

CommandOutcome RunUdinspect(std::string const& arguments) { return RunTool("udinspect", arguments); }

// A noun (with its plural) and a verb both spelled "record", and a noun
// "apple", in a file.
class UdinspectPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        UDFixture fixture;
        fixture.AddGroup(
            {MakeEntry("record", UDPOS_N_SING, SJIS("記録")), MakeEntry("records", UDPOS_N_PLURAL, SJIS("記録"))});
        fixture.AddGroup({MakeEntry("record", UDPOS_VT_INF, SJIS("記録する"), "", "N", "wo")});
        fixture.AddGroup({MakeEntry("apple", UDPOS_N_SING, SJIS("林檎"))});
        std::vector<unsigned char> const bytes = fixture.Bytes();
        std::ofstream(fPath, std::ios::binary).write(reinterpret_cast<char const*>(bytes.data()), bytes.size());
    }

    ScratchFolder fFolder{"udinspect_print_test"};
    std::string const fPath = fFolder / "user.dic";
};

// Each headword once; an inflected form ("records") prints its base's group.
TEST_F(UdinspectPrintTest, PrintsEveryEntryOrTheEntriesOfAWord) {
    std::string const record = SJIS("record (n) records\n    記録\nrecord (v)\n  (vt)\n    記録する\n");
    std::string const records = SJIS("record (n) records\n    記録\n");
    std::string const apple = SJIS("apple (n)\n    林檎\n");

    CommandOutcome const all = RunUdinspect("--print " + fPath);
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.output, record + records + apple);

    CommandOutcome const word = RunUdinspect("--print " + fPath + " RECORD");
    EXPECT_EQ(word.exitCode, 0);
    EXPECT_EQ(word.output, record);

    CommandOutcome const none = RunUdinspect("--print " + fPath + " pear");
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.output, "");
}

TEST_F(UdinspectPrintTest, RefusesAMissingFileAndExtraArguments) {
    EXPECT_EQ(RunUdinspect("--print " + fPath + ".missing").exitCode, 2);
    EXPECT_EQ(RunUdinspect("--print " + fPath + " record more").exitCode, 2);
}

}  // namespace

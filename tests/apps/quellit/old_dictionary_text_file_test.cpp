#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "apps/quellit/old_dictionary_text_file.h"
#include "support/scratch_folder.h"

namespace quellit {
namespace {

class OldDictionaryTextFile : public ::testing::Test {
protected:
    // Nothing but the fixed name (and what the test put there) is left behind.
    int FilesInFolder() const {
        std::string const command = "test $(ls -A " + folder_ + " | wc -l) -eq ";
        for (int n = 0; n < 4; ++n)
            if (std::system((command + std::to_string(n)).c_str()) == 0) return n;
        return -1;
    }

    ScratchFolder fScratch{"oldud-test"};
    std::string const folder_ = fScratch.Path();
    std::string const path_ = folder_ + "/oldUD.txt";
};

TEST_F(OldDictionaryTextFile, ReplacesOurOwnFileWholly) {
    std::string error;
    ASSERT_TRUE(WriteOldDictionaryText(path_, std::string("\ne0\r\n\x82\xA0\r", 8), &error)) << error;
    ASSERT_TRUE(WriteOldDictionaryText(path_, "\nshort\r", &error)) << error;
    EXPECT_EQ(ReadWholeFile(path_), "\nshort\r");
    struct stat info;
    ASSERT_EQ(stat(path_.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(OldDictionaryTextFile, NeverFollowsOrReplacesWhatIsNotOurPlainFile) {
    std::string const victim = folder_ + "/victim";
    std::ofstream(victim) << "keep";
    ASSERT_EQ(symlink(victim.c_str(), path_.c_str()), 0);
    std::string error;
    EXPECT_FALSE(WriteOldDictionaryText(path_, "\nnew\r", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadWholeFile(victim), "keep");
    EXPECT_EQ(FilesInFolder(), 2);
}

TEST_F(OldDictionaryTextFile, AFolderThatCannotBeWrittenFailsCleanly) {
    std::string error;
    EXPECT_FALSE(WriteOldDictionaryText(folder_ + "/missing/oldUD.txt", "x", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace quellit

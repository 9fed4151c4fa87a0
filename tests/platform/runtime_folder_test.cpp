#include "platform/runtime_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "messaging_test_support.h"

namespace {

TEST(RuntimeFolder, IsMadeForThisUserAlone) {
    messaging_test::ScopedRuntimeDir runtimeDir;
    EXPECT_EQ(platform::RuntimeFolder(), runtimeDir.Folder());
    struct stat info {};
    ASSERT_EQ(stat(runtimeDir.Folder().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, geteuid());
    EXPECT_EQ(platform::RuntimeFolder(), runtimeDir.Folder());  // found again as it is
}

TEST(RuntimeFolder, FoldersOthersCanReachAreRefused) {
    struct Case {
        char const* name;
        std::function<bool(std::string const& folder, std::string const& base)> spoil;
    } const cases[] = {
        {"others may enter",
         [](std::string const& folder, std::string const&) {
             return mkdir(folder.c_str(), 0711) == 0 && chmod(folder.c_str(), 0711) == 0;
         }},
        {"the group may read",
         [](std::string const& folder, std::string const&) {
             return mkdir(folder.c_str(), 0740) == 0 && chmod(folder.c_str(), 0740) == 0;
         }},
        {"a link to a private folder",
         [](std::string const& folder, std::string const& base) {
             return mkdir((base + "/elsewhere").c_str(), 0700) == 0 &&
                    symlink((base + "/elsewhere").c_str(), folder.c_str()) == 0;
         }},
        {"a plain file",
         [](std::string const& folder, std::string const&) {
             FILE* file = fopen(folder.c_str(), "w");
             return file != nullptr && fclose(file) == 0;
         }},
        {"another user's",
         [](std::string const& folder, std::string const&) {
             // Only the superuser can give a folder away.
             return geteuid() == 0 && mkdir(folder.c_str(), 0700) == 0 && chown(folder.c_str(), 65534, 65534) == 0;
         }},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(c.name);
        messaging_test::ScopedRuntimeDir runtimeDir;
        if (!c.spoil(runtimeDir.Folder(), runtimeDir.Path())) continue;
        EXPECT_EQ(platform::RuntimeFolder(), "");
    }
}

}  // namespace

#include "engine/userdict/ud_file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "userdict/ud_fixture.h"

namespace {

TEST(UDFileIO, WritesAndReadsWholeRangesAtOffsets) {
    MemoryFile file({});
    UDWriteUlongAt(file.Fd(), 100, 0x2FAD0806);
    EXPECT_EQ(UDFileSize(file.Fd()), 104u);
    EXPECT_EQ(UDReadUlongAt(file.Fd(), 100), 0x2FAD0806u);
    std::vector<unsigned char> big(1 << 20, 0x5A);
    UDWriteAt(file.Fd(), 7, big.data(), big.size());
    std::vector<unsigned char> back(big.size());
    UDReadAt(file.Fd(), 7, back.data(), back.size());
    EXPECT_EQ(back, big);
}

// Runs `operation` and gives the exception it threw.
template <typename Exception, typename Operation>
Exception Thrown(Operation operation) {
    try {
        operation();
    } catch (Exception const& e) {
        return e;
    }
    ADD_FAILURE() << "nothing thrown";
    return Exception("", 0);
}

TEST(UDFileIO, AReadPastTheEndIsAFileReadErrorNamedHiMom) {
    MemoryFile file({1, 2, 3});
    unsigned char buffer[4];
    FileReadError const e = Thrown<FileReadError>([&] { UDReadAt(file.Fd(), 0, buffer, 4); });
    EXPECT_STREQ(e.Message(), "hi mom");
    EXPECT_EQ(e.Code(), 0);
}

TEST(UDFileIO, AFullDiskIsFileNoSpaceError) {
    int fd = ::open("/dev/full", O_WRONLY);
    if (fd < 0) GTEST_SKIP() << "no /dev/full";
    unsigned char byte = 1;
    bool thrown = false;
    try {
        UDWriteAt(fd, 0, &byte, 1);
    } catch (FileNoSpaceError const& e) {
        thrown = true;
        EXPECT_STREQ(e.Message(), "hi mom");
        EXPECT_EQ(e.Code(), 28);
    }
    ::close(fd);
    EXPECT_TRUE(thrown);
}

TEST(UDFileIO, OtherSystemErrorsCarryErrno) {
    int fd = ::open("/dev/null", O_RDONLY);
    ASSERT_GE(fd, 0);
    unsigned char byte = 1;
    FileException const e = Thrown<FileException>([&] { UDWriteAt(fd, 0, &byte, 1); });  // not open for writing
    EXPECT_EQ(e.Code(), EBADF);
    EXPECT_STREQ(e.Message(), "hi mom");
    ::close(fd);
}

TEST(UDFileIO, AnOffsetPastWhatTheSystemAddressesIsASeekError) {
    MemoryFile file({1, 2, 3});
    unsigned char byte;
    FileSeekError const e = Thrown<FileSeekError>([&] { UDReadAt(file.Fd(), uint64_t{1} << 63, &byte, 1); });
    EXPECT_EQ(e.Code(), EOVERFLOW);
}

}  // namespace

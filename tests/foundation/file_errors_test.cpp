#include "engine/foundation/file_errors.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

TEST(FileException, KeepsShortMessagesAndCutsLongOnes) {
    struct Case {
        std::string message;
        std::string kept;
    };
    std::string const cut = std::string(1020, 'p') + "...";
    Case const cases[] = {
        {"dict.ud", "dict.ud"},
        {"", ""},
        {std::string(1023, 'p'), std::string(1023, 'p')},
        {std::string(1024, 'p'), cut},
        {std::string(2000, 'p'), cut},
    };
    for (Case const& c : cases) {
        SCOPED_TRACE(c.message.size());
        FileException e(c.message.c_str(), 5);
        EXPECT_EQ(e.Message(), c.kept);
        EXPECT_EQ(e.Code(), 5);
    }
    EXPECT_STREQ(FileException(nullptr, 0).Message(), "");
}

enum class Thrown { kNoSpace, kAccessDenied, kTooManyFiles, kPlain };

Thrown Classify(void (*thrower)(char const*), int error, FileException* caught) {
    errno = error;
    try {
        thrower("some/file");
    } catch (FileNoSpaceError const& e) {
        *caught = e;
        return Thrown::kNoSpace;
    } catch (FileAccessDenied const& e) {
        *caught = e;
        return Thrown::kAccessDenied;
    } catch (TooManyFilesOpened const& e) {
        *caught = e;
        return Thrown::kTooManyFiles;
    } catch (FileException const& e) {
        *caught = e;
        return Thrown::kPlain;
    }
    ADD_FAILURE() << "nothing thrown";
    return Thrown::kPlain;
}

void ThrowErrnoIgnoringItsNumber(char const* name) { FileException::ThrowErrno(name, 12345); }

TEST(FileException, ThrowLastErrorPicksTheMemberForErrno) {
    struct Case {
        int error;
        Thrown thrown;
        int code;
    };
    Case const cases[] = {
        {ENOSPC, Thrown::kNoSpace, 28},   {EACCES, Thrown::kAccessDenied, 13}, {EMFILE, Thrown::kTooManyFiles, 24},
        {ENOENT, Thrown::kPlain, ENOENT}, {EIO, Thrown::kPlain, EIO},
    };
    for (auto thrower : {&FileException::ThrowLastError, &ThrowErrnoIgnoringItsNumber}) {
        for (Case const& c : cases) {
            SCOPED_TRACE(c.error);
            FileException caught(nullptr, -1);
            EXPECT_EQ(Classify(thrower, c.error, &caught), c.thrown);
            EXPECT_EQ(caught.Code(), c.code);
            EXPECT_STREQ(caught.Message(), "some/file");
        }
    }
}

TEST(FileException, MembersAreCaughtAsFileExceptionsWithTheirCodes) {
    auto codeOf = [](auto thrower) {
        try {
            thrower();
        } catch (FileException const& e) {
            EXPECT_STREQ(e.Message(), "f");
            return e.Code();
        }
        return -1;
    };
    EXPECT_EQ(codeOf([] { throw NotAUserDictionaryFile("f"); }), 0);
    EXPECT_EQ(codeOf([] { throw UserDictionaryFileCorrupt("f"); }), 0);
    EXPECT_EQ(codeOf([] { throw CorruptDictionary("f"); }), 0);
    EXPECT_EQ(codeOf([] { throw LockAttemptFailed("f"); }), 0);
    EXPECT_EQ(codeOf([] { throw FileNoSpaceError("f"); }), 28);
    EXPECT_EQ(codeOf([] { throw FileReadError("f", EIO); }), EIO);
    EXPECT_EQ(codeOf([] { throw FileFlushError("f", ENOSPC, 7); }), ENOSPC);
}

}  // namespace

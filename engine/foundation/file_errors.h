#pragma once
// The engine's file errors.  Every failing open, create, read, write, seek,
// flush or close in the engine's file code throws one of these by value; the
// message is, as a rule, the name of the file concerned and the code the errno
// value when the thrower knows it (0 otherwise).
#include <cstddef>

class FileException {
public:
    static constexpr std::size_t kMessageSize = 1024;

    // A null message gives an empty one; a message longer than 1023 bytes keeps
    // its first 1020 bytes followed by "...".
    FileException(char const* message, int code, long unused = 0);
    explicit FileException(char const* message) : FileException(message, 0) {}

    int Code() const { return fCode; }
    char const* Message() const { return fMessage; }

    // Throws the member of the family that matches the current errno: 24
    // TooManyFilesOpened, 28 FileNoSpaceError, 13 FileAccessDenied, anything
    // else FileException(name, errno).  Never returns.
    [[noreturn]] static void ThrowLastError(char const* name);
    [[noreturn]] static void ThrowErrno(char const* name, int unused);

private:
    int fCode;
    char fMessage[kMessageSize];
};

// Members whose code is fixed by what they mean.
#define DECLARE_FILE_EXCEPTION_WITH_CODE(Name, code_value)                         \
    class Name : public FileException {                                            \
    public:                                                                        \
        explicit Name(char const* message) : FileException(message, code_value) {} \
    };

DECLARE_FILE_EXCEPTION_WITH_CODE(FileNoSpaceError, 28)
DECLARE_FILE_EXCEPTION_WITH_CODE(FileAccessDenied, 13)
DECLARE_FILE_EXCEPTION_WITH_CODE(TooManyFilesOpened, 24)
DECLARE_FILE_EXCEPTION_WITH_CODE(FileLockedException, 0)
DECLARE_FILE_EXCEPTION_WITH_CODE(UnsupportedFileVersion, 0)
DECLARE_FILE_EXCEPTION_WITH_CODE(CorruptFile, 0)
DECLARE_FILE_EXCEPTION_WITH_CODE(AlreadyOpenFileError, 0)
DECLARE_FILE_EXCEPTION_WITH_CODE(FileNotFoundException, 0)
DECLARE_FILE_EXCEPTION_WITH_CODE(HtmlConnotReadException, 0)
DECLARE_FILE_EXCEPTION_WITH_CODE(OfficeConnotReadException, 0)
DECLARE_FILE_EXCEPTION_WITH_CODE(PDFConnotReadException, 0)
// The file is not a user dictionary at all (magic missing or under 4 bytes).
DECLARE_FILE_EXCEPTION_WITH_CODE(NotAUserDictionaryFile, 0)
// A block that must be an entry head is not one.
DECLARE_FILE_EXCEPTION_WITH_CODE(UserDictionaryFileCorrupt, 0)
// A compiled dictionary file is not in the expected format, is cut short, or
// the compiler met a limit of the format.
DECLARE_FILE_EXCEPTION_WITH_CODE(CorruptDictionary, 0)
// Another user of a dictionary holds a lock that could not be had.
DECLARE_FILE_EXCEPTION_WITH_CODE(LockAttemptFailed, 0)

#undef DECLARE_FILE_EXCEPTION_WITH_CODE

// Members that carry the code their thrower gives.
#define DECLARE_FILE_EXCEPTION_WITH_GIVEN_CODE(Name)                                                   \
    class Name : public FileException {                                                                \
    public:                                                                                            \
        Name(char const* message, int code, long unused = 0) : FileException(message, code, unused) {} \
    };

DECLARE_FILE_EXCEPTION_WITH_GIVEN_CODE(FileReadError)
DECLARE_FILE_EXCEPTION_WITH_GIVEN_CODE(FileWriteError)
DECLARE_FILE_EXCEPTION_WITH_GIVEN_CODE(FileSeekError)
DECLARE_FILE_EXCEPTION_WITH_GIVEN_CODE(FileFlushError)

#undef DECLARE_FILE_EXCEPTION_WITH_GIVEN_CODE

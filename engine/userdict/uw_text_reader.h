#pragma once
// The conversion file read in fixed blocks and split into lines in place.
#include <sys/types.h>
#include <cstddef>

inline constexpr std::size_t kUwBlockSize = 30720;
// A line holds at most kUwLineBufferSize - 1 bytes and its NUL.
inline constexpr std::size_t kUwLineBufferSize = 4096;

// What became of opening the file: kOpened, or why nothing can be read.
enum class UwOpenResult {
    kOpened,
    kMissing,
    kFolder,
    kSymbolicLink,
    kNotPlainFile,  // a FIFO, a device, a socket
    kOtherOwner,
    kUnreadable,  // no permission, or the first read failed
    kUtf16,       // begins with a UTF-16 byte order mark
};

enum class UwLineStatus {
    kLine,       // a line was read; it may be empty
    kEndOfData,  // nothing was left to read
    kReadError,
    kTooLong,  // kUwLineBufferSize bytes without a line end
};

class UwTextReader {
public:
    UwTextReader() = default;
    ~UwTextReader() { Close(); }
    UwTextReader(UwTextReader const&) = delete;
    UwTextReader& operator=(UwTextReader const&) = delete;

    // Opens the file and reads its first block.  Refuses (nothing to read) a
    // symbolic link, anything but a regular file, a file owned by another
    // user and a failing read, since the conversion file lives in a
    // directory every user can write to; and a UTF-16 file, which is no
    // Shift-JIS text.
    UwOpenResult Open(char const* path);

    // Reads the next line, ended by CR or LF (consumed, not stored), or by
    // the end of the data, into `line` with a NUL.  A CR LF pair thus gives a
    // line and an empty line.
    UwLineStatus ReadLine(char (&line)[kUwLineBufferSize]);

    // The bytes ReadLine stored last, NULs within the line included.
    std::size_t LineLength() const { return fLineLength; }

    // The number of the line ReadLine read last, counted from 1 as an editor
    // counts them: CR, LF and CR LF each end one line.
    unsigned long LineNumber() const { return lineNumber_; }

    // True once every byte of the file has been taken.
    bool AtEnd() const { return sProcPtr == sReadSize && sFileSize <= 0; }

    // Closes the descriptor, once; the state then holds no data.
    void Close();

private:
    bool ReadBlock();
    bool StartsWithUtf16Mark() const;

    int textFileFD = -1;
    char sBuffer[kUwBlockSize] = {};
    ssize_t sReadSize = 0;  // valid bytes in sBuffer
    ssize_t sProcPtr = 0;   // next byte of sBuffer to take
    off_t sFileSize = 0;    // bytes of the file not yet read into sBuffer
    unsigned long lineNumber_ = 0;
    std::size_t fLineLength = 0;
    bool endedAtCR_ = false;  // the last line ended at CR: an LF next completes it
};

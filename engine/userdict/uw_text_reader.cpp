#include "engine/userdict/uw_text_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "platform/files/file_system.h"

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

UwOpenResult UwTextReader::Open(char const* path) {
    Close();
    // O_NONBLOCK keeps a FIFO planted at the path from blocking the open;
    // it is refused just below.
    textFileFD = Files().Open(path, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0);
    if (textFileFD < 0) {
        if (errno == ENOENT || errno == ENOTDIR) return UwOpenResult::kMissing;
        return errno == ELOOP ? UwOpenResult::kSymbolicLink : UwOpenResult::kUnreadable;
    }
    UwOpenResult result = UwOpenResult::kOpened;
    FileStatus info;
    if (Files().Status(textFileFD, &info) != 0) {
        result = UwOpenResult::kUnreadable;
    } else if (info.directory) {
        result = UwOpenResult::kFolder;
    } else if (!info.regular) {
        result = UwOpenResult::kNotPlainFile;
    } else if (info.owner != geteuid()) {
        result = UwOpenResult::kOtherOwner;
    } else {
        sFileSize = static_cast<off_t>(info.size);
        if (!ReadBlock())
            result = UwOpenResult::kUnreadable;
        else if (StartsWithUtf16Mark())
            result = UwOpenResult::kUtf16;
    }
    if (result != UwOpenResult::kOpened) Close();
    return result;
}

bool UwTextReader::StartsWithUtf16Mark() const {
    if (sReadSize < 2) return false;
    auto const first = static_cast<unsigned char>(sBuffer[0]);
    auto const second = static_cast<unsigned char>(sBuffer[1]);
    return (first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF);
}

bool UwTextReader::ReadBlock() {
    auto const wanted = static_cast<std::size_t>(std::min<off_t>(sFileSize, kUwBlockSize));
    ssize_t const got = Files().Read(textFileFD, sBuffer, wanted);
    sProcPtr = 0;
    if (got < 0) {
        sReadSize = 0;
        return false;
    }
    // The file may have shrunk since its size was taken: what was actually
    // read counts, and reading nothing is the end of the data.
    sReadSize = got;
    sFileSize = got == 0 ? 0 : sFileSize - got;
    return true;
}

UwLineStatus UwTextReader::ReadLine(char (&line)[kUwLineBufferSize]) {
    if (AtEnd()) {
        line[0] = '\0';
        return UwLineStatus::kEndOfData;
    }
    std::size_t stored = 0;
    fLineLength = 0;
    bool const afterCR = endedAtCR_;
    endedAtCR_ = false;
    ++lineNumber_;
    for (;;) {
        if (sProcPtr == sReadSize) {
            if (sFileSize <= 0) break;
            if (!ReadBlock()) return UwLineStatus::kReadError;
            continue;
        }
        char const c = sBuffer[sProcPtr++];
        if (IsLineEnd(c)) {
            // The LF of a CR LF pair gives an empty line but no new number.
            if (c == '\n' && stored == 0 && afterCR) --lineNumber_;
            endedAtCR_ = c == '\r';
            break;
        }
        if (stored == kUwLineBufferSize - 1) return UwLineStatus::kTooLong;
        line[stored++] = c;
    }
    line[stored] = '\0';
    fLineLength = stored;
    return UwLineStatus::kLine;
}

void UwTextReader::Close() {
    if (textFileFD >= 0) Files().Close(textFileFD);
    textFileFD = -1;
    sReadSize = 0;
    sProcPtr = 0;
    sFileSize = 0;
    lineNumber_ = 0;
    fLineLength = 0;
    endedAtCR_ = false;
}

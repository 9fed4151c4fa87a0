#include "engine/userdict/uw_text_reader.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "platform/files/file_system.h"

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

bool UwTextReader::Open(char const* path) {
    Close();
    // O_NONBLOCK keeps a FIFO planted at the path from blocking the open;
    // it is refused just below.
    textFileFD = Files().Open(path, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0);
    if (textFileFD < 0) return false;
    FileStatus info;
    if (Files().Status(textFileFD, &info) != 0 || !info.regular || info.owner != geteuid()) {
        Close();
        return false;
    }
    sFileSize = static_cast<off_t>(info.size);
    if (!ReadBlock()) {
        Close();
        return false;
    }
    return true;
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
    return UwLineStatus::kLine;
}

void UwTextReader::Close() {
    if (textFileFD >= 0) Files().Close(textFileFD);
    textFileFD = -1;
    sReadSize = 0;
    sProcPtr = 0;
    sFileSize = 0;
    lineNumber_ = 0;
    endedAtCR_ = false;
}

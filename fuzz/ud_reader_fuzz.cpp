// Treats the input as a user dictionary file and inspects all of it: header,
// description, map, index, and every block and entry.  Whatever the bytes,
// the reader must come back with a verdict: no crash, no hang, no allocation
// larger than the input allows.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/ud_inspect.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int fd = ::memfd_create("ud_reader_fuzz", 0);
    if (fd < 0) return 0;
    size_t written = 0;
    while (written < size) {
        ssize_t n = ::write(fd, data + written, size - written);
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    if (written == size) {
        try {
            UDInspection const inspection = InspectUDFile(fd);
            (void)inspection.Verified();
        } catch (FileException const&) {
            // A read the file cannot satisfy is a file error, not a defect.
        }
    }
    ::close(fd);
    return 0;
}

// Treats the input as a conversion text file and converts it into a fresh
// user dictionary.  Whatever the bytes: no crash, no sanitizer report, and
// the dictionary file verifies afterwards.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/ud_create.h"
#include "engine/userdict/ud_inspect.h"
#include "engine/userdict/uw_convert.h"

namespace {

// One temporary directory for the whole run, holding the text file and the
// dictionary; removed at exit.
class Scratch {
public:
    Scratch() {
        char pattern[] = "/tmp/uw_convert_fuzz.XXXXXX";
        if (mkdtemp(pattern)) fDir = pattern;
    }
    ~Scratch() {
        std::remove(Text().c_str());
        std::remove(Dictionary().c_str());
        if (!fDir.empty()) rmdir(fDir.c_str());
    }
    bool Made() const { return !fDir.empty(); }
    std::string Text() const { return fDir + "/oldUD.txt"; }
    std::string Dictionary() const { return fDir + "/user.dic"; }

private:
    std::string fDir;
};

bool WriteAll(std::string const& path, void const* data, size_t size) {
    int const fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool const ok = size == 0 || write(fd, data, size) == static_cast<ssize_t>(size);
    close(fd);
    return ok;
}

bool DictionaryVerifies(std::string const& path) {
    int const fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    bool const verified = InspectUDFile(fd).Verified();
    close(fd);
    return verified;
}

// The bytes of a new, empty dictionary, made once: each input starts from a
// copy, which costs one write instead of building the index again.
std::vector<unsigned char> const& EmptyDictionary(std::string const& path) {
    static std::vector<unsigned char> const bytes = [&path] {
        std::vector<unsigned char> made;
        int const fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) return made;
        CreateUDFile(fd);
        made.resize(static_cast<std::size_t>(lseek(fd, 0, SEEK_END)));
        if (pread(fd, made.data(), made.size(), 0) != static_cast<ssize_t>(made.size())) made.clear();
        close(fd);
        return made;
    }();
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Scratch const scratch;
    if (!scratch.Made()) return 0;
    std::vector<unsigned char> const& empty = EmptyDictionary(scratch.Dictionary());
    if (empty.empty() || !WriteAll(scratch.Text(), data, size) ||
        !WriteAll(scratch.Dictionary(), empty.data(), empty.size())) {
        return 0;
    }
    gCorvanEngine.RemoveAllDict();
    if (gCorvanEngine.AddUserDict(scratch.Dictionary(), false) != kUserDictOpenedReadWrite) abort();
    std::string const log = uwConvert(scratch.Text().c_str());
    if (!log.empty() && log.back() != '\r') abort();  // every log line ends with CR
    if (!DictionaryVerifies(scratch.Dictionary())) abort();
    return 0;
}

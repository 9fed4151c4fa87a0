// Arbitrary bytes as the persistent part-of-speech file, read in lenient
// mode (strict mode ends the process on a short file, by design).
#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/foundation/persistent_pos.h"

namespace {

// A folder of our own, named by "MTBINC", holding the persistent file; made
// on the first run and removed at exit.
class PersistentFolder {
public:
    PersistentFolder() {
        if (mkdtemp(fFolder) == nullptr) std::abort();
        fFile = std::string(fFolder) + "/PersistentPOSs.x86";
        setenv("MTBINC", (std::string(fFolder) + "/OutBincGroup").c_str(), 1);
    }
    ~PersistentFolder() {
        std::remove(fFile.c_str());
        rmdir(fFolder);
    }

    std::string const& File() const { return fFile; }

private:
    char fFolder[32] = "/tmp/persistent_pos_fuzz_XXXXXX";
    std::string fFile;
};

std::string const& PersistentFile() {
    static PersistentFolder const folder;
    return folder.File();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string const& name = PersistentFile();
    FILE* file = std::fopen(name.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size != 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
    ReadPersistentPOSFile(false);
    return 0;
}

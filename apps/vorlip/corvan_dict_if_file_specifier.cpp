#include "apps/vorlip/corvan_dict_if_file_specifier.h"

#include <cstdio>
#include <memory>
#include <string>

#include "engine/foundation/file_access.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"
#include "platform/files/file_system.h"

namespace {

// Another program holding the file exclusively is found before anything is
// read: a shared lock taken and given back at once.
void ProbeAdvisoryLock(int fd, char const* path) {
    if (Files().Lock(fd, FileLockMode::kShared) != 0) throw LockAttemptFailed(path);
    Files().Lock(fd, FileLockMode::kUnlock);
}

FILE* OpenExistingStream(FFSSpec const& spec, bool readOnly, bool* writable) {
    *writable = false;
    if (!readOnly) {
        if (FILE* stream = FOpenExisting(spec, "r+", false, false, false)) {
            *writable = true;
            return stream;
        }
    }
    return FOpenExisting(spec, "r", false, false, false);
}

// The dictionary in the stream; the stream is closed when that fails.
Dictionary_EJ_35UserDict OpenDictionary(FILE* stream, bool writable, char const* path) {
    try {
        ProbeAdvisoryLock(fileno(stream), path);
        return Dictionary_EJ_35UserDict(stream, writable);
    } catch (...) {
        std::fclose(stream);
        throw;
    }
}

// The name the open dictionary carries; empty when the file's name has no
// short Shift-JIS form.
std::string DisplayNameOf(FSSpec const& spec) {
    unsigned char name[64];
    if (qwcFSSpecStr63Name(spec, name) != kFSSpecNoErr) return std::string();
    return std::string(reinterpret_cast<char const*>(name + 1), name[0]);
}

}  // namespace

short AddUserDict(FSSpec const& spec, bool readOnly) {
    FFSSpec path;
    try {
        path = FFSSpec(spec.path.c_str());
    } catch (FileException const&) {
        return kUserDictOpenFailed;  // too long to be opened whole
    }
    bool writable = false;
    FILE* stream = OpenExistingStream(path, readOnly, &writable);
    if (stream == nullptr) return kUserDictOpenFailed;

    Dictionary_EJ_35UserDict dictionary = OpenDictionary(stream, writable, path.Path());
    // From here on the dictionary closes the stream.
    if (SimpleFileLock_* lock = dictionary.GetLockingInterface()) lock->UseAdvisoryLock(fileno(stream));
    return RegisterUserDictionary(dictionary, writable, DisplayNameOf(spec));
}

std::vector<uint32_t> MissingEntriesOfUserDict(short n) {
    try {
        auto* groups = UserDictAt(n).GetDictionary().GetNamedInterfaceOf<UD35EntryGroupInterface_EJ>();
        if (groups != nullptr) return groups->MissingEntries();
    } catch (...) {
        // No such dictionary.
    }
    return {};
}

short MakeNewUserDict(FSSpec const& spec, uint32_t creator, uint32_t type) {
    return gCorvanEngine.MakeNewUserDict(spec.path, creator, type);
}

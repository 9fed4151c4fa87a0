// The dictionary facade: opening and creating user dictionaries, closing
// every dictionary, and the user-dictionary write lock.
#include <cerrno>
#include <cstdio>
#include <exception>
#include <memory>

#include "engine/foundation/file_access.h"
#include "engine/foundation/file_errors.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"

CorvanDictIF gCorvanEngine;

void FileClose(FILE* stream, char const* name) {
    if (std::fclose(stream) == 0) return;
    if (errno == ENOSPC) throw FileNoSpaceError(name);
    FileException::ThrowLastError(name);
}

namespace {

// A stream on an existing file, the writable flag with it; null when
// neither open succeeds.
FILE* OpenUserDictStream(FFSSpec const& spec, bool readOnly, bool* writable) {
    *writable = false;
    if (!readOnly) {
        FILE* stream = FOpenExisting(spec, "r+", false, false, false);
        if (stream != nullptr) {
            *writable = true;
            return stream;
        }
    }
    return FOpenExisting(spec, "r", false, false, false);
}

}  // namespace

short CorvanDictIF::AddUserDict(std::string const& path, bool readOnly) {
    FILE* stream = nullptr;
    try {
        FFSSpec const spec(path.c_str());
        // Creating is exclusive: a file that is there already, whatever a
        // stat of it would say, is opened as it is and never emptied.
        if (!readOnly) MakeNewUserDict(path, 0x20202020, 0x20202020);
        bool writable = false;
        stream = OpenUserDictStream(spec, readOnly, &writable);
        if (stream == nullptr) return kUserDictOpenFailed;

        Dictionary_EJ_35UserDict dictionary(stream, writable);
        stream = nullptr;  // the dictionary closes it from here on
        // Loading the caches surveys the blocks; damage found there would be
        // buried under whatever was written next.
        auto* groups = dictionary.GetNamedInterfaceOf<UD35EntryGroupInterface_EJ>();
        if (writable && groups != nullptr && groups->IsDamaged()) return kUserDictDamaged;
        return RegisterUserDictionary(dictionary, writable);
    } catch (...) {
        if (stream != nullptr) std::fclose(stream);
        return kUserDictOpenFailed;
    }
}

short CorvanDictIF::MakeNewUserDict(std::string const& path, uint32_t, uint32_t) {
    try {
        FILE* stream = FCreate(FFSSpec(path.c_str()), "w");
        if (stream == nullptr) return -1;
        FileClose(stream, path.c_str());
        return 0;
    } catch (...) {
        return -1;
    }
}

short CorvanDictIF::GetDictFileName(short n, std::string* name) {
    if (n < 0 || static_cast<std::size_t>(n) >= fOpenDictionaries.size()) return 0;
    name->clear();
    return 1;
}

void CorvanDictIF::RemoveAllDict() {
    // Releasing the lock writes the map and index back; when that fails the
    // dictionaries are still closed (the file layer rebuilds them from the
    // blocks) and the failure is reported afterwards.
    std::exception_ptr unlockFailure;
    try {
        UnlockUserDict();
    } catch (...) {
        unlockFailure = std::current_exception();
    }
    ResetGlobal();
    fEJUserDict.clear();
    fOpenDictionaries.clear();
    if (unlockFailure) std::rethrow_exception(unlockFailure);
}

void CorvanDictIF::LockUserDict(short n) {
    UnlockUserDict();
    SimpleFileLock_* lock = UserDictAt(n).GetDictionary().GetLockingInterface();
    auto holder = std::make_unique<EJUserDictLockHolder>();
    if (lock != nullptr) {
        // Recorded only once held, so that unlocking never releases a write
        // lock somebody else holds.
        lock->AcquireWriteLock(0.0f);
        holder->locks.push_back(lock);
    }
    fEJUserDictLock = std::move(holder);
}

void CorvanDictIF::UnlockUserDict() {
    std::unique_ptr<EJUserDictLockHolder> holder = std::move(fEJUserDictLock);
    if (!holder) return;
    std::exception_ptr firstFailure;
    for (SimpleFileLock_* lock : holder->locks) {
        try {
            if (lock != nullptr) lock->ReleaseWriteLock();
        } catch (...) {
            if (!firstFailure) firstFailure = std::current_exception();
        }
    }
    if (firstFailure) std::rethrow_exception(firstFailure);
}

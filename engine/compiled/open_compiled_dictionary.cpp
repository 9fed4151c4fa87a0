#include "engine/compiled/open_compiled_dictionary.h"

#include <cerrno>

#include "engine/compiled/compiled_dictionary_40.h"
#include "engine/compiled/compiled_dictionary_50.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/module_init.h"
#include "platform/files/file_system.h"

namespace {

ModuleCounters const sModuleCounters;

// A second descriptor on the file for the 4.0 attempt, since the 5.0 reader
// closes the one it was given when it refuses the file.
int DuplicateForFallback(int fd) {
    int const duplicate = Files().Duplicate(fd);
    if (duplicate >= 0) return duplicate;
    int const error = errno;
    Files().Close(fd);
    if (error == EMFILE || error == ENFILE) throw TooManyFilesOpened("compiled dictionary");
    errno = error;
    FileException::ThrowLastError("compiled dictionary");
}

}  // namespace

Dictionary_EX OpenCompiledDictionaryInAppropriateFormat(int fd) {
    int const duplicate = DuplicateForFallback(fd);
    try {
        Dictionary_EX dictionary = Dictionary_EX_50Compiled(fd);
        Files().Close(duplicate);
        return dictionary;
    } catch (CorruptDictionary const&) {
        // Not a 5.0 file (the 5.0 reader has closed fd): try 4.0.
    } catch (...) {
        Files().Close(duplicate);
        throw;
    }
    return Dictionary_EX_40Compiled(duplicate);
}

// Opening the dictionaries named on e2j's command line.
#include "tools/e2j/dictionaries.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include "engine/compiled/open_compiled_dictionary.h"
#include "engine/foundation/file_access.h"
#include "engine/pipeline/corvan_if.h"
#include "engine/pipeline/dictionary_priorities.h"
#include "engine/userdict/ud35_dictionary.h"
#include "tools/e2j/subcommands.h"

namespace {

[[noreturn]] void Refuse(std::string const& path, std::string const& why) {
    throw DictionaryOpenError("dictionary '" + path + "': " + why);
}

// A compiled dictionary, or nothing when the file is of another kind.
std::optional<Dictionary_EX> OpenCompiled(std::string const& path) {
    try {
        // The dictionary takes the descriptor, also when opening fails.
        return OpenCompiledDictionaryInAppropriateFormat(OpenReadOnly(FFSSpec(path.c_str())));
    } catch (...) {
        return std::nullopt;
    }
}

// A user dictionary opened for reading, or nothing when the file is none.
std::optional<Dictionary_EX> OpenUser(std::string const& path, unsigned short id) {
    FILE* file = FOpenExisting(FFSSpec(path.c_str()), "r", false, false, false);
    if (file == nullptr) return std::nullopt;
    try {
        Dictionary_EJ_35UserDict dictionary(file, false);
        dictionary.SetID(id);
        return dictionary;
    } catch (...) {
        // A dictionary that failed to open leaves its stream to the caller.
        std::fclose(file);
        return std::nullopt;
    }
}

}  // namespace

std::vector<std::string> DictionaryPaths(E2jOptions const& options, std::vector<std::string> const& defaults) {
    if (!options.dictionaries.empty()) return options.dictionaries;
    std::vector<std::string> present;
    for (std::string const& path : defaults) {
        struct stat status {};
        if (!path.empty() && stat(path.c_str(), &status) == 0) present.push_back(path);
    }
    return present;
}

std::vector<Dictionary_EX> OpenDictionaries(std::vector<std::string> const& paths) {
    std::vector<Dictionary_EX> dictionaries;
    unsigned short userCount = 0;
    for (std::string const& path : paths) {
        if (path.size() >= FFSSpec::kPathSize) Refuse(path, "the path is too long");
        struct stat status {};
        if (stat(path.c_str(), &status) != 0) Refuse(path, std::strerror(errno));
        if (!S_ISREG(status.st_mode)) Refuse(path, "not a regular file");
        std::optional<Dictionary_EX> dictionary = OpenCompiled(path);
        if (!dictionary) dictionary = OpenUser(path, static_cast<unsigned short>(kMinUserDictionaryID + userCount));
        if (!dictionary) Refuse(path, "neither a compiled nor a user dictionary");
        if (GetDictType(*dictionary) == kUserDictType) ++userCount;
        dictionaries.push_back(*dictionary);
    }
    return dictionaries;
}

void AddDictionaries(CorvanIF& facade, std::vector<std::string> const& paths, std::string const& learningPath) {
    // Opened here first for the kind of each file and a message that says
    // what is wrong with one; the facade opens them again for itself.
    std::vector<Dictionary_EX> const dictionaries = OpenDictionaries(paths);
    for (std::size_t i = 0; i < paths.size(); ++i) {
        Dictionary_EX const& dictionary = dictionaries[i];
        long added = 0;
        if (GetDictType(dictionary) == kUserDictType)
            added = facade.AddUserDict(paths[i], false);
        else if (GetDictType(dictionary) == kTechnicalDictType)
            added = facade.AddTechDict(paths[i], learningPath);
        else
            added = facade.AddSysDict(paths[i], learningPath);
        if (added <= 0) Refuse(paths[i], "the translation facade refused it (" + std::to_string(added) + ")");
    }
}

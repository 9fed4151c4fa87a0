// The dictionary facade on compiled system and technical dictionaries:
// opening them and closing the technical ones.
#include <algorithm>

#include "engine/compiled/open_compiled_dictionary.h"
#include "engine/foundation/file_access.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"

namespace {

// Opens the compiled dictionary at path in front of the open dictionaries.
// The opener owns the descriptor from the moment it has it: a refused file
// leaves nothing open.
short AddCompiledDict(std::string const& path, OpenDictionaryRecord::Kind kind) {
    try {
        Dictionary_EX const dictionary = OpenCompiledDictionaryInAppropriateFormat(OpenReadOnly(FFSSpec(path.c_str())));
        fOpenDictionaries.insert(fOpenDictionaries.begin(), OpenDictionaryRecord(dictionary, kind));
        return 1;
    } catch (...) {
        return 0;
    }
}

}  // namespace

short CorvanDictIF::AddSysDict(std::string const& path) { return AddCompiledDict(path, OpenDictionaryRecord::kSystem); }

short CorvanDictIF::AddTechDict(std::string const& path) {
    return AddCompiledDict(path, OpenDictionaryRecord::kTechnical);
}

short CorvanDictIF::RemoveAllTechDict() {
    try {
        auto const technical = [](Dictionary_EX const& dictionary) { return IsTechnicalDict(dictionary); };
        fOpenDictionaries.erase(std::remove_if(fOpenDictionaries.begin(), fOpenDictionaries.end(), technical),
                                fOpenDictionaries.end());
        return 1;
    } catch (...) {
        return 0;
    }
}

int CorvanDictIF::GetDetail(int, std::string*) { return -1; }

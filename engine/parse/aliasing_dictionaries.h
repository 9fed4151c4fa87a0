#pragma once
// Temporary dictionaries that hold technical readings re-made with the
// semantics of system readings; each bears the number of the technical
// dictionary it stands in for, so the re-made readings keep their source.
#include <map>
#include <memory>

#include "engine/foundation/temporary_dictionary.h"

class TempDictSetForAliasing {
public:
    // The dictionary bearing `dictionaryNumber`, made on first use.
    Dictionary_EX GetTempDict(unsigned short dictionaryNumber);
    // Whether `dictionary` is one of this set's.
    bool Holds(Dictionary_EX const& dictionary) const;
    void Clear() { fDictionaries.clear(); }

private:
    std::map<unsigned short, Dictionary_EX_Temporary> fDictionaries;
};

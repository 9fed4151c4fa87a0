#pragma once
// Shared pieces of the learning-statistics tests: a scratch folder and
// readings made in a temporary dictionary.
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "engine/foundation/temporary_dictionary.h"
#include "support/scratch_folder.h"

namespace learning_test {

// A scratch folder that every user can read: some tests check the files
// as an unprivileged user.
class ScratchDir : public ScratchFolder {
public:
    ScratchDir() : ScratchFolder("learning_stats_test") { chmod(Path().c_str(), 0755); }
};

// Readings of a temporary dictionary.  Each MakeReading adds an entry.
class Readings {
public:
    struct Reading {
        FinePOS_EX finePOS;
        Paraphrase_EX paraphrase;
    };

    // headword with one fine part of speech (part of speech `pos`, feature
    // sets as given) and one paraphrase numbered paraID.
    Reading MakeReading(std::string const& headword, POS_E_Source pos, int paraID, char const* set0 = "",
                        char const* set1 = "", char const* set2 = "") {
        Entry_EX entry = fDictionary.CreateNewEntry(headword);
        FinePOS_EX finePOS = entry.CreateNewFinePOS();
        finePOS.SetFinePOS(pos);
        FeatureSets_E_Source sets;
        sets.SetSet(0, set0);
        sets.SetSet(1, set1);
        sets.SetSet(2, set2);
        finePOS.SetFeatureSets(sets);
        Paraphrase_EX paraphrase = finePOS.CreateNewParaphrase();
        paraphrase.SetParaID(paraID);
        return Reading{finePOS, paraphrase};
    }

private:
    Dictionary_EX_Temporary fDictionary;
};

// Part of speech "N".
constexpr POS_E_Source kNoun = POS_E_Source(22);

}  // namespace learning_test

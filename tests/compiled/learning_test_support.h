#pragma once
// Shared pieces of the learning-statistics tests: a scratch directory, whole
// file reads and writes, and readings made in a temporary dictionary.
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "engine/foundation/temporary_dictionary.h"

namespace learning_test {

// A fresh directory, readable by every user, removed with its files.
class ScratchDir {
public:
    ScratchDir() {
        char pattern[] = "/tmp/learning_stats_test.XXXXXX";
        if (mkdtemp(pattern) == nullptr) throw std::runtime_error("mkdtemp");
        fPath = pattern;
        chmod(fPath.c_str(), 0755);
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::remove_all(fPath, ignored);
    }
    std::string File(std::string const& name) const { return fPath + "/" + name; }

private:
    std::string fPath;
};

inline std::string ReadBytes(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(std::string const& path, std::string const& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Readings of a temporary dictionary.  Each MakeReading adds an entry.
class Readings {
public:
    struct Reading {
        FinePOS_EX finePOS;
        Paraphrase_EX paraphrase;
    };

    // headword with one fine part of speech (part of speech `pos`, feature
    // sets as given) and one paraphrase numbered paraID.
    Reading MakeReading(std::string const& headword, POS_E_Source pos, int paraID,
                        char const* set0 = "", char const* set1 = "", char const* set2 = "") {
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

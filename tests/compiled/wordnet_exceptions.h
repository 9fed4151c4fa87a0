#pragma once
// Reads WordNet's morphological exception lists (/usr/share/wordnet/*.exc):
// one line per inflected form, "inflected base [base ...]", words in lower
// case with "_" between the words of a phrase.  They serve the tests as an
// outside reference for English spelling rules.
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

constexpr char kWordNetDir[] = "/usr/share/wordnet";

struct WordNetPair {
    std::string inflected;
    std::string base;
};

// Every (inflected, base) pair of the list; empty when the file is missing.
inline std::vector<WordNetPair> ReadWordNetExceptions(std::string const& fileName) {
    std::vector<WordNetPair> pairs;
    std::ifstream in(std::string(kWordNetDir) + "/" + fileName);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string inflected;
        std::string base;
        if (!(words >> inflected)) continue;
        while (words >> base) pairs.push_back({inflected, base});
    }
    return pairs;
}

inline bool WordNetInstalled() { return std::ifstream(std::string(kWordNetDir) + "/verb.exc").good(); }

#pragma once
// The S-words of a sentence: the last words of the readings whose semantics
// carry the S-word mark, kept so that the graph and the experts can ask
// whether the sentence holds one.
#include <set>
#include <string>

#include "engine/foundation/entry.h"

class Sentence;

class SWordRegistry {
public:
    void RegisterAllSWord(Sentence* sentence);
    void MaybeRegisterSWord(FinePOS_EX const& fp);
    bool SWordFound(char const* text) const { return fWords.count(text) != 0; }
    void Clear() { fWords.clear(); }
    std::set<std::string> const& Words() const { return fWords; }

private:
    std::set<std::string> fWords;
};

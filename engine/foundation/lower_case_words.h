#pragma once
// Lower-case words: whether a dictionary writes a word in lower case.  The
// sentence-end finder and the preparser ask it to tell a capitalised common
// word ("The", "APPLE") from a name the dictionary writes only with a capital
// ("Paris").
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"

class LowerCaseWordsInterface_ : public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "LowerCaseWordsInterface_";

    // Whether the word (NUL-terminated Shift-JIS), in lower case, is a word
    // the dictionary writes in lower case.  Null is not.
    virtual bool IsWordThere(char const* word) const = 0;
    bool IsWordThere(std::string const& word) const { return IsWordThere(word.c_str()); }
    // The same question under the name the sentence-end finder uses for all
    // its word lists.
    bool IsInInitialStringTable(std::string const& word) const { return IsWordThere(word.c_str()); }
};

// Answers from the entries a dictionary representation finds for the word.
class LowerCaseWordsInterface_Lookup : public LowerCaseWordsInterface_ {
public:
    // The representation owns this object and outlives it.
    explicit LowerCaseWordsInterface_Lookup(DictionaryRep_<Entry_EX>* dictionary) : fDictionary(dictionary) {}

    using LowerCaseWordsInterface_::IsWordThere;
    bool IsWordThere(char const* word) const override;

private:
    DictionaryRep_<Entry_EX>* fDictionary;
};

// Asks its members in the order appended; they are not owned.
class LowerCaseWordsInterface_Composite : public LowerCaseWordsInterface_ {
public:
    void Append(LowerCaseWordsInterface_ const* member) { fMembers.push_back(member); }

    using LowerCaseWordsInterface_::IsWordThere;
    bool IsWordThere(char const* word) const override;

private:
    std::vector<LowerCaseWordsInterface_ const*> fMembers;
};

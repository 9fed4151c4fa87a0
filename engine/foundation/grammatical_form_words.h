#pragma once
// Grammatical-form words: prepositions, articles and conjunctions.  The
// preparser asks whether a word is one, so that a sentence written in capitals
// is not taken for one whose every word is a name.
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"

class GrammaticalFormWordsInterface_ : public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "GrammaticalFormWordsInterface_";

    // Whether the word (NUL-terminated Shift-JIS) is a grammatical-form
    // word.  Null is not.
    virtual bool IsWordThere(char const* word) const = 0;
    bool IsWordThere(std::string const& word) const { return IsWordThere(word.c_str()); }
};

// Answers from the entries a dictionary representation finds for the word as
// given.
class GrammaticalFormWordsInterface_Lookup : public GrammaticalFormWordsInterface_ {
public:
    // The representation owns this object and outlives it.
    explicit GrammaticalFormWordsInterface_Lookup(DictionaryRep_<Entry_EX>* dictionary) : fDictionary(dictionary) {}

    using GrammaticalFormWordsInterface_::IsWordThere;
    bool IsWordThere(char const* word) const override;

private:
    DictionaryRep_<Entry_EX>* fDictionary;
};

// Asks its members in the order appended; they are not owned.
class GrammaticalFormWordsInterface_Composite : public GrammaticalFormWordsInterface_ {
public:
    void Append(GrammaticalFormWordsInterface_ const* member) { fMembers.push_back(member); }

    using GrammaticalFormWordsInterface_::IsWordThere;
    bool IsWordThere(char const* word) const override;

private:
    std::vector<GrammaticalFormWordsInterface_ const*> fMembers;
};

// Some fine part of speech of the entry is a preposition, an article or a
// conjunction (its name begins "PREP", "ART" or "CONJ").
bool ThisEntryOKGrammaticalForm(Entry_EX const& entry);

// The table compiled dictionaries store: the headwords of the entries that
// pass ThisEntryOKGrammaticalForm, lower-cased, each once, in dictionary order
// (StringCompare_E_Source), the order the table is searched in.
std::vector<std::string> BuildGramaticalFormsWordsTable(ForwardIterator<Entry_EX> entries);

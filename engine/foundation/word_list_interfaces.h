#pragma once
// Word lists the sentence-end finder consults: words that cannot begin a
// sentence, cannot end one, can do neither, can take up the sentence's final
// period, and single words written with periods.
//
// The five lists are one family: each is a named interface with the query
// IsInInitialStringTable, and the lists differ only in their name and in the
// test an entry must pass (word_list_membership.h).  Each has three
// implementations, generated here once for all five:
//   <List>_Lookup       looks the word up in a dictionary representation;
//   <List>_Composite    asks other interfaces of the same list in turn;
//   <List>_StringTable  searches its own sorted table of words, which
//                       mk<List> makes from a dictionary's entries.
#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/foundation/dictionary.h"
#include "engine/foundation/initial_case_compare.h"
#include "engine/foundation/word_list_membership.h"

// The query of every list of the family.
class WordListInterface_ : public DictionaryInterface_ {
public:
    using EntryTest = bool (*)(Entry_EX const&);

    // Whether the list holds the word (NUL-terminated Shift-JIS).  A word
    // written with a capital initial, as at the start of a sentence, matches
    // a listed word in any case; a word in lower case matches only a word
    // listed in lower case.  Null is not listed.
    virtual bool IsInInitialStringTable(char const* word) const = 0;
    bool IsInInitialStringTable(std::string const& word) const { return IsInInitialStringTable(word.c_str()); }
};

// ---- The lists -------------------------------------------------------------

class CannotBeginSentInterface_ : public WordListInterface_ {
public:
    static constexpr char const* kInterfaceName = "CannotBeginSentInterface_";
    static constexpr EntryTest kEntryTest = &ThisEntryOKCannotBeginSent;
};

class CannotEndSentInterface_ : public WordListInterface_ {
public:
    static constexpr char const* kInterfaceName = "CannotEndSentInterface_";
    static constexpr EntryTest kEntryTest = &ThisEntryOKCannotEndSent;
};

class CannotBeginAndEndSentInterface_ : public WordListInterface_ {
public:
    static constexpr char const* kInterfaceName = "CannotBeginAndEndSentInterface_";
    static constexpr EntryTest kEntryTest = &ThisEntryOKCannotBeginAndEndSent;
};

class CanUseUpPeriodInterface_ : public WordListInterface_ {
public:
    static constexpr char const* kInterfaceName = "CanUseUpPeriodInterface_";
    static constexpr EntryTest kEntryTest = &ThisEntryOKCanUseUpPeriod;
};

class SingleWordsWithPeriodsInterface_ : public WordListInterface_ {
public:
    static constexpr char const* kInterfaceName = "SingleWordsWithPeriodsInterface_";
    static constexpr EntryTest kEntryTest = &ThisEntryOKSingleWordWithPeriod;
};

// ---- What the implementations do, for any list -----------------------------

// Looks the word up as given; true at the first entry found that passes the
// test, provided that, for a word with a lower-case initial, the entry's
// headword has one too.
bool IsListedByLookup(DictionaryRep_<Entry_EX>* dictionary, char const* word, WordListInterface_::EntryTest test);

// The table of the words given: later characters lower-cased, sorted by
// InitialCaseStringCompare, each once.
std::vector<std::string> MakeWordListTable(std::vector<std::string> words);

// The headwords of all the dictionary's entries that pass the test, in entry
// order.
std::vector<std::string> HeadwordsPassing(Dictionary_EX const& dictionary, WordListInterface_::EntryTest test);

// ---- Implementations -------------------------------------------------------

template <class List>
class WordListInterface_Lookup : public List {
public:
    // The representation owns this object and outlives it.
    explicit WordListInterface_Lookup(DictionaryRep_<Entry_EX>* dictionary) : fDictionary(dictionary) {}

    using List::IsInInitialStringTable;
    bool IsInInitialStringTable(char const* word) const override {
        return IsListedByLookup(fDictionary, word, List::kEntryTest);
    }

private:
    DictionaryRep_<Entry_EX>* fDictionary;
};

template <class List>
class WordListInterface_Composite : public List {
public:
    // Members are asked in the order appended; they are not owned.
    void Append(List const* member) { fMembers.push_back(member); }

    using List::IsInInitialStringTable;
    bool IsInInitialStringTable(char const* word) const override {
        return std::any_of(fMembers.begin(), fMembers.end(),
                           [word](List const* member) { return member->IsInInitialStringTable(word); });
    }

private:
    std::vector<List const*> fMembers;
};

template <class List>
class WordListInterface_StringTable : public List {
public:
    explicit WordListInterface_StringTable(std::vector<std::string> words)
        : fTable(MakeWordListTable(std::move(words))) {}

    using List::IsInInitialStringTable;
    bool IsInInitialStringTable(char const* word) const override {
        return word != nullptr && ::IsInInitialStringTable(word, fTable.begin(), fTable.end());
    }

private:
    std::vector<std::string> fTable;
};

// A table of the dictionary's entries that belong to the list.
template <class List>
std::unique_ptr<WordListInterface_StringTable<List>> mkWordListInterface(Dictionary_EX const& dictionary) {
    return std::make_unique<WordListInterface_StringTable<List>>(HeadwordsPassing(dictionary, List::kEntryTest));
}

// ---- Names of the implementations ------------------------------------------

using CannotBeginSentInterface_Lookup = WordListInterface_Lookup<CannotBeginSentInterface_>;
using CannotBeginSentInterface_Composite = WordListInterface_Composite<CannotBeginSentInterface_>;
using CannotBeginSentInterface_StringTable = WordListInterface_StringTable<CannotBeginSentInterface_>;

using CannotEndSentInterface_Lookup = WordListInterface_Lookup<CannotEndSentInterface_>;
using CannotEndSentInterface_Composite = WordListInterface_Composite<CannotEndSentInterface_>;
using CannotEndSentInterface_StringTable = WordListInterface_StringTable<CannotEndSentInterface_>;

using CannotBeginAndEndSentInterface_Lookup = WordListInterface_Lookup<CannotBeginAndEndSentInterface_>;
using CannotBeginAndEndSentInterface_Composite = WordListInterface_Composite<CannotBeginAndEndSentInterface_>;
using CannotBeginAndEndSentInterface_StringTable = WordListInterface_StringTable<CannotBeginAndEndSentInterface_>;

using CanUseUpPeriodInterface_Lookup = WordListInterface_Lookup<CanUseUpPeriodInterface_>;
using CanUseUpPeriodInterface_Composite = WordListInterface_Composite<CanUseUpPeriodInterface_>;
using CanUseUpPeriodInterface_StringTable = WordListInterface_StringTable<CanUseUpPeriodInterface_>;

using SingleWordsWithPeriodsInterface_Lookup = WordListInterface_Lookup<SingleWordsWithPeriodsInterface_>;
using SingleWordsWithPeriodsInterface_Composite = WordListInterface_Composite<SingleWordsWithPeriodsInterface_>;
using SingleWordsWithPeriodsInterface_StringTable = WordListInterface_StringTable<SingleWordsWithPeriodsInterface_>;

inline std::unique_ptr<CannotBeginSentInterface_StringTable> mkCannotBeginSentInterface(Dictionary_EX const& d) {
    return mkWordListInterface<CannotBeginSentInterface_>(d);
}
inline std::unique_ptr<CannotEndSentInterface_StringTable> mkCannotEndSentInterface(Dictionary_EX const& d) {
    return mkWordListInterface<CannotEndSentInterface_>(d);
}
inline std::unique_ptr<CannotBeginAndEndSentInterface_StringTable> mkCannotBeginAndEndSentInterface(
    Dictionary_EX const& d) {
    return mkWordListInterface<CannotBeginAndEndSentInterface_>(d);
}
inline std::unique_ptr<CanUseUpPeriodInterface_StringTable> mkCanUseUpPeriodInterface(Dictionary_EX const& d) {
    return mkWordListInterface<CanUseUpPeriodInterface_>(d);
}
inline std::unique_ptr<SingleWordsWithPeriodsInterface_StringTable> mkSingleWordsWithPeriodsInterface(
    Dictionary_EX const& d) {
    return mkWordListInterface<SingleWordsWithPeriodsInterface_>(d);
}

#include "engine/foundation/word_list_interfaces.h"

#include "engine/foundation/entry.h"
#include "engine/foundation/module_init.h"

namespace {

ModuleCounters const sModuleCounters;

}  // namespace

bool IsListedByLookup(DictionaryRep_<Entry_EX>* dictionary, char const* word, WordListInterface_::EntryTest test) {
    if (word == nullptr) return false;
    bool const lowerCaseWord = BeginsWithLowerCaseLetter(word);
    for (ForwardIterator<Entry_EX> entry = LookUpWord(dictionary, word); !entry.IsAtEnd(); ++entry) {
        if (!test(*entry)) continue;
        // The lookup ignores case: "apple" also finds the entry "Apple", which
        // lists only the capitalised word.
        if (!lowerCaseWord || BeginsWithLowerCaseLetter((*entry).GetSrcText().c_str())) return true;
    }
    return false;
}

std::vector<std::string> MakeWordListTable(std::vector<std::string> words) {
    for (std::string& word : words) word = LowerCasedAfterInitial(std::move(word));
    std::sort(words.begin(), words.end(), InitialCaseStringCompare());
    // Spellings that differ only in later characters are now the same.
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

std::vector<std::string> HeadwordsPassing(Dictionary_EX const& dictionary, WordListInterface_::EntryTest test) {
    std::vector<std::string> headwords;
    for (BidirectionalIterator<Entry_EX> entry = dictionary.GetEntryIterator_start(); !entry.IsAtEnd(); ++entry) {
        if (test(*entry)) headwords.push_back((*entry).GetSrcText());
    }
    return headwords;
}

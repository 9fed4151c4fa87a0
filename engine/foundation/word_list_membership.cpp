#include "engine/foundation/word_list_membership.h"

#include <cstring>

ForwardIterator<Entry_EX> LookUpWord(DictionaryRep_<Entry_EX>* dictionary, char const* word) {
    return Dictionary<Entry_EX>(dictionary).Lookup(word, nullptr);
}

bool ThisEntryOKCannotBeginSent(Entry_EX const& entry) {
    return SomeFinePOS(entry, [](FinePOS_EX const& fp) { return fp.GetCannotBeginSentenceFlag(); });
}

bool ThisEntryOKCannotEndSent(Entry_EX const& entry) {
    return SomeFinePOS(entry, [](FinePOS_EX const& fp) { return fp.GetCannotEndSentenceFlag(); });
}

bool ThisEntryOKCannotBeginAndEndSent(Entry_EX const& entry) {
    return SomeFinePOS(entry, [](FinePOS_EX const& fp) { return fp.GetCannotBeginAndEndSentenceFlag(); });
}

bool ThisEntryOKCanUseUpPeriod(Entry_EX const& entry) { return HasPeriodBeforeSpace(entry.GetSrcText()); }

bool ThisEntryOKSingleWordWithPeriod(Entry_EX const& entry) {
    std::string const headword = entry.GetSrcText();
    return headword.find('.') != std::string::npos && OneWord(headword.c_str());
}

// Neither "." nor " " is ever the trail byte of a double-byte character, so
// the texts are searched byte by byte.
bool HasPeriodBeforeSpace(std::string const& text) {
    std::string::size_type const period = text.find('.');
    if (period == std::string::npos) return false;
    return period < text.find(' ');  // npos when there is no space
}

bool OneWord(char const* text) {
    if (text == nullptr) return true;
    while (*text == ' ') ++text;
    return std::strchr(text, ' ') == nullptr;
}

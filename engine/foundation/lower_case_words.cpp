#include "engine/foundation/lower_case_words.h"

#include <algorithm>

#include "engine/foundation/entry.h"
#include "engine/foundation/initial_case_compare.h"
#include "engine/foundation/module_init.h"
#include "engine/foundation/string_utils.h"
#include "engine/foundation/word_list_membership.h"

namespace {

ModuleCounters const sModuleCounters;

}  // namespace

bool LowerCaseWordsInterface_Lookup::IsWordThere(char const* word) const {
    if (word == nullptr) return false;
    std::string lowerCased = word;
    ToLower(&lowerCased, 0);
    for (ForwardIterator<Entry_EX> entry = LookUpWord(fDictionary, lowerCased.c_str()); !entry.IsAtEnd(); ++entry) {
        if (BeginsWithLowerCaseLetter((*entry).GetSrcText().c_str())) return true;
    }
    return false;
}

bool LowerCaseWordsInterface_Composite::IsWordThere(char const* word) const {
    return std::any_of(fMembers.begin(), fMembers.end(),
                       [word](LowerCaseWordsInterface_ const* member) { return member->IsWordThere(word); });
}

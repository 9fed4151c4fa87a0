#include "engine/foundation/grammatical_form_words.h"

#include <algorithm>
#include <cstring>

#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/module_init.h"
#include "engine/foundation/pos_class_tests.h"
#include "engine/foundation/string_compare.h"
#include "engine/foundation/string_utils.h"
#include "engine/foundation/word_list_membership.h"

namespace {

ModuleCounters const sModuleCounters;

bool IsGrammaticalFormPOS(POS_E_Source pos) { return IsPrepLike(pos) || IsArtLike(pos) || IsConjLike(pos); }

}  // namespace

bool GrammaticalFormWordsInterface_Lookup::IsWordThere(char const* word) const {
    for (ForwardIterator<Entry_EX> entry = LookUpWord(fDictionary, word); !entry.IsAtEnd(); ++entry) {
        if (ThisEntryOKGrammaticalForm(*entry)) return true;
    }
    return false;
}

bool GrammaticalFormWordsInterface_Composite::IsWordThere(char const* word) const {
    return std::any_of(fMembers.begin(), fMembers.end(),
                       [word](GrammaticalFormWordsInterface_ const* member) { return member->IsWordThere(word); });
}

bool ThisEntryOKGrammaticalForm(Entry_EX const& entry) {
    return SomeFinePOS(entry, [](FinePOS_EX const& fp) { return IsGrammaticalFormPOS(fp.GetFinePOS()); });
}

std::vector<std::string> BuildGramaticalFormsWordsTable(ForwardIterator<Entry_EX> entries) {
    std::vector<std::string> words;
    for (; !entries.IsAtEnd(); ++entries) {
        if (!ThisEntryOKGrammaticalForm(*entries)) continue;
        std::string word = (*entries).GetSrcText();
        ToLower(&word, 0);
        words.push_back(std::move(word));
    }
    std::sort(words.begin(), words.end(),
              [](std::string const& a, std::string const& b) { return StringCompare_E_Source(a, b) < 0; });
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

// The dictionary facade's walk over a user dictionary by initial letter, and
// finding a user word's position.
//
// Both start from the lower bound of a key among the groups' base forms.  The
// interface's own prefix lookup goes through every English form, so it would
// start "G" at "goose" when "geese" is the first G form, past "get", and "W"
// at "go" when "went" is the first W form, where no W word follows.
#include <cstring>

#include "engine/foundation/string_compare.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"

namespace {

using Group = UDEntryGroupInfo_EX;

constexpr char kNonLetterInitial = '*';

bool IsASCIILetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool MatchesInitial(std::string const& baseForm, char initial) {
    unsigned char const first = baseForm.empty() ? 0 : static_cast<unsigned char>(baseForm[0]);
    if (initial == kNonLetterInitial) return !IsASCIILetter(first);
    unsigned char const upper = first >= 'a' && first <= 'z' ? static_cast<unsigned char>(first - 'a' + 'A') : first;
    return upper == static_cast<unsigned char>(initial);
}

// The first group whose base form does not sort before key in the groups'
// order (the engine's English order), by binary search over the group
// indexes: a few groups read, whatever the dictionary's size.
UDEntryGroupIterator LowerBoundOfBaseForm(UD35EntryGroupInterface_EJ& groups, std::string const& key) {
    uint32_t low = 0;
    uint32_t high = groups.GetCount();
    while (low < high) {
        uint32_t const middle = low + (high - low) / 2;
        if (StringCompare_E_Source((*groups.GetIthEntry(middle)).GetBaseForm(), key) < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return groups.GetIthEntry(low);
}

// The first group of the initial in user dictionary n.
UDEntryGroupIterator FirstGroupOfInitial(short n, char initial) {
    UD35EntryGroupInterface_EJ& groups = UserDictAt(n).GetGroups();
    if (initial == kNonLetterInitial) return groups.GetIterator_start();
    return LowerBoundOfBaseForm(groups, std::string(1, initial));
}

}  // namespace

int CorvanDictIF::CountInitialUserWord(short n, char initial) {
    fUDIterator.Set(FirstGroupOfInitial(n, initial));
    int count = 0;
    for (UDEntryGroupIterator group = fUDIterator.Get(); !group.IsAtEnd(); ++group) {
        if (!MatchesInitial((*group).GetBaseForm(), initial)) break;
        ++count;
    }
    return count;
}

bool CorvanDictIF::GetInitialUserWord(short n, unsigned char restart, char initial, char* word, std::size_t wordSize,
                                      short* kind, char* japanese, std::size_t japaneseSize) {
    try {
        if (restart != 0) fUDIterator.Set(FirstGroupOfInitial(n, initial));
        if (fUDIterator.IsNull() || fUDIterator.Get().IsAtEnd()) return false;
        Group const group = *fUDIterator.Get();
        ++fUDIterator.Get();
        std::string const baseForm = group.GetBaseForm();
        if (!MatchesInitial(baseForm, initial)) return false;
        short const userKind = UserWordKindOfGroup(group.kind);
        if (userKind == 0) return false;
        CopyUserWordText(word, wordSize, baseForm.c_str());
        *kind = userKind;
        CopyUserWordText(japanese, japaneseSize, group.translation.c_str());
        return true;
    } catch (...) {
        return false;
    }
}

unsigned long CorvanDictIF::GetLocationWithData(short n, char const* word, short kind, char const* japanese) {
    UD35EntryGroupInterface_EJ& groups = UserDictAt(n).GetGroups();
    uint32_t const groupKind = GroupKindOfUserWord(kind);
    if (word == nullptr || japanese == nullptr || groupKind == Group::kNoKind) return kUserWordLocationNotFound;
    std::string const key(word);
    // The groups spelled as the word, in any case, lie together from the
    // lower bound on.
    fUDIterator.Set(LowerBoundOfBaseForm(groups, key));
    for (UDEntryGroupIterator& group = fUDIterator.Get(); !group.IsAtEnd(); ++group) {
        Group const candidate = *group;
        std::string const baseForm = candidate.GetBaseForm();
        if (StringCompare_E_Source(baseForm, key) != 0) break;
        if (baseForm == key && candidate.kind == groupKind && candidate.translation == japanese) {
            return groups.GetIndexOf(group);
        }
    }
    return kUserWordLocationNotFound;
}

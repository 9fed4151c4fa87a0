// The dictionary facade's module state and the opened user dictionary.
#include "engine/userdict/corvan_dict_state.h"

#include <stdexcept>

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/ud_format.h"

// Declared in the order they must be built: the user dictionaries and the
// browse state hold iterators and handles on the open dictionaries, so they
// go first at exit.
std::vector<OpenDictionaryRecord> fOpenDictionaries;
std::vector<std::unique_ptr<EJUserDict>> fEJUserDict;
std::unique_ptr<EJUserDictLockHolder> fEJUserDictLock;
BrowseFilter fBrowseFilter;
std::vector<Entry_EX> fEntries;
std::vector<short> nDictType;
int nEntryNum = 0;
std::size_t currentDictEntry = 0;
CanBeNull<UDEntryGroupIterator> fUDIterator;

void ResetGlobal() {
    nEntryNum = 0;
    fEntries.clear();
    nDictType.clear();
    currentDictEntry = fEntries.size();
    fBrowseFilter.Reset();
    fUDIterator.Clear();
}

EJUserDict& UserDictAt(short n) {
    if (n < 0 || static_cast<std::size_t>(n) >= fEJUserDict.size()) {
        throw std::out_of_range("no user dictionary of that number is open");
    }
    return *fEJUserDict[static_cast<std::size_t>(n)];
}

namespace {

using Group = UDEntryGroupInfo_EX;

// Entry-group kinds by user-word kind (index 1 to 7).
constexpr uint32_t kGroupKindByUserWord[] = {
    Group::kNoKind,      Group::kNounGroup,        Group::kVerbGroup,        Group::kAdjectiveGroup,
    Group::kAdverbGroup, Group::kPrepositionGroup, Group::kConjunctionGroup, Group::kPrepositionalPhraseGroup,
};
constexpr short kUserWordKindCount = 7;

}  // namespace

short UserWordKindOfGroup(uint32_t groupKind) {
    if (groupKind == Group::kNoKind) return 0;
    for (short kind = 1; kind <= kUserWordKindCount; ++kind) {
        if (kGroupKindByUserWord[kind] == groupKind) return kind;
    }
    return 0;
}

uint32_t GroupKindOfUserWord(short userWordKind) {
    if (userWordKind < 1 || userWordKind > kUserWordKindCount) return Group::kNoKind;
    return kGroupKindByUserWord[userWordKind];
}

short RegisterUserDictionary(Dictionary_EJ_35UserDict const& dictionary, bool writable,
                             std::string const& displayName) {
    Dictionary_EJ_35UserDict opened = dictionary;
    opened.SetUseDictionaryLearningInterface(writable);
    auto userDict = std::make_unique<EJUserDict>(opened);
    // Room first, so that the lists change together or not at all.
    fOpenDictionaries.reserve(fOpenDictionaries.size() + 1);
    fEJUserDict.reserve(fEJUserDict.size() + 1);
    fOpenDictionaries.insert(fOpenDictionaries.begin(),
                             OpenDictionaryRecord(opened, OpenDictionaryRecord::kUser, displayName));
    fEJUserDict.push_back(std::move(userDict));
    return writable ? kUserDictOpenedReadWrite : kUserDictOpenedReadOnly;
}

// ---- EJUserDict --------------------------------------------------------------

namespace {

UD35EntryGroupInterface_EJ& EntryGroupsOf(Dictionary_EX const& dictionary) {
    auto* groups = dictionary.GetNamedInterfaceOf<UD35EntryGroupInterface_EJ>();
    if (groups == nullptr) throw std::invalid_argument("not a user dictionary");
    return *groups;
}

}  // namespace

EJUserDict::EJUserDict(Dictionary_EJ_35UserDict const& dictionary)
    : fDictionary(dictionary), fGroups(&EntryGroupsOf(fDictionary)), fCurrent(fGroups->GetIterator_start()) {}

short EJUserDict::CreateEntry(UDEntryGroupInfo_EX const& info) {
    try {
        fCurrent = fGroups->CreateNew(info, false);
        return 1;
    } catch (unsigned short code) {
        if (code == kUDDuplicateGroup) return -1;
        if (code == kUDNonASCIIEnglish) return -2;
        return 0;
    }
}

bool EJUserDict::GetIterator(unsigned long i) {
    try {
        // The end is no group to act on.
        if (i >= fGroups->GetCount()) return false;
        fCurrent = fGroups->GetIthEntry(static_cast<uint32_t>(i));
        return true;
    } catch (...) {
        return false;
    }
}

bool EJUserDict::UpdateEntry(UDEntryGroupInfo_EX const& info) {
    try {
        fCurrent = fGroups->UpdateEntryGroup(UDEntryGroupIterator(fCurrent), info);
        return true;
    } catch (...) {
        return false;
    }
}

bool EJUserDict::EraseEntry() {
    try {
        fCurrent = fGroups->Erase(UDEntryGroupIterator(fCurrent));
        return true;
    } catch (...) {
        return false;
    }
}

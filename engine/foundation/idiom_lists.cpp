#include "engine/foundation/idiom_lists.h"

#include <algorithm>

#include "engine/foundation/entry.h"
#include "engine/foundation/initial_case_compare.h"
#include "engine/foundation/module_init.h"
#include "engine/foundation/sjis_chars.h"

namespace {

ModuleCounters const sModuleCounters;

constexpr char kListCharacters[AlmightyIdiomInterface_::kListCount] = {'.', '?', '!', '-', '"', '\'', ')', ']'};

struct CharacterRange {
    wchar_t first;
    wchar_t last;
    AlmightyIdiomInterface_::AlmightyIdiomListTag tag;
};

// Every character that selects a list, ASCII and the other forms the
// sentence-end finder may meet.
constexpr CharacterRange kSelectingCharacters[] = {
    {L'.', L'.', AlmightyIdiomInterface_::ePeriod},          {0xFF0E, 0xFF0E, AlmightyIdiomInterface_::ePeriod},
    {L'?', L'?', AlmightyIdiomInterface_::eQuestionMark},    {0xFF1F, 0xFF1F, AlmightyIdiomInterface_::eQuestionMark},
    {L'!', L'!', AlmightyIdiomInterface_::eExclamation},     {0xFF01, 0xFF01, AlmightyIdiomInterface_::eExclamation},
    {L'-', L'-', AlmightyIdiomInterface_::eHyphen},          {0xFF0D, 0xFF0D, AlmightyIdiomInterface_::eHyphen},
    {0x2010, 0x2015, AlmightyIdiomInterface_::eHyphen},      {0x2022, 0x2023, AlmightyIdiomInterface_::eHyphen},
    {L'"', L'"', AlmightyIdiomInterface_::eDoubleQuote},     {0xFF02, 0xFF02, AlmightyIdiomInterface_::eDoubleQuote},
    {0x201C, 0x201D, AlmightyIdiomInterface_::eDoubleQuote}, {L'\'', L'\'', AlmightyIdiomInterface_::eApostrophe},
    {0x02BC, 0x02BC, AlmightyIdiomInterface_::eApostrophe},  {0x2018, 0x2019, AlmightyIdiomInterface_::eApostrophe},
    {0xFF07, 0xFF07, AlmightyIdiomInterface_::eApostrophe},  {0xFF40, 0xFF40, AlmightyIdiomInterface_::eApostrophe},
    {L')', L')', AlmightyIdiomInterface_::eCloseParen},      {0xFF09, 0xFF09, AlmightyIdiomInterface_::eCloseParen},
    {L']', L']', AlmightyIdiomInterface_::eCloseBracket},    {0xFF3D, 0xFF3D, AlmightyIdiomInterface_::eCloseBracket},
};

bool HasAlmightyFinePOS(Entry_EX const& entry) {
    for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
        if ((*fp).GetIdiomType() == eIdiomAlmighty) return true;
    }
    return false;
}

// The headwords of the entries with an almighty reading, each entry once.
std::vector<std::string> AlmightyIdiomHeadwords(Dictionary_EX const& dictionary) {
    std::vector<std::string> headwords;
    for (BidirectionalIterator<Entry_EX> entry = dictionary.GetEntryIterator_start(); !entry.IsAtEnd(); ++entry) {
        if (HasAlmightyFinePOS(*entry)) headwords.push_back((*entry).GetSrcText());
    }
    return headwords;
}

}  // namespace

// ---- AlmightyIdiomInterface_ -----------------------------------------------

AlmightyIdiomList const* AlmightyIdiomInterface_::GetIdiomList(wchar_t const* text) const {
    if (text == nullptr) return nullptr;
    for (CharacterRange const& range : kSelectingCharacters) {
        if (*text >= range.first && *text <= range.last) return &GetIdiomList(range.tag);
    }
    return nullptr;
}

char AlmightyIdiomInterface_::CharOf(unsigned tag) { return tag < kListCount ? kListCharacters[tag] : '\0'; }

// ---- AlmightyIdiomInterfaceCompilerHelper ----------------------------------

void AlmightyIdiomInterfaceCompilerHelper::Compile(std::vector<std::string> const& idioms, Lists* lists) {
    std::vector<std::string> sorted = idioms;
    std::sort(sorted.begin(), sorted.end(), InitialCaseStringCompare());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    IdiomsToIndex(sorted, lists);
}

void AlmightyIdiomInterfaceCompilerHelper::IdiomsToIndex(std::vector<std::string> const& idioms, Lists* lists) {
    lists->resize(AlmightyIdiomInterface_::kListCount);
    for (std::string const& idiom : idioms) {
        for (unsigned tag = 0; tag < AlmightyIdiomInterface_::kListCount; ++tag) {
            AddWordsToIndex(&(*lists)[tag], AlmightyIdiomInterface_::CharOf(tag), idiom);
        }
    }
}

void AlmightyIdiomInterfaceCompilerHelper::AddWordsToIndex(AlmightyIdiomList* list, char character,
                                                           std::string const& idiom) {
    char const* const start = idiom.data();
    char const* const end = start + idiom.size();
    for (char const* p = start; p < end;) {
        std::size_t const size = SJISCharSize(p, end);
        if (size == 1 && *p == character) {
            // Punctuation ending the idiom ends the sentence as well.
            if (p + 1 == end) break;
            list->push_back(AlmightyIdiomEntry{idiom, static_cast<uint32_t>(p - start)});
        }
        p += size;
    }
}

// ---- AlmightyIdiomInterface_Lookup -----------------------------------------

AlmightyIdiomInterface_Lookup::AlmightyIdiomInterface_Lookup(Dictionary_EX const& dictionary) {
    AlmightyIdiomInterfaceCompilerHelper::Compile(AlmightyIdiomHeadwords(dictionary), &fLists);
}

AlmightyIdiomList const& AlmightyIdiomInterface_Lookup::GetIdiomList(AlmightyIdiomListTag tag) const {
    static AlmightyIdiomList const kNoIdioms;
    return tag < fLists.size() ? fLists[tag] : kNoIdioms;
}

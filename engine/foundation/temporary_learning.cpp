#include "engine/foundation/temporary_learning.h"

#include <functional>

namespace {

using Learning = TempDict_EX_DictionaryLearningInterface;

// Equal entries order by cookie, others by the address of their
// representation.
template <class Cookie>
bool ElementBefore(Entry_EX const& entryA, Cookie* cookieA, Entry_EX const& entryB, Cookie* cookieB) {
    if (entryA == entryB) return std::less<Cookie*>()(cookieA, cookieB);
    return std::less<EntryRep_EX const*>()(entryA.GetRep(), entryB.GetRep());
}

}  // namespace

bool Learning::FinePOS_EX_MapSorter::operator()(FinePOS_EX const& a, FinePOS_EX const& b) const {
    return ElementBefore(a.GetEntry(), a.GetCookie(), b.GetEntry(), b.GetCookie());
}

// A paraphrase handle is made on the entry of its fine part of speech, so its
// own entry stands for that one without the cookie being followed.
bool Learning::Paraphrase_EX_MapSorter::operator()(Paraphrase_EX const& a, Paraphrase_EX const& b) const {
    return ElementBefore(a.GetEntry(), a.GetCookie(), b.GetEntry(), b.GetCookie());
}

bool Learning::Key_MapSorter::operator()(LearningDataKey const& a, LearningDataKey const& b) const {
    FinePOS_EX_MapSorter const finePOSBefore;
    if (finePOSBefore(a.finePOS, b.finePOS)) return true;
    if (finePOSBefore(b.finePOS, a.finePOS)) return false;
    return Paraphrase_EX_MapSorter()(a.paraphrase, b.paraphrase);
}

bool Learning::GetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float* value) const {
    auto const found = fValues.find(LearningDataKey{finePOS, paraphrase});
    if (found == fValues.end()) return false;
    if (value != nullptr) *value = found->second;
    return true;
}

void Learning::ClearLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) {
    fValues.erase(LearningDataKey{finePOS, paraphrase});
}

void Learning::SetLearningValue(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase, float value) {
    fValues.insert_or_assign(LearningDataKey{finePOS, paraphrase}, value);
}

bool Learning::IsRecorded(FinePOS_EX const& finePOS, Paraphrase_EX const& paraphrase) const {
    return fValues.count(LearningDataKey{finePOS, paraphrase}) != 0;
}

template <class Match>
void Learning::EraseIf(Match match) {
    for (auto it = fValues.begin(); it != fValues.end();) {
        if (match(it->first))
            it = fValues.erase(it);
        else
            ++it;
    }
}

void Learning::RemovePP(Paraphrase_EX const& paraphrase) {
    EraseIf([&](LearningDataKey const& key) { return key.paraphrase == paraphrase; });
}

void Learning::RemoveFP(FinePOS_EX const& finePOS) {
    EraseIf([&](LearningDataKey const& key) { return key.finePOS == finePOS; });
}

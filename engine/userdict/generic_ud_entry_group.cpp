#include "engine/userdict/generic_ud_entry_group.h"

#include <stdexcept>
#include <typeinfo>
#include <vector>

// ---- Interface -------------------------------------------------------------

bool GenericUDEntryGroupInterface_EX::IsGroupLeader(Entry_EX const& entry) {
    ForwardIterator<FinePOS_EX> finePOSes = entry.GetFinePOSIterator();
    if (finePOSes.IsAtEnd()) return true;
    FinePOS_EX const first = *finePOSes;
    return first.GetBaseForm() == first;
}

Entry_EX GenericUDEntryGroupInterface_EX::GetCurrentEntryGroup(UDEntryGroupIterator const& position) {
    return dynamic_cast<IteratorRep const&>(*position.GetRep()).GetCurrentEntryGroup();
}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::UpdateEntryGroup(UDEntryGroupIterator const& position,
                                                                       UDEntryGroupInfo_EX const&) {
    return position;
}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::LookupPrefix(std::string const& prefix) {
    ForwardIterator<Entry_EX> found = GetDictionary().LookupPrefix(prefix);
    if (found.IsAtEnd()) return GetIterator_end();
    return UDEntryGroupIterator(MakeIteratorRepFromEntryGroup(*found));
}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::LookupMatching(UDEntryGroupInfo_EX const&) {
    return GetIterator_end();
}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::GetIterator_start() {
    return UDEntryGroupIterator(MakeIteratorRep_start());
}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::GetIterator_end() {
    return UDEntryGroupIterator(MakeIteratorRep_end());
}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::GetIterator_fromhere(Entry_EX const& entry) {
    return UDEntryGroupIterator(MakeIteratorRepFromEntryGroup(entry));
}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::Erase(UDEntryGroupIterator const& position) {
    if (position.IsAtEnd()) throw std::out_of_range("no entry group at the end");
    UDEntryGroupIterator result = position;
    ++result;
    if (result.IsAtEnd()) {
        result = position;
        if (!result.IsAtStart()) --result;
        if (result == position) result = GetIterator_end();
    }
    RemoveGroup(GetCurrentEntryGroup(position));
    return result;
}

void GenericUDEntryGroupInterface_EX::RemoveGroup(Entry_EX const& leader) {
    Dictionary_EX dictionary = GetDictionary();
    ForwardIterator<FinePOS_EX> finePOSes = leader.GetFinePOSIterator();
    if (finePOSes.IsAtEnd()) {
        dictionary.RemoveEntry(leader);
        return;
    }
    std::vector<FinePOS_EX> forms;
    for (ForwardIterator<FinePOS_EX> form = (*finePOSes).GetCFIterator_start(); !form.IsAtEnd(); ++form)
        forms.push_back(*form);

    // An entry may hold several forms of the group ("put" is its own past) and
    // readings of other groups besides ("saw"): only the group's fine parts of
    // speech go, and an entry only once it holds nothing else.  Conjugated
    // forms go before their base form.
    std::vector<Entry_EX> touched;
    for (auto form = forms.rbegin(); form != forms.rend(); ++form) {
        Entry_EX entry = form->GetEntry();
        entry.RemoveFinePOS(*form);
        bool seen = false;
        for (Entry_EX const& other : touched) seen = seen || other == entry;
        if (!seen) touched.push_back(entry);
    }
    for (Entry_EX const& entry : touched)
        if (entry.GetFinePOSIterator().IsAtEnd()) dictionary.RemoveEntry(entry);
}

void GenericUDEntryGroupInterface_EX::ClearLearningData(UDEntryGroupIterator const&) {}

UDEntryGroupIterator GenericUDEntryGroupInterface_EX::CreateNew(UDEntryGroupInfo_EX const& record, bool) {
    Entry_EX const entry = GetDictionary().CreateNewEntry(kNewGroupHeadword);
    return UpdateEntryGroup(UDEntryGroupIterator(MakeIteratorRepFromEntryGroup(entry)), record);
}

bool GenericUDEntryGroupInterface_EX::IsReadOnly() { return !fDictionary->IsModifyable(); }

GenericUDEntryGroupInterface_EX::IteratorRep* GenericUDEntryGroupInterface_EX::MakeIteratorRepFromEntryGroup(
    Entry_EX const& entry) {
    return new GenericUDEntryGroupInterface_EX_IteratorRep(fDictionary->GetEntryIterator_from(entry));
}

GenericUDEntryGroupInterface_EX::IteratorRep* GenericUDEntryGroupInterface_EX::MakeIteratorRep_start() {
    return new GenericUDEntryGroupInterface_EX_IteratorRep(fDictionary->GetEntryIterator_start());
}

GenericUDEntryGroupInterface_EX::IteratorRep* GenericUDEntryGroupInterface_EX::MakeIteratorRep_end() {
    return new GenericUDEntryGroupInterface_EX_IteratorRep(fDictionary->GetEntryIterator_end());
}

// ---- Iterator --------------------------------------------------------------

using GroupRep = GenericUDEntryGroupInterface_EX_IteratorRep;

GroupRep::GenericUDEntryGroupInterface_EX_IteratorRep(BidirectionalIterator<Entry_EX> const& entries)
    : fEntries(entries) {
    SkipForwardToLeader();
}

GroupRep* GroupRep::Clone() const { return new GenericUDEntryGroupInterface_EX_IteratorRep(*this); }

UDEntryGroupInfo_EX GroupRep::Current() const { return UDEntryGroupInfo_EX(); }

void GroupRep::GoForward() {
    if (fEntries.IsAtEnd()) return;
    ++fEntries;
    SkipForwardToLeader();
}

void GroupRep::SkipForwardToLeader() {
    while (!fEntries.IsAtEnd() && !GenericUDEntryGroupInterface_EX::IsGroupLeader(*fEntries)) ++fEntries;
}

CanBeNull<BidirectionalIterator<Entry_EX>> GroupRep::PreviousLeader() const {
    BidirectionalIterator<Entry_EX> walk = fEntries;
    while (!walk.IsAtStart()) {
        --walk;
        if (GenericUDEntryGroupInterface_EX::IsGroupLeader(*walk)) return walk;
    }
    return {};
}

void GroupRep::GoBack() {
    CanBeNull<BidirectionalIterator<Entry_EX>> const previous = PreviousLeader();
    if (!previous.IsNull()) fEntries = previous.Get();
}

bool GroupRep::Equal(BidirectionalIteratorRep_<UDEntryGroupInfo_EX> const& other) const {
    auto const* same = dynamic_cast<GroupRep const*>(&other);
    return same != nullptr && fEntries == same->fEntries;
}

bool GroupRep::IsAtStart() const { return PreviousLeader().IsNull(); }

bool GroupRep::IsAtEnd() const { return fEntries.IsAtEnd(); }

Entry_EX GroupRep::GetCurrentEntryGroup() const { return *fEntries; }

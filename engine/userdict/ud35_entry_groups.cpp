// The maps of the entry-group interface, group positions and iteration, and
// the lookups that give a position.
#include "engine/userdict/ud35_entry_groups.h"

#include <cstdlib>
#include <iterator>
#include <stdexcept>
#include <typeinfo>

#include "engine/foundation/file_errors.h"

// ---- The group order ---------------------------------------------------------

void UD35GroupOrder::Clear() {
    fMap.clear();
    fPositions.clear();
    fHaveLastReached = false;
}

void UD35GroupOrder::Insert(std::string const& english, uint32_t leader) {
    fPositions[leader] = fMap.emplace(english, leader);
    fHaveLastReached = false;
}

void UD35GroupOrder::Erase(uint32_t leader) {
    auto const position = fPositions.find(leader);
    if (position == fPositions.end()) return;
    fMap.erase(position->second);
    fPositions.erase(position);
    fHaveLastReached = false;
}

UDWordMap::const_iterator UD35GroupOrder::PositionOf(uint32_t leader) const {
    if (leader == kEnd) return fMap.cend();
    auto const position = fPositions.find(leader);
    if (position == fPositions.end()) {
        throw std::invalid_argument("the entry group at this position is no longer in the dictionary");
    }
    return position->second;
}

uint32_t UD35GroupOrder::First() const { return fMap.empty() ? kEnd : fMap.cbegin()->second; }

uint32_t UD35GroupOrder::After(uint32_t leader) const {
    auto position = PositionOf(leader);
    if (position == fMap.cend()) return kEnd;
    ++position;
    return position == fMap.cend() ? kEnd : position->second;
}

uint32_t UD35GroupOrder::Before(uint32_t leader) const {
    auto const position = PositionOf(leader);
    if (position == fMap.cbegin()) return leader;
    return std::prev(position)->second;
}

void UD35GroupOrder::Remember(uint32_t index, UDWordMap::const_iterator position) {
    fHaveLastReached = true;
    fLastIndex = index;
    fLastPosition = position;
}

// Steps from whichever is nearest: the first group, the last index reached,
// or the end.
uint32_t UD35GroupOrder::LeaderAt(uint32_t index) {
    uint32_t const count = Count();
    if (index >= count) return kEnd;
    auto position = fMap.cbegin();
    int64_t steps = index;
    if (count - index < index) {
        position = fMap.cend();
        steps = int64_t{index} - count;
    }
    if (fHaveLastReached) {
        int64_t const fromLast = int64_t{index} - fLastIndex;
        if (std::abs(fromLast) < std::abs(steps)) {
            position = fLastPosition;
            steps = fromLast;
        }
    }
    std::advance(position, steps);
    Remember(index, position);
    return position->second;
}

// Walks back to the first group, or to the last index reached when it lies
// on the way.
uint32_t UD35GroupOrder::IndexOf(uint32_t leader) {
    auto const position = PositionOf(leader);
    if (position == fMap.cend()) return Count();
    uint32_t steps = 0;
    auto walk = position;
    while (!(fHaveLastReached && walk == fLastPosition) && walk != fMap.cbegin()) {
        --walk;
        ++steps;
    }
    uint32_t const index = fHaveLastReached && walk == fLastPosition ? fLastIndex + steps : steps;
    Remember(index, position);
    return index;
}

// ---- The interface: maps and positions -------------------------------------

UD35EntryGroupInterface_EJ::UD35EntryGroupInterface_EJ(ud_t& file) : fFile(file), fReadLock(&file) {
    BuildInOrderMap();
}

UD35EntryGroupInterface_EJ::~UD35EntryGroupInterface_EJ() = default;

// A head that cannot be read is skipped rather than thrown: the file layer
// keeps such an entry's blocks and warns about it, and every other group of
// the dictionary stays usable.
void UD35EntryGroupInterface_EJ::BuildInOrderMap() {
    fMapsOutOfDate = true;
    fForms.clear();
    fGroups.Clear();
    for (uint32_t n = 1; n < fFile.GetBlockCount(); ++n) {
        if (fFile.ReadDataBlockType(n) != kUDHeadBlock) continue;
        ud_entry_t entry;
        if (fFile.ReadEntry(n, &entry) != kUDNoError) continue;
        AddForm(entry.strings.english, n);
        if (entry.prevID == 0) fGroups.Insert(entry.strings.english, n);
    }
    fMapsOutOfDate = false;
    fMapsBuiltAt = fFile.GetCacheGeneration();
}

UDWordMap const& UD35EntryGroupInterface_EJ::Forms() {
    if (!fFormsKept) {
        fFormsKept = true;
        fMapsOutOfDate = true;
    }
    EnsureMapsCurrent();
    return fForms;
}

void UD35EntryGroupInterface_EJ::AddForm(std::string const& english, uint32_t id) {
    if (fFormsKept) fForms.emplace(english, id);
}

void UD35EntryGroupInterface_EJ::EnsureMapsCurrent() {
    if (fMapsOutOfDate || fFile.GetCacheGeneration() != fMapsBuiltAt) BuildInOrderMap();
}

UD35GroupOrder& UD35EntryGroupInterface_EJ::Order() {
    EnsureMapsCurrent();
    return fGroups;
}

UDEntryGroupIterator UD35EntryGroupInterface_EJ::At(uint32_t leader) {
    return UDEntryGroupIterator(new InOrderGroupIteratorRep_EJ_35UserDict(*this, leader));
}

uint32_t UD35EntryGroupInterface_EJ::LeaderOf(UDEntryGroupIterator const& position) {
    auto const* rep = dynamic_cast<InOrderGroupIteratorRep_EJ_35UserDict const*>(position.GetRep());
    if (rep == nullptr || &rep->GetInterface() != this) throw std::bad_cast();
    uint32_t const leader = rep->GetLeaderID();
    if (leader != UD35GroupOrder::kEnd && !Order().Contains(leader)) {
        throw std::invalid_argument("the entry group at this position is no longer in the dictionary");
    }
    return leader;
}

uint32_t UD35EntryGroupInterface_EJ::GroupAt(UDEntryGroupIterator const& position) {
    uint32_t const leader = LeaderOf(position);
    if (leader == UD35GroupOrder::kEnd) throw std::out_of_range("no entry group at the end");
    return leader;
}

void UD35EntryGroupInterface_EJ::RequireWritable() const {
    if (fFile.IsDamaged()) ThrowIfError(kUDFileCorrupt);
    if (!fFile.IsWritable()) throw FileAccessDenied(kUDFileName);
}

bool UD35EntryGroupInterface_EJ::IsReadOnly() { return !fFile.IsWritable(); }

// ---- Iteration -----------------------------------------------------------------

UDEntryGroupIterator UD35EntryGroupInterface_EJ::GetIterator_start() { return At(Order().First()); }

UDEntryGroupIterator UD35EntryGroupInterface_EJ::GetIterator_end() { return At(UD35GroupOrder::kEnd); }

uint32_t UD35EntryGroupInterface_EJ::GetCount() { return Order().Count(); }

UDEntryGroupIterator UD35EntryGroupInterface_EJ::GetIthEntry(uint32_t index) { return At(Order().LeaderAt(index)); }

uint32_t UD35EntryGroupInterface_EJ::GetIndexOf(UDEntryGroupIterator const& position) {
    return Order().IndexOf(LeaderOf(position));
}

InOrderGroupIteratorRep_EJ_35UserDict* InOrderGroupIteratorRep_EJ_35UserDict::Clone() const {
    return new InOrderGroupIteratorRep_EJ_35UserDict(*this);
}

UDEntryGroupInfo_EX InOrderGroupIteratorRep_EJ_35UserDict::Current() const {
    if (fLeaderID == UD35GroupOrder::kEnd) throw std::out_of_range("no entry group at the end");
    if (!fGroups->Order().Contains(fLeaderID)) {
        throw std::invalid_argument("the entry group at this position is no longer in the dictionary");
    }
    return fGroups->ExtractInfoFrom(fLeaderID);
}

void InOrderGroupIteratorRep_EJ_35UserDict::GoForward() { fLeaderID = fGroups->Order().After(fLeaderID); }

void InOrderGroupIteratorRep_EJ_35UserDict::GoBack() { fLeaderID = fGroups->Order().Before(fLeaderID); }

bool InOrderGroupIteratorRep_EJ_35UserDict::Equal(BidirectionalIteratorRep_<UDEntryGroupInfo_EX> const& other) const {
    auto const* group = dynamic_cast<InOrderGroupIteratorRep_EJ_35UserDict const*>(&other);
    return group != nullptr && group->fGroups == fGroups && group->fLeaderID == fLeaderID;
}

bool InOrderGroupIteratorRep_EJ_35UserDict::IsAtStart() const { return fLeaderID == fGroups->Order().First(); }

bool InOrderGroupIteratorRep_EJ_35UserDict::IsAtEnd() const { return fLeaderID == UD35GroupOrder::kEnd; }

uint32_t GetCurrentEntryGroup(UDEntryGroupIterator const& position) {
    auto const* rep = dynamic_cast<InOrderGroupIteratorRep_EJ_35UserDict const*>(position.GetRep());
    if (rep == nullptr) throw std::bad_cast();
    return rep->GetInterface().GroupAt(position);
}

// ---- Lookups -------------------------------------------------------------------

// The first form not less than the prefix is the first that can begin with
// it; its group is found from its leader's position, wherever the leader's
// own English sorts ("childr" finds "child" through "children").
UDEntryGroupIterator UD35EntryGroupInterface_EJ::LookupPrefix(std::string const& prefix) {
    UDWordMap const& forms = Forms();
    auto const form = forms.lower_bound(prefix);
    if (form == forms.end() || StringCompare_E_Source(form->first, prefix.c_str(), prefix.size()) != 0) {
        return GetIterator_end();
    }
    uint32_t const leader = fFile.FindLeader(form->second);
    return At(fGroups.Contains(leader) ? leader : UD35GroupOrder::kEnd);
}

UDEntryGroupIterator UD35EntryGroupInterface_EJ::GetIterator_fromhere(Entry_EX const& entry) {
    auto const* view = dynamic_cast<UD35EntryOfFile_ const*>(entry.GetRep());
    if (view == nullptr || view->GetUDFile() != &fFile) throw std::bad_cast();
    uint32_t const leader = fFile.FindLeader(view->GetUDEntryID());
    return At(Order().Contains(leader) ? leader : UD35GroupOrder::kEnd);
}

UDEntryGroupIterator UD35EntryGroupInterface_EJ::LookupMatching(UDEntryGroupInfo_EX const& record) {
    return LookUpInfo(AsStored(record), &EntryGroupsMatchEnufForLookupInfo);
}

// Only groups whose leader's English equals the base form byte for byte can
// match: the maps' order folds case, so the equal range is narrowed further.
UDEntryGroupIterator UD35EntryGroupInterface_EJ::LookUpInfo(UDEntryGroupInfo_EX const& record,
                                                            bool (*match)(UDEntryGroupInfo_EX const&,
                                                                          UDEntryGroupInfo_EX const&)) {
    std::string const base = record.GetBaseForm();
    auto const [first, last] = Order().Groups().equal_range(base);
    for (auto group = first; group != last; ++group) {
        if (group->first == base && match(ExtractInfoFrom(group->second), record)) return At(group->second);
    }
    return GetIterator_end();
}

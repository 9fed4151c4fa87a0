// Writing a parsed cell back: the surviving analyses group by group, their
// feature vectors in the cell's heap, the index of its keys, and the
// preference of idioms when one parse is kept.  Everything is built aside
// and swapped in at the end, so a limit reached while writing leaves the
// cell as it was.
#include <algorithm>

#include "engine/parse/parser.h"
#include "engine/parse/sentence.h"

namespace {

constexpr unsigned kFirstUnnamedCategory = 14999;
constexpr uint16_t kResolved = 0xFFFF;  // b of a written unary analysis

bool IsEnabled(ParseChartEntry const& entry) { return !entry.Has(ParseChartEntry::kDisabled); }

// The cell's new contents while they are built.
struct StagedCell {
    std::vector<ParseChartEntry> entries;
    std::vector<uint16_t> heap = std::vector<uint16_t>(1, 0);  // word 0 unused: offset 0 means none
    std::vector<PCHART_CELL::IndexRecord> index;
    uint32_t fines = 0;
};

}  // namespace

uint16_t Parser::AllocInCellHeap(std::vector<uint16_t>& heap, FeatureVector const& features) {
    if (features.Empty()) return 0;
    std::size_t const word = heap.size();
    CheckCellHeap((word + features.size) * 2);
    heap.insert(heap.end(), features.words, features.words + features.size);
    return static_cast<uint16_t>(word * 2);
}

void Parser::WritePENTRYs(PCHART_CELL& cell) {
    // A unary analysis whose daughter is not written goes too; that can
    // empty its own group in turn.
    auto const written = [this](FineEntry const& fine) {
        if (fine.state & FineEntry::kPruned) return false;
        return std::any_of(fine.members.begin(), fine.members.end(),
                           [](Member const& m) { return IsEnabled(m.entry); });
    };
    for (bool changed = true; changed;) {
        changed = false;
        for (FineEntry& fine : fFines) {
            if (!written(fine)) continue;
            for (Member& member : fine.members) {
                if (member.entry.kind != ParseChartEntry::kUnaryEntry || !IsEnabled(member.entry)) continue;
                if (written(fFines[member.daughterFine])) continue;
                member.entry.flags |= ParseChartEntry::kDisabled;
                changed = true;
            }
        }
    }

    StagedCell staged;
    std::vector<uint32_t> daughters;  // per written entry: its unary daughter's fine
    uint32_t checkedAt = 0;
    for (auto& [key, consp] : fConsp) {
        PCHART_CELL::IndexRecord record;
        record.key = key;
        FeatureVector unionOfFeatures;
        bool usable = !fSetPOSCell;
        std::size_t const first = staged.entries.size();
        for (uint32_t id : consp.fines) {
            FineEntry& fine = fFines[id];
            if (!written(fine)) continue;
            std::vector<Member> members;
            for (Member const& member : fine.members) {
                if (IsEnabled(member.entry)) members.push_back(member);
            }
            // The best member heads the group.
            std::stable_sort(members.begin(), members.end(),
                             [](Member const& a, Member const& b) { return a.entry.score > b.entry.score; });
            fine.head = static_cast<uint32_t>(staged.entries.size());
            uint16_t const offset = AllocInCellHeap(staged.heap, fine.features);
            OrFeatures(unionOfFeatures, fine.features);
            for (std::size_t m = 0; m < members.size(); ++m) {
                ParseChartEntry entry = members[m].entry;
                if (entry.Has(ParseChartEntry::kMatchesSetPOS)) usable = true;
                entry.category = static_cast<uint16_t>(key / 2);
                entry.featureOffset = offset;
                entry.flags &= static_cast<uint8_t>(
                    ~(ParseChartEntry::kDisabled | ParseChartEntry::kMoreInGroup | ParseChartEntry::kMatchesSetPOS));
                if (m > 0) entry.flags |= ParseChartEntry::kDisabled;
                if (m + 1 < members.size()) entry.flags |= ParseChartEntry::kMoreInGroup;
                staged.entries.push_back(entry);
                daughters.push_back(members[m].daughterFine);
            }
            ++staged.fines;
        }
        std::size_t const count = staged.entries.size() - first;
        CheckCellEntries(staged.entries.size());
        if ((staged.entries.size() + 1) / 10000 != (checkedAt + 1) / 10000) {
            checkedAt = static_cast<uint32_t>(staged.entries.size());
            CheckTime();
        }
        if (count == 0) continue;
        record.count = static_cast<uint16_t>(count);
        record.unionOffset = AllocInCellHeap(staged.heap, unionOfFeatures);
        record.flags = usable ? PCHART_CELL::IndexRecord::kUsable : 0;
        staged.index.push_back(record);
    }
    staged.index.push_back(PCHART_CELL::IndexRecord{});

    for (std::size_t i = 0; i < staged.entries.size(); ++i) {
        ParseChartEntry& entry = staged.entries[i];
        if (entry.kind != ParseChartEntry::kUnaryEntry) continue;
        entry.a = static_cast<uint16_t>(fFines[daughters[i]].head);
        entry.b = kResolved;
    }
    if (fSentence->Flags() & Sentence::kOneParseKept) DoPreferentialIdioms(staged.entries);

    cell.entries.swap(staged.entries);
    cell.featureHeap.swap(staged.heap);
    cell.index.swap(staged.index);
    cell.fineEntryCount = staged.fines;
    cell.parsed = true;
}

// An idiom read over the cell beats the other analyses of its category: the
// heads of their groups are zapped, and so, up the unary chains, are the
// groups built on them.
void Parser::DoPreferentialIdioms(std::vector<ParseChartEntry>& entries) {
    std::size_t const n = entries.size();
    std::vector<std::size_t> groupOf(n);
    for (std::size_t i = 0; i < n; ++i)
        groupOf[i] = i > 0 && entries[i - 1].Has(ParseChartEntry::kMoreInGroup) ? groupOf[i - 1] : i;
    std::vector<std::size_t> zapped;
    for (std::size_t i = 0; i < n; ++i) {
        ParseChartEntry const& idiom = entries[i];
        if (!idiom.Has(ParseChartEntry::kPreferred) || idiom.category >= kFirstUnnamedCategory) continue;
        for (std::size_t h = 0; h < n; ++h) {
            if (groupOf[h] != h || h == groupOf[i] || entries[h].category != idiom.category) continue;
            if (entries[h].Has(ParseChartEntry::kAlwaysUse) && !idiom.Has(ParseChartEntry::kAlwaysUse)) continue;
            zapped.push_back(h);
        }
    }
    std::vector<bool> done(n, false);
    while (!zapped.empty()) {
        std::size_t const head = zapped.back();
        zapped.pop_back();
        if (done[head]) continue;
        done[head] = true;
        entries[head].flags |= ParseChartEntry::kDisabled;
        for (std::size_t i = 0; i < n; ++i) {
            if (entries[i].kind == ParseChartEntry::kUnaryEntry && entries[i].a == head) zapped.push_back(groupOf[i]);
        }
    }
}

void Parser::FreeConsp() {
    fConsp.clear();
    fFines.clear();
    fPruneSlots.clear();
    fInUnary = false;
    fPruning = false;
}

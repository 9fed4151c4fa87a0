// Filling one cell: its dictionary readings, the binary rules over every
// pair of smaller cells that make up its span, the closure under the unary
// rules, and the cell's part-of-speech setting.
#include <algorithm>

#include "engine/parse/grammar_tables.h"
#include "engine/parse/parser.h"
#include "engine/parse/pos_setting.h"
#include "engine/parse/sentence.h"

namespace {

// Categories from here on are dictionary, glue and temporary nodes: they
// take no unary rules and are never pruned.
constexpr unsigned kFirstUnprunedCategory = 15000;
// Keys are 16 bits and 0xFFFF ends a run of the rule tables.
constexpr unsigned kLargestKeyedCategory = 32766;
// Flags that keep analyses of one key apart, and that pass up to parents.
constexpr uint8_t kDistinguishingFlags = ParseChartEntry::kPreferred | ParseChartEntry::kAlwaysUse;

uint16_t KeyOf(unsigned category, bool primed) { return static_cast<uint16_t>(category * 2 + (primed ? 1 : 0)); }

// Where each index record's entries begin.
std::vector<uint32_t> IndexStarts(PCHART_CELL const& cell) {
    std::vector<uint32_t> starts;
    uint32_t next = 0;
    for (PCHART_CELL::IndexRecord const& record : cell.index) {
        starts.push_back(next);
        next += record.count;
    }
    return starts;
}

}  // namespace

void Parser::DictEntriesToConsp(PCHART_CELL& cell, unsigned d, unsigned e) {
    ParseChart const& chart = fSentence->Chart();
    bool const scoring = fSentence->PruneListLength() != 0;
    // Copied first: the cell keeps its readings until its analyses are written.
    std::vector<ParseChartEntry> const readings = cell.entries;
    for (ParseChartEntry const& reading : readings) {
        if (reading.kind != ParseChartEntry::kDictionaryReading) continue;
        FinePOS_EX const& finePOS = chart.FinePOSOf(reading);
        unsigned const category = finePOS.GetFinePOS();
        if (category > kLargestKeyedCategory) continue;
        Member member;
        member.entry = reading;
        member.entry.category = static_cast<uint16_t>(category);
        member.entry.score = scoring ? DictScore(finePOS, d, e) : 0.0f;
        bool const matched = fSetPOSCell && SetPOSMatch(fCell->settingCode, static_cast<uint16_t>(category));
        AddPEntry(KeyOf(category, reading.Has(ParseChartEntry::kPrimed)), member,
                  TransferFeaturesFromDict(static_cast<uint16_t>(category), finePOS), false, matched, 0);
    }
}

int Parser::FineCompare(uint8_t flags, FeatureVector const& features, FineEntry const& fine) const {
    int const mine = flags & kDistinguishingFlags;
    int const theirs = fine.representative.flags & kDistinguishingFlags;
    if (mine != theirs) return mine < theirs ? -1 : 1;
    return CompareFeatures(features, fine.features);
}

Parser::Added Parser::AddPEntry(uint16_t key, Member const& given, FeatureVector const& features, bool unary,
                                bool matchedSet, uint32_t depth) {
    CountEntry();
    Member member = given;
    member.entry.category = static_cast<uint16_t>(key / 2);
    Consp& consp = fConsp[key];
    auto const position = std::lower_bound(
        consp.fines.begin(), consp.fines.end(), member,
        [&](uint32_t id, Member const& m) { return FineCompare(m.entry.flags, features, fFines[id]) > 0; });
    bool const setMatch = fSetPOSCell && (matchedSet || SetPOSMatch(fCell->settingCode, key / 2));
    if (fSetPOSCell) {
        if (setMatch)
            member.entry.flags |= ParseChartEntry::kMatchesSetPOS;
        else
            member.entry.flags |= ParseChartEntry::kDisabled;
    }

    if (position == consp.fines.end() || FineCompare(member.entry.flags, features, fFines[*position]) != 0) {
        // A new feature-distinct analysis of the key.
        uint32_t const id = static_cast<uint32_t>(fFines.size());
        FineEntry fine;
        fine.key = key;
        fine.features = features;
        fine.representative = member.entry;
        fine.members.push_back(member);
        fine.depth = depth;
        if (fSetPOSCell) fine.state = setMatch ? FineEntry::kMatchedSet : FineEntry::kPruned;
        fFines.push_back(std::move(fine));
        consp.fines.insert(position, id);
        AddToPruneList(id, false);
        return {id, true};
    }

    uint32_t const id = *position;
    Added added{id, false};
    FineEntry& fine = fFines[id];
    if (unary && !fSetPOSCell && (fine.state & FineEntry::kPruned)) {
        fine.state = static_cast<uint8_t>(fine.state & ~FineEntry::kPruned);
        added.signalled = true;
    }
    if (fSetPOSCell && setMatch) {
        fine.state = static_cast<uint8_t>((fine.state & ~FineEntry::kPruned) | FineEntry::kMatchedSet);
    }
    auto const identical = [&](Member const& m) {
        return m.entry.kind == member.entry.kind && m.entry.rule == member.entry.rule &&
               m.daughterFine == member.daughterFine && m.entry.a == member.entry.a && m.entry.b == member.entry.b;
    };
    auto const same = unary ? std::find_if(fine.members.begin(), fine.members.end(), identical) : fine.members.end();
    if (same != fine.members.end())
        *same = member;
    else
        fine.members.push_back(member);
    if (member.entry.score > fine.representative.score) {
        fine.representative.score = member.entry.score;
        fine.depth = std::max(fine.depth, depth);
        AddToPruneList(id, true);
        added.signalled = true;
    }
    return added;
}

void Parser::BinaryCombo(unsigned split, PCHART_CELL const& left, PCHART_CELL const& right) {
    if (left.index.empty() || right.index.empty()) return;
    std::vector<uint32_t> const leftStarts = IndexStarts(left);
    std::vector<uint32_t> const rightStarts = IndexStarts(right);
    for (std::size_t l = 0; l < left.index.size() && left.index[l].key != PCHART_CELL::IndexRecord::kEnd; ++l) {
        PCHART_CELL::IndexRecord const& leftKey = left.index[l];
        if (!(leftKey.flags & PCHART_CELL::IndexRecord::kUsable)) continue;
        RuleIndexRecord const& rules = RuleIndexFor(leftKey.key / 2u);
        bool const primed = (leftKey.key & 1) != 0;
        if ((primed ? rules.binaryPrimed : rules.binaryUnprimed) == 0) continue;
        unsigned rule =
            rules.firstRule + rules.unaryUnprimed + (primed ? unsigned{rules.binaryUnprimed} + rules.unaryPrimed : 0u);
        unsigned pair = rules.rightRuns[primed ? 1 : 0];
        std::size_t r = 0;
        // Both lists ascend by right key: merge them.
        while (pair < kRuleRHeapCount && kRuleRHeap[pair].rightKey != RuleRHeapPair::kRunEnd &&
               r < right.index.size() && right.index[r].key != PCHART_CELL::IndexRecord::kEnd) {
            RuleRHeapPair const& run = kRuleRHeap[pair];
            PCHART_CELL::IndexRecord const& rightKey = right.index[r];
            if (run.rightKey < rightKey.key) {
                rule += run.count;
                ++pair;
            } else if (run.rightKey > rightKey.key) {
                ++r;
            } else {
                if (rightKey.flags & PCHART_CELL::IndexRecord::kUsable)
                    DoConspMatches(split, rule, run.count, left, leftKey, leftStarts[l], right, rightKey,
                                   rightStarts[r]);
                rule += run.count;
                ++pair;
                ++r;
            }
        }
    }
}

// The group heads of one key of a written cell, with their features.
std::vector<Parser::Head> Parser::HeadsOf(PCHART_CELL const& cell, PCHART_CELL::IndexRecord const& key,
                                          uint32_t start) {
    std::vector<Head> heads;
    for (uint32_t i = start; i < start + key.count && i < cell.entries.size(); ++i) {
        if (cell.entries[i].Has(ParseChartEntry::kDisabled)) continue;  // only group heads are daughters
        heads.push_back(Head{i, CellFeaturesAt(cell, cell.entries[i].featureOffset)});
    }
    return heads;
}

void Parser::DoConspMatches(unsigned split, unsigned firstRule, unsigned ruleCount, PCHART_CELL const& left,
                            PCHART_CELL::IndexRecord const& leftKey, uint32_t leftStart, PCHART_CELL const& right,
                            PCHART_CELL::IndexRecord const& rightKey, uint32_t rightStart) {
    FeatureVector const leftUnion = CellFeaturesAt(left, leftKey.unionOffset);
    FeatureVector const rightUnion = CellFeaturesAt(right, rightKey.unionOffset);
    bool const scoring = fSentence->PruneListLength() != 0;
    unsigned const startWord = fE - fD;
    std::vector<Head> leftHeads;
    std::vector<Head> rightHeads;
    for (unsigned number = firstRule; number < firstRule + ruleCount && number < kRuleListCount; ++number) {
        RuleRecord const& rule = kRuleList[number];
        if ((rule.flags & RuleRecord::kCapitalSequenceOnly) && !fCell->Has(PCHART_CELL::kCapitalSequence)) continue;
        if (rule.SmallestStartWord() > startWord) continue;
        if (!FeatureMatch_Fuzzy(rule.leftTests, leftUnion) || !FeatureMatch_Fuzzy(rule.rightTests, rightUnion))
            continue;
        if (leftHeads.empty()) {
            leftHeads = HeadsOf(left, leftKey, leftStart);
            rightHeads = HeadsOf(right, rightKey, rightStart);
        }
        bool const primed = (rule.flags & RuleRecord::kResultPrimed) != 0;
        for (Head const& l : leftHeads) {
            if (!FeatureMatch_Exact(rule.leftTests, l.features)) continue;
            ParseChartEntry const& leftEntry = left.entries[l.index];
            for (Head const& r : rightHeads) {
                if (!FeatureMatch_Exact(rule.rightTests, r.features)) continue;
                FeatureVector result;
                if (!FeatureCopyAndMatch(rule, l.features, r.features, result)) continue;
                ParseChartEntry const& rightEntry = right.entries[r.index];
                Member member;
                member.entry.kind = static_cast<uint8_t>(split);
                member.entry.a = static_cast<uint16_t>(l.index);
                member.entry.b = static_cast<uint16_t>(r.index);
                member.entry.rule = static_cast<uint16_t>(number);
                member.entry.flags =
                    static_cast<uint8_t>((primed ? ParseChartEntry::kPrimed : 0) |
                                         ((leftEntry.flags | rightEntry.flags) & ParseChartEntry::kAlwaysUse));
                member.entry.score = scoring ? RuleScore(number) + leftEntry.score + rightEntry.score : 0.0f;
                AddPEntry(KeyOf(rule.category, primed), member, result, false, false, 0);
            }
        }
    }
}

void Parser::UnaryForCell() {
    fInUnary = true;
    std::vector<uint32_t> pending;
    // A stack: keys ascending, each key's fines in order, the first on top.
    for (auto const& [key, consp] : fConsp) {
        if (key / 2u >= kFirstUnprunedCategory) continue;
        pending.insert(pending.end(), consp.fines.begin(), consp.fines.end());
    }
    std::reverse(pending.begin(), pending.end());
    while (!pending.empty()) {
        uint32_t const fine = pending.back();
        pending.pop_back();
        UnaryOneFine(fine, pending);
    }
    fInUnary = false;
}

void Parser::UnaryOneFine(uint32_t id, std::vector<uint32_t>& pending) {
    // Copied without its members: adding analyses moves the fine entries.
    FineEntry daughter;
    {
        FineEntry const& fine = fFines[id];
        daughter.key = fine.key;
        daughter.features = fine.features;
        daughter.representative = fine.representative;
        daughter.state = fine.state;
        daughter.depth = fine.depth;
    }
    unsigned const category = daughter.key / 2u;
    if (category >= kFirstUnprunedCategory) return;
    bool const pruned = (daughter.state & FineEntry::kPruned) != 0;
    if (pruned && !fSetPOSCell) return;
    RuleIndexRecord const& rules = RuleIndexFor(category);
    bool const daughterPrimed = (daughter.key & 1) != 0;
    unsigned const first =
        rules.firstRule + (daughterPrimed ? unsigned{rules.unaryUnprimed} + rules.binaryUnprimed : 0u);
    unsigned const count = daughterPrimed ? rules.unaryPrimed : rules.unaryUnprimed;
    bool const scoring = fSentence->PruneListLength() != 0;
    bool const matched = fSetPOSCell && !pruned && (daughter.state & FineEntry::kMatchedSet);
    for (unsigned number = first; number < first + count && number < kRuleListCount; ++number) {
        RuleRecord const& rule = kRuleList[number];
        if ((rule.flags & RuleRecord::kCapitalSequenceOnly) && !fCell->Has(PCHART_CELL::kCapitalSequence)) continue;
        if (!FeatureMatch_Exact(rule.leftTests, daughter.features)) continue;
        FeatureVector result;
        if (!FeatureCopyAndMatch(rule, daughter.features, FeatureVector{}, result)) continue;
        CheckUnaryDepth(daughter.depth + 1);
        bool const primed = (rule.flags & RuleRecord::kResultPrimed) != 0;
        Member member;
        member.entry.kind = ParseChartEntry::kUnaryEntry;
        member.entry.a = daughter.key;
        member.entry.b = static_cast<uint16_t>(id);
        member.entry.rule = static_cast<uint16_t>(number);
        member.entry.flags = static_cast<uint8_t>((primed ? ParseChartEntry::kPrimed : 0) |
                                                  (daughter.representative.flags & kDistinguishingFlags));
        member.entry.score = scoring ? RuleScore(number) + daughter.representative.score : 0.0f;
        member.daughterFine = id;
        Added const added = AddPEntry(KeyOf(rule.category, primed), member, result, true, matched, daughter.depth + 1);
        if (added.signalled) pending.push_back(added.fine);
    }
}

bool Parser::FinishSetPOS() {
    uint16_t const code = fCell->settingCode;
    if (code & POS_SETTING::kLiteralMark) fCell->flags |= PCHART_CELL::kSetPOSNotMet;
    std::vector<uint32_t> enable;
    for (auto const& [key, consp] : fConsp) {
        if (!SetPOSMatch(code, key / 2u)) continue;
        enable.insert(enable.end(), consp.fines.begin(), consp.fines.end());
    }
    if (!enable.empty()) {
        // The analyses below a matching one are kept with it.
        std::vector<bool> seen(fFines.size(), false);
        while (!enable.empty()) {
            uint32_t const id = enable.back();
            enable.pop_back();
            if (seen[id]) continue;
            seen[id] = true;
            FineEntry& fine = fFines[id];
            fine.state = static_cast<uint8_t>(fine.state & ~FineEntry::kPruned);
            for (Member& member : fine.members) {
                member.entry.flags = static_cast<uint8_t>(member.entry.flags & ~ParseChartEntry::kDisabled);
                if (member.entry.kind == ParseChartEntry::kUnaryEntry) enable.push_back(member.daughterFine);
            }
        }
        return false;
    }
    // Nothing met the setting: the cell takes the setting's own readings.
    fCell->flags |= PCHART_CELL::kSetPOSNotMet;
    fConsp.clear();
    fFines.clear();
    ParseChart& chart = fSentence->Chart();
    bool const scoring = fSentence->PruneListLength() != 0;
    for (FinePOS_EX const& finePOS : fCell->setPOSReadings) {
        unsigned const category = finePOS.GetFinePOS();
        if (category > kLargestKeyedCategory) continue;
        Member member;
        member.entry.kind = ParseChartEntry::kDictionaryReading;
        chart.AssignFinePOSToEntry(member.entry, finePOS);
        if (finePOS.GetPrimed()) member.entry.flags |= ParseChartEntry::kPrimed;
        member.entry.score = scoring ? DictScore(finePOS, fD, fE) : 0.0f;
        AddPEntry(KeyOf(category, finePOS.GetPrimed()), member,
                  TransferFeaturesFromDict(static_cast<uint16_t>(category), finePOS), false, true, 0);
    }
    return true;
}

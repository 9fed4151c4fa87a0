#include "engine/parse/grammar_dump.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "engine/foundation/name_tables.h"
#include "engine/parse/grammar_tables.h"

namespace {

std::string Format(char const* format, ...) {
    char buffer[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(buffer, sizeof buffer, format, arguments);
    va_end(arguments);
    return buffer;
}

std::string CategoryName(unsigned code) {
    if (code >= kFirstTemporaryCategory) return "~" + std::to_string(code);
    if (code < kE_Source_POSNameCount) return kE_Source_POSNames()[code];
    return "pos" + std::to_string(code);
}

std::string KeyName(unsigned key) { return CategoryName(key / 2) + (key & 1 ? "'" : ""); }

char const* TermName(unsigned kind) {
    switch (kind) {
        case 21:
        case 22:
            return "-";
        case 24:
            return "<e>";
        case 25:
            return "<t>";
        case 26:
            return "<t2>";
        case 27:
            return "<t3>";
        case 28:
            return "<t4>";
        case 29:
            return "<de>";
        default:
            return nullptr;
    }
}

std::string Words(uint16_t const* words, unsigned count) {
    std::string text;
    for (unsigned i = 0; i < count; ++i) text += Format(" 0x%04X", words[i]);
    return text;
}

void AppendRules(std::string& out) {
    RuleKeys const keys = DaughterKeysOfRules();
    for (unsigned number = 1; number < kRuleListCount; ++number) {
        RuleRecord const& r = kRuleList[number];
        out += Format("rule %u 0x%04X %u", number, r.flags, r.category);
        for (uint16_t value : r.settings) out += Format(" %u", value);
        for (uint16_t value : r.leftTests) out += Format(" %u", value);
        for (uint16_t value : r.rightTests) out += Format(" %u", value);
        out += Format(" %u %u %u %.9g", r.pureRule, r.programLength, r.programStart, r.balanceWeight);
        out += "  # " + CategoryName(r.category) + (r.flags & RuleRecord::kResultPrimed ? "'" : "") + " <-";
        out += keys.left[number] != RuleKeys::kNone ? " " + KeyName(keys.left[number]) : std::string(" ?");
        if (keys.right[number] != RuleKeys::kNone) out += " " + KeyName(keys.right[number]);
        out += Format(" (rule %u)\n", r.pureRule < kPureRuleCount ? kPureRules[r.pureRule].id : 0);
    }
}

void AppendIndexAndRuns(std::string& out) {
    for (unsigned category = 0; category < kRuleIndexCount; ++category) {
        RuleIndexRecord const& i = RuleIndexFor(category);
        if (i.unaryUnprimed + i.binaryUnprimed + i.unaryPrimed + i.binaryPrimed == 0) continue;
        out += Format("index %u %u %u %u %u %u %u %u  # ", category, i.firstRule, i.unaryUnprimed, i.binaryUnprimed,
                      i.unaryPrimed, i.binaryPrimed, i.rightRuns[0], i.rightRuns[1]);
        out += CategoryName(category) + "\n";
    }
    out += "\n";
    for (unsigned pair = 0; pair < kRuleRHeapCount; ++pair) {
        RuleRHeapPair const& p = kRuleRHeap[pair];
        out += Format("rheap %u %u %u  # ", pair, p.rightKey, p.count);
        out += (p.rightKey == RuleRHeapPair::kRunEnd ? std::string("end") : KeyName(p.rightKey)) + "\n";
    }
}

void AppendHeap(std::string& out, char const* name, uint16_t const* words, unsigned count) {
    for (unsigned unit = 0; unit * 4 < count; ++unit)
        out += Format("%s %u", name, unit) + Words(words + unit * 4, 4) + "\n";
}

void AppendPureRules(std::string& out) {
    for (unsigned i = 0; i < kPureRuleCount; ++i) {
        PureRuleRecord const& p = kPureRules[i];
        out += Format("pure %u %u %u %d %u %u %u %u\n", i, p.flags, p.id, p.probability, p.termCount,
                      unsigned(p.firstTerm), p.codeCount, p.firstCode);
    }
    out += "\n";
    for (unsigned i = 0; i < kPureCCodeCount; ++i)
        out += Format("ccode %u %u \"%s\"\n", i, kPureCCodes[i].vCategory, kPureCCodes[i].code);
    out += "\n";
    for (unsigned i = 0; i < kUsedPureTermCount; ++i) {
        PureTermRecord const& t = kPureTerms[i];
        char const* name = TermName(t.kind);
        out += Format("term %u %u %u %u  # ", i, t.kind, t.vCatCount, t.firstVCat);
        out += (name != nullptr ? name : std::to_string(t.kind)) + "\n";
    }
    for (unsigned i = 0; i < kUsedPureVCatCount; ++i) {
        PureVCatRecord const& v = kPureVCats[i];
        out += Format("vcat %u %u %u %u  # ", i, unsigned(v.category), v.kind, v.childCount);
        out += CategoryName(v.category) + "\n";
    }
    for (unsigned i = 0; i < kUsedAltProbCount; ++i)
        out += Format("alt %u %u %d \"%s\"\n", i, kAltProbs[i].pureRuleId, kAltProbs[i].probability, kAltProbs[i].tag);
}

void AppendDerived(std::string& out) {
    out += "excluded";
    if (kUsedExcludedCatCount == 0) out += " ";
    for (unsigned i = 0; i < kUsedExcludedCatCount; ++i) out += Format(" %u", kExcludedCats[i]);
    out += "\ncomma";
    std::string rules;
    for (unsigned rule = 0; rule < kRuleListCount; ++rule) {
        if (kCommaPenaltyRules[rule] != 0) rules += Format(" %u", rule);
    }
    out += (rules.empty() ? " " : rules) + "\n";
    for (unsigned i = 0; kGrammarCreatedParticles[i][0] != '\0'; ++i)
        out += Format("particle \"%s\"\n", kGrammarCreatedParticles[i]);
}

unsigned ParticleCount() {
    unsigned count = 0;
    while (kGrammarCreatedParticles[count][0] != '\0') ++count;
    return count;
}

}  // namespace

std::string GrammarSizes() {
    struct Size {
        char const* table;
        unsigned count;
    } const sizes[] = {
        {"kRuleList", kRuleListCount},
        {"kRuleIndex", kRuleIndexCount},
        {"kRuleRHeap", kRuleRHeapCount},
        {"kRuleHeap", kRuleHeapCount},
        {"kFeatureBitHeap", kFeatureBitHeapCount},
        {"kPureRules", kPureRuleCount},
        {"kPureCCodes", kPureCCodeCount},
        {"kPureTerms", kUsedPureTermCount},
        {"kPureVCats", kUsedPureVCatCount},
        {"kAltProbs", kUsedAltProbCount},
        {"kExcludedCats", kUsedExcludedCatCount},
        {"kGrammarCreatedParticles", ParticleCount()},
    };
    std::string out;
    for (Size const& size : sizes) out += Format("size %s %u\n", size.table, size.count);
    return out;
}

std::string GrammarDump() {
    std::string out =
        "# Generated by tools/gen_grammar_tables.py from tools/grammar/*.gram; do not edit.\n"
        "# The compiled grammar, table by table.  Every number is the table's own;\n"
        "# text after '#' only explains it.  tools/gen_grammar_tables.py --check\n"
        "# reads this file back and requires the very same tables.\n\n";
    out += GrammarSizes() + "\n";
    AppendRules(out);
    out += "\n";
    AppendIndexAndRuns(out);
    out += "\n";
    AppendHeap(out, "ruleheap", kRuleHeap, kRuleHeapCount);
    out += "\n";
    AppendHeap(out, "featurebits", kFeatureBitHeap, kFeatureBitHeapCount);
    out += "\n";
    AppendPureRules(out);
    AppendDerived(out);
    return out;
}

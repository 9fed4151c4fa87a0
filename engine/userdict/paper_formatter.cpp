#include "engine/userdict/paper_formatter.h"

#include <algorithm>
#include <set>
#include <vector>

#include "engine/userdict/paper_formatter_headline.h"
#include "engine/userdict/paper_formatter_readings.h"

using Formatter = Dictionary_EJ_ToPaperFormatter;

namespace {

// One printed reading.
struct PAPER_ENTRY {
    PaperGrossPOS grossPOS = kPaperSpecial;
    FinePOS_EX finePOS;  // the base form of the reading
    std::string name;    // its part-of-speech name
    std::string headline;
    std::string usage;  // starts as the headword
    bool hasUsage = false;
};

bool IsASCIILower(char c) { return c >= 'a' && c <= 'z'; }

// The feature sets (1 and 2) that read as words ("take_part_in") add to
// the usage text.
void AddFeatureUsage(FinePOS_EX const& base, PAPER_ENTRY* record) {
    for (unsigned set = 1; set <= 2; ++set) {
        std::string text = base.GetFeatureSets(set);
        if (text.empty() || !IsASCIILower(text[0])) continue;
        std::replace(text.begin(), text.end(), '_', ' ');
        record->usage += " " + text;
        record->hasUsage = true;
    }
}

PAPER_ENTRY MakePaperEntry(FinePOS_EX const& finePOS, Formatter::Labels const& labels) {
    FinePOS_EX const base = finePOS.GetBaseForm();
    std::string const headword = base.GetEntry().GetSrcText();
    PAPER_ENTRY record{ConstitToGrossPOS(DGetConstit(base)), base, DGetConstit(base), "", headword, false};
    AddFeatureUsage(base, &record);
    if (record.name == "VT01") {
        record.usage = labels[Formatter::kLabelVT];
        record.hasUsage = true;
    } else if (record.name == "VI01") {
        record.hasUsage = true;
        if (GetWordsAdjustVI01(headword, record.name) == headword) record.usage = labels[Formatter::kLabelVI];
    }
    auto const labelID = static_cast<Formatter::LabelID>(ConstitToGrossPOS(DGetConstit(finePOS)));
    record.headline = MakeHeadline(GatherPaperForms(base), labels[labelID], headword);
    return record;
}

// Usage lines in print order: none, "(vi)", "(vt)", then the others.
int UsageRank(std::string const& usage, Formatter::Labels const& labels) {
    if (usage.empty()) return 0;
    if (usage == labels[Formatter::kLabelVI]) return 1;
    if (usage == labels[Formatter::kLabelVT]) return 2;
    return 3;
}

// Print order of the readings: by gross part of speech, headline, usage.
class PaperESorter {
public:
    explicit PaperESorter(Formatter::Labels const& labels) : fLabels(labels) {}

    int Compare(PAPER_ENTRY const& a, PAPER_ENTRY const& b) const {
        if (a.grossPOS != b.grossPOS) return a.grossPOS < b.grossPOS ? -1 : 1;
        if (int const byHeadline = a.headline.compare(b.headline)) return byHeadline;
        if (a.usage == b.usage) return 0;
        int const rankA = UsageRank(a.usage, fLabels);
        int const rankB = UsageRank(b.usage, fLabels);
        if (rankA != rankB) return rankA < rankB ? -1 : 1;
        return a.usage.compare(b.usage);
    }
    bool operator()(PAPER_ENTRY const& a, PAPER_ENTRY const& b) const { return Compare(a, b) < 0; }

private:
    Formatter::Labels const& fLabels;
};

// Appends the translations of the reading not yet shown under the current
// headline or usage line.
void AddAllPaperJ(PAPER_ENTRY const& record, Formatter::Labels const& labels, std::set<std::string>* shown,
                  std::string* out) {
    IdiomType const idiom = record.finePOS.GetIdiomType();
    for (ForwardIterator<Paraphrase_EX> pp = record.finePOS.GetParaphraseIterator(); !pp.IsAtEnd(); ++pp) {
        std::string text = (*pp).GetRawTranslation();
        if (text.empty()) continue;
        if (idiom == eIdiomPreferredPOS) text += " " + labels[Formatter::kLabelPreferredPOS];
        if (idiom == eIdiomPreferredAlways) text += " " + labels[Formatter::kLabelPreferredAlways];
        if (shown->insert(text).second) *out += "\n    " + text;
    }
}

std::string SortAndRender(std::vector<PAPER_ENTRY> records, Formatter::Labels const& labels) {
    std::stable_sort(records.begin(), records.end(), PaperESorter(labels));
    std::string out;
    std::set<std::string> shown;
    for (std::size_t i = 0; i < records.size(); ++i) {
        PAPER_ENTRY const& record = records[i];
        if (i == 0 || record.headline != records[i - 1].headline) {
            if (i != 0) out += "\n";
            out += record.headline;
            if (record.hasUsage) out += "\n  " + record.usage;
            shown.clear();
        } else if (!record.usage.empty() && record.usage != records[i - 1].usage) {
            out += "\n  " + record.usage;
            shown.clear();
        }
        AddAllPaperJ(record, labels, &shown, &out);
    }
    return out;
}

bool Printable(FinePOS_EX const& finePOS) {
    return !finePOS.GetHidden() && OKPaperConstit(finePOS) && HasRealJapanese(finePOS);
}

}  // namespace

Formatter::Dictionary_EJ_ToPaperFormatter(Labels const& labels) : fLabels(labels) {}

std::string Formatter::GetFormattedPaperForm(Entry_EX const& entry) const {
    std::vector<PAPER_ENTRY> records;
    for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
        if (Printable(*fp)) records.push_back(MakePaperEntry(*fp, fLabels));
    }
    return SortAndRender(std::move(records), fLabels);
}

std::string Formatter::GetFormattedPaperForm(ForwardIterator<Entry_EX> entries) const {
    std::string out;
    for (; !entries.IsAtEnd(); ++entries) {
        std::string const text = GetFormattedPaperForm(*entries);
        out += text;
        if (!text.empty() && text.back() != '\n') out += "\n";
    }
    return out;
}

Formatter::LabelID Formatter::cvt(unsigned short userPOS) {
    switch (userPOS) {
        case 1:
            return kLabelNoun;
        case 2:
            return kLabelVerb;
        case 3:
        case 4:
            return kLabelAdj;
        case 20:
            return kLabelPrep;
        case 21:
        case 23:
            return kLabelSpecial;
        case 22:
            return kLabelPP;
        default:
            return kLabelAdv;
    }
}

namespace {

Formatter::Labels mkDefaultLabels() {
    static char const* const kTexts[Formatter::kLabelCount] = {
        "(n)",    "(v)",  "(adj)", "(adv)",     "(prep)",    "(special)",          "(pp)",
        "(conj)", "(vt)", "(vi)",  "(prepadj)", "(prepadv)", "(preferred always)", "(preferred POS)",
    };
    Formatter::Labels labels;
    for (unsigned short id = 0; id < Formatter::kLabelCount; ++id) {
        labels.Set(static_cast<Formatter::LabelID>(id), kTexts[id]);
    }
    return labels;
}

}  // namespace

Formatter::Labels const& kDefaultLabels() {
    static Formatter::Labels const labels = mkDefaultLabels();
    return labels;
}

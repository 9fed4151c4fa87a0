// Printing a dictionary as text (see dictionary_text.h).
#include <algorithm>
#include <map>
#include <ostream>
#include <sstream>
#include <utility>
#include <vector>

#include "engine/compiled/dictionary_text.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/string_compare.h"

namespace {

// Labels "E.F" of every fine part of speech.  Dictionaries may make a new
// handle per access, so fine parts of speech are found by headword and
// equality, never by address.
class FinePOSLabels {
public:
    void Add(FinePOS_EX const& finePOS, std::string label) {
        fLabels.emplace(finePOS.GetEntry().GetSrcText(), std::make_pair(finePOS, std::move(label)));
    }

    // "?" for one outside the dictionary.
    std::string Of(FinePOS_EX const& finePOS) const {
        auto range = fLabels.equal_range(finePOS.GetEntry().GetSrcText());
        for (auto it = range.first; it != range.second; ++it) {
            if (it->second.first == finePOS) return it->second.second;
        }
        return "?";
    }

private:
    std::multimap<std::string, std::pair<FinePOS_EX, std::string>> fLabels;
};

std::vector<Entry_EX> EntriesInHeadwordOrder(Dictionary_EX const& dictionary) {
    std::vector<Entry_EX> entries;
    for (auto it = dictionary.GetEntryIterator_start(); !it.IsAtEnd(); ++it) entries.push_back(*it);
    std::stable_sort(entries.begin(), entries.end(), [](Entry_EX const& a, Entry_EX const& b) {
        return StringCompare_E_Source(a.GetSrcText(), b.GetSrcText()) < 0;
    });
    return entries;
}

template <class T>
std::vector<T> Drain(ForwardIterator<T> it) {
    std::vector<T> all;
    for (; !it.IsAtEnd(); ++it) all.push_back(*it);
    return all;
}

void WriteParaphrase(Paraphrase_EX const& para, std::ostream& out) {
    out << "para\tid=" << para.GetParaID() << "\tcooked=" << EscapeText(para.GetCookedTranslation())
        << "\traw=" << EscapeText(para.GetRawTranslation()) << "\tjpos=" << FormatJapanesePOS(para.GetTransPOS())
        << "\tpvalue=" << para.GetPValue() << "\taltonly=" << FormatFlag(para.GetAltOnly())
        << "\tthey=" << static_cast<int>(para.GetTheyTransType()) << "\ttransplant=" << EscapeText(para.GetTransplant())
        << "\tdomains=" << FormatDomainSet(para.GetDomainIDSet()) << "\tsem=" << FormatSemantics(para.GetSemantics())
        << '\n';
}

void WriteFinePOS(FinePOS_EX const& fp, FinePOSLabels const& labels, std::ostream& out) {
    FeatureSets_E_Source const features = fp.GetFeatureSets();
    bool const isCF = fp.IsACF();
    out << "fpos\tpos=" << FormatEnglishPOS(fp.GetFinePOS()) << "\tidiom=" << static_cast<int>(fp.GetIdiomType())
        << "\tprimed=" << FormatFlag(fp.GetPrimed()) << "\tquoted=" << FormatFlag(fp.GetQuoted())
        << "\thidden=" << FormatFlag(fp.GetHidden()) << "\taltonly=" << FormatFlag(fp.GetAltOnly())
        << "\tcannotbegin=" << FormatFlag(fp.GetCannotBeginSentenceFlag())
        << "\tcannotend=" << FormatFlag(fp.GetCannotEndSentenceFlag())
        << "\tcannotbeginandend=" << FormatFlag(fp.GetCannotBeginAndEndSentenceFlag()) << "\tpvalue=" << fp.GetPValue();
    for (unsigned i = 0; i < FeatureSets_E_Source::kSetCount; ++i)
        out << "\tfeatures" << i << '=' << EscapeText(features.GetSet(i));
    out << "\tweights=" << (isCF ? "" : FormatDomainWeights(fp.GetDomainWeights()));
    if (isCF) {
        out << "\tbase=" << labels.Of(fp.GetBaseForm());
    } else {
        std::string chain;
        for (FinePOS_EX const& member : Drain(fp.GetCFIterator_start())) {
            if (member != fp) chain += (chain.empty() ? "" : ",") + labels.Of(member);
        }
        if (!chain.empty()) out << "\tcfs=" << chain;
    }
    out << '\n';
    if (isCF) return;
    for (Paraphrase_EX const& para : Drain(fp.GetParaphraseIterator())) WriteParaphrase(para, out);
}

}  // namespace

void WriteDictionaryText(Dictionary_EX const& dictionary, std::ostream& out) {
    std::vector<Entry_EX> const entries = EntriesInHeadwordOrder(dictionary);
    std::vector<std::vector<FinePOS_EX>> finePOSes;
    FinePOSLabels labels;
    for (std::size_t e = 0; e < entries.size(); ++e) {
        finePOSes.push_back(Drain(entries[e].GetFinePOSIterator()));
        for (std::size_t f = 0; f < finePOSes[e].size(); ++f)
            labels.Add(finePOSes[e][f], std::to_string(e + 1) + "." + std::to_string(f + 1));
    }
    out << "dictionary\tid=" << dictionary.GetID() << "\tdomains=" << FormatDomainSet(dictionary.GetDomainIDSet())
        << '\n';
    for (std::size_t e = 0; e < entries.size(); ++e) {
        out << "entry\t" << EscapeText(entries[e].GetSrcText()) << '\n';
        for (FinePOS_EX const& fp : finePOSes[e]) WriteFinePOS(fp, labels, out);
    }
}

std::string DictionaryToText(Dictionary_EX const& dictionary) {
    std::ostringstream out;
    WriteDictionaryText(dictionary, out);
    return out.str();
}

#include "engine/userdict/paper_formatter_headline.h"

#include <algorithm>

bool PAPER_INFL_CompFunc::operator()(PAPER_INFL const& a, PAPER_INFL const& b) const {
    if (a.isBase != b.isBase) return a.isBase;
    if (a.inflectType != b.inflectType) return a.inflectType < b.inflectType;
    return a.subType < b.subType;
}

std::vector<PAPER_INFL> GatherPaperForms(FinePOS_EX const& base) {
    std::vector<PAPER_INFL> forms;
    for (ForwardIterator<FinePOS_EX> it = base.GetCFIterator_start(); !it.IsAtEnd(); ++it) {
        FinePOS_EX const form = *it;
        if (form.GetHidden()) continue;
        std::string const name = DGetConstit(form);
        std::string const features = form.GetFeatureSets(0);
        PAPER_INFL infl;
        infl.text = GetWordsAdjustVI01(form.GetEntry().GetSrcText(), name);
        infl.isBase = form == base;
        infl.inflectType = GetInflectType(name, features);
        infl.subType = GetInflectSubType(infl.inflectType, features);
        forms.push_back(infl);
    }
    return forms;
}

std::string MakeHeadline(std::vector<PAPER_INFL> forms, std::string const& label, std::string const& headword) {
    if (forms.empty()) return headword + " " + label;
    std::stable_sort(forms.begin(), forms.end(), PAPER_INFL_CompFunc());
    std::string headline = forms[0].text + " " + label;
    bool bracketOpen = false;
    for (std::size_t i = 1; i < forms.size(); ++i) {
        if (forms[i].inflectType == forms[i - 1].inflectType) {
            if (i == 1) {
                headline += " [=";
                bracketOpen = true;
            } else {
                headline += ", ";
            }
        } else {
            if (bracketOpen) headline += "]";
            bracketOpen = false;
            headline += i == 1 ? " " : "; ";
        }
        headline += forms[i].text;
    }
    if (bracketOpen) headline += "]";
    return headline;
}

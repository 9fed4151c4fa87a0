#include "engine/userdict/paper_formatter_printers.h"

#include <string>

#include "engine/foundation/semantics.h"
#include "engine/userdict/paper_formatter_iterators.h"
#include "engine/userdict/paper_formatter_readings.h"

namespace {

// Starts a line indented by `indent` TABs.
std::ostream& Line(std::ostream& out, unsigned indent) { return out << std::string(indent, '\t'); }

void PrintPValue(std::ostream& out, unsigned indent, short pValue) {
    Line(out, indent) << "P (" << pValue << " ==> " << DecodePValue(pValue) << ")\n";
}

}  // namespace

void PrettyPrintParaphrase(std::ostream& out, Paraphrase_EX const& paraphrase, unsigned indent) {
    Line(out, indent) << "JPOS (" << paraphrase.GetTransPOS() << ")\n";
    PrintPValue(out, indent, paraphrase.GetPValue());
    Line(out, indent) << "ParaID (" << paraphrase.GetParaID() << ")\n";
    Line(out, indent) << "Translation(c/r): '" << paraphrase.GetCookedTranslation() << "' / '"
                      << paraphrase.GetRawTranslation() << "'\n";
    Line(out, indent) << "Transplant: " << paraphrase.GetTransplant() << "\n";
    Line(out, indent) << "Semantics: " << paraphrase.GetSemantics() << "\n";
    Line(out, indent) << "TheyTransType: " << paraphrase.GetTheyTransType() << "\n";
    Line(out, indent) << "AltOnly: " << paraphrase.GetAltOnly() << "\n";
    Line(out, indent) << "DomainIDSet: " << paraphrase.GetDomainIDSet() << "\n";
}

void PrettyPrintFinePOS(std::ostream& out, FinePOS_EX const& finePOS, unsigned indent) {
    Line(out, indent) << "POS (" << finePOS.GetFinePOS() << ")\n";
    Line(out, indent) << "Primed: " << finePOS.GetPrimed() << "  Quoted: " << finePOS.GetQuoted()
                      << "  AltOnly: " << finePOS.GetAltOnly() << "  Hidden: " << finePOS.GetHidden() << "\n";
    Line(out, indent) << "IdiomType: " << finePOS.GetIdiomType() << "\n";
    Line(out, indent) << "CannotBeginSentence: " << finePOS.GetCannotBeginSentenceFlag()
                      << "  CannotEndSentence: " << finePOS.GetCannotEndSentenceFlag() << "\n";
    PrintPValue(out, indent, finePOS.GetPValue());
    FeatureSets_E_Source const sets = finePOS.GetFeatureSets();
    Line(out, indent) << "Features: '" << sets.GetSet(0) << "' '" << sets.GetSet(1) << "' '" << sets.GetSet(2) << "'\n";
    Line(out, indent) << "DomainWeights = ";
    for (DomainWeightInfoRecord const& weight : finePOS.GetDomainWeights()) out << weight << " ";
    out << "\n";
    unsigned long number = 0;
    for (ForwardIterator<FinePOS_EX> cf = finePOS.GetCFIterator_start(); !cf.IsAtEnd(); ++cf, ++number) {
        Line(out, indent) << "CF to finepos # " << number << " of '" << (*cf).GetEntry().GetSrcText() << "' ("
                          << (*cf).GetFinePOS() << ")\n";
    }
    Line(out, indent) << "-------------\n";
    for (ForwardIterator<Paraphrase_EX> pp = finePOS.GetParaphraseIterator(); !pp.IsAtEnd(); ++pp) {
        Line(out, indent) << "----PP----\n";
        PrettyPrintParaphrase(out, *pp, indent + 1);
    }
}

void PrettyPrintEntry(std::ostream& out, Entry_EX const& entry, unsigned indent) {
    Line(out, indent) << "Entry '" << entry.GetSrcText() << "'\n";
    for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
        PrettyPrintFinePOS(out, *fp, indent + 1);
    }
}

void PrettyPrintEntries(std::ostream& out, ForwardIterator<Entry_EX> entries, unsigned indent) {
    for (; !entries.IsAtEnd(); ++entries) PrettyPrintEntry(out, *entries, indent);
}

void PrettyPrintDictionary(std::ostream& out, Dictionary_EX const& dictionary, unsigned indent) {
    Line(out, indent) << "DictID = " << dictionary.GetID() << "\n";
    Line(out, indent) << "DictionaryDomainIDs = " << dictionary.GetDomainIDSet() << "\n";
    PrettyPrintEntries(out, BiDir2ForwardIterator<Entry_EX>(dictionary.GetEntryIterator_start()), indent);
}

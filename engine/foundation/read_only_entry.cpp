#include "engine/foundation/read_only_entry.h"

#include "engine/foundation/dictionary_errors.h"

void ReadOnlyEntryRep::RefuseChange() const { ThrowReadOnly(fRefusingDictionary); }

FinePOS_EX ReadOnlyEntryRep::CreateNewFinePOS() { RefuseChange(); }
void ReadOnlyEntryRep::RemoveFinePOS(FinePOS_EX const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetBaseForm(FinePosCookieID_*, FinePOS_EX const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetFinePOS(FinePosCookieID_*, POS_E_Source) { RefuseChange(); }
void ReadOnlyEntryRep::SetPrimed(FinePosCookieID_*, bool) { RefuseChange(); }
void ReadOnlyEntryRep::SetQuoted(FinePosCookieID_*, bool) { RefuseChange(); }
void ReadOnlyEntryRep::SetIdiomType(FinePosCookieID_*, IdiomType) { RefuseChange(); }
void ReadOnlyEntryRep::SetAltOnly(FinePosCookieID_*, bool) { RefuseChange(); }
void ReadOnlyEntryRep::SetHidden(FinePosCookieID_*, bool) { RefuseChange(); }
void ReadOnlyEntryRep::SetCannotBeginSentenceFlag(FinePosCookieID_*, bool) { RefuseChange(); }
void ReadOnlyEntryRep::SetCannotEndSentenceFlag(FinePosCookieID_*, bool) { RefuseChange(); }
void ReadOnlyEntryRep::SetPValue(FinePosCookieID_*, short) { RefuseChange(); }
void ReadOnlyEntryRep::SetFeatureSets(FinePosCookieID_*, FeatureSets_E_Source const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetDomainWeights(FinePosCookieID_*, std::vector<DomainWeightInfoRecord> const&) {
    RefuseChange();
}
Paraphrase_EX ReadOnlyEntryRep::CreateNewParaphrase(FinePosCookieID_*) { RefuseChange(); }
void ReadOnlyEntryRep::RemoveParaphrase(FinePosCookieID_*, Paraphrase_EX const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetRawTranslation(ParaphraseCookieID_*, std::string const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetCookedTranslation(ParaphraseCookieID_*, std::string const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetTransPOS(ParaphraseCookieID_*, POS_J_Target) { RefuseChange(); }
void ReadOnlyEntryRep::SetPValue(ParaphraseCookieID_*, short) { RefuseChange(); }
void ReadOnlyEntryRep::SetParaID(ParaphraseCookieID_*, int) { RefuseChange(); }
void ReadOnlyEntryRep::SetSemantics(ParaphraseCookieID_*, Dict_Semantics_E_Source const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetAltOnly(ParaphraseCookieID_*, bool) { RefuseChange(); }
void ReadOnlyEntryRep::SetDomainIDSet(ParaphraseCookieID_*, DomainIDSet const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetTransplant(ParaphraseCookieID_*, std::string const&) { RefuseChange(); }
void ReadOnlyEntryRep::SetTheyTransType(ParaphraseCookieID_*, TheyTransType) { RefuseChange(); }

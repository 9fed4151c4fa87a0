#include "engine/compiled/compiled_entry.h"

#include <algorithm>
#include <cstring>

#include "engine/compiled/compiled_iterators.h"
#include "engine/compiled/compiled_reader.h"
#include "engine/foundation/cooked_japanese.h"

CompiledEntryRep::CompiledEntryRep(CompiledDictionaryRep& dictionary, uint32_t entryID)
    : ReadOnlyEntryRep(dictionary),
      fDictionary(&dictionary),
      fRep(dictionary),
      fFile(dictionary.File()),
      fTraits(dictionary.Traits()),
      fEntryID(entryID) {}

// ---- Reading records ---------------------------------------------------------------

Entry_EX CompiledEntryRep::Self() const { return Entry_EX(const_cast<CompiledEntryRep*>(this)); }

std::string CompiledEntryRep::Headword() const {
    return fFile.ReadString(ReadEntryRecord(fFile, fEntryID, fTraits).headword);
}

CompiledFinePOSRecord CompiledEntryRep::FinePOSRecord(FinePosCookieID_* fp) const {
    return ReadFinePOSRecord(fFile, OffsetOf(fp), fTraits);
}

uint32_t CompiledEntryRep::BaseOffsetOf(FinePosCookieID_* fp) const {
    CompiledFinePOSRecord const record = FinePOSRecord(fp);
    return record.isConjugatedForm ? record.baseOrParaphrases : OffsetOf(fp);
}

CompiledFinePOSRecord CompiledEntryRep::BaseRecordOf(FinePosCookieID_* fp) const {
    CompiledFinePOSRecord const record = FinePOSRecord(fp);
    return record.isConjugatedForm ? ReadFinePOSRecord(fFile, record.baseOrParaphrases, fTraits) : record;
}

CompiledParaphraseRecord CompiledEntryRep::ParaphraseRecord(ParaphraseCookieID_* pp) const {
    return ReadParaphraseRecord(fFile, OffsetOf(pp));
}

// ---- The entry -----------------------------------------------------------------------

unsigned long CompiledEntryRep::GetSrcTextLen() const { return Headword().size(); }

void CompiledEntryRep::GetSrcText(char* buffer, unsigned long size) const {
    std::string const headword = Headword();
    std::size_t const copied = std::min<std::size_t>(headword.size(), size);
    std::memcpy(buffer, headword.data(), copied);
    std::memset(buffer + copied, 0, size - copied);
}

bool CompiledEntryRep::Equal(EntryRep_LangPair_<Entry_EX> const& other) const {
    auto const* compiled = dynamic_cast<CompiledEntryRep const*>(&other);
    return compiled != nullptr && &compiled->fRep == &fRep && compiled->fEntryID == fEntryID;
}

ForwardIterator<FinePOS_EX> CompiledEntryRep::GetFinePOSIterator() {
    CompiledEntryRecord const record = ReadEntryRecord(fFile, fEntryID, fTraits);
    return ForwardIterator<FinePOS_EX>(
        new CompiledArrayIteratorRep<FinePOS_EX>(Self(), fFile, record.finePOSArray, record.finePOSCount));
}

// ---- Fine parts of speech ---------------------------------------------------------------

FinePOS_EX CompiledEntryRep::GetBaseForm(FinePosCookieID_* fp) const {
    CompiledFinePOSRecord const record = FinePOSRecord(fp);
    if (!record.isConjugatedForm) return FinePOS_EX(Self(), fp);
    uint32_t const base = record.baseOrParaphrases;
    uint32_t const owner = ReadFinePOSRecord(fFile, base, fTraits).entry;
    return FinePOS_EX(fRep.GetEntryObjectForEntryIDAt(owner), FinePOSCookieAt(base));
}

ForwardIterator<FinePOS_EX> CompiledEntryRep::GetCFIterator_start(FinePosCookieID_* fp) const {
    return ForwardIterator<FinePOS_EX>(new CompiledCFIteratorRep(fRep, BaseOffsetOf(fp)));
}

POS_E_Source CompiledEntryRep::GetFinePOS(FinePosCookieID_* fp) const {
    return static_cast<POS_E_Source>(FinePOSRecord(fp).englishPOS);
}

bool CompiledEntryRep::GetPrimed(FinePosCookieID_* fp) const { return FinePOSRecord(fp).primed; }
bool CompiledEntryRep::GetQuoted(FinePosCookieID_* fp) const { return FinePOSRecord(fp).quoted; }
bool CompiledEntryRep::GetAltOnly(FinePosCookieID_* fp) const { return FinePOSRecord(fp).altOnly; }
bool CompiledEntryRep::GetHidden(FinePosCookieID_* fp) const { return FinePOSRecord(fp).hidden; }

bool CompiledEntryRep::GetCannotBeginSentenceFlag(FinePosCookieID_* fp) const { return FinePOSRecord(fp).cannotBegin; }

bool CompiledEntryRep::GetCannotEndSentenceFlag(FinePosCookieID_* fp) const { return FinePOSRecord(fp).cannotEnd; }

bool CompiledEntryRep::GetCannotBeginAndEndSentenceFlag(FinePosCookieID_* fp) const {
    return fTraits.cannotBeginAndEndBit != 0 && FinePOSRecord(fp).cannotBeginAndEnd;
}

IdiomType CompiledEntryRep::GetIdiomType(FinePosCookieID_* fp) const {
    return fRep.FinePOSIdiomType(FinePOSRecord(fp));
}

short CompiledEntryRep::GetPValue(FinePosCookieID_* fp) const { return fRep.FinePOSPValue(FinePOSRecord(fp)); }

FeatureSets_E_Source CompiledEntryRep::GetFeatureSets(FinePosCookieID_* fp) const {
    uint32_t const block = FinePOSRecord(fp).featureBlock;
    return block == 0 ? FeatureSets_E_Source{} : ReadFeatureSets(fFile, block, fTraits);
}

unsigned long CompiledEntryRep::PeekDomainWeightsListSize(FinePosCookieID_* fp) const {
    CompiledFinePOSRecord const base = BaseRecordOf(fp);
    return base.hasDomainWeights ? ReadDomainWeightCount(fFile, base.domainWeights) : 0;
}

std::vector<DomainWeightInfoRecord> CompiledEntryRep::GetDomainWeights(FinePosCookieID_* fp) const {
    CompiledFinePOSRecord const base = BaseRecordOf(fp);
    if (!base.hasDomainWeights) return {};
    return ReadDomainWeights(fFile, base.domainWeights);
}

ForwardIterator<Paraphrase_EX> CompiledEntryRep::GetParaphraseIterator(FinePosCookieID_* fp) {
    CompiledFinePOSRecord const base = BaseRecordOf(fp);
    uint32_t const count = base.isConjugatedForm ? 0 : base.paraphraseCount;
    return ForwardIterator<Paraphrase_EX>(
        new CompiledArrayIteratorRep<Paraphrase_EX>(Self(), fFile, base.baseOrParaphrases, count));
}

// ---- Paraphrases -------------------------------------------------------------------------

FinePOS_EX CompiledEntryRep::GetFinePOS_EX(ParaphraseCookieID_* pp) {
    return FinePOS_EX(Self(), FinePOSCookieAt(ParaphraseRecord(pp).finePOS));
}

std::string CompiledEntryRep::GetRawTranslation(ParaphraseCookieID_* pp) const {
    CompiledParaphraseRecord const record = ParaphraseRecord(pp);
    POS_E_Source const english =
        static_cast<POS_E_Source>(ReadFinePOSRecord(fFile, record.finePOS, fTraits).englishPOS);
    return CreateRawJapaneseFromCooked(GetCookedTranslation(pp), static_cast<POS_J_Target>(record.transPOS), english);
}

std::string CompiledEntryRep::GetCookedTranslation(ParaphraseCookieID_* pp) const {
    return fFile.ReadString(ParaphraseRecord(pp).cooked);
}

POS_J_Target CompiledEntryRep::GetTransPOS(ParaphraseCookieID_* pp) const {
    return static_cast<POS_J_Target>(ParaphraseRecord(pp).transPOS);
}

short CompiledEntryRep::GetPValue(ParaphraseCookieID_* pp) const { return ParaphraseRecord(pp).pValue; }

int CompiledEntryRep::GetParaID(ParaphraseCookieID_* pp) const { return ParaphraseRecord(pp).paraID; }

Dict_Semantics_E_Source CompiledEntryRep::GetSemantics(ParaphraseCookieID_* pp) const {
    uint32_t const block = ParaphraseRecord(pp).semantics;
    return block == 0 ? fRep.Empty().semantics : ReadSemantics(fFile, block);
}

bool CompiledEntryRep::GetAltOnly(ParaphraseCookieID_* pp) const { return ParaphraseRecord(pp).altOnly; }

DomainIDSet CompiledEntryRep::GetDomainIDSet(ParaphraseCookieID_* pp) const {
    uint32_t const block = ParaphraseRecord(pp).domainSet;
    return block == 0 ? DomainIDSet{} : ReadDomainSet(fFile, block, fTraits);
}

std::string CompiledEntryRep::GetTransplant(ParaphraseCookieID_* pp) const {
    uint32_t const text = ParaphraseRecord(pp).transplant;
    return text == 0 ? fRep.Empty().text : fFile.ReadString(text);
}

TheyTransType CompiledEntryRep::GetTheyTransType(ParaphraseCookieID_* pp) const {
    return static_cast<TheyTransType>(ParaphraseRecord(pp).theyType);
}

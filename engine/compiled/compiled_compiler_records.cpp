// The records of one entry: the entry, its fine parts of speech and their
// paraphrases, with the data items they point at.
#include <algorithm>
#include <cctype>

#include "engine/compiled/compiled_compiler_context.h"
#include "engine/foundation/file_errors.h"

namespace {

using Stats = Dictionary_EX_Compiler_::Stats;

// Bytes a feature-set block is counted as, new or reused.
constexpr uint32_t kFeatureBlockCount = 303;

template <class T>
std::vector<T> Drain(ForwardIterator<T> it) {
    std::vector<T> all;
    for (; !it.IsAtEnd(); ++it) all.push_back(*it);
    return all;
}

uint32_t LetterRunsPlusOne(std::string const& headword) {
    uint32_t runs = 0;
    bool inRun = false;
    for (char c : headword) {
        bool const letter = std::isalpha(static_cast<unsigned char>(c)) != 0;
        runs += letter && !inRun ? 1 : 0;
        inRun = letter;
    }
    return runs + 1;
}

// Counts a data item as new or reused on the given counters.
uint32_t WriteCountedBLOB(CompileContext& context, Bytes const& bytes, Stats::Counter written, Stats::Counter reused,
                          uint32_t amount) {
    uint32_t const before = context.Counters().counters[Stats::kItemsReused];
    uint32_t const offset = context.WriteBLOB(bytes);
    context.Count(context.Counters().counters[Stats::kItemsReused] != before ? reused : written, amount);
    return offset;
}

uint32_t WriteParaphrase(CompileContext& context, Paraphrase_EX const& para, uint32_t finePOSOffset) {
    CompiledParaphraseRecord record;
    record.paraID = para.GetParaID();
    record.finePOS = finePOSOffset;
    record.cooked = context.WriteString(para.GetCookedTranslation());
    record.transPOS = static_cast<uint16_t>(std::min<uint32_t>(para.GetTransPOS(), 0xFFFF));
    record.pValue = para.GetPValue();
    record.theyType = static_cast<uint8_t>(para.GetTheyTransType());
    record.altOnly = para.GetAltOnly();

    Dict_Semantics_E_Source const semantics = para.GetSemantics();
    context.Count(Stats::kSemanticsSeen);
    Bytes const block = EncodeSemanticsBlock(semantics);
    if (block.empty()) {
        context.Count(Stats::kBlankSemantics);
    } else {
        record.semantics = WriteCountedBLOB(context, block, Stats::kSemanticsBytesWritten, Stats::kSemanticsBytesReused,
                                            static_cast<uint32_t>(block.size()));
    }
    std::string const transplant = para.GetTransplant();
    if (!transplant.empty()) record.transplant = context.WriteString(transplant);
    DomainIDSet const domains = para.GetDomainIDSet();
    if (!domains.Empty()) record.domainSet = context.WriteBLOB(EncodeDomainSet(domains, context.Traits()));

    Bytes const bytes = EncodeParaphraseRecord(record);
    context.Count(Stats::kParaphrases);
    context.Count(Stats::kParaphraseBytes, static_cast<uint32_t>(bytes.size()));
    return context.WriteBlock(bytes);
}

uint32_t WriteFeatureSets(CompileContext& context, FinePOS_EX const& fp) {
    FeatureSets_E_Source const sets = fp.GetFeatureSets();
    context.Count(Stats::kFeatureSetsSeen);
    if (sets == FeatureSets_E_Source{}) context.Count(Stats::kEmptyFeatureSets);
    Bytes const block = EncodeFeatureBlock(sets, context.Traits(), context.WideFeatures());
    return WriteCountedBLOB(context, block, Stats::kFeatureBytesWritten, Stats::kFeatureBytesReused,
                            kFeatureBlockCount);
}

uint32_t WriteFinePOS(CompileContext& context, FinePOS_EX const& fp, uint32_t entryOffset,
                      std::string const& headword) {
    CompileContext::PendingFinePOS pending{0, {}, headword, std::nullopt, std::nullopt};
    CompiledFinePOSRecord& record = pending.record;
    record.entry = entryOffset;
    record.idiomType = static_cast<uint8_t>(fp.GetIdiomType());
    record.primed = fp.GetPrimed();
    record.quoted = fp.GetQuoted();
    record.hidden = fp.GetHidden();
    record.altOnly = fp.GetAltOnly();
    record.pValue = fp.GetPValue();
    record.cannotBegin = fp.GetCannotBeginSentenceFlag();
    record.cannotEnd = fp.GetCannotEndSentenceFlag();
    record.cannotBeginAndEnd = fp.GetCannotBeginAndEndSentenceFlag();
    record.englishPOS = static_cast<uint16_t>(fp.GetFinePOS());
    record.featureBlock = WriteFeatureSets(context, fp);

    // The chain runs from the base form through its conjugated forms.
    std::vector<FinePOS_EX> const chain = Drain(fp.GetCFIterator_start());
    auto const self = std::find(chain.begin(), chain.end(), fp);
    if (self != chain.end() && self + 1 != chain.end()) pending.successor = *(self + 1);
    record.isConjugatedForm = fp.IsACF();
    if (record.isConjugatedForm) pending.base = fp.GetBaseForm();
    record.hasSuccessor = pending.successor.has_value();
    record.hasDomainWeights = fp.PeekDomainWeightsListSize() > 0;

    pending.offset = context.Reserve(record.Size());
    context.AddFinePOS(fp, entryOffset, pending);
    if (record.isConjugatedForm) {
        context.Count(Stats::kConjugatedForms);
    } else {
        if (record.hasDomainWeights)
            record.domainWeights = context.WriteBLOB(EncodeDomainWeights(fp.GetDomainWeights()));
        std::vector<uint32_t> paraphrases;
        for (Paraphrase_EX const& para : Drain(fp.GetParaphraseIterator()))
            paraphrases.push_back(WriteParaphrase(context, para, pending.offset));
        if (paraphrases.size() > kMaxParaphrasesPerFinePOS)
            ThrowCorruptDictionary("compiled dictionary: more than 63 paraphrases");
        record.paraphraseCount = static_cast<uint8_t>(paraphrases.size());
        record.baseOrParaphrases = context.WriteBLOB(EncodeOffsetArray(paraphrases, false));
    }
    Bytes const bytes = EncodeFinePOSRecord(record, context.Traits());
    context.Patch(pending.offset, bytes);
    context.PendingFinePOSes().back().record = record;
    context.Count(Stats::kFinePOSes);
    context.Count(Stats::kFinePOSBytes, static_cast<uint32_t>(bytes.size()));
    return pending.offset;
}

uint32_t WriteNewEntry(CompileContext& context, Entry_EX const& entry) {
    std::string const headword = entry.GetSrcText();
    uint32_t const offset = context.Reserve(kEntryRecordSize);
    context.AddEntry(entry, offset);
    CompiledEntryRecord record;
    record.headword = context.WriteString(headword);
    std::vector<uint32_t> finePOSes;
    for (FinePOS_EX const& fp : Drain(entry.GetFinePOSIterator()))
        finePOSes.push_back(WriteFinePOS(context, fp, offset, headword));
    record.finePOSCount = static_cast<uint32_t>(finePOSes.size());
    record.finePOSArray = context.WriteBLOB(EncodeOffsetArray(finePOSes, false));
    context.Patch(offset, EncodeEntryRecord(record, context.Traits()));

    auto& counters = context.Counters().counters;
    context.Count(Stats::kEntries);
    context.Count(Stats::kEntryBytes, kEntryRecordSize);
    counters[Stats::kLongestHeadword] =
        std::max(counters[Stats::kLongestHeadword], static_cast<uint32_t>(headword.size()));
    context.Count(Stats::kHeadwordBytes, static_cast<uint32_t>(headword.size() + 1));
    counters[Stats::kMostLetterRuns] = std::max(counters[Stats::kMostLetterRuns], LetterRunsPlusOne(headword));
    return offset;
}

}  // namespace

uint32_t WriteEntry(CompileContext& context, Entry_EX const& entry) {
    if (std::optional<uint32_t> const written = context.FindEntry(entry)) return *written;
    try {
        return WriteNewEntry(context, entry);
    } catch (CorruptDictionary const& error) {
        // Name the entry: the format's limits are met by one entry's data.
        ThrowCorruptDictionary(std::string(error.Message()) + " (entry \"" + entry.GetSrcText() + "\")");
    }
}

void BackPatchFinePOSStuff(CompileContext& context) {
    for (CompileContext::PendingFinePOS& pending : context.PendingFinePOSes()) {
        auto const offsetOf = [&](FinePOS_EX const& link, char const* what) {
            std::optional<uint32_t> const offset = context.FindFinePOS(link);
            if (!offset)
                ThrowCorruptDictionary(std::string("compiled dictionary: the ") + what +
                                       " of a fine part of speech of \"" + pending.headword +
                                       "\" is not in the dictionary (\"" + link.GetEntry().GetSrcText() + "\")");
            return *offset;
        };
        if (pending.base) pending.record.baseOrParaphrases = offsetOf(*pending.base, "base form");
        if (pending.successor) pending.record.successor = offsetOf(*pending.successor, "next conjugated form");
        if (pending.base || pending.successor)
            context.Patch(pending.offset, EncodeFinePOSRecord(pending.record, context.Traits()));
    }
}

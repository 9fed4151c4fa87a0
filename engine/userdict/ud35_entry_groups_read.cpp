// Reading an entry group back from its chain of entries, and what a POS
// string says about the group it came from.
#include <cstring>

#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud_t_survey.h"
#include "engine/userdict/ud_transplants.h"

namespace {

// What the entry callback fills while a chain is read.  The next ID travels
// here, not in a static, so that groups can be read re-entrantly.
struct GroupReading {
    UDEntryGroupInfo_EX record;
    uint32_t next = 0;
    uint32_t entriesRead = 0;
};

// The Shift-JIS particle of a stored romaji name; "を" (the first row) for an
// empty or unknown name.
std::string ParticleKana(std::string const& romaji) {
    for (UDTransplant const& row : kUDTransplants) {
        if (romaji == row.romaji) return row.kana;
    }
    return kUDTransplants[0].kana;
}

uint32_t IdiomKindOfFlags(std::string const& flags) {
    if (flags.empty()) return UDEntryGroupInfo_EX::kIdiomNormal;
    if (flags[0] == 'A') return UDEntryGroupInfo_EX::kIdiomAlmighty;
    if (flags[0] == 'P') return UDEntryGroupInfo_EX::kIdiomPreferential;
    return UDEntryGroupInfo_EX::kIdiomNormal;
}

}  // namespace

// The interface holds its read lock for life, so the file layer's content
// generation covers every change that reaches it.
UDEntryGroupInfo_EX UD35EntryGroupInterface_EJ::ExtractInfoFrom(uint32_t leaderID) {
    uint64_t const generation = fFile.GetContentGeneration();
    if (leaderID != 0 && fLastExtracted.leader == leaderID && fLastExtracted.generation == generation) {
        return fLastExtracted.info;
    }
    GroupReading reading;
    for (uint32_t id = leaderID; id != 0; id = reading.next) {
        // The file layer mends every group to at most five entries when it
        // loads; a longer chain is damage.
        if (reading.entriesRead == kUDMaxGroupSize) ThrowIfError(kUDFileCorrupt);
        ThrowIfError(fFile.UDReadID(id, &UD35EntryGroupInterface_EJ::Entry_callback, &reading));
    }
    // Reading may load the caches, which moves the generation on.
    fLastExtracted = {leaderID, fFile.GetContentGeneration(), reading.record};
    return reading.record;
}

// Adds one entry to the record (never clears it).
void UD35EntryGroupInterface_EJ::Entry_callback(ud_entry_t const& entry, void* data) {
    auto& reading = *static_cast<GroupReading*>(data);
    UDEntryGroupInfo_EX& record = reading.record;
    reading.next = entry.nextID;
    record.frequencies[reading.entriesRead] = {entry.batchFreq, entry.interactiveFreq};
    ++reading.entriesRead;

    UDEntryStrings const& strings = entry.strings;
    record.translation = strings.translation;
    std::string const particle = ParticleKana(strings.particle);
    record.idiomKind = IdiomKindOfFlags(strings.flags);

    uint32_t kind = 0;
    uint32_t variant = 0;
    uint32_t form = 0;
    if (!ParseUDPOSString(strings.pos.c_str(), &kind, &variant, &form)) return;
    switch (kind) {
        case UDEntryGroupInfo_EX::kAdjectiveGroup:
            record.Set_Adjective(strings.english, strings.answer);
            break;
        case UDEntryGroupInfo_EX::kNounGroup:
            if (form == UDEntryGroupInfo_EX::kBaseForm) {
                record.Set_Noun(strings.english, record.forms[UDEntryGroupInfo_EX::kPluralOrPastForm]);
            } else {
                record.Set_Noun(record.forms[UDEntryGroupInfo_EX::kBaseForm], strings.english);
            }
            break;
        case UDEntryGroupInfo_EX::kVerbGroup:
            record.Set_Verb_1Inflection(static_cast<UDEntryGroupInfo_EX::VerbTransativityType>(variant), form,
                                        strings.english, strings.answer, particle);
            break;
        case UDEntryGroupInfo_EX::kPrepositionalPhraseGroup:
            record.Set_PrepositionalPhrase(strings.english, strings.answer);
            break;
        case UDEntryGroupInfo_EX::kPrepositionGroup:
            record.subtype = variant;
            record.kind = kind;
            record.forms[UDEntryGroupInfo_EX::kBaseForm] = strings.english;
            break;
        default:  // adverb, conjunction: the base form only
            record.kind = kind;
            record.forms[UDEntryGroupInfo_EX::kBaseForm] = strings.english;
            break;
    }
}

std::vector<uint32_t> UD35EntryGroupInterface_EJ::CollectChain(uint32_t leader) {
    std::vector<uint32_t> chain;
    for (uint32_t id = leader; id != 0; id = fFile.UDGetNextID(id)) {
        if (chain.size() == kUDMaxGroupSize) ThrowIfError(kUDFileCorrupt);
        chain.push_back(id);
    }
    return chain;
}

// ---- POS strings ------------------------------------------------------------

bool ParseUDPOSString(char const* posString, uint32_t* kind, uint32_t* variant, uint32_t* form) {
    if (posString == nullptr || *posString == '\0') return false;
    for (uint32_t k = UDEntryGroupInfo_EX::kAdjectiveGroup; k <= UDEntryGroupInfo_EX::kPrepositionalPhraseGroup; ++k) {
        for (uint32_t v = 0; v <= UDEntryGroupInfo_EX::kTransitivityNotMarked; ++v) {
            for (uint32_t f = 0; f < UDEntryGroupInfo_EX::kNumInflections; ++f) {
                if (std::strcmp(UDPOSString(k, v, f), posString) != 0) continue;
                *kind = k;
                *variant = v;
                *form = f;
                return true;
            }
        }
    }
    return false;
}

CookTableGrossPOS UDGroupGrossPOS(uint32_t kind, uint32_t subtype) {
    switch (kind) {
        case UDEntryGroupInfo_EX::kAdjectiveGroup:
        case UDEntryGroupInfo_EX::kPrepositionalPhraseGroup:
            return eCookAdjective;
        case UDEntryGroupInfo_EX::kAdverbGroup:
            return eCookAdverb;
        case UDEntryGroupInfo_EX::kNounGroup:
            return eCookNoun;
        case UDEntryGroupInfo_EX::kVerbGroup:
            return eCookVerb;
        case UDEntryGroupInfo_EX::kConjunctionGroup:
            return eCookConjunction;
        case UDEntryGroupInfo_EX::kPrepositionGroup:
            if (subtype == UDEntryGroupInfo_EX::kAdjectivalPreposition) return eCookPreposition;
            if (subtype == UDEntryGroupInfo_EX::kAdverbialPreposition) return eCookAdverb2;
            return eCookNone;
        default:
            return eCookNone;
    }
}

CookTableGrossPOS cvtUDPos(char const* posString) {
    uint32_t kind = 0;
    uint32_t variant = 0;
    uint32_t form = 0;
    if (!ParseUDPOSString(posString, &kind, &variant, &form)) return eCookNone;
    return UDGroupGrossPOS(kind, variant);
}

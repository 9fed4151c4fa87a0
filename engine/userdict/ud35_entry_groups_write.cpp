// Adding an entry group: the duplicate test, every check of the record
// before anything is written, and the writing of its entries.
#include <cstring>
#include <optional>
#include <vector>

#include "engine/foundation/cook_translation.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/sjis_chars.h"
#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud_english.h"
#include "engine/userdict/ud_transplants.h"

namespace {

using Info = UDEntryGroupInfo_EX;

// The record with each text taken as far as its first NUL, as the file
// stores it.
Info WithCTexts(Info const& given) {
    Info record = given;
    for (std::string* text : {&record.translation, &record.answer, &record.particle}) {
        *text = std::string(text->c_str());
    }
    for (std::string& form : record.forms) form = std::string(form.c_str());
    return record;
}

bool IsVerbWithParticle(Info const& record) {
    return record.kind == Info::kVerbGroup && record.transitivity != Info::kIntransitive;
}

// The row of kUDTransplants whose kana is the particle, or none.
UDTransplant const* TransplantOfKana(std::string const& kana) {
    for (UDTransplant const& row : kUDTransplants) {
        if (kana == row.kana) return &row;
    }
    return nullptr;
}

bool HasNonASCIIByte(std::string const& text) {
    for (unsigned char c : text) {
        if (c >= 0x80) return true;
    }
    return false;
}

// A word the index could not file: the first word, or any word of the
// English's word split, of 80 bytes or more.
bool HasWordTooLong(std::string const& english) {
    char firstWord[kUDFirstwordBufferSize];
    UDFwStrncpy(firstWord, english.c_str(), kUDFirstwordLength);
    if (std::strlen(firstWord) >= kUDFirstwordTooLong) return true;
    std::string const words = DExtractAllWords(english.c_str()).words;
    std::size_t wordLength = 0;
    for (unsigned char c : words) {
        bool const isSpace = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
        wordLength = isSpace ? 0 : wordLength + 1;
        if (wordLength >= kUDFirstwordTooLong) return true;
    }
    return false;
}

void CheckTranslation(std::string const& translation) {
    std::string trimmed(translation);
    NormalizeJapanese(trimmed.data(), trimmed.c_str());
    if (trimmed.c_str()[0] == '\0' || translation.size() > kUDTranslationLimit) ThrowIfError(kUDBadTextLength);
    if (!IsValidDBCSStr(translation.c_str())) ThrowIfError(kUDInvalidShiftJIS);
}

void CheckAnswer(std::string const& answer) {
    if (answer.size() > kUDAnswerLimit) ThrowIfError(kUDTooLong);
    if (!IsValidDBCSStr(answer.c_str())) ThrowIfError(kUDInvalidShiftJIS);
}

// A kind, transitivity or subtype outside its values has no part of speech:
// it is refused here rather than stored as entries that read back as no
// group at all.
void CheckPartOfSpeech(Info const& record) {
    bool const validVariant = record.kind != Info::kVerbGroup || record.transitivity <= Info::kTransitivityNotMarked;
    CookTableGrossPOS const gross = UDGroupGrossPOS(record.kind, record.subtype);
    if (!validVariant || gross == eCookNone) ThrowIfError(kUDBadInflectionAnswer);
    if (!IsValidJPOSAnswer(gross, record.translation.c_str(), record.answer.c_str())) {
        ThrowIfError(kUDBadInflectionAnswer);
    }
}

// The romaji name stored for the record's particle ("" when none is stored).
std::string StoredParticle(Info const& record) {
    if (!IsVerbWithParticle(record)) return std::string();
    UDTransplant const* row = TransplantOfKana(record.particle);
    if (row == nullptr) ThrowIfError(kUDBadParticle);
    return row->romaji;
}

// The forms as the file keeps them, by form index ("" for a form that is not
// stored).
std::vector<std::string> NormalizedForms(Info const& record) {
    std::vector<std::string> forms(record.NumberOfSrcInflections());
    bool anyForm = false;
    for (std::size_t i = 0; i < forms.size(); ++i) {
        std::optional<std::string> normalized = NormalizeEnglish(record.forms[i].c_str(), kUDEnglishLimit);
        if (!normalized) ThrowIfError(kUDBadTextLength);
        if (HasNonASCIIByte(*normalized)) ThrowIfError(kUDNonASCIIEnglish);
        anyForm = anyForm || !normalized->empty();
        forms[i] = std::move(*normalized);
    }
    if (!anyForm) ThrowIfError(kUDBadTextLength);
    for (std::string const& form : forms) {
        if (HasWordTooLong(form)) ThrowIfError(kUDTooLong);
    }
    return forms;
}

std::string FlagString(Info const& record, std::vector<std::string> const& forms) {
    std::string flags;
    if (record.idiomKind == Info::kIdiomNormal) flags += 'N';
    if (record.idiomKind == Info::kIdiomPreferential) flags += 'P';
    if (record.idiomKind == Info::kIdiomAlmighty) flags += 'A';
    bool const hasIng = record.kind == Info::kVerbGroup && !forms[Info::kIngForm].empty();
    if (hasIng) flags += 'Y';
    return flags;
}

// Checks the record in the order its refusals are documented (the header)
// and gives its entries, one per non-empty form, unlinked.  Throws the code
// of the first check that fails; nothing is touched.
std::vector<ud_entry_t> PrepareEntries(Info const& given) {
    Info const record = WithCTexts(given);
    CheckTranslation(record.translation);
    CheckAnswer(record.answer);
    CheckPartOfSpeech(record);
    std::string const particle = StoredParticle(record);
    std::vector<std::string> const forms = NormalizedForms(record);
    std::string const flags = FlagString(record, forms);

    std::vector<ud_entry_t> entries;
    for (uint32_t i = 0; i < forms.size(); ++i) {
        if (forms[i].empty()) continue;
        ud_entry_t entry;
        entry.strings = UDEntryStrings{forms[i],
                                       UD35EntryGroupInterface_EJ::MapEntryGroupInfoToFilePOSString(record, i),
                                       record.translation,
                                       record.answer,
                                       flags,
                                       particle};
        entry.batchFreq = record.frequencies[i].batch;
        entry.interactiveFreq = record.frequencies[i].interactive;
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

char const* UD35EntryGroupInterface_EJ::MapEntryGroupInfoToFilePOSString(UDEntryGroupInfo_EX const& record,
                                                                         uint32_t formIndex) {
    uint32_t const variant = record.kind == Info::kVerbGroup          ? record.transitivity
                             : record.kind == Info::kPrepositionGroup ? record.subtype
                                                                      : 0;
    return UDPOSString(record.kind, variant, formIndex);
}

// The record as it would read back from the file: forms normalised (one that
// cannot be is kept, and refused later), the particle as the file gives it
// back, an idiom kind without a letter as 0.
UDEntryGroupInfo_EX UD35EntryGroupInterface_EJ::AsStored(UDEntryGroupInfo_EX const& given) {
    Info const record = WithCTexts(given);
    Info stored = record;
    for (uint32_t i = 0; i < stored.NumberOfSrcInflections(); ++i) {
        std::optional<std::string> normalized = NormalizeEnglish(record.forms[i].c_str(), kUDEnglishLimit);
        if (normalized) stored.forms[i] = std::move(*normalized);
    }
    bool const particleKept = IsVerbWithParticle(record) && TransplantOfKana(record.particle) != nullptr;
    if (!particleKept) stored.particle = kUDTransplants[0].kana;
    if (record.idiomKind > Info::kIdiomAlmighty) stored.idiomKind = Info::kIdiomNormal;
    return stored;
}

UDEntryGroupIterator UD35EntryGroupInterface_EJ::CreateNew(UDEntryGroupInfo_EX const& record, bool /*flag*/) {
    RequireWritable();
    if (!LookUpInfo(AsStored(record), [](Info const& a, Info const& b) { return a == b; }).IsAtEnd()) {
        ThrowIfError(kUDDuplicateGroup);
    }
    return At(AddNewEntryToFile(record));
}

// Checks everything first, then writes the entries under the write lock and
// enters the group into the maps.  A failure while writing removes the
// entries written so far (the group count is raised only once all are).
uint32_t UD35EntryGroupInterface_EJ::AddNewEntryToFile(UDEntryGroupInfo_EX const& record) {
    RequireWritable();
    std::vector<ud_entry_t> entries = PrepareEntries(record);
    EnsureMapsCurrent();
    WriteLock lock(fFile);
    WriteGroupEntries(entries);
    for (ud_entry_t const& entry : entries) AddForm(entry.strings.english, entry.id);
    fGroups.Insert(entries.front().strings.english, entries.front().id);
    lock.Commit();
    return entries.front().id;
}

void UD35EntryGroupInterface_EJ::WriteGroupEntries(std::vector<ud_entry_t>& entries) {
    uint32_t const groupsBefore = fFile.GetGroupCount();
    std::vector<uint32_t> written;
    try {
        if (fFile.AppendGroup(&entries)) {
            for (ud_entry_t const& entry : entries) written.push_back(entry.id);
            for (ud_entry_t const& entry : entries) ThrowIfError(fFile.AddIDtoFirstword(entry));
            fFile.UDIncGroupID(1);
            return;
        }
        // The previous entry's head as last written under this lock: nothing
        // else writes it meanwhile, so it need not be read back.
        dblock_t previous;
        for (ud_entry_t& entry : entries) {
            entry.prevID = written.empty() ? 0 : written.back();
            fFile.MarkMapAndIndexStale();
            dblock_t head;
            fFile.WriteEntry(&entry, &head);
            written.push_back(entry.id);
            ThrowIfError(fFile.AddIDtoFirstword(entry));
            if (entry.prevID != 0) {
                previous.nextID = entry.id;
                fFile.WriteDataBlock(previous);
            }
            previous = head;
        }
        fFile.UDIncGroupID(1);
    } catch (...) {
        // The maps are rebuilt from the file before their next use, whatever
        // the removal below achieves; its own failure is not the one to
        // report.
        fMapsOutOfDate = true;
        try {
            RemoveEntries(written);
            // A failed block write makes the file layer reload, and count the
            // groups, while the entries written so far are still there.
            int64_t const counted = fFile.GetGroupCount();
            if (counted != groupsBefore) fFile.UDIncGroupID(static_cast<int16_t>(groupsBefore - counted));
        } catch (...) {
        }
        throw;
    }
}

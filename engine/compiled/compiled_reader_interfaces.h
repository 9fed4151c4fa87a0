#pragma once
// The named interfaces a compiled dictionary answers from its own file:
// sizes and fixed values, the almighty-idiom lists and the table of
// grammatical-form words.  (The word lists it serves are the generic lookup
// implementations over the dictionary.)
#include <array>
#include <cstdint>

#include "engine/compiled/compiled_file_access.h"
#include "engine/foundation/critical_section.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"

// Entry count and file size as found at open; the fixed p-value (none at
// first) and fixed idiom type (off at first) that the dictionary's fine parts
// of speech then report.
class CompiledMiscDictInfoIface : public Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_ {
public:
    CompiledMiscDictInfoIface(unsigned long entryCount, unsigned long fileSize)
        : fEntryCount(entryCount), fFileSize(fileSize) {}

    unsigned long GetEntryCount() override { return fEntryCount; }
    unsigned long GetFileSize() override { return fFileSize; }
    bool GetModifyable() override { return false; }
    short GetFixedPValue() const override { return fFixedPValue; }
    void SetFixedPValue(short value) override { fFixedPValue = value; }
    bool GetFixedIdiomType() override { return fFixedIdiomType; }
    void SetFixedIdiomType(bool fixed) override { fFixedIdiomType = fixed; }

private:
    unsigned long fEntryCount;
    unsigned long fFileSize;
    short fFixedPValue = kNoFixedPValue;
    bool fFixedIdiomType = false;
};

// The eight lists of the file's almighty-idiom index, each read on its first
// request and kept.
class CompiledAlmightyIdiomInterface : public AlmightyIdiomInterface_ {
public:
    CompiledAlmightyIdiomInterface(CompiledFileAccess const& file, uint32_t index) : fFile(file), fIndex(index) {}

    using AlmightyIdiomInterface_::GetIdiomList;
    // An empty list for a tag above 7.  CorruptDictionary for a list that
    // does not lie inside the file.
    AlmightyIdiomList const& GetIdiomList(AlmightyIdiomListTag tag) const override;

private:
    CompiledFileAccess fFile;
    uint32_t fIndex;
    mutable CorvanCriticalSection fLock;
    mutable std::array<AlmightyIdiomList, kListCount> fLists;
    mutable std::array<bool, kListCount> fLoaded{};
};

// Binary search of the file's table of lower-case grammatical-form words.
class CompiledGrammaticalFormInterface : public GrammaticalFormWordsInterface_ {
public:
    CompiledGrammaticalFormInterface(CompiledFileAccess const& file, uint32_t table, uint32_t count)
        : fFile(file), fTable(table), fCount(table == 0 ? 0 : count) {}

    using GrammaticalFormWordsInterface_::IsWordThere;
    // The word lower-cased is in the table.
    bool IsWordThere(char const* word) const override;

private:
    CompiledFileAccess fFile;
    uint32_t fTable;
    uint32_t fCount;
};

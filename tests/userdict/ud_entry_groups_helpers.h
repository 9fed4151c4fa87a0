#pragma once
// Entry-group interfaces over dictionaries in memory files, records of every
// kind with translations the cook tables accept, and what a dictionary holds
// read back through the interface.
#include <map>
#include <string>
#include <vector>

#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud_inspect.h"
#include "foundation/japanese_text.h"
#include "userdict/ud_t_helpers.h"

using Info = UDEntryGroupInfo_EX;
using Bytes = std::vector<unsigned char>;

// A dictionary file in memory (a new one for no bytes), opened, with its
// entry-group interface.
struct GroupDictionary {
    explicit GroupDictionary(Bytes const& bytes = {}, bool writable = true)
        : opened(bytes, writable), groups(opened.dictionary) {}

    ud_t& File() { return opened.dictionary; }
    Bytes FileBytes() const { return opened.file.Bytes(); }

    OpenedDictionary opened;
    UD35EntryGroupInterface_EJ groups;
};

// The bytes of a dictionary holding the groups, added through the interface.
inline Bytes DictionaryWith(std::vector<Info> const& records) {
    GroupDictionary d;
    for (Info const& record : records) d.groups.CreateNew(record, false);
    return d.FileBytes();
}

// The same with the blocks of one more group, added last, freed again: a
// group added to it takes them, entry by entry, instead of appending.
inline Bytes DictionaryWithFreedBlocks(std::vector<Info> const& records, Info const& erased) {
    GroupDictionary d;
    for (Info const& record : records) d.groups.CreateNew(record, false);
    d.groups.Erase(d.groups.CreateNew(erased, false));
    return d.FileBytes();
}

// ---- Records whose translations and answers the cook tables accept.

inline Info Noun(std::string const& base, std::string const& plural = "", std::string const& translation = SJIS("本")) {
    Info record;
    record.Set_Noun(base, plural);
    record.translation = translation;
    return record;
}

// A verb with the one-answer translation 取る (so no answer) and, unless it
// is intransitive, the particle を.
inline Info Verb(std::vector<std::string> const& forms, Info::VerbTransativityType transitivity = Info::kTransitive,
                 std::string const& particle = SJIS("を")) {
    Info record;
    std::vector<std::string> five = forms;
    five.resize(Info::kNumInflections);
    record.Set_Verb(five[0], transitivity, five[1], five[2], five[3], five[4], "", particle);
    record.translation = SJIS("取る");
    return record;
}

inline Info Adjective(std::string const& base) {
    Info record;
    record.Set_Adjective(base, "");
    record.translation = SJIS("おいしい");
    return record;
}

inline Info PrepositionalPhrase(std::string const& base) {
    Info record;
    record.Set_PrepositionalPhrase(base, "");
    record.translation = SJIS("の上で");
    return record;
}

// Adverbs, conjunctions and prepositions: the base form only.
inline Info OneForm(uint32_t kind, std::string const& base, std::string const& translation, uint32_t subtype = 0) {
    Info record;
    record.kind = kind;
    record.subtype = subtype;
    record.forms[Info::kBaseForm] = base;
    record.translation = translation;
    return record;
}

// ---- Results.

// The bare code an action throws, 0 when it throws none.
template <class Action>
unsigned short RefusalCode(Action&& action) {
    try {
        action();
    } catch (unsigned short code) {
        return code;
    }
    return 0;
}

// Every group, walked from the start.
inline std::vector<Info> AllGroups(UD35EntryGroupInterface_EJ& groups) {
    std::vector<Info> all;
    for (UDEntryGroupIterator at = groups.GetIterator_start(); !at.IsAtEnd(); ++at) all.push_back(*at);
    return all;
}

// The base form of every group, walked from the start.
inline std::vector<std::string> BaseForms(UD35EntryGroupInterface_EJ& groups) {
    std::vector<std::string> bases;
    for (Info const& group : AllGroups(groups)) bases.push_back(group.GetBaseForm());
    return bases;
}

// The English of every entry by ID, as a new opening of the bytes finds them.
inline std::map<uint32_t, std::string> EntriesOf(Bytes const& bytes) {
    OpenedDictionary reopened(bytes);
    return EnglishByID(reopened.dictionary);
}

inline uint32_t HeaderGroupCount(Bytes const& bytes) { return GetUlong(bytes, kUDHeaderGroupCount); }

// The inspection of a copy of the file after one opening and lock cycle,
// which repairs what a stopped or failed writer left stale.
inline UDInspection InspectOnceOpened(Bytes const& bytes) {
    OpenedDictionary copy(bytes);
    {
        SimpleFileLocker_READ read(&copy.dictionary);
        SimpleFileLocker_WRITE write(&copy.dictionary);
    }
    return InspectUDFile(copy.file.Fd());
}

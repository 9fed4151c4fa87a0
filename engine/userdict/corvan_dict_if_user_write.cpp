// The dictionary facade: adding, replacing and erasing the entry groups of a
// user dictionary from user-word records.
#include <cstring>

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"

namespace {

using Group = UDEntryGroupInfo_EX;

Group::VerbTransativityType TransitivityOf(JITA_status status) {
    switch (status) {
        case eJitaTransitive:
            return Group::kTransitive;
        case eJitaIntransitive:
            return Group::kIntransitive;
        case eJitaNotSpecified:
            return Group::kTransitivityNotMarked;
    }
    // Passed on as it is, for the dictionary to refuse.
    return static_cast<Group::VerbTransativityType>(status);
}

// The groups with one English form: adverbs, conjunctions, prepositions.
Group SingleFormGroup(uint32_t kind, char const* headword, char const* translation) {
    Group group;
    group.kind = kind;
    group.forms[Group::kBaseForm] = headword;
    group.translation = translation;
    return group;
}

}  // namespace

short CorvanDictIF::WriteItem(short n, UDEntryGroupInfo_EX const& info, unsigned char create) {
    EJUserDict& userDict = UserDictAt(n);
    if (create != 0) return userDict.CreateEntry(info);
    return userDict.UpdateEntry(info) ? 1 : 0;
}

short CorvanDictIF::AddUserNoun(short n, CorvanUserNoun const* record, unsigned char create) {
    Group group;
    group.Set_Noun(record->GetGenkei(), record->GetFukusuukei());
    group.translation = record->GetYakugo();
    return WriteItem(n, group, create);
}

short CorvanDictIF::AddUserVerb(short n, CorvanUserVerb const* record, unsigned char create) {
    Group group;
    group.Set_Verb(record->GetGenkei(), TransitivityOf(record->GetJiTadoushi()), record->GetKakokei(),
                   record->GetKakobunshi(), record->GetSannin(), record->GetIngkei(), record->GetYakugoKakokei(),
                   record->GetJoshi());
    group.translation = record->GetYakugo();
    return WriteItem(n, group, create);
}

short CorvanDictIF::AddUserAdj(short n, CorvanUserAdj const* record, unsigned char create) {
    Group group;
    group.Set_Adjective(record->GetGenkei(), record->GetMotoninaruDoushi());
    group.translation = record->GetYakugo();
    return WriteItem(n, group, create);
}

short CorvanDictIF::AddUserPPhrase(short n, CorvanUserAdj const* record, unsigned char create) {
    Group group;
    group.Set_PrepositionalPhrase(record->GetGenkei(), record->GetMotoninaruDoushi());
    group.translation = record->GetYakugo();
    return WriteItem(n, group, create);
}

short CorvanDictIF::AddUserAdv(short n, CorvanUserAdv const* record, unsigned char create) {
    return WriteItem(n, SingleFormGroup(Group::kAdverbGroup, record->GetGenkei(), record->GetYakugo()), create);
}

short CorvanDictIF::AddUserConj(short n, CorvanUserAdv const* record, unsigned char create) {
    return WriteItem(n, SingleFormGroup(Group::kConjunctionGroup, record->GetGenkei(), record->GetYakugo()), create);
}

short CorvanDictIF::AddUserPrepos(short n, CorvanUserPrepos const* record, unsigned char create) {
    Group group = SingleFormGroup(Group::kPrepositionGroup, record->GetGenkei(), record->GetYakugo());
    bool const adverbial = std::strcmp(record->GetYouhou(), YouhouFukushi) == 0;
    group.subtype = adverbial ? Group::kAdverbialPreposition : Group::kAdjectivalPreposition;
    return WriteItem(n, group, create);
}

// ---- Replacing and erasing group i ---------------------------------------------

namespace {

// Makes group i the current one of user dictionary n, for the replacement
// that follows.
bool PositionAt(short n, unsigned long i) { return UserDictAt(n).GetIterator(i); }

}  // namespace

short CorvanDictIF::ModUserNoun(short n, unsigned long i, CorvanUserNoun const* record) {
    return PositionAt(n, i) ? AddUserNoun(n, record, 0) : 0;
}

short CorvanDictIF::ModUserVerb(short n, unsigned long i, CorvanUserVerb const* record) {
    return PositionAt(n, i) ? AddUserVerb(n, record, 0) : 0;
}

short CorvanDictIF::ModUserAdj(short n, unsigned long i, CorvanUserAdj const* record) {
    return PositionAt(n, i) ? AddUserAdj(n, record, 0) : 0;
}

short CorvanDictIF::ModUserAdv(short n, unsigned long i, CorvanUserAdv const* record) {
    return PositionAt(n, i) ? AddUserAdv(n, record, 0) : 0;
}

short CorvanDictIF::ModUserPrepos(short n, unsigned long i, CorvanUserPrepos const* record) {
    return PositionAt(n, i) ? AddUserPrepos(n, record, 0) : 0;
}

short CorvanDictIF::ModUserConj(short n, unsigned long i, CorvanUserAdv const* record) {
    return PositionAt(n, i) ? AddUserConj(n, record, 0) : 0;
}

short CorvanDictIF::ModUserPPhrase(short n, unsigned long i, CorvanUserAdj const* record) {
    return PositionAt(n, i) ? AddUserPPhrase(n, record, 0) : 0;
}

short CorvanDictIF::DelUserItem(short n, unsigned long i) {
    EJUserDict& userDict = UserDictAt(n);
    if (!userDict.GetIterator(i)) return 0;
    return userDict.EraseEntry() ? 1 : 0;
}

// The dictionary facade: counting and reading the entry groups of a user
// dictionary into user-word records.
#include <cstring>
#include <stdexcept>

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/corvan_dict_state.h"

namespace {

using Group = UDEntryGroupInfo_EX;

JITA_status JitaOf(Group::VerbTransativityType transitivity) {
    switch (transitivity) {
        case Group::kTransitive:
            return eJitaTransitive;
        case Group::kIntransitive:
            return eJitaIntransitive;
        default:
            return eJitaNotSpecified;
    }
}

// Group i of user dictionary n.  Every index is looked up afresh through
// GetIthEntry, whose cache makes reading all groups by increasing index
// linear.
Group GroupAt(short n, unsigned long i) {
    UD35EntryGroupInterface_EJ& groups = UserDictAt(n).GetGroups();
    if (i >= groups.GetCount()) throw std::out_of_range("no entry group of that index");
    return *groups.GetIthEntry(static_cast<uint32_t>(i));
}

// Notes whether every text set into a record kept all its bytes.
class FitCheck {
public:
    void Check(char const* stored, std::string const& text) { fAllFit = fAllFit && std::strlen(stored) == text.size(); }
    short Result() const { return fAllFit ? 1 : 0; }

private:
    bool fAllFit = true;
};

short FillAdverbLike(Group const& group, CorvanUserAdv* record) {
    FitCheck fit;
    record->SetGenkei(group.GetBaseForm().c_str());
    fit.Check(record->GetGenkei(), group.GetBaseForm());
    record->SetYakugo(group.translation.c_str());
    fit.Check(record->GetYakugo(), group.translation);
    return fit.Result();
}

short FillAdjectiveLike(Group const& group, CorvanUserAdj* record) {
    FitCheck fit;
    record->SetGenkei(group.GetBaseForm().c_str());
    fit.Check(record->GetGenkei(), group.GetBaseForm());
    record->SetYakugo(group.translation.c_str());
    fit.Check(record->GetYakugo(), group.translation);
    record->SetMotoninaruDoushi(group.answer.c_str());
    fit.Check(record->GetMotoninaruDoushi(), group.answer);
    return fit.Result();
}

}  // namespace

unsigned long CorvanDictIF::CountUserDictEntry(short n) { return UserDictAt(n).GetGroups().GetCount(); }

bool CorvanDictIF::GetSimpleUserWord(short n, unsigned long i, char* word, std::size_t wordSize, short* kind,
                                     char* japanese, std::size_t japaneseSize) {
    try {
        Group const group = GroupAt(n, i);
        CopyUserWordText(word, wordSize, group.GetBaseForm().c_str());
        short const userKind = UserWordKindOfGroup(group.kind);
        if (userKind == 0) return false;
        *kind = userKind;
        CopyUserWordText(japanese, japaneseSize, group.translation.c_str());
        return true;
    } catch (...) {
        return false;
    }
}

short CorvanDictIF::ReadUserNoun(short n, unsigned long i, CorvanUserNoun* record) {
    Group const group = GroupAt(n, i);
    FitCheck fit;
    record->SetGenkei(group.GetBaseForm().c_str());
    fit.Check(record->GetGenkei(), group.GetBaseForm());
    record->SetFukusuukei(group.forms[Group::kPluralOrPastForm].c_str());
    fit.Check(record->GetFukusuukei(), group.forms[Group::kPluralOrPastForm]);
    record->SetYakugo(group.translation.c_str());
    fit.Check(record->GetYakugo(), group.translation);
    return fit.Result();
}

short CorvanDictIF::ReadUserVerb(short n, unsigned long i, CorvanUserVerb* record) {
    Group const group = GroupAt(n, i);
    FitCheck fit;
    record->SetGenkei(group.GetBaseForm().c_str());
    fit.Check(record->GetGenkei(), group.GetBaseForm());
    record->SetKakokei(group.forms[Group::kPluralOrPastForm].c_str());
    fit.Check(record->GetKakokei(), group.forms[Group::kPluralOrPastForm]);
    record->SetKakobunshi(group.forms[Group::kPastParticipleForm].c_str());
    fit.Check(record->GetKakobunshi(), group.forms[Group::kPastParticipleForm]);
    record->SetSannin(group.forms[Group::kThirdSingularForm].c_str());
    fit.Check(record->GetSannin(), group.forms[Group::kThirdSingularForm]);
    record->SetIngkei(group.forms[Group::kIngForm].c_str());
    fit.Check(record->GetIngkei(), group.forms[Group::kIngForm]);
    record->SetJiTadoushi(JitaOf(group.transitivity));
    record->SetYakugo(group.translation.c_str());
    fit.Check(record->GetYakugo(), group.translation);
    record->SetYakugoKakokei(group.answer.c_str());
    fit.Check(record->GetYakugoKakokei(), group.answer);
    record->SetJoshi(group.particle.c_str());
    fit.Check(record->GetJoshi(), group.particle);
    return fit.Result();
}

short CorvanDictIF::ReadUserAdj(short n, unsigned long i, CorvanUserAdj* record) {
    return FillAdjectiveLike(GroupAt(n, i), record);
}

short CorvanDictIF::ReadUserAdv(short n, unsigned long i, CorvanUserAdv* record) {
    return FillAdverbLike(GroupAt(n, i), record);
}

short CorvanDictIF::ReadUserPrepos(short n, unsigned long i, CorvanUserPrepos* record) {
    Group const group = GroupAt(n, i);
    FitCheck fit;
    record->SetGenkei(group.GetBaseForm().c_str());
    fit.Check(record->GetGenkei(), group.GetBaseForm());
    record->SetYakugo(group.translation.c_str());
    fit.Check(record->GetYakugo(), group.translation);
    record->SetYouhou(group.subtype != Group::kAdjectivalPreposition ? YouhouFukushi : YouhouKeiyoushi);
    return fit.Result();
}

short CorvanDictIF::ReadUserConj(short n, unsigned long i, CorvanUserAdv* record) {
    return FillAdverbLike(GroupAt(n, i), record);
}

short CorvanDictIF::ReadUserPPhrase(short n, unsigned long i, CorvanUserAdj* record) {
    return FillAdjectiveLike(GroupAt(n, i), record);
}

#include "apps/vorlip/entry_text.h"

#include <cstring>
#include <initializer_list>

#include "engine/userdict/corvan_dict_if.h"

namespace {

constexpr short kUserDictZero = 0;

bool BreaksLine(char const* field) { return std::strpbrk(field, "\t\r\n") != nullptr; }

bool AppendLine(std::string* text, std::initializer_list<char const*> fields) {
    for (char const* field : fields) {
        if (BreaksLine(field)) return false;
    }
    char const* separator = "";
    for (char const* field : fields) {
        text->append(separator).append(field);
        separator = "\t";
    }
    text->push_back('\r');
    return true;
}

char const* VerbKey(JITA_status transitivity) {
    switch (transitivity) {
        case eJitaNotSpecified:
            return "VERB";
        case eJitaTransitive:
            return "VT";
        default:
            return "VI";
    }
}

// Reads entry `index` into a new record with the facade's read operation
// and makes its line with the text maker.
template <typename Record, typename Read, typename Make>
bool ReadAndMake(unsigned int index, std::string* text, Read read, Make make) {
    Record record;
    // A text cut to its field still goes out: the converter refuses it with
    // a message the user sees, where a missing line would go unnoticed.
    (gCorvanEngine.*read)(kUserDictZero, index, &record);
    return make(record, text);
}

bool MakeEntryText(short kind, unsigned int index, std::string* text) {
    switch (kind) {
        case eUserWordNoun:
            return ReadAndMake<CorvanUserNoun>(index, text, &CorvanDictIF::ReadUserNoun, makeENoun);
        case eUserWordVerb:
            return ReadAndMake<CorvanUserVerb>(index, text, &CorvanDictIF::ReadUserVerb, makeEVerb);
        case eUserWordAdjective:
            return ReadAndMake<CorvanUserAdj>(index, text, &CorvanDictIF::ReadUserAdj,
                                              [](auto const& r, std::string* t) { return makeEAdj(r, t, true); });
        case eUserWordAdverb:
            return ReadAndMake<CorvanUserAdv>(index, text, &CorvanDictIF::ReadUserAdv,
                                              [](auto const& r, std::string* t) { return makeEAdv(r, t, true); });
        case eUserWordPreposition:
            return ReadAndMake<CorvanUserPrepos>(index, text, &CorvanDictIF::ReadUserPrepos, makeEPrepos);
        case eUserWordConjunction:
            return ReadAndMake<CorvanUserAdv>(index, text, &CorvanDictIF::ReadUserConj,
                                              [](auto const& r, std::string* t) { return makeEAdv(r, t, false); });
        case eUserWordPrepPhrase:
            return ReadAndMake<CorvanUserAdj>(index, text, &CorvanDictIF::ReadUserPPhrase,
                                              [](auto const& r, std::string* t) { return makeEAdj(r, t, false); });
        default:
            return false;
    }
}

}  // namespace

bool makeENoun(CorvanUserNoun const& record, std::string* text) {
    return AppendLine(text, {record.GetGenkei(), record.GetYakugo(), "NOUN", record.GetFukusuukei()});
}

bool makeEVerb(CorvanUserVerb const& record, std::string* text) {
    JITA_status const transitivity = record.GetJiTadoushi();
    // An intransitive verb takes "を" whatever is stored: the converter does
    // not read the field for VI.
    char const* particle = transitivity == eJitaIntransitive ? "" : record.GetJoshi();
    return AppendLine(
        text, {record.GetGenkei(), record.GetYakugo(), VerbKey(transitivity), record.GetKakokei(), record.GetSannin(),
               record.GetIngkei(), record.GetKakobunshi(), particle, "", record.GetYakugoKakokei()});
}

bool makeEAdj(CorvanUserAdj const& record, std::string* text, bool isAdjective) {
    return AppendLine(text, {record.GetGenkei(), record.GetYakugo(), isAdjective ? "ADJ" : "PP", "", "", "", "", "", "",
                             record.GetMotoninaruDoushi()});
}

bool makeEAdv(CorvanUserAdv const& record, std::string* text, bool isAdverb) {
    return AppendLine(text, {record.GetGenkei(), record.GetYakugo(), isAdverb ? "ADV" : "CONJ"});
}

bool makeEPrepos(CorvanUserPrepos const& record, std::string* text) {
    bool const adverbial = std::strcmp(record.GetYouhou(), YouhouFukushi) == 0;
    return AppendLine(text, {record.GetGenkei(), record.GetYakugo(), adverbial ? "PREPV" : "PREPA"});
}

bool uwGetText(unsigned int index, std::string* text) {
    text->clear();
    char word[kUserWordFieldSize];
    char japanese[kUserWordFieldSize];
    short kind = 0;
    if (!gCorvanEngine.GetSimpleUserWord(kUserDictZero, index, word, sizeof word, &kind, japanese, sizeof japanese)) {
        return false;
    }
    try {
        if (MakeEntryText(kind, index, text)) return true;
    } catch (...) {
        // A corrupt or vanished entry: not served.
    }
    text->clear();
    return false;
}

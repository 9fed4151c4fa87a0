// The five builders of the conversion and the checks of their fields.
#include <cstring>

#include "engine/foundation/sjis_chars.h"
#include "engine/userdict/uw_convert.h"
#include "engine/userdict/uw_log_messages.h"

namespace {

constexpr std::size_t kMaxFieldBytes = 70;

using Fields = std::vector<std::string>;

// The field at index, or null when the line has no such field.
std::string const* FieldAt(Fields const& fields, std::size_t index) {
    return index < fields.size() ? &fields[index] : nullptr;
}

std::string const& FieldOrEmpty(Fields const& fields, std::size_t index) {
    static std::string const kEmpty;
    std::string const* field = FieldAt(fields, index);
    return field ? *field : kEmpty;
}

// Headword (field 0) and translation (field 1), common to every record.
template <typename Record>
char const* BuildHeadwordAndTranslation(Record& record, Fields const& fields) {
    std::string const& headword = FieldOrEmpty(fields, 0);
    switch (checkEigoMidashi(headword)) {
        case 0:
            return kLogENotEigo;
        case -1:
            return kLogELongEigo;
        case -2:
            return kLogEZenkakuEigo;
    }
    record.SetGenkei(headword.c_str());
    std::string const& translation = FieldOrEmpty(fields, 1);
    switch (checkEtoJYakugo(translation)) {
        case 0:
            return kLogENotNihongoyaku;
        case -1:
            return kLogELongNihongoyaku;
    }
    record.SetYakugo(translation.c_str());
    return nullptr;
}

// An optional English form: checked and stored when present.
template <typename Record>
char const* BuildEnglishForm(Record& record, Fields const& fields, std::size_t index, char const* longMessage,
                             char const* zenkakuMessage, void (Record::*setter)(char const*)) {
    std::string const* form = FieldAt(fields, index);
    if (!form) return nullptr;
    switch (checkEigo(*form)) {
        case -1:
            return longMessage;
        case -2:
            return zenkakuMessage;
    }
    (record.*setter)(form->c_str());
    return nullptr;
}

bool IsVerbParticle(CorvanUserVerb& record, std::string const& particle) {
    char candidate[kUserJoshiFieldSize];
    while (record.GetVerbJoshi(candidate, sizeof candidate)) {
        if (particle == candidate) return true;
    }
    return false;
}

constexpr std::size_t kFieldVerbParticle = 7;
constexpr std::size_t kFieldJapanesePastOrSource = 9;

char const* BuildVerbParticle(CorvanUserVerb& record, Fields const& fields, JITA_status transitivity) {
    static char const kParticleWo[] = "\x82\xF0";  // "を"
    if (transitivity == eJitaIntransitive) {
        record.SetJoshi(kParticleWo);
        return nullptr;
    }
    std::string const* particle = FieldAt(fields, kFieldVerbParticle);
    if (!particle) return nullptr;
    if (!IsVerbParticle(record, *particle)) return kLogEVerbJoshi;
    record.SetJoshi(particle->c_str());
    return nullptr;
}

// Walks the candidates the translation gave until one is accepted: the
// automatic marker at once, else the one equal to `given`.
enum class CandidateOutcome { kAccepted, kNoneMatched, kGivenAbsent, kBadEnding };

template <typename Record>
CandidateOutcome AcceptCandidate(Record& record, std::string const* given, bool badEndingFails,
                                 char (&accepted)[kUserWordFieldSize]) {
    while (record.AnalyseYakugo(accepted, sizeof accepted)) {
        if (std::strcmp(accepted, theJidouSuitei) == 0) return CandidateOutcome::kAccepted;
        if (std::strcmp(accepted, theFuseiGobi) == 0) {
            if (badEndingFails) return CandidateOutcome::kBadEnding;
            continue;
        }
        if (!given) return CandidateOutcome::kGivenAbsent;
        if (*given == accepted) return CandidateOutcome::kAccepted;
    }
    return CandidateOutcome::kNoneMatched;
}

}  // namespace

bool checkZenkaku(std::string const& text) {
    // Any lead byte makes the text full-width, a lone one at the end too: it
    // is no English either way.
    for (char c : text) {
        if (IsSJISLeadByte(static_cast<unsigned char>(c))) return false;
    }
    return true;
}

int checkEigoMidashi(std::string const& text) {
    if (text.empty()) return 0;
    if (text.size() > kMaxFieldBytes) return -1;
    if (!checkZenkaku(text)) return -2;
    return 1;
}

int checkEtoJYakugo(std::string const& text) {
    if (text.empty()) return 0;
    return text.size() > kMaxFieldBytes ? -1 : 1;
}

int checkEigo(std::string const& text) {
    if (text.size() > kMaxFieldBytes) return -1;
    if (!checkZenkaku(text)) return -2;
    return 1;
}

char const* buildENoun(CorvanUserNoun& record, Fields const& fields) {
    if (char const* message = BuildHeadwordAndTranslation(record, fields)) return message;
    return BuildEnglishForm(record, fields, 3, kLogELongFukusuukei, kLogEZenkakuFukusuukei,
                            &CorvanUserNoun::SetFukusuukei);
}

char const* buildEAdv(CorvanUserAdv& record, Fields const& fields) {
    return BuildHeadwordAndTranslation(record, fields);
}

char const* buildEPrepos(CorvanUserPrepos& record, Fields const& fields, int usage) {
    if (char const* message = BuildHeadwordAndTranslation(record, fields)) return message;
    record.SetYouhou(usage == 0 ? YouhouFukushi : YouhouKeiyoushi);
    return nullptr;
}

char const* buildEVerb(CorvanUserVerb& record, Fields const& fields, JITA_status transitivity) {
    struct EnglishForm {
        std::size_t index;
        char const* longMessage;
        char const* zenkakuMessage;
        void (CorvanUserVerb::*setter)(char const*);
    };
    static EnglishForm const kForms[] = {
        {3, kLogELongKakokei, kLogEZenkakuKakokei, &CorvanUserVerb::SetKakokei},
        {4, kLogELongSannin, kLogEZenkakuSannin, &CorvanUserVerb::SetSannin},
        {5, kLogELongIngkei, kLogEZenkakuIngkei, &CorvanUserVerb::SetIngkei},
        {6, kLogELongKakobunshi, kLogEZenkakuKakobunshi, &CorvanUserVerb::SetKakobunshi},
    };
    if (char const* message = BuildHeadwordAndTranslation(record, fields)) return message;
    for (auto const& form : kForms) {
        if (char const* message =
                BuildEnglishForm(record, fields, form.index, form.longMessage, form.zenkakuMessage, form.setter))
            return message;
    }
    record.SetJiTadoushi(transitivity);
    if (char const* message = BuildVerbParticle(record, fields, transitivity)) return message;

    char past[kUserWordFieldSize];
    if (AcceptCandidate(record, FieldAt(fields, kFieldJapanesePastOrSource), false, past) !=
        CandidateOutcome::kAccepted)
        return kLogEVerbYakugonoKako;
    record.SetYakugoKakokei(past);
    return nullptr;
}

char const* buildEAdj(CorvanUserAdj& record, Fields const& fields) {
    if (char const* message = BuildHeadwordAndTranslation(record, fields)) return message;
    std::string const* source = FieldAt(fields, kFieldJapanesePastOrSource);
    char verb[kUserWordFieldSize];
    switch (AcceptCandidate(record, source, true, verb)) {
        case CandidateOutcome::kAccepted:
            break;
        case CandidateOutcome::kNoneMatched:
            return source ? kLogEMotoninaru : kLogENihongoyaku;
        case CandidateOutcome::kGivenAbsent:
        case CandidateOutcome::kBadEnding:
            return kLogENihongoyaku;
    }
    record.SetMotoninaruDoushi(verb);
    return nullptr;
}

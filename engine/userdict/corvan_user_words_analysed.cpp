// The user-word records that analyse their translation (verb and adjective)
// and the candidate list they share.
#include <cstring>

#include "engine/foundation/cook_translation.h"
#include "engine/userdict/corvan_user_word_block.h"
#include "engine/userdict/corvan_user_words.h"
#include "engine/userdict/ud_transplants.h"

static_assert(sizeof(CorvanUserVerb::Data) == CorvanUserVerb::kBlockSize, "verb block size");
static_assert(sizeof(CorvanUserAdj::Data) == CorvanUserAdj::kBlockSize, "adjective block size");

namespace {

constexpr std::size_t kMaxMenuSlots = 4;

bool IsMarker(char const* text) {
    return std::strcmp(text, theJidouSuitei) == 0 || std::strcmp(text, theFuseiGobi) == 0 ||
           std::strcmp(text, theAnalyseError) == 0;
}

}  // namespace

// ---- UserWordCandidates ------------------------------------------------------

void UserWordCandidates::Analyse(CookTableGrossPOS gross, char const* translation) {
    Clear();
    if (translation == nullptr || translation[0] == '\0') return;
    JPOSMenuQueryType queryType = eNoJPOSQuery;
    JPOSMenuSlot menu[kMaxMenuSlots] = {};
    unsigned short const result = GetJPOSMenu(&queryType, menu, gross, translation);
    if (result == kCookOK && queryType != eNoJPOSQuery) {
        for (JPOSMenuSlot const& slot : menu) {
            std::size_t const length = strnlen(slot, sizeof slot);
            if (length == 0) break;
            // A form that would not fit the record's field is no candidate.
            if (length < kUserWordFieldSize) fCandidates.emplace_back(slot, length);
        }
    } else if (result == kCookOK) {
        fCandidates.emplace_back(theJidouSuitei);
    } else if (result == kCookNoEntry) {
        fCandidates.emplace_back(theFuseiGobi);
    } else {
        fCandidates.emplace_back(theAnalyseError);
    }
}

void UserWordCandidates::Clear() {
    fCandidates.clear();
    fCursor = 0;
}

bool UserWordCandidates::Next(char* buffer, std::size_t size) {
    if (fCursor >= fCandidates.size()) {
        fCursor = 0;
        return false;
    }
    CopyUserWordText(buffer, size, fCandidates[fCursor++].c_str());
    return true;
}

// ---- CorvanUserVerb ----------------------------------------------------------

CorvanUserVerb::CorvanUserVerb() : fData() { ClearUserData(); }

void CorvanUserVerb::ClearUserData() {
    fData = Data();
    fJoshiCursor = 0;
    fCandidates.Rewind();
}

bool CorvanUserVerb::GetVerbJoshi(char* buffer, std::size_t size) {
    if (fJoshiCursor >= GetNumUDTransplants()) {
        fJoshiCursor = 0;
        return false;
    }
    CopyUserWordText(buffer, size, GetUDPostpositionKana(fJoshiCursor++));
    return true;
}

bool CorvanUserVerb::AnalyseYakugo(char* buffer, std::size_t size) { return fCandidates.Next(buffer, size); }

void CorvanUserVerb::SetGenkei(char const* text) { CopyUserWordText(fData.Genkei, sizeof fData.Genkei, text); }
void CorvanUserVerb::SetKakokei(char const* text) { CopyUserWordText(fData.Kakokei, sizeof fData.Kakokei, text); }
void CorvanUserVerb::SetKakobunshi(char const* text) {
    CopyUserWordText(fData.Kakobunshi, sizeof fData.Kakobunshi, text);
}
void CorvanUserVerb::SetSannin(char const* text) { CopyUserWordText(fData.Sannin, sizeof fData.Sannin, text); }
void CorvanUserVerb::SetIngkei(char const* text) { CopyUserWordText(fData.Ingkei, sizeof fData.Ingkei, text); }
void CorvanUserVerb::SetJoshi(char const* text) { CopyUserWordText(fData.Joshi, sizeof fData.Joshi, text); }

void CorvanUserVerb::SetYakugo(char const* text) {
    CopyUserWordText(fData.Yakugo, sizeof fData.Yakugo, text);
    fCandidates.Analyse(eCookVerb, fData.Yakugo);
}

bool CorvanUserVerb::SetYakugoKakokei(char const* text) {
    if (text == nullptr) text = "";
    if (std::strcmp(text, theFuseiGobi) == 0) return false;
    bool const derived = std::strcmp(text, theJidouSuitei) == 0 || std::strcmp(text, theAnalyseError) == 0;
    CopyUserWordText(fData.YakugoKakokei, sizeof fData.YakugoKakokei, derived ? "" : text);
    return true;
}

void CorvanUserVerb::SetJiTadoushi(JITA_status status) { fData.JiTadoushi = status; }
void CorvanUserVerb::GetData(void** data, std::size_t* size) const { CopyUserWordBlockOut(fData, data, size); }

void CorvanUserVerb::SetData(void const* data, std::size_t size) {
    if (!CopyUserWordBlockIn(&fData, data, size)) return;
    TerminateUserWordField(fData.Genkei);
    TerminateUserWordField(fData.Kakokei);
    TerminateUserWordField(fData.Kakobunshi);
    TerminateUserWordField(fData.Sannin);
    TerminateUserWordField(fData.Ingkei);
    TerminateUserWordField(fData.Yakugo);
    TerminateUserWordField(fData.YakugoKakokei);
    TerminateUserWordField(fData.Joshi);
}

// ---- CorvanUserAdj -----------------------------------------------------------

CorvanUserAdj::CorvanUserAdj() : fData() { ClearUserData(); }

void CorvanUserAdj::ClearUserData() {
    fData = Data();
    fCandidates.Rewind();
}

bool CorvanUserAdj::AnalyseYakugo(char* buffer, std::size_t size) { return fCandidates.Next(buffer, size); }

void CorvanUserAdj::SetGenkei(char const* text) { CopyUserWordText(fData.Genkei, sizeof fData.Genkei, text); }

void CorvanUserAdj::SetYakugo(char const* text) {
    CopyUserWordText(fData.Yakugo, sizeof fData.Yakugo, text);
    fCandidates.Analyse(eCookAdjective, fData.Yakugo);
}

void CorvanUserAdj::SetMotoninaruDoushi(char const* text) {
    if (text == nullptr || IsMarker(text)) text = "";
    CopyUserWordText(fData.MotoninaruDoushi, sizeof fData.MotoninaruDoushi, text);
}

void CorvanUserAdj::GetData(void** data, std::size_t* size) const { CopyUserWordBlockOut(fData, data, size); }

void CorvanUserAdj::SetData(void const* data, std::size_t size) {
    if (!CopyUserWordBlockIn(&fData, data, size)) return;
    TerminateUserWordField(fData.Genkei);
    TerminateUserWordField(fData.Yakugo);
    TerminateUserWordField(fData.MotoninaruDoushi);
}

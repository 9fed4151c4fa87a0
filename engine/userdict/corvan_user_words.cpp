// The user-word records without candidate forms (noun, adverb, preposition),
// the shared text copy, the marker texts and the cook-table lookup.
#include "engine/userdict/corvan_user_words.h"

#include <cstring>

#include "engine/foundation/sjis_chars.h"
#include "engine/userdict/corvan_user_word_block.h"

static_assert(sizeof(CorvanUserNoun::Data) == CorvanUserNoun::kBlockSize, "noun block size");
static_assert(sizeof(CorvanUserAdv::Data) == CorvanUserAdv::kBlockSize, "adverb block size");
static_assert(sizeof(CorvanUserPrepos::Data) == CorvanUserPrepos::kBlockSize, "preposition block size");

char const theJidouSuitei[] = "\x8e\xa9\x93\xae\x90\x84\x92\xe8";
char const theFuseiGobi[] = "\x95\x73\x90\xb3\x8c\xea\x94\xf6";
char const theAnalyseError[] = "\x83\x47\x83\x89\x81\x5b";
char const YouhouFukushi[] = "\x95\x9b\x8e\x8c\x93\x49\x97\x70\x96\x40";
char const YouhouKeiyoushi[] = "\x8c\x60\x97\x65\x8e\x8c\x93\x49\x97\x70\x96\x40";

bool CopyUserWordText(char* field, std::size_t size, char const* text) {
    if (size == 0) return false;
    if (text == nullptr) text = "";
    std::size_t const limit = size - 1;
    std::size_t length = 0;
    while (text[length] != '\0') {
        std::size_t const step = SJISCharSize(text + length);
        if (length + step > limit) {
            field[length] = '\0';
            return false;
        }
        std::memcpy(field + length, text + length, step);
        length += step;
    }
    field[length] = '\0';
    return true;
}

CookTableGrossPOS GetCookTableGrossPOS(GrossPOS grossPOS, VerbSubtype verbSubtype, PrepositionType prepositionType,
                                       AdjSubtype adjSubtype) {
    return FindCookTableGrossPOS(grossPOS, verbSubtype, prepositionType, adjSubtype);
}

// ---- CorvanUserNoun ----------------------------------------------------------

CorvanUserNoun::CorvanUserNoun() : fData() {}

void CorvanUserNoun::ClearUserData() { fData = Data(); }
void CorvanUserNoun::SetGenkei(char const* text) { CopyUserWordText(fData.Genkei, sizeof fData.Genkei, text); }
void CorvanUserNoun::SetFukusuukei(char const* text) {
    CopyUserWordText(fData.Fukusuukei, sizeof fData.Fukusuukei, text);
}
void CorvanUserNoun::SetYakugo(char const* text) { CopyUserWordText(fData.Yakugo, sizeof fData.Yakugo, text); }
void CorvanUserNoun::GetData(void** data, std::size_t* size) const { CopyUserWordBlockOut(fData, data, size); }

void CorvanUserNoun::SetData(void const* data, std::size_t size) {
    if (!CopyUserWordBlockIn(&fData, data, size)) return;
    TerminateUserWordField(fData.Genkei);
    TerminateUserWordField(fData.Fukusuukei);
    TerminateUserWordField(fData.Yakugo);
}

// ---- CorvanUserAdv -----------------------------------------------------------

CorvanUserAdv::CorvanUserAdv() : fData() {}

void CorvanUserAdv::ClearUserData() { fData = Data(); }
void CorvanUserAdv::SetGenkei(char const* text) { CopyUserWordText(fData.Genkei, sizeof fData.Genkei, text); }
void CorvanUserAdv::SetYakugo(char const* text) { CopyUserWordText(fData.Yakugo, sizeof fData.Yakugo, text); }
void CorvanUserAdv::GetData(void** data, std::size_t* size) const { CopyUserWordBlockOut(fData, data, size); }

void CorvanUserAdv::SetData(void const* data, std::size_t size) {
    if (!CopyUserWordBlockIn(&fData, data, size)) return;
    TerminateUserWordField(fData.Genkei);
    TerminateUserWordField(fData.Yakugo);
}

// ---- CorvanUserPrepos --------------------------------------------------------

CorvanUserPrepos::CorvanUserPrepos() : fData() {}

void CorvanUserPrepos::ClearUserData() { fData = Data(); }
void CorvanUserPrepos::SetGenkei(char const* text) { CopyUserWordText(fData.Genkei, sizeof fData.Genkei, text); }
void CorvanUserPrepos::SetYakugo(char const* text) { CopyUserWordText(fData.Yakugo, sizeof fData.Yakugo, text); }
void CorvanUserPrepos::SetYouhou(char const* text) { CopyUserWordText(fData.Youhou, sizeof fData.Youhou, text); }
void CorvanUserPrepos::GetData(void** data, std::size_t* size) const { CopyUserWordBlockOut(fData, data, size); }

void CorvanUserPrepos::SetData(void const* data, std::size_t size) {
    if (!CopyUserWordBlockIn(&fData, data, size)) return;
    TerminateUserWordField(fData.Genkei);
    TerminateUserWordField(fData.Yakugo);
    TerminateUserWordField(fData.Youhou);
}

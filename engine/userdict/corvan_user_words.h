#pragma once
// The user-word records: one user-dictionary word as it travels between the
// applications and the dictionary facade.  Each record is one fixed block of
// NUL-terminated Shift-JIS fields behind getters and setters, copied whole by
// GetData and SetData.  Conjunctions use the adverb record, prepositional
// phrases the adjective record.
//
// Every setter stores at most the field's width minus one byte, cut at a
// Shift-JIS character boundary, so a field is always terminated whatever the
// caller passes (a stored translation may be up to 1,023 bytes long).  A null
// text stores "".
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/foundation/cook_tables.h"
#include "engine/foundation/user_word_category_map.h"

// A verb's transitivity as the records and the text format give it.
enum JITA_status : uint32_t {
    eJitaNotSpecified = 0,  // text key VERB
    eJitaTransitive = 1,    // VT
    eJitaIntransitive = 2,  // VI
};

// Field widths in bytes, the terminating NUL included.
constexpr std::size_t kUserWordFieldSize = 256;
constexpr std::size_t kUserJoshiFieldSize = 32;
constexpr std::size_t kUserYouhouFieldSize = 32;

// Marker texts (Shift-JIS) offered as candidate forms.
extern char const theJidouSuitei[];   // "自動推定": the form is derived automatically
extern char const theFuseiGobi[];     // "不正語尾": the cook tables do not know the ending
extern char const theAnalyseError[];  // "エラー": the analysis failed
// The usages of a preposition (Shift-JIS).
extern char const YouhouFukushi[];    // "副詞的用法": adverbial
extern char const YouhouKeiyoushi[];  // "形容詞的用法": adjectival

// Copies at most size - 1 bytes of text into field, never splitting a
// Shift-JIS character, and terminates it.  A null text copies "".  Returns
// false when the text had to be cut.  Nothing is written when size is 0.
bool CopyUserWordText(char* field, std::size_t size, char const* text);

// The cook table of the first base-form row of the user-word category map
// with these four values; eCookNone (-1) when no row has them.
CookTableGrossPOS GetCookTableGrossPOS(GrossPOS grossPOS, VerbSubtype verbSubtype, PrepositionType prepositionType,
                                       AdjSubtype adjSubtype);

// The candidate forms of a verb's or adjective's translation, offered one at
// a time.
class UserWordCandidates {
public:
    // Fills the list from the cook tables' answer menu of the translation in
    // the given class (see the verb's and adjective's SetYakugo).
    void Analyse(CookTableGrossPOS gross, char const* translation);
    void Clear();
    void Rewind() { fCursor = 0; }
    // The candidate at the cursor into buffer (cut like a setter), advancing;
    // at the end rewinds and returns false.
    bool Next(char* buffer, std::size_t size);

private:
    std::vector<std::string> fCandidates;
    std::size_t fCursor = 0;
};

class CorvanUserNoun {
public:
    struct Data {
        char Genkei[kUserWordFieldSize];      // headword
        char Fukusuukei[kUserWordFieldSize];  // plural, may be empty
        char Yakugo[kUserWordFieldSize];      // Japanese translation
    };
    static constexpr std::size_t kBlockSize = 768;

    CorvanUserNoun();
    virtual ~CorvanUserNoun() = default;

    virtual void ClearUserData();
    virtual char const* GetGenkei() const { return fData.Genkei; }
    virtual char const* GetFukusuukei() const { return fData.Fukusuukei; }
    virtual char const* GetYakugo() const { return fData.Yakugo; }
    virtual void SetGenkei(char const* text);
    virtual void SetFukusuukei(char const* text);
    virtual void SetYakugo(char const* text);
    // A malloc'ed copy of the block (the caller frees it) and its size; null
    // and 0 when allocation fails.
    virtual void GetData(void** data, std::size_t* size) const;
    // Copies data into the block when size is exactly kBlockSize; any other
    // size leaves the record unchanged.
    virtual void SetData(void const* data, std::size_t size);

private:
    Data fData;
};

class CorvanUserVerb {
public:
    struct Data {
        char Genkei[kUserWordFieldSize];         // base form
        char Kakokei[kUserWordFieldSize];        // past
        char Kakobunshi[kUserWordFieldSize];     // past participle
        char Sannin[kUserWordFieldSize];         // third person singular
        char Ingkei[kUserWordFieldSize];         // -ing form
        uint32_t JiTadoushi;                     // JITA_status
        char Yakugo[kUserWordFieldSize];         // Japanese translation
        char YakugoKakokei[kUserWordFieldSize];  // Japanese past
        char Joshi[kUserJoshiFieldSize];         // particle (kana)
    };
    static constexpr std::size_t kBlockSize = 1828;

    CorvanUserVerb();
    virtual ~CorvanUserVerb() = default;

    // Zeroes the block and rewinds the particle and candidate cursors (the
    // candidate list stays).
    virtual void ClearUserData();
    // The ten particle kana of the user dictionary one per call, in the
    // dictionary's order; after the tenth, false once, then again from the
    // first.
    virtual bool GetVerbJoshi(char* buffer, std::size_t size);
    // The candidate Japanese past forms of the translation one per call;
    // after the last, false once, then again from the first.
    virtual bool AnalyseYakugo(char* buffer, std::size_t size);
    virtual char const* GetGenkei() const { return fData.Genkei; }
    virtual char const* GetKakokei() const { return fData.Kakokei; }
    virtual char const* GetKakobunshi() const { return fData.Kakobunshi; }
    virtual char const* GetSannin() const { return fData.Sannin; }
    virtual char const* GetIngkei() const { return fData.Ingkei; }
    virtual char const* GetJoshi() const { return fData.Joshi; }
    virtual char const* GetYakugo() const { return fData.Yakugo; }
    virtual char const* GetYakugoKakokei() const { return fData.YakugoKakokei; }
    virtual JITA_status GetJiTadoushi() const { return static_cast<JITA_status>(fData.JiTadoushi); }
    virtual void SetGenkei(char const* text);
    virtual void SetKakokei(char const* text);
    virtual void SetKakobunshi(char const* text);
    virtual void SetSannin(char const* text);
    virtual void SetIngkei(char const* text);
    virtual void SetJoshi(char const* text);
    // Stores the translation and makes its candidate past forms (verb cook
    // table).
    virtual void SetYakugo(char const* text);
    // theJidouSuitei and theAnalyseError store "" (true); theFuseiGobi
    // stores nothing (false); any other text is stored (true).
    virtual bool SetYakugoKakokei(char const* text);
    virtual void SetJiTadoushi(JITA_status status);
    virtual void GetData(void** data, std::size_t* size) const;
    virtual void SetData(void const* data, std::size_t size);

private:
    Data fData;
    uint16_t fJoshiCursor = 0;
    UserWordCandidates fCandidates;
};

class CorvanUserAdj {
public:
    struct Data {
        char Genkei[kUserWordFieldSize];            // headword
        char Yakugo[kUserWordFieldSize];            // Japanese translation
        char MotoninaruDoushi[kUserWordFieldSize];  // source verb
    };
    static constexpr std::size_t kBlockSize = 768;

    CorvanUserAdj();
    virtual ~CorvanUserAdj() = default;

    // Zeroes the block and rewinds the candidate cursor.
    virtual void ClearUserData();
    // The candidate source verbs of the translation one per call; after the
    // last, false once, then again from the first.
    virtual bool AnalyseYakugo(char* buffer, std::size_t size);
    virtual char const* GetGenkei() const { return fData.Genkei; }
    virtual char const* GetYakugo() const { return fData.Yakugo; }
    virtual char const* GetMotoninaruDoushi() const { return fData.MotoninaruDoushi; }
    virtual void SetGenkei(char const* text);
    // Stores the translation and makes its candidate source verbs (adjective
    // cook table).
    virtual void SetYakugo(char const* text);
    // Any of the three marker texts stores ""; any other text is stored.
    virtual void SetMotoninaruDoushi(char const* text);
    virtual void GetData(void** data, std::size_t* size) const;
    virtual void SetData(void const* data, std::size_t size);

private:
    Data fData;
    UserWordCandidates fCandidates;
};

class CorvanUserAdv {
public:
    struct Data {
        char Genkei[kUserWordFieldSize];  // headword
        char Yakugo[kUserWordFieldSize];  // Japanese translation
    };
    static constexpr std::size_t kBlockSize = 512;

    CorvanUserAdv();
    virtual ~CorvanUserAdv() = default;

    virtual void ClearUserData();
    virtual char const* GetGenkei() const { return fData.Genkei; }
    virtual char const* GetYakugo() const { return fData.Yakugo; }
    virtual void SetGenkei(char const* text);
    virtual void SetYakugo(char const* text);
    virtual void GetData(void** data, std::size_t* size) const;
    virtual void SetData(void const* data, std::size_t size);

private:
    Data fData;
};

class CorvanUserPrepos {
public:
    struct Data {
        char Genkei[kUserWordFieldSize];    // headword
        char Yakugo[kUserWordFieldSize];    // Japanese translation
        char Youhou[kUserYouhouFieldSize];  // YouhouFukushi or YouhouKeiyoushi
    };
    static constexpr std::size_t kBlockSize = 544;

    CorvanUserPrepos();
    virtual ~CorvanUserPrepos() = default;

    virtual void ClearUserData();
    virtual char const* GetGenkei() const { return fData.Genkei; }
    virtual char const* GetYakugo() const { return fData.Yakugo; }
    virtual char const* GetYouhou() const { return fData.Youhou; }
    virtual void SetGenkei(char const* text);
    virtual void SetYakugo(char const* text);
    virtual void SetYouhou(char const* text);
    virtual void GetData(void** data, std::size_t* size) const;
    virtual void SetData(void const* data, std::size_t size);

private:
    Data fData;
};

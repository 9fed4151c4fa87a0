#pragma once
// Checking and cooking a raw Japanese translation against the cook tables:
// which ending record fits it, the menu of answers the user chooses from when
// several fit, and the cooked form of the chosen answer.  The user-word
// records call these when a verb or adjective translation is set; the user
// dictionary store checks the stored answer before it writes an entry.
//
// Translations are NUL-terminated Shift-JIS; a null translation reads as "".
#include <cstddef>
#include <string>

#include "engine/foundation/cook_tables.h"
#include "engine/foundation/critical_section.h"

// What the user is asked when a translation has several answers.
enum JPOSMenuQueryType : int {
    eNoJPOSQuery = 0,         // one answer, or a class that asks nothing
    eAdjectiveJPOSQuery = 1,  // class 0 with several answers
    eVerbJPOSQuery = 2,       // class 3 with several answers
};

// Result codes.
constexpr unsigned short kCookOK = 0;
constexpr unsigned short kCookNoDictForm = 202;
constexpr unsigned short kCookTranslationTooLong = 203;
constexpr unsigned short kCookNoEntry = 301;      // the ending does not fit the class
constexpr unsigned short kCookNotAnAnswer = 305;  // the part of speech is none of the answers

constexpr std::size_t kMaxJTransBytes = 1023;
// A menu slot: a translation of at most kMaxJTransBytes with an ending swapped.
constexpr std::size_t kJPOSMenuSlotSize = 1040;
using JPOSMenuSlot = char[kJPOSMenuSlotSize];

// The ending record that fits a translation, remembering the last lookup:
// the user-word records ask about the same translation several times in a
// row.  One process-wide instance, safe to call from any thread.
class CookArrayEntryGetterWithCache {
public:
    // The first record of the class's table that fits, or null (also for a
    // class outside 0..6 and for text that is not valid Shift-JIS).
    CookArrayEntry const* Get(CookTableGrossPOS gross, char const* jtrans);

private:
    CorvanCriticalSection fLock;
    bool fValid = false;
    CookTableGrossPOS fGross = eCookNone;
    std::string fTranslation;
    CookArrayEntry const* fEntry = nullptr;
};

CookArrayEntryGetterWithCache& sCookArrayEntryGetter();

// Every out-argument may be null.  203 for a translation over 1,023 bytes and
// 301 when no record fits, before anything is written.  Otherwise the answers
// and their count are given back; with one answer the query type becomes 0
// and the menu is not touched; with several, the query type follows the
// class and menu slot i receives the translation with answer i's menu cut
// swapped for its menu addition, the slots after the last answer (up to 4)
// an empty text.  Returns 0.
unsigned short GetAnswerMenu(JPOSMenuQueryType* qt, JPOSMenuSlot* menu, cook_alt_t const** alts, int* count,
                             CookTableGrossPOS gross, char const* jtrans);

// GetAnswerMenu with the query type and the menu only.
unsigned short GetJPOSMenu(JPOSMenuQueryType* qt, JPOSMenuSlot* menu, CookTableGrossPOS gross, char const* jtrans);

// True when GetAnswerMenu succeeds; *qt (when given) is set as it sets it.
bool GetQueryType(JPOSMenuQueryType* qt, CookTableGrossPOS gross, char const* jtrans);

// Some record fits the translation.
bool IsValidJTransForEPOS(char const* jtrans, CookTableGrossPOS gross);

// 203 over 1,023 bytes, 301 when nothing fits, 0 when an answer has the id,
// else 305.
unsigned short CanCreateUDEntry(char const* jtrans, CookTableGrossPOS gross, JPOSID jpos);

// The menu text of the answer with the id (among the first four), or an
// empty text when the translation asks no question; 0, 305 when no answer
// has the id, or the GetAnswerMenu error.
unsigned short GetQueryAnswerFromJPOS(std::string& out, CookTableGrossPOS gross, char const* jtrans, JPOSID jpos);

// The first menu text; empty when there is no menu.
void DefaultJPOSAnswer(std::string& out, CookTableGrossPOS gross, char const* jtrans);

// Settles the answer stored with a translation.  With a question: true when
// a non-empty answer is given (left as it is), else out receives the first
// menu text and the result is false.  Without: true when no answer or an
// empty one is given.  False when no record fits the translation.
bool SetDefaultValidJPOSAnswer(CookTableGrossPOS gross, char const* jtrans, char const* answer, std::string& out);

// With a question: the answer is one of the menu texts.  Without: the answer
// is null or empty.  False when no record fits the translation.
bool IsValidJPOSAnswer(CookTableGrossPOS gross, char const* jtrans, char const* answer);

// Cooks the translation with the answer whose menu text equals `answer` (the
// first answer when none does, or with a single answer): appends "{" + the
// translation without the answer's dictionary ending + "}" + its cooked tail
// to *out and gives its id in *jpos; either may be null.  Returns 0 or the
// GetAnswerMenu error.
unsigned short CookTranslation(std::string* out, JPOSID* jpos, CookTableGrossPOS gross, char const* jtrans,
                               char const* answer);

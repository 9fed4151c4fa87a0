#pragma once
// The engine's flat dictionary facade: the applications open dictionaries by
// path, address user dictionaries by a short number (the order in which
// AddUserDict opened them, from 0) and entry groups by index, move words in
// and out through the user-word records, and get status codes back.  They
// never touch dictionaries, entries or iterators.
//
// All state lives in module globals (corvan_dict_state.h); the facade takes
// no lock of its own and is used from one thread.  A user-dictionary number
// that is not open makes the operations below throw std::out_of_range,
// except where a result is given for it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/userdict/corvan_user_words.h"

class UDEntryGroupInfo_EX;

// User-word kinds as the facade numbers them (GetSimpleUserWord).
enum CorvanUserWordKind : short {
    eUserWordNoun = 1,
    eUserWordVerb = 2,
    eUserWordAdjective = 3,
    eUserWordAdverb = 4,
    eUserWordPreposition = 5,
    eUserWordConjunction = 6,
    eUserWordPrepPhrase = 7,
};

// Results of AddUserDict.
constexpr short kUserDictOpenedReadWrite = 0;  // read-write asked and granted
constexpr short kUserDictOpenedReadOnly = 1;   // read-only asked, or only the read-only open succeeded
constexpr short kUserDictOpenFailed = -1;
// Read-write asked, but the blocks are damaged (what udinspect reports as
// code 202): the dictionary is not opened and nothing is written to it.
constexpr short kUserDictDamaged = -2;

// Results of the add operations.
constexpr short kUserWordAdded = 1;
constexpr short kUserWordRefused = 0;             // any other refusal of the dictionary
constexpr short kUserWordAlreadyRegistered = -1;  // an equal entry group exists
constexpr short kUserWordNonASCIIEnglish = -2;    // an English form has a byte of 0x80 or above

// The buffer sizes the entry points without a size assume: a headword, and a
// Japanese translation.
constexpr std::size_t kHeadwordBufferMinimum = 256;
constexpr std::size_t kJapaneseBufferMinimum = 1024;

// GetLocationWithData's answer when no entry group matches (index 0 is the
// first group).
constexpr unsigned long kUserWordLocationNotFound = static_cast<unsigned long>(-1);

class CorvanDictIF {
public:
    // ---- Opening and closing ----

    // Open a compiled system or technical dictionary (format 5.0 or 4.0,
    // whichever the file is) in front of the open dictionaries: 1, or 0 when
    // the file cannot be opened or is no compiled dictionary (no descriptor
    // stays open then).  Both do the same.
    virtual short AddSysDict(std::string const& path);
    virtual short AddTechDict(std::string const& path);
    // Opens the user dictionary at path and gives it the next number.  Asked
    // read-write (readOnly false), a missing file is first created (only when
    // it does not exist: an existing file is never truncated); the file is
    // opened for update, else for reading only.  0 read-write, 1 read-only
    // (asked, or the only open that succeeded), -1 failure, -2 read-write
    // asked of a file whose blocks are damaged (lists unchanged on failure).
    virtual short AddUserDict(std::string const& path, bool readOnly);
    // Creates an empty file at path, only when no file is there; creator and
    // type are not used.  0, or -1 when the file exists or cannot be made.
    virtual short MakeNewUserDict(std::string const& path, uint32_t creator, uint32_t type);
    // 0 when n is not the position of an open dictionary; else name becomes
    // "" and the result is 1.
    virtual short GetDictFileName(short n, std::string* name);
    // Closes the technical dictionaries (numbers 100 to 997), keeping the
    // order of the rest: 1, or 0 on failure.
    virtual short RemoveAllTechDict();
    // Releases the user-dictionary lock, clears the browse state, closes
    // every dictionary; numbering starts again at 0.  When releasing the lock
    // fails to write the file's map and index back, everything is closed all
    // the same and that failure is thrown afterwards.
    virtual void RemoveAllDict();

    // ---- Browsing and searching every open dictionary ----

    // Lists the headwords beginning with prefix, dictionary after dictionary
    // in the order of the open dictionaries, each dictionary's in headword
    // order (entries of equal order in the dictionary's own order), one line
    // per spelling however many entries share it (a noun and a verb
    // "record"), entries the browse filter hides left out; at most maximum.
    // The number listed; 0 for an empty prefix; -1 on failure, keeping what
    // was listed before it.  GetDictEntry then gives the headwords in turn.
    virtual int SearchEntryListSet(char const* prefix, int maximum);
    // Copies the next listed headword into out (cut to size, never within a
    // double-byte character): true.  Past the last one: false, and the next
    // call starts again at the first.  False when nothing is listed.
    virtual bool GetDictEntry(char* out, std::size_t size);
    bool GetDictEntry(char* out) { return GetDictEntry(out, kHeadwordBufferMinimum); }
    // Not served: -1.
    virtual int GetDetail(int index, std::string* out);
    // Appends to out, for every headword of every open dictionary equal to
    // word but for ASCII case, a star (Shift-JIS 0x81 0x9A), CR, the headword,
    // CR, its printed-dictionary form (of every entry spelled so), CR and one
    // more CR.  True; false for an empty word or when a dictionary fails
    // (what was appended before stays).
    virtual bool SearchMatch(char const* word, std::string* out);

    // ---- Counting and reading (user dictionary n, entry group i from 0) ----

    virtual unsigned long CountUserDictEntry(short n);
    // Copies group i's base form and translation into the buffers (each cut
    // like a record setter to its size) and gives its user-word kind.  False
    // for a dictionary that is not open, an index at or above the count, a
    // group of no known kind, or any failure of the dictionary.
    virtual bool GetSimpleUserWord(short n, unsigned long i, char* word, std::size_t wordSize, short* kind,
                                   char* japanese, std::size_t japaneseSize);

    // ---- Walking a user dictionary by initial letter ----
    //
    // An initial is an upper-case letter, matching the base forms that begin
    // with it in either case, or '*', matching those that begin with no ASCII
    // letter.  The walk follows the groups' order (base forms only: "went", a
    // form of "go", does not put "go" among the W's).

    // Moves the walk to the first group of the initial ('*': the first
    // group) and counts the matching groups from there, up to the first that
    // does not match.
    virtual int CountInitialUserWord(short n, char initial);
    // restart not 0: moves the walk as CountInitialUserWord does.  Then takes
    // the group at the walk and steps past it; when it matches the initial,
    // copies its base form and translation (cut as GetSimpleUserWord does),
    // gives its user-word kind, and answers true.  False at the end, for a
    // group that does not match or is of no known kind, and on any failure.
    virtual bool GetInitialUserWord(short n, unsigned char restart, char initial, char* word, std::size_t wordSize,
                                    short* kind, char* japanese, std::size_t japaneseSize);
    bool GetInitialUserWord(short n, unsigned char restart, char initial, char* word, short* kind, char* japanese) {
        return GetInitialUserWord(n, restart, initial, word, kHeadwordBufferMinimum, kind, japanese,
                                  kJapaneseBufferMinimum);
    }
    // The index of the group whose base form is word (byte for byte), of the
    // user-word kind and with exactly that translation; the walk stops on it.
    // kUserWordLocationNotFound when there is none (also for a kind outside
    // 1 to 7).
    virtual unsigned long GetLocationWithData(short n, char const* word, short kind, char const* japanese);

    // Fill the record from group i through its setters (so a verb's or an
    // adjective's translation is analysed again).  1 when every text fitted
    // its field, 0 when one had to be cut.  An index at or above the count
    // throws std::out_of_range; failures of the dictionary pass through.
    virtual short ReadUserNoun(short n, unsigned long i, CorvanUserNoun* record);
    virtual short ReadUserVerb(short n, unsigned long i, CorvanUserVerb* record);
    virtual short ReadUserAdj(short n, unsigned long i, CorvanUserAdj* record);
    virtual short ReadUserAdv(short n, unsigned long i, CorvanUserAdv* record);
    virtual short ReadUserPrepos(short n, unsigned long i, CorvanUserPrepos* record);
    virtual short ReadUserConj(short n, unsigned long i, CorvanUserAdv* record);
    virtual short ReadUserPPhrase(short n, unsigned long i, CorvanUserAdj* record);

    // ---- Changing ----

    // create not 0: adds a new group (kUserWordAdded, kUserWordAlreadyRegistered,
    // kUserWordNonASCIIEnglish or kUserWordRefused); create 0: replaces the
    // group at the dictionary's current position (1 or 0).
    virtual short AddUserNoun(short n, CorvanUserNoun const* record, unsigned char create);
    virtual short AddUserVerb(short n, CorvanUserVerb const* record, unsigned char create);
    virtual short AddUserAdj(short n, CorvanUserAdj const* record, unsigned char create);
    virtual short AddUserAdv(short n, CorvanUserAdv const* record, unsigned char create);
    virtual short AddUserPrepos(short n, CorvanUserPrepos const* record, unsigned char create);
    virtual short AddUserConj(short n, CorvanUserAdv const* record, unsigned char create);
    virtual short AddUserPPhrase(short n, CorvanUserAdj const* record, unsigned char create);
    // Replace group i by the record: 1, or 0 (also for an index at or above
    // the count).
    virtual short ModUserNoun(short n, unsigned long i, CorvanUserNoun const* record);
    virtual short ModUserVerb(short n, unsigned long i, CorvanUserVerb const* record);
    virtual short ModUserAdj(short n, unsigned long i, CorvanUserAdj const* record);
    virtual short ModUserAdv(short n, unsigned long i, CorvanUserAdv const* record);
    virtual short ModUserPrepos(short n, unsigned long i, CorvanUserPrepos const* record);
    virtual short ModUserConj(short n, unsigned long i, CorvanUserAdv const* record);
    virtual short ModUserPPhrase(short n, unsigned long i, CorvanUserAdj const* record);
    // Erases group i: 1, or 0.
    virtual short DelUserItem(short n, unsigned long i);

    // ---- Locking ----

    // Holds the write lock of user dictionary n (releasing one held before)
    // until UnlockUserDict or RemoveAllDict: the file's map and index are then
    // written once, when the lock goes.
    virtual void LockUserDict(short n);
    virtual void UnlockUserDict();

protected:
    // The add operations' common end: a new group (create not 0) or the
    // replacement of the current one.
    short WriteItem(short n, UDEntryGroupInfo_EX const& info, unsigned char create);
};

// The one facade of the process, usable from static initialisation on.
extern CorvanDictIF gCorvanEngine;

// Closes a stream of the engine's file layer; a failing close throws
// FileNoSpaceError for ENOSPC, else the FileException of errno, both named
// `name`.
void FileClose(FILE* stream, char const* name);

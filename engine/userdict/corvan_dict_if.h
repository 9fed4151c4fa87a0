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

// Results of the add operations.
constexpr short kUserWordAdded = 1;
constexpr short kUserWordRefused = 0;              // any other refusal of the dictionary
constexpr short kUserWordAlreadyRegistered = -1;   // an equal entry group exists
constexpr short kUserWordNonASCIIEnglish = -2;     // an English form has a byte of 0x80 or above

class CorvanDictIF {
public:
    // ---- Opening and closing ----

    // Opens the user dictionary at path and gives it the next number.  Asked
    // read-write (readOnly false), a missing file is first created (only when
    // it does not exist: an existing file is never truncated); the file is
    // opened for update, else for reading only.  0 read-write, 1 read-only
    // (asked, or the only open that succeeded), -1 failure (lists unchanged).
    virtual short AddUserDict(std::string const& path, bool readOnly);
    // Creates an empty file at path, only when no file is there; creator and
    // type are not used.  0, or -1 when the file exists or cannot be made.
    virtual short MakeNewUserDict(std::string const& path, uint32_t creator, uint32_t type);
    // 0 when n is not the position of an open dictionary; else name becomes
    // "" and the result is 1.
    virtual short GetDictFileName(short n, std::string* name);
    // Releases the user-dictionary lock, clears the browse state, closes
    // every dictionary; numbering starts again at 0.  When releasing the lock
    // fails to write the file's map and index back, everything is closed all
    // the same and that failure is thrown afterwards.
    virtual void RemoveAllDict();

    // ---- Counting and reading (user dictionary n, entry group i from 0) ----

    virtual unsigned long CountUserDictEntry(short n);
    // Copies group i's base form and translation into the buffers (each cut
    // like a record setter to its size) and gives its user-word kind.  False
    // for a dictionary that is not open, an index at or above the count, a
    // group of no known kind, or any failure of the dictionary.
    virtual bool GetSimpleUserWord(short n, unsigned long i, char* word, std::size_t wordSize, short* kind,
                                   char* japanese, std::size_t japaneseSize);
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

    // The compiled-dictionary, browsing and search operations join this
    // class from their own source file.

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

#pragma once
// The text-to-record conversion: a Shift-JIS text file of user words, one
// per line, added to user dictionary 0 of gCorvanEngine, with a log of every
// refused line.
//
// Line format: a line ends at CR or LF; empty lines and lines beginning ";"
// are skipped.  Fields are separated by TAB; field 2 is the part-of-speech
// key ("NOUN", "VERB", "VT", "VI", "ADJ", "ADV", "PREPV", "PREPA", "CONJ",
// "PP").  The log holds, for every refused line, the line, CR and one of the
// messages of uw_log_messages.h (a comment line ending with CR).
#include <string>
#include <vector>

#include "engine/userdict/corvan_user_words.h"

// The path the product converts.
inline constexpr char kUwConvertTextPath[] = "/tmp/oldUD.txt";

// A user dictionary holds at most this many entries after a conversion.
inline constexpr int kUwEntryCeiling = 30000;

// Results of k2DoTextToBinary besides a positive count of lines consumed,
// and of doETextToBinary besides these.
constexpr int kUwLineAdded = 1;
constexpr int kUwLineRefused = -1;
constexpr int kUwEndOfData = 0;
constexpr int kUwCeilingReached = -2;
constexpr int kUwReadFailed = -3;        // a read error or a line of 4,096 bytes or more
constexpr int kUwDictionaryFailed = -4;  // the dictionary failed or was not open

// Converts the file at path and returns the whole log.  The run holds user
// dictionary 0's write lock and ends by closing every dictionary of
// gCorvanEngine.  A run stopped early (ceiling, over-long line, read error)
// or refused its file ends its log with one more comment line that says so;
// a line holding a NUL byte is refused with a note naming its line.
std::string uwConvert(char const* path = kUwConvertTextPath);

// The entries of user dictionary 0 when the last run ended, as the run
// counted them (those it found and those it added), or -1 when its
// dictionary failed and the file alone can tell.  The dictionary itself is
// closed by then.
int uwEntriesAfterRun();

// True when the last run read its whole file into an open dictionary: not
// stopped, not refused its file, and its map and index written.
bool uwLastRunCompleted();

// Opens the file and resets the conversion state; 0 when the file cannot be
// opened or read (it must be a regular Shift-JIS file, not UTF-16, not a
// symbolic link, owned by the user running the conversion), and the first
// k2DoTextToBinary then ends the run with a note saying why
// (kUwReadFailed).
int k2SetTextToBinary(char const* path);

// Converts the next line that is neither empty nor a comment.  Positive: the
// lines consumed; log holds that line's log ("" when it was added).  Else the
// run has ended, every dictionary closed: kUwEndOfData (log empty),
// kUwCeilingReached, kUwReadFailed (log holds the note that stopped it) or
// kUwDictionaryFailed (log holds the line and kLogUnknown, or the note of
// the write that failed).  A map and index that could not be written when
// the dictionaries were closed add one more note and make an end of data
// kUwDictionaryFailed.
int k2DoTextToBinary(std::string* log);

// Converts one line: kUwLineAdded, kUwLineRefused (log holds the line, CR
// and the message), kUwCeilingReached (log empty) or kUwDictionaryFailed
// (log holds the line, CR and kLogUnknown when there is no dictionary, or a
// stop note saying what failed, on which line and how many entries this run
// added).  Clears log first.
int doETextToBinary(char const* line, std::string* log);

// Builders: fill the record from a line's fields and return null, or the
// message of the first check that failed.  Absent fields are not read.
char const* buildENoun(CorvanUserNoun& record, std::vector<std::string> const& fields);
char const* buildEVerb(CorvanUserVerb& record, std::vector<std::string> const& fields, JITA_status transitivity);
char const* buildEAdj(CorvanUserAdj& record, std::vector<std::string> const& fields);
char const* buildEAdv(CorvanUserAdv& record, std::vector<std::string> const& fields);
// usage 0: adverbial (PREPV), 1: adjectival (PREPA).
char const* buildEPrepos(CorvanUserPrepos& record, std::vector<std::string> const& fields, int usage);

// Field checks, lengths in bytes.
// English headword: 0 empty, -1 over 70 bytes, -2 holds a double-byte
// character, else 1.
int checkEigoMidashi(std::string const& text);
// Japanese translation: 0 empty, 1 for 1 to 70 bytes, -1 longer.
int checkEtoJYakugo(std::string const& text);
// Other English forms (may be empty): -1 over 70 bytes, -2 holds a
// double-byte character, else 1.
int checkEigo(std::string const& text);
// True when no byte of text belongs to a double-byte Shift-JIS character.
bool checkZenkaku(std::string const& text);

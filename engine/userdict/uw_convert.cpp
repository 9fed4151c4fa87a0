// The conversion run: lines of the text file to records added to user
// dictionary 0, and the log of the refused ones.
#include "engine/userdict/uw_convert.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <new>
#include <vector>

#include "engine/foundation/file_errors.h"

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_log_messages.h"
#include "engine/userdict/uw_text_reader.h"

namespace {

using Fields = std::vector<std::string>;

constexpr short kUserDictZero = 0;
constexpr unsigned char kCreate = 1;

// One conversion at a time: the state of the run in progress.  The reader
// is made on first use, so that no static initialiser sees it unbuilt.
UwTextReader& TheReader() {
    static UwTextReader reader;
    return reader;
}
int sNewEtoJTotal = 0;  // entries of user dictionary 0, those added included
int sAddedThisRun = 0;
int sEntriesAtStart = 0;
std::vector<unsigned long> sAddedLines;  // the line of each entry this run added, in order
bool sDictionaryFailed = false;          // the run ended with its dictionary failing
int sRet = 0;                            // result of the last converted line
bool sDictionaryMissing = false;
UwOpenResult sOpenResult = UwOpenResult::kOpened;  // of the file, until reported
bool sRunCompleted = false;                        // the last run read its whole file into an open dictionary

// Every TAB ends a field; the text after the last TAB is a field only when
// it is not empty.
Fields SplitFields(char const* line) {
    Fields fields;
    char const* start = line;
    for (char const* tab; (tab = std::strchr(start, '\t')) != nullptr; start = tab + 1) {
        fields.emplace_back(start, tab);
    }
    if (*start != '\0') fields.emplace_back(start);
    return fields;
}

// What became of one line's record: the builder's message, or null and the
// add operation's result.
struct Conversion {
    char const* message = nullptr;
    short added = 0;
};

// Builds the record of one key with its builder (and the builder's further
// arguments) and, when every check passed, adds it to user dictionary 0.
template <typename Record, auto build, auto add, auto... buildArguments>
Conversion BuildAndAdd(Fields const& fields) {
    Record record;
    Conversion outcome;
    outcome.message = build(record, fields, buildArguments...);
    if (!outcome.message) outcome.added = (gCorvanEngine.*add)(kUserDictZero, &record, kCreate);
    return outcome;
}

struct KeyConverter {
    char const* key;
    Conversion (*convert)(Fields const&);
};

// In the order the keys are tried.
KeyConverter const kKeyConverters[] = {
    {"NOUN", BuildAndAdd<CorvanUserNoun, buildENoun, &CorvanDictIF::AddUserNoun>},
    {"VERB", BuildAndAdd<CorvanUserVerb, buildEVerb, &CorvanDictIF::AddUserVerb, eJitaNotSpecified>},
    {"VT", BuildAndAdd<CorvanUserVerb, buildEVerb, &CorvanDictIF::AddUserVerb, eJitaTransitive>},
    {"VI", BuildAndAdd<CorvanUserVerb, buildEVerb, &CorvanDictIF::AddUserVerb, eJitaIntransitive>},
    {"ADJ", BuildAndAdd<CorvanUserAdj, buildEAdj, &CorvanDictIF::AddUserAdj>},
    {"ADV", BuildAndAdd<CorvanUserAdv, buildEAdv, &CorvanDictIF::AddUserAdv>},
    {"PREPV", BuildAndAdd<CorvanUserPrepos, buildEPrepos, &CorvanDictIF::AddUserPrepos, 0>},
    {"PREPA", BuildAndAdd<CorvanUserPrepos, buildEPrepos, &CorvanDictIF::AddUserPrepos, 1>},
    {"CONJ", BuildAndAdd<CorvanUserAdv, buildEAdv, &CorvanDictIF::AddUserConj>},
    {"PP", BuildAndAdd<CorvanUserAdj, buildEAdj, &CorvanDictIF::AddUserPPhrase>},
};

KeyConverter const* FindKeyConverter(std::string const& key) {
    for (auto const& row : kKeyConverters) {
        if (key == row.key) return &row;
    }
    return nullptr;
}

int Refuse(char const* line, char const* message, std::string* log, int result = kUwLineRefused) {
    log->assign(line);
    log->push_back('\r');
    log->append(message);
    return result;
}

// How many of this run's entries the dictionary holds now.  The store holds
// new groups back and writes them many at a time, so when it fails, groups
// added before the failing line may be lost with it; when even counting
// fails, none can be vouched for.
int EntriesLanded() {
    try {
        long const now = static_cast<long>(gCorvanEngine.CountUserDictEntry(kUserDictZero));
        return static_cast<int>(std::clamp<long>(now - sEntriesAtStart, 0, sAddedThisRun));
    } catch (...) {
        return 0;
    }
}

// The note of a run its dictionary stopped: what failed, the first line
// whose entry is not in the dictionary, and the entries this run added.
std::string StopNote(char const* format) {
    int const landed = EntriesLanded();
    unsigned long const stoppedAt =
        landed < sAddedThisRun ? sAddedLines[static_cast<std::size_t>(landed)] : TheReader().LineNumber();
    sAddedThisRun = landed;
    sNewEtoJTotal = sEntriesAtStart + landed;
    sAddedLines.resize(static_cast<std::size_t>(landed));
    char note[256];
    std::snprintf(note, sizeof note, format, stoppedAt, landed);
    return note;
}

// A note about one line: the format takes its line number.
std::string LineNote(char const* format) {
    char note[256];
    std::snprintf(note, sizeof note, format, TheReader().LineNumber());
    return note;
}

// Why a file that was not opened cannot be read.
char const* OpenFailureNote(UwOpenResult result) {
    switch (result) {
        case UwOpenResult::kOpened:
            break;
        case UwOpenResult::kMissing:
            return kLogTextMissing;
        case UwOpenResult::kFolder:
            return kLogTextIsFolder;
        case UwOpenResult::kSymbolicLink:
            return kLogTextIsLink;
        case UwOpenResult::kNotPlainFile:
            return kLogTextNotPlain;
        case UwOpenResult::kOtherOwner:
            return kLogTextOtherOwner;
        case UwOpenResult::kUnreadable:
            return kLogTextUnreadable;
        case UwOpenResult::kUtf16:
            return kLogTextUtf16;
    }
    return nullptr;
}

// A NUL byte would cut the line's text short and change the entry: the line
// is refused whole.  The log shows what comes before the NUL, if anything.
int RefuseLineWithNul(char const* line, std::string* log) {
    std::string const note = LineNote(kLogLineHasNul);
    if (line[0] == '\0') {
        log->assign(note);
        return kUwLineRefused;
    }
    return Refuse(line, note.c_str(), log);
}

// Every run ends by releasing the lock (which writes the groups held back,
// then the map and index) and closing every dictionary and the file.  A map
// or index that could not be written is rebuilt from the blocks at the next
// open: the entries stay, but the log says why the file was left that way.
// Groups held back that could not be written are lost: the log names the
// first line lost, counted while the dictionary is still open.  Either way
// the run counts as stopped by its dictionary.
int EndRun(int result, char const* note, std::string* log) {
    std::string closeNote;
    auto noteFailure = [&](bool diskFull) {
        if (!closeNote.empty()) return;
        if (EntriesLanded() < sAddedThisRun)
            closeNote = StopNote(diskFull ? kLogStopDiskFull : kLogStopWriteError);
        else
            closeNote = diskFull ? kLogCloseDiskFull : kLogCloseWriteError;
    };
    try {
        gCorvanEngine.UnlockUserDict();
    } catch (FileNoSpaceError const&) {
        noteFailure(true);
    } catch (...) {
        noteFailure(false);
    }
    try {
        gCorvanEngine.RemoveAllDict();
    } catch (FileNoSpaceError const&) {
        noteFailure(true);
    } catch (...) {
        noteFailure(false);
    }
    TheReader().Close();
    if (note) log->assign(note);
    sDictionaryFailed = result == kUwDictionaryFailed || !closeNote.empty();
    sRunCompleted = result == kUwEndOfData && closeNote.empty();
    if (closeNote.empty()) return result;
    log->append(closeNote);
    return result == kUwEndOfData ? kUwDictionaryFailed : result;
}

}  // namespace

int k2SetTextToBinary(char const* path) {
    sRet = 0;
    sNewEtoJTotal = 0;
    sEntriesAtStart = 0;
    sAddedThisRun = 0;
    sAddedLines.clear();
    sDictionaryFailed = false;
    sDictionaryMissing = false;
    sRunCompleted = false;
    sOpenResult = TheReader().Open(path);
    bool const opened = sOpenResult == UwOpenResult::kOpened;
    try {
        sNewEtoJTotal = static_cast<int>(gCorvanEngine.CountUserDictEntry(kUserDictZero));
        sEntriesAtStart = sNewEtoJTotal;
    } catch (...) {
        // Reported on the first line to convert, which ends the run.
        sDictionaryMissing = true;
    }
    return opened ? 1 : 0;
}

int doETextToBinary(char const* line, std::string* log) {
    log->clear();
    if (sNewEtoJTotal > kUwEntryCeiling - 1) return kUwCeilingReached;
    if (sDictionaryMissing) return Refuse(line, kLogUnknown, log, kUwDictionaryFailed);

    Fields const fields = SplitFields(line);
    KeyConverter const* converter = fields.size() >= 3 ? FindKeyConverter(fields[2]) : nullptr;
    if (!converter) return Refuse(line, kLogUnknown, log);

    Conversion outcome;
    try {
        outcome = converter->convert(fields);
    } catch (FileNoSpaceError const&) {
        return Refuse(line, StopNote(kLogStopDiskFull).c_str(), log, kUwDictionaryFailed);
    } catch (...) {
        // A failing write, a corrupt dictionary or exhausted memory: the rest
        // of the file cannot be trusted to land either.
        return Refuse(line, StopNote(kLogStopWriteError).c_str(), log, kUwDictionaryFailed);
    }
    if (outcome.message) return Refuse(line, outcome.message, log);
    if (outcome.added > 0) {
        ++sNewEtoJTotal;
        ++sAddedThisRun;
        sAddedLines.push_back(TheReader().LineNumber());
        return kUwLineAdded;
    }
    return Refuse(line, outcome.added == kUserWordAlreadyRegistered ? kLogUnique : kLogUnknown, log);
}

int k2DoTextToBinary(std::string* log) {
    log->clear();
    char line[kUwLineBufferSize];
    if (char const* note = OpenFailureNote(sOpenResult)) {
        sOpenResult = UwOpenResult::kOpened;  // reported once
        return EndRun(kUwReadFailed, note, log);
    }
    int consumed = 0;
    for (;;) {
        switch (TheReader().ReadLine(line)) {
            case UwLineStatus::kLine:
                break;
            case UwLineStatus::kEndOfData:
                return EndRun(kUwEndOfData, nullptr, log);
            case UwLineStatus::kReadError:
                return EndRun(kUwReadFailed, kLogStopReadError, log);
            case UwLineStatus::kTooLong:
                return EndRun(kUwReadFailed, LineNote(kLogStopLongLine).c_str(), log);
        }
        ++consumed;
        std::size_t const length = TheReader().LineLength();
        if (length == 0) {
            if (TheReader().AtEnd()) return EndRun(kUwEndOfData, nullptr, log);
            continue;
        }
        if (std::strlen(line) < length) {
            sRet = RefuseLineWithNul(line, log);
            return consumed;
        }
        if (line[0] == ';') continue;

        sRet = doETextToBinary(line, log);
        if (sRet == kUwCeilingReached) return EndRun(kUwCeilingReached, kLogStopCeiling, log);
        if (sRet == kUwDictionaryFailed) return EndRun(kUwDictionaryFailed, nullptr, log);
        return consumed;
    }
}

bool uwLastRunCompleted() { return sRunCompleted; }

int uwEntriesAfterRun() { return sDictionaryFailed ? -1 : sNewEtoJTotal; }

std::string uwConvert(char const* path) {
    try {
        // Held for the whole run, so the map and index are written once.
        gCorvanEngine.LockUserDict(kUserDictZero);
    } catch (...) {
        // No user dictionary 0: the first line reports it.
    }
    k2SetTextToBinary(path);
    std::string log;
    std::string lineLog;
    for (;;) {
        int const result = k2DoTextToBinary(&lineLog);
        log += lineLog;
        if (result <= 0) break;
    }
    return log;
}

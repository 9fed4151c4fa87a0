// uwconvert TEXTFILE DICTIONARY
//   converts the user words of TEXTFILE (Shift-JIS, one word a line, fields
//   separated by tabs) into the user dictionary DICTIONARY (created when
//   missing) and writes the conversion log to standard output as it is:
//   Shift-JIS, each refused line followed by its message, CR line ends.
//   The entry counts before and after go to standard error.
// Exit 0 when every line was taken, 1 when the log is not empty (a refused
// line, or a text file that could not be read: the log says why), 2 for a
// usage error or a dictionary that cannot be opened for writing.
#include <cstdio>
#include <string>

#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_convert.h"

namespace {

constexpr int kExitAllTaken = 0;
constexpr int kExitSomeRefused = 1;
constexpr int kExitTrouble = 2;

// AddUserDict's result for the dictionary opened as user dictionary 0; only
// a read-write open leaves it open.
short OpenDictionary(char const* path) {
    gCorvanEngine.RemoveAllDict();
    short const result = gCorvanEngine.AddUserDict(path, false);
    if (result != kUserDictOpenedReadWrite) gCorvanEngine.RemoveAllDict();
    return result;
}

// The entries of the dictionary, opened anew: the conversion closes it.
long CountEntries(char const* path) {
    long count = -1;
    if (OpenDictionary(path) == kUserDictOpenedReadWrite)
        count = static_cast<long>(gCorvanEngine.CountUserDictEntry(0));
    gCorvanEngine.RemoveAllDict();
    return count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: uwconvert TEXTFILE DICTIONARY\n");
        return kExitTrouble;
    }
    char const* textPath = argv[1];
    char const* dictionaryPath = argv[2];
    short const opened = OpenDictionary(dictionaryPath);
    if (opened == kUserDictDamaged) {
        std::fprintf(stderr, "uwconvert: %s is a damaged user dictionary (code 202); nothing was written to it\n",
                     dictionaryPath);
        return kExitTrouble;
    }
    long before = -1;
    try {
        if (opened == kUserDictOpenedReadWrite) before = static_cast<long>(gCorvanEngine.CountUserDictEntry(0));
    } catch (...) {
        gCorvanEngine.RemoveAllDict();
    }
    if (before < 0) {
        std::fprintf(stderr, "uwconvert: cannot open %s as a writable user dictionary\n", dictionaryPath);
        return kExitTrouble;
    }
    // The dictionary stays open for the conversion, which closes it.
    std::string const log = uwConvert(textPath);
    std::fwrite(log.data(), 1, log.size(), stdout);
    std::fflush(stdout);
    // A run its dictionary stopped cannot vouch for its count: the file tells.
    long const after = uwEntriesAfterRun() >= 0 ? uwEntriesAfterRun() : CountEntries(dictionaryPath);
    std::fprintf(stderr, "uwconvert: %ld entries before, %ld after\n", before, after);
    return log.empty() ? kExitAllTaken : kExitSomeRefused;
}

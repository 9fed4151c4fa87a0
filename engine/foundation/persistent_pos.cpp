#include "engine/foundation/persistent_pos.h"

#include <cstdio>
#include <cstdlib>
#include <istream>

#include "engine/foundation/atom_databases.h"
#include "platform/files/file_input_buffer.h"

namespace {

constexpr char kGroupMarker[] = "OutBincGroup";
constexpr char kFileName[] = "PersistentPOSs.x86";

// A whole file names more parts of speech than this.
constexpr unsigned long kMaxCorruptLineCount = 199;
// Bytes of a line that are read; the rest is ignored.
constexpr std::string::size_type kMaxLineBytes = 900;

// Reads the next line without its end, keeping its first kMaxLineBytes
// bytes, so that no line can take more memory than that.  False at the end
// of the file.
bool ReadLine(std::istream& in, std::string* line) {
    line->clear();
    std::streambuf& buffer = *in.rdbuf();
    bool readAny = false;
    for (int c = buffer.sbumpc(); c != std::char_traits<char>::eof(); c = buffer.sbumpc()) {
        readAny = true;
        if (c == '\n') return true;
        if (line->size() < kMaxLineBytes) line->push_back(static_cast<char>(c));
    }
    return readAny;
}

// The name of a "number name" line, trailing blanks cut.
std::string NameOnLine(std::string line) {
    std::string::size_type const end = line.find_last_not_of(" \t\r\n");
    line.erase(end == std::string::npos ? 0 : end + 1);
    std::string::size_type const blank = line.find(' ');
    return blank == std::string::npos ? std::string() : line.substr(blank + 1);
}

void ReportMissing(std::string const& name, bool strict) {
    if (strict) {
        std::fprintf(stderr, "PERSISTENT POS FILE %s NOT FOUND.\n", name.c_str());
        std::fputs("Using compiled grammar, make sure you have made all dictionaries up-to-date.\n", stderr);
    } else {
        std::fprintf(stderr, "Persistent POS file %s not found, generating new one.\n", name.c_str());
    }
}

void ReportCorrupt(std::string const& name, bool strict) {
    if (strict) {
        std::fprintf(stderr, "PERSISTENT POS FILE %s CORRUPTED; recompile the grammar!\n", name.c_str());
        std::exit(1);
    }
    std::fprintf(stderr, "Persistent POS file %s corrupted; regenerating it.\n", name.c_str());
}

}  // namespace

std::string GetPPFileName() {
    char const* const value = std::getenv("MTBINC");
    if (value == nullptr) return std::string();
    std::string name(value);
    std::string::size_type const marker = name.find(kGroupMarker);
    if (marker == std::string::npos) return std::string();
    return name.replace(marker, std::string::npos, kFileName);
}

void ReadPersistentPOSFile(bool strict) {
    std::string const name = GetPPFileName();
    FileInputBuffer buffer(name);
    if (name.empty() || !buffer.IsOpen()) {
        ReportMissing(name, strict);
        return;
    }
    std::istream file(&buffer);
    unsigned long lines = 0;
    for (std::string line; ReadLine(file, &line); ++lines) {
        // Each name is checked against the compiled table, which stays in
        // use whatever the file says: nothing is kept.
        POS_E_Source pos{};
        gSourcePOSDatabase().Lookup(NameOnLine(line).c_str(), &pos);
    }
    if (lines <= kMaxCorruptLineCount) ReportCorrupt(name, strict);
}

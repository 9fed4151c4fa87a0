// udinspect FILE           shows what a user dictionary file holds and whether
//                          it verifies (exit 0), or not (exit 1)
// udinspect --list FILE    lists the entries as the engine reads them: one
//                          line per entry, headword, parts of speech and
//                          translation separated by tabs
// udinspect --print FILE [WORD]
//                          prints each entry, or the entries of WORD, as a
//                          printed dictionary shows them (Shift-JIS as stored)
// udinspect --create FILE  writes a new, empty user dictionary into FILE, which
//                          must not exist or be empty
// Exit 2 for a usage or file error.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/file_errors.h"
#include "engine/userdict/paper_formatter.h"
#include "engine/userdict/ud35_dictionary.h"
#include "engine/userdict/ud35_entry_view.h"
#include "engine/userdict/ud_create.h"
#include "engine/userdict/ud_file_io.h"
#include "engine/userdict/ud_inspect.h"

namespace {

constexpr int kExitVerified = 0;
constexpr int kExitNotVerified = 1;
constexpr int kExitTrouble = 2;

int Usage() {
    std::fprintf(stderr,
                 "usage: udinspect FILE\n       udinspect --list FILE\n       udinspect --print FILE [WORD]\n"
                 "       udinspect --create FILE\n");
    return kExitTrouble;
}

// Closes the descriptor when the command is done with it.
class OpenFile {
public:
    OpenFile(char const* path, int flags) : fFd(::open(path, flags, 0666)) {}
    ~OpenFile() {
        if (fFd >= 0) ::close(fFd);
    }
    OpenFile(OpenFile const&) = delete;
    OpenFile& operator=(OpenFile const&) = delete;
    int Fd() const { return fFd; }

private:
    int fFd;
};

std::string CodeText(unsigned short code) {
    switch (code) {
        case kUDNoError:
            return "valid";
        case kUDWrongVersion:
            return "wrong format version (code 5)";
        case kUDMapOrIndexInvalid:
            return "not valid, to be rebuilt from the blocks (code 201)";
        case kUDFileCorrupt:
            return "corrupt (code 202)";
        default:
            return "code " + std::to_string(code);
    }
}

std::string ChecksumText(UDChecksums const& sums) {
    if (!sums.known) return "checksum not computable";
    return "checksum stored " + std::to_string(sums.stored) + ", computed " + std::to_string(sums.computed);
}

void PrintHeader(UDFileBasics const& basics) {
    UDHeader const& h = basics.header;
    std::printf("format version:     %u\n", h.version);
    std::printf("description:        \"%s\"\n", basics.description.c_str());
    std::printf("description offset: %u\n", h.descriptionOffset);
    std::printf("block area offset:  %u\n", h.blockAreaOffset);
    std::printf("block count:        %u\n", basics.blockCount);
    std::printf("map offset:         %u\n", h.mapOffset);
    std::printf("index offset:       %u\n", h.indexOffset);
    std::printf("group count:        %u\n", h.groupCount);
    std::printf("change count:       %u\n", h.changeCount);
}

void PrintInspection(UDInspection const& r) {
    PrintHeader(r.basics);
    std::printf("map:                %s; %s\n", CodeText(r.mapCode).c_str(), ChecksumText(r.mapChecksums).c_str());
    std::printf("index:              %s; %s\n", CodeText(r.indexCode).c_str(), ChecksumText(r.indexChecksums).c_str());
    if (r.indexCode == kUDNoError) {
        std::printf("                    %u buckets, %u first words, %u entry IDs\n", r.bucketCount, r.indexedWords,
                    r.indexedEntries);
    }
    std::printf("blocks:             %s; %u free, %u entry heads, %u continuations, %u unreadable\n",
                CodeText(r.blocksCode).c_str(), r.freeBlocks, r.headBlocks, r.continuationBlocks, r.badBlocks);
    std::printf("entries:            %u in %u groups\n", r.headBlocks, r.groups);
    for (std::string const& problem : r.problems) std::printf("problem:            %s\n", problem.c_str());
    if (r.problemCount > r.problems.size()) {
        std::printf("problem:            ... and %zu more\n",
                    static_cast<std::size_t>(r.problemCount - r.problems.size()));
    }
}

int Inspect(char const* path) {
    OpenFile file(path, O_RDONLY);
    if (file.Fd() < 0) {
        std::fprintf(stderr, "udinspect: cannot open %s: %s\n", path, std::strerror(errno));
        return kExitTrouble;
    }
    UDInspection const r = InspectUDFile(file.Fd());
    std::printf("file:               %s\n", path);
    switch (r.state) {
        case UDFileState::kEmpty:
            std::printf("state:              empty, a new dictionary is created in it on open\n");
            return kExitNotVerified;
        case UDFileState::kNotAUserDictionary:
            std::printf("state:              not a user dictionary\n");
            return kExitNotVerified;
        case UDFileState::kUnopenable:
            std::printf("state:              cannot be opened: %s\n", CodeText(r.openCode).c_str());
            return kExitNotVerified;
        case UDFileState::kOpened:
            break;
    }
    std::printf("size:               %llu bytes\n", static_cast<unsigned long long>(r.basics.fileSize));
    PrintInspection(r);
    bool const verified = r.Verified();
    std::printf("verification:       %s\n", verified ? "OK" : "FAILED");
    return verified ? kExitVerified : kExitNotVerified;
}

int Create(char const* path) {
    OpenFile file(path, O_RDWR | O_CREAT);
    if (file.Fd() < 0) {
        std::fprintf(stderr, "udinspect: cannot open %s: %s\n", path, std::strerror(errno));
        return kExitTrouble;
    }
    if (UDFileSize(file.Fd()) != 0) {
        std::fprintf(stderr, "udinspect: %s is not empty; not overwriting it\n", path);
        return kExitTrouble;
    }
    CreateUDFile(file.Fd());
    std::printf("created an empty user dictionary in %s\n", path);
    return kExitVerified;
}

// One line per file entry: a headword spelled by several entries shows each.
void ListEntry(EntryRep_EJ_35UserDict& view, uint32_t id) {
    std::cout << Entry_EX(&view).GetSrcText() << '\t';
    char const* separator = "";
    std::string translation;
    for (ForwardIterator<FinePOS_EX> fp = view.GetFinePOSIteratorForUDEntryID(id); !fp.IsAtEnd(); ++fp) {
        std::cout << separator << (*fp).GetFinePOS();
        separator = " ";
        translation = (*(*fp).GetParaphraseIterator()).GetRawTranslation();
    }
    std::cout << '\t' << translation << '\n';
}

// The file open for reading, or null after saying why not.
FILE* OpenForReading(char const* path) {
    FILE* stream = std::fopen(path, "r");
    if (stream == nullptr) std::fprintf(stderr, "udinspect: cannot open %s: %s\n", path, std::strerror(errno));
    return stream;
}

int List(char const* path) {
    FILE* stream = OpenForReading(path);
    if (stream == nullptr) return kExitTrouble;
    Dictionary_EJ_35UserDict dictionary(stream, false);
    std::set<uint32_t> listed;
    for (BidirectionalIterator<Entry_EX> at = dictionary.GetEntryIterator_start(); !at.IsAtEnd(); ++at) {
        Entry_EX const entry = *at;
        auto& view = static_cast<EntryRep_EJ_35UserDict&>(*entry.GetRep());
        for (uint32_t id : view.GetIDs()) {
            if (listed.insert(id).second) ListEntry(view, id);
        }
    }
    return kExitVerified;
}

// Each headword once, in the order of its first file entry: the walk meets a
// headword again at every further file entry spelling it.
std::vector<Entry_EX> EveryHeadword(Dictionary_EX const& dictionary) {
    std::vector<Entry_EX> entries;
    std::set<uint32_t> met;
    for (BidirectionalIterator<Entry_EX> at = dictionary.GetEntryIterator_start(); !at.IsAtEnd(); ++at) {
        Entry_EX const entry = *at;
        auto const& view = static_cast<EntryRep_EJ_35UserDict const&>(*entry.GetRep());
        if (met.count(view.GetUDEntryID()) != 0) continue;
        met.insert(view.GetIDs().begin(), view.GetIDs().end());
        entries.push_back(entry);
    }
    return entries;
}

// Every headword, or only `word` (letters of either case), in printed form.
int Print(char const* path, char const* word) {
    FILE* stream = OpenForReading(path);
    if (stream == nullptr) return kExitTrouble;
    Dictionary_EJ_35UserDict dictionary(stream, false);
    ForwardIterator<Entry_EX> const entries = word != nullptr
                                                  ? dictionary.Lookup(word, nullptr)
                                                  : VectorByValueForwardIterator<Entry_EX>(EveryHeadword(dictionary));
    std::cout << Dictionary_EJ_ToPaperFormatter(kDefaultLabels()).GetFormattedPaperForm(entries);
    return kExitVerified;
}

}  // namespace

int main(int argc, char** argv) {
    // The file named: the only argument, or the one after the option.
    char const* const file = argc == 2 ? argv[1] : argc > 2 ? argv[2] : "";
    try {
        if (argc == 2 && argv[1][0] != '-') return Inspect(argv[1]);
        if (argc == 3 && std::strcmp(argv[1], "--create") == 0) return Create(argv[2]);
        if (argc == 3 && std::strcmp(argv[1], "--list") == 0) return List(argv[2]);
        bool const print = argc >= 3 && std::strcmp(argv[1], "--print") == 0;
        if (print && argc <= 4) return Print(argv[2], argc == 4 ? argv[3] : nullptr);
        return Usage();
    } catch (FileException const& e) {
        std::fprintf(stderr, "udinspect: file error %d on %s\n", e.Code(), file);
        return kExitTrouble;
    } catch (unsigned short code) {
        std::fprintf(stderr, "udinspect: user dictionary error %u in %s\n", unsigned{code}, file);
        return kExitTrouble;
    }
}

// The plan of a compilation: headwords, idiom index, grammatical-form words,
// entries in placement order, the tables, and last the header.
#include "engine/compiled/compiled_compiler.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <istream>
#include <string>

#include "engine/compiled/compiled_compiler_context.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/file_errors.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/idiom_lists.h"
#include "engine/foundation/string_compare.h"
#include "platform/files/file_system.h"

namespace {

using Stats = Dictionary_EX_Compiler_::Stats;

constexpr std::size_t kMaxSortListLine = 1023;
// Headwords with fewer spaces than this are placed before the rest.
constexpr long kShortHeadwordSpaces = 4;
// Entries of the sort-entries list after which the offset is noted.
constexpr std::pair<uint32_t, Stats::Counter> kSortListMarks[] = {
    {10, Stats::kSortListAfter10},
    {128, Stats::kSortListAfter128},
    {1714, Stats::kSortListAfter1714},
    {7365, Stats::kSortListAfter7365},
};

std::vector<Entry_EX> SourceEntries(Dictionary_EX const& source) {
    std::vector<Entry_EX> entries;
    for (auto it = source.GetEntryIterator_start(); !it.IsAtEnd(); ++it) entries.push_back(*it);
    return entries;
}

bool HasAlmightyIdiom(Entry_EX const& entry) {
    for (ForwardIterator<FinePOS_EX> it = entry.GetFinePOSIterator(); !it.IsAtEnd(); ++it) {
        if ((*it).GetIdiomType() == eIdiomAlmighty) return true;
    }
    return false;
}

// The offset of the index, or 0 without almighty idioms.
uint32_t WriteAlmightyIdiomIndex(CompileContext& context, std::vector<Entry_EX> const& entries) {
    std::vector<std::string> idioms;
    for (Entry_EX const& entry : entries) {
        if (HasAlmightyIdiom(entry)) idioms.push_back(entry.GetSrcText());
    }
    if (idioms.empty()) return 0;
    AlmightyIdiomInterfaceCompilerHelper::Lists lists;
    AlmightyIdiomInterfaceCompilerHelper::Compile(idioms, &lists);
    IdiomIndex index;
    for (std::size_t tag = 0; tag < kIdiomListCount; ++tag) {
        std::vector<IdiomListItem> items;
        for (AlmightyIdiomEntry const& idiom : lists[tag])
            items.push_back({context.WriteString(idiom.text), idiom.position});
        index[tag] = {context.WriteBLOB(EncodeIdiomList(items)), static_cast<uint32_t>(items.size())};
    }
    return context.WriteBLOB(EncodeIdiomIndex(index));
}

void WriteGrammaticalFormWords(CompileContext& context, std::vector<Entry_EX> const& entries, CompiledHeader* header) {
    std::vector<uint32_t> words;
    VectorByValueForwardIterator<Entry_EX, std::vector<Entry_EX>> all(entries);
    for (std::string const& word : BuildGramaticalFormsWordsTable(all)) words.push_back(context.WriteString(word));
    header->grammaticalFormTable = context.WriteBLOB(EncodeOffsetArray(words, true));
    header->grammaticalFormCount = static_cast<uint32_t>(words.size());
}

void WriteSortListEntries(CompileContext& context, std::vector<std::string> const& sortEntries) {
    auto& counters = context.Counters().counters;
    counters[Stats::kSortListStart] = context.Offset();
    for (std::string const& text : sortEntries) {
        for (ForwardIterator<Entry_EX> it = context.Source().Lookup(text, nullptr); !it.IsAtEnd(); ++it) {
            WriteEntry(context, *it);
            uint32_t const written = ++counters[Stats::kSortListEntries];
            for (auto const& mark : kSortListMarks) {
                if (written == mark.first) counters[mark.second] = context.Offset();
            }
        }
    }
    counters[Stats::kSortListEnd] = context.Offset();
}

// The headword-order string and entry tables over every entry written.
void WriteHeadwordOrderTables(CompileContext& context, CompiledHeader* header) {
    std::vector<std::pair<std::string, uint32_t>> ordered;
    for (auto const& written : context.Entries()) ordered.emplace_back(written.first.GetSrcText(), written.second);
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](auto const& a, auto const& b) { return StringCompare_E_Source(a.first, b.first) < 0; });
    std::vector<uint32_t> strings;
    std::vector<uint32_t> entries;
    for (auto const& item : ordered) {
        strings.push_back(context.WriteString(item.first));
        entries.push_back(item.second);
    }
    header->headwordStringTable = context.WriteBLOB(EncodeOffsetArray(strings, true));
    header->headwordEntryTable = context.WriteBLOB(EncodeOffsetArray(entries, true));
    header->headwordCount = static_cast<uint32_t>(ordered.size());
}

constexpr char kCompiledFileName[] = "compiled dictionary";

void WriteAt(int fd, uint8_t const* data, std::size_t size, uint64_t offset) {
    ssize_t const done = WriteFullyAt(fd, data, size, offset);
    if (done < 0) FileException::ThrowLastError(kCompiledFileName);
    if (static_cast<std::size_t>(done) < size) throw FileWriteError(kCompiledFileName, 0);
}

void Truncate(int fd, uint64_t length) {
    if (Files().Truncate(fd, length) != 0) FileException::ThrowLastError(kCompiledFileName);
}

void Sync(int fd) {
    if (Files().Sync(fd) != 0) throw FileFlushError(kCompiledFileName, errno);
}

// Body first, cut to length, synced, header last and synced: until the header
// is in place the file starts with zero bytes and no reader takes it for a
// dictionary, and success is reported only once all of it is on disk.
void WriteFile(int fd, Bytes const& image, Bytes const& header) {
    WriteAt(fd, image.data() + header.size(), image.size() - header.size(), header.size());
    Truncate(fd, image.size());
    Sync(fd);
    WriteAt(fd, header.data(), header.size(), 0);
    Sync(fd);
}

}  // namespace

void CompiledFormatCompiler::SetSortEntriesByList(std::istream& in) {
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() > kMaxSortListLine) return;
        if (!line.empty()) fSortEntries.push_back(line);
    }
}

void CompiledFormatCompiler::Compile(Dictionary_EX const& source, int fd) {
    CompiledFormatTraits const& traits = fTraits;
    fStats = Stats();
    // A dictionary being overwritten stops being one before any of it changes.
    Bytes const zeroHeader(traits.headerSize, 0);
    WriteAt(fd, zeroHeader.data(), zeroHeader.size(), 0);
    Sync(fd);
    CompiledHeader header;
    header.dictionaryID = source.GetID();
    header.domains = source.GetDomainIDSet();
    if (!DomainSetFits(header.domains, traits))
        ThrowCorruptDictionary("compiled dictionary: the dictionary's domains include one the format cannot store");

    CompileContext context(source, traits, fWideFeatures, &fStats);
    std::vector<Entry_EX> const entries = SourceEntries(source);
    header.headwordAreaStart = context.Offset();
    for (Entry_EX const& entry : entries) context.WriteString(entry.GetSrcText());
    header.headwordAreaEnd = context.Offset();
    header.idiomIndex = WriteAlmightyIdiomIndex(context, entries);
    WriteGrammaticalFormWords(context, entries, &header);

    WriteSortListEntries(context, fSortEntries);
    for (Entry_EX const& entry : entries) {
        std::string const headword = entry.GetSrcText();
        if (std::count(headword.begin(), headword.end(), ' ') < kShortHeadwordSpaces) WriteEntry(context, entry);
    }
    std::vector<uint32_t> entryOffsets;
    for (Entry_EX const& entry : entries) entryOffsets.push_back(WriteEntry(context, entry));
    std::sort(entryOffsets.begin(), entryOffsets.end());
    entryOffsets.erase(std::unique(entryOffsets.begin(), entryOffsets.end()), entryOffsets.end());
    header.entriesEnd = context.Offset();
    header.entryOrderTable = context.WriteBLOB(EncodeOffsetArray(entryOffsets, true));
    header.entryCount = static_cast<uint32_t>(entryOffsets.size());

    BackPatchFinePOSStuff(context);
    WriteHeadwordOrderTables(context, &header);

    WriteFile(fd, context.Image(), EncodeCompiledHeader(header, traits));
    fStats.counters[Stats::kFileSize] = static_cast<uint32_t>(context.Image().size());
    Files().Close(fd);
}

void CompileDictionaryFile(Dictionary_EX const& source, std::string const& path, Dictionary_EX_Compiler_& compiler) {
    // Compiled into a file of its own and renamed over the old one only when
    // whole: a failure leaves the old dictionary as it was, and readers that
    // have the old one mapped keep reading it.
    std::string const fresh = path + ".new-" + std::to_string(::getpid());
    struct stat old;
    mode_t const mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    int const fd = Files().Open(fresh.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) FileException::ThrowLastError(path.c_str());
    try {
        compiler.Compile(source, fd);
    } catch (...) {
        Files().Close(fd);
        Files().Remove(fresh.c_str());
        throw;
    }
    if (Files().Rename(fresh.c_str(), path.c_str()) != 0) {
        int const error = errno;
        Files().Remove(fresh.c_str());
        errno = error;
        FileException::ThrowLastError(path.c_str());
    }
}

#pragma once
// Writing any dictionary into a compiled dictionary file.
//
// Every distinct data item (string, block, offset array) is stored once.
// Entries named by the sort-entries list come first in the file, then those
// with short headwords, then the rest, so that common words lie together.
//
// A compilation is all or nothing: the file is built in memory, its first
// header-size bytes are zeroed before anything else is written, and the real
// header is written only once the rest is in place and the file cut to its
// length.  A refused compilation therefore leaves a file that no reader
// takes for a dictionary.
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/compiled/compiled_format.h"
#include "engine/foundation/dictionary.h"

class Dictionary_EX_Compiler_ {
public:
    // What the last Compile wrote; see the Counter names.
    struct Stats {
        enum Counter : unsigned {
            kEntries = 0,
            kMostLetterRuns = 1,
            kEntryBytes = 2,
            kFinePOSes = 3,
            kFinePOSBytes = 4,
            kConjugatedForms = 5,
            kParaphrases = 6,
            kParaphraseBytes = 7,
            kItemsWritten = 8,
            kItemBytesAsked = 9,
            kItemsReused = 10,
            kItemBytesSaved = 11,
            kEmptyFeatureSets = 12,
            kFeatureSetsSeen = 13,
            kFeatureBytesWritten = 14,  // 303 per new block
            kFeatureBytesReused = 15,   // 303 per reused block
            kBlankSemantics = 16,
            kSemanticsSeen = 17,
            kSemanticsBytesWritten = 18,
            kSemanticsBytesReused = 19,
            kLongestHeadword = 20,
            kHeadwordBytes = 21,
            kFileSize = 22,
            kSortListEntries = 23,
            kSortListStart = 24,
            kSortListAfter10 = 25,
            kSortListAfter128 = 26,
            kSortListAfter1714 = 27,
            kSortListAfter7365 = 28,
            kSortListEnd = 29,
            kCount = 30,
        };
        uint32_t counters[kCount] = {};
    };

    virtual ~Dictionary_EX_Compiler_() = default;
    // Always on; setting it has no effect.
    virtual bool GetOptimizeFlag() const = 0;
    virtual void SetOptimizeFlag(bool optimize) = 0;
    // Appends every non-empty line (at most 1,023 characters; a longer one
    // ends the reading) to the sort-entries list.
    virtual void SetSortEntriesByList(std::istream& in) = 0;
    // Writes the source into the file open for update on fd.  On success fd
    // is closed; on failure (CorruptDictionary for a limit of the format, a
    // FileException for a failed write) it stays open and the file holds no
    // valid header.
    virtual void Compile(Dictionary_EX const& source, int fd) = 0;
    virtual Stats GetStats() const = 0;
};

// What the compilers of the formats share: the plan of a compilation, which
// the format's traits fill in.
class CompiledFormatCompiler : public Dictionary_EX_Compiler_ {
public:
    bool GetOptimizeFlag() const override { return true; }
    void SetOptimizeFlag(bool) override {}
    void SetSortEntriesByList(std::istream& in) override;
    void Compile(Dictionary_EX const& source, int fd) override;
    Stats GetStats() const override { return fStats; }

protected:
    explicit CompiledFormatCompiler(CompiledFormatTraits const& traits) : fTraits(traits) {}
    // Wide feature-set blocks (fixed-slot formats only).
    bool fWideFeatures = false;

private:
    CompiledFormatTraits const& fTraits;
    std::vector<std::string> fSortEntries;
    Stats fStats;
};

// Format 4.0.
class Dictionary_EX_40Compiler : public CompiledFormatCompiler {
public:
    Dictionary_EX_40Compiler() : CompiledFormatCompiler(kFormat40Traits) {}

    // Wide feature-set blocks (49-byte slots) for every fine part of speech.
    bool GetBug2001Flag() const { return fWideFeatures; }
    void SetBug2001Flag(bool wide) { fWideFeatures = wide; }
};

// Format 5.0: feature texts stored whole in packed blocks, up to 1,023 fine
// parts of speech an entry, 80 domains.
class Dictionary_EX_50Compiler : public CompiledFormatCompiler {
public:
    Dictionary_EX_50Compiler() : CompiledFormatCompiler(kFormat50Traits) {}
};

// Compiles the source into a new file beside path and renames it over path
// once it is whole and synced; on any failure the file at path stays as it
// was and the new one is removed.  Its mode is the old file's, else 0644.
void CompileDictionaryFile(Dictionary_EX const& source, std::string const& path, Dictionary_EX_Compiler_& compiler);

#pragma once
// The state of one compilation: the file image being built, the shared data
// items, and where every entry and fine part of speech was written.
//
// Sources such as compiled and user dictionaries make a new entry
// representation on every access, so entries are recognised by headword and
// Equal(), never by address; a fine part of speech by its entry's offset and
// its cookie.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/compiled/compiled_compiler.h"
#include "engine/compiled/compiled_format.h"
#include "engine/foundation/entry.h"

class CompileContext {
public:
    using Stats = Dictionary_EX_Compiler_::Stats;

    CompileContext(Dictionary_EX const& source, CompiledFormatTraits const& traits, bool wideFeatures, Stats* stats);

    Dictionary_EX const& Source() const { return fSource; }
    CompiledFormatTraits const& Traits() const { return fTraits; }
    bool WideFeatures() const { return fWideFeatures; }
    Stats& Counters() { return *fStats; }
    void Count(Stats::Counter counter, uint32_t amount = 1) { fStats->counters[counter] += amount; }

    // The next byte to be written.
    uint32_t Offset() const { return static_cast<uint32_t>(fImage.size()); }
    Bytes const& Image() const { return fImage; }

    // A data item: the offset of an identical one written before, or the
    // offset where it is appended now.
    uint32_t WriteBLOB(Bytes const& bytes);
    uint32_t WriteString(std::string const& text) { return WriteBLOB(EncodeCompiledString(text)); }
    // Appended without sharing (records).
    uint32_t WriteBlock(Bytes const& bytes);
    // Room for a record written later with Patch.
    uint32_t Reserve(std::size_t size);
    void Patch(uint32_t offset, Bytes const& bytes);

    // Where the entry was written, if it was.
    std::optional<uint32_t> FindEntry(Entry_EX const& entry) const;
    void AddEntry(Entry_EX const& entry, uint32_t offset);
    // Every entry written, with its offset, in the order written.
    std::vector<std::pair<Entry_EX, uint32_t>> const& Entries() const { return fEntryList; }

    // A fine part of speech written, waiting for its chain links.
    struct PendingFinePOS {
        uint32_t offset;
        CompiledFinePOSRecord record;
        std::string headword;
        std::optional<FinePOS_EX> base;       // when a conjugated form
        std::optional<FinePOS_EX> successor;  // when its chain goes on
    };
    void AddFinePOS(FinePOS_EX const& finePOS, uint32_t entryOffset, PendingFinePOS pending);
    std::optional<uint32_t> FindFinePOS(FinePOS_EX const& finePOS) const;
    std::vector<PendingFinePOS>& PendingFinePOSes() { return fPending; }

private:
    Dictionary_EX fSource;
    CompiledFormatTraits const& fTraits;
    bool fWideFeatures;
    Stats* fStats;
    Bytes fImage;
    std::unordered_map<std::string, uint32_t> fItems;
    std::unordered_map<std::string, std::vector<std::size_t>> fEntriesByHeadword;
    std::vector<std::pair<Entry_EX, uint32_t>> fEntryList;
    std::map<std::pair<uint32_t, FinePosCookieID_*>, uint32_t> fFinePOSes;
    std::vector<PendingFinePOS> fPending;
};

// Writing the records of one entry (compiled_compiler_records.cpp).  Returns
// the entry's offset; an entry written before is not written again.
uint32_t WriteEntry(CompileContext& context, Entry_EX const& entry);
// Puts every chain link in place once all fine parts of speech are written;
// refuses a base form or successor that the source does not hold.
void BackPatchFinePOSStuff(CompileContext& context);

#pragma once
// Compiled dictionaries of format 5.0: a system or technical dictionary file
// opened as a read-only Dictionary_EX.
#include <memory>

#include "engine/compiled/compiled_entry.h"
#include "engine/compiled/compiled_file_access.h"
#include "engine/compiled/compiled_reader.h"
#include "engine/compiled/compiled_reader_interfaces.h"

// Format 5.0 has no fixed p-value: it reads as none and setting it does
// nothing.  The fixed idiom type can be set.
class Dictionary_EX_50CompiledMiscDictInfoIface : public CompiledMiscDictInfoIface {
public:
    using CompiledMiscDictInfoIface::CompiledMiscDictInfoIface;

    short GetFixedPValue() const override { return kNoFixedPValue; }
    void SetFixedPValue(short) override {}
};

class DictionaryRep_EX_50Compiled : public CompiledDictionaryRep {
public:
    // Raised to almighty idioms' p-values under the fixed idiom type.
    static constexpr short kFixedIdiomPValueBonus = 8192;

    // Takes the descriptor: it is closed with the dictionary, or once at
    // once when the file is refused.
    explicit DictionaryRep_EX_50Compiled(int fd);
    explicit DictionaryRep_EX_50Compiled(CompiledFileAccess const& file);

    // With the fixed idiom type set, an almighty idiom reports its p-value
    // plus 8192, held at 32,767.
    short FinePOSPValue(CompiledFinePOSRecord const& record) override;
    // With the fixed idiom type set, an almighty idiom reports
    // eIdiomQuasiAlmighty for the parts of speech that take it and
    // eIdiomPreferential for the others.
    IdiomType FinePOSIdiomType(CompiledFinePOSRecord const& record) override;

protected:
    std::unique_ptr<DictionaryInterface_> MakeLearningInterface() const override;
    EmptyValues const& Empty() const override;
    std::unique_ptr<DictionaryInterface_> MakeMiscInfoInterface(unsigned long entryCount,
                                                                unsigned long fileSize) const override;

private:
    bool AlmightyUnderFixedIdiomType(CompiledFinePOSRecord const& record);
};

class Dictionary_EX_50Compiled : public Dictionary_EX {
public:
    // As DictionaryRep_EX_50Compiled; the descriptor is closed exactly once
    // whatever fails, running out of memory included.
    explicit Dictionary_EX_50Compiled(int fd);
};

// The names the format's parts go by.
using EntryRep_EX_50Compiled = CompiledEntryRep;
using FileAccessHandle = CompiledFileAccess;
using Dictionary50Compiled_AlmightyIdiomInterface = CompiledAlmightyIdiomInterface;
using Dictionary50Compiled_GrammaticalFormInterface = CompiledGrammaticalFormInterface;

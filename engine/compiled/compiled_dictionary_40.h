#pragma once
// Compiled dictionaries of format 4.0: a system or technical dictionary file
// opened as a read-only Dictionary_EX.
#include <memory>

#include "engine/compiled/compiled_entry.h"
#include "engine/compiled/compiled_file_access.h"
#include "engine/compiled/compiled_reader.h"
#include "engine/compiled/compiled_reader_interfaces.h"

class DictionaryRep_EX_40Compiled : public CompiledDictionaryRep {
public:
    // Takes the descriptor: it is closed with the dictionary, or at once when
    // the file is refused (CorruptDictionary).
    explicit DictionaryRep_EX_40Compiled(int fd);
    explicit DictionaryRep_EX_40Compiled(CompiledFileAccess const& file);

    // With a fixed p-value set (miscellaneous-information interface), every
    // fine part of speech stored at -1688 or above reports it.
    short FinePOSPValue(CompiledFinePOSRecord const& record) override;
    // With a fixed p-value and the fixed idiom type set, every fine part of
    // speech reports eIdiomPreferential.
    IdiomType FinePOSIdiomType(CompiledFinePOSRecord const& record) override;

protected:
    std::unique_ptr<DictionaryInterface_> MakeLearningInterface() const override;
    EmptyValues const& Empty() const override;
};

class Dictionary_EX_40Compiled : public Dictionary_EX {
public:
    // As DictionaryRep_EX_40Compiled.
    explicit Dictionary_EX_40Compiled(int fd);
};

// The names the format's parts go by.
using EntryRep_EX_40Compiled = CompiledEntryRep;
using Dictionary_EX_40CompiledMiscDictInfoIface = CompiledMiscDictInfoIface;
using Dictionary40Compiled_AlmightyIdiomInterface = CompiledAlmightyIdiomInterface;
using Dictionary40Compiled_GrammaticalFormInterface = CompiledGrammaticalFormInterface;

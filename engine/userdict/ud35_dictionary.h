#pragma once
// A user dictionary file of format 3.5 as a dictionary of the engine: the
// handle opened on a FILE, its representation, and the named interfaces it
// serves (entry groups, in-order iteration, learning statistics, its lock and
// four word lists).
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <unordered_map>

#include "engine/foundation/dictionary.h"
#include "engine/userdict/ud_t.h"

class UD35EntryGroupInterface_EJ;
class Dict_UD35_InOrderDictionaryIteratorInterface;
class UDStatisticsInterface;
class GrammaticalFormWordsInterface_Lookup;
class LowerCaseWordsInterface_Lookup;
class WordListInterface_;

class DictionaryRep_EJ_35UserDict : public DictionaryRep_EX {
public:
    // Takes the FILE (null: std::bad_alloc), makes it unbuffered and opens
    // the dictionary in it; the failures of ud_t pass through.  The FILE is
    // closed with the representation.  Use it only through a handle: entry
    // views and iterators keep handles on it.
    DictionaryRep_EJ_35UserDict(FILE* file, bool writable);
    ~DictionaryRep_EJ_35UserDict() override;

    unsigned short GetID() const override { return fID; }
    void SetID(unsigned short id) override { fID = id; }
    DomainIDSet GetDomainIDSet() const override { return {}; }
    void SetDomainIDSet(DomainIDSet const& domains) override;

    // The headword equal to the key (the engine's English order), once even
    // when two groups spell it.
    ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length, MaybeAnyLongerCallback* callback) override;
    // Every headword that begins with the prefix, in block order.
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override;
    DictionaryInterface_* GetNamedInterface(std::string const& name) override;
    bool IsModifyable() const override { return fWritable; }

    // In block order of the entries' heads.
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override;

    // Entries change only through the entry groups: both throw.
    Entry_EX CreateNewEntry(std::string const& headword) override;
    void RemoveEntry(Entry_EX const& entry) override;

    // Learning on makes the statistics interface; off hides it (the object
    // stays, so pointers handed out earlier remain valid).
    void SetUseLearning(bool on);
    bool GetUseLearning() const { return fLearningOn; }

    ud_t& GetFile() { return *fFile; }
    UD35EntryGroupInterface_EJ& GetEntryGroupInterface();

    // The English of entry `id`, or the read code; the caller holds a read
    // lock on the file.  Kept per ID while the
    // file's change count stays and nobody holds its write lock: lookups read
    // every entry under a first word.
    unsigned short ReadEnglish(uint32_t id, std::string* english);

private:
    void ForgetStaleEnglish();

    unsigned short fID = kMinUserDictionaryID;
    FILE* fStream;
    bool fWritable;
    std::unique_ptr<ud_t> fFile;
    std::unique_ptr<UD35EntryGroupInterface_EJ> fEntryGroups;
    std::unique_ptr<GrammaticalFormWordsInterface_Lookup> fGrammaticalFormWords;
    std::unique_ptr<LowerCaseWordsInterface_Lookup> fLowerCaseWords;
    std::unique_ptr<WordListInterface_> fCanUseUpPeriod;
    std::unique_ptr<WordListInterface_> fSingleWordsWithPeriods;
    std::unique_ptr<Dict_UD35_InOrderDictionaryIteratorInterface> fInOrder;
    std::unique_ptr<UDStatisticsInterface> fStatistics;
    bool fLearningOn = false;

    std::unordered_map<uint32_t, std::string> fEnglishByID;
    uint32_t fEnglishChangeCount = 0;
};

class Dictionary_EJ_35UserDict : public Dictionary_EX {
public:
    Dictionary_EJ_35UserDict(FILE* file, bool writable);

    // The handle's representation must be a user dictionary's
    // (std::bad_cast otherwise).
    void SetUseDictionaryLearningInterface(bool on);
    bool GetUseDictionaryLearningInterface() const;

private:
    DictionaryRep_EJ_35UserDict& Rep() const;
};

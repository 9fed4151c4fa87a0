#include "engine/userdict/ud35_dictionary.h"

#include <cstdio>
#include <new>
#include <typeinfo>
#include <vector>

#include "engine/foundation/dictionary_errors.h"
#include "engine/foundation/grammatical_form_words.h"
#include "engine/foundation/lower_case_words.h"
#include "engine/foundation/string_compare.h"
#include "engine/foundation/word_list_interfaces.h"
#include "engine/userdict/ud35_entry_groups.h"
#include "engine/userdict/ud35_entry_view.h"
#include "engine/userdict/ud35_iterators.h"
#include "engine/userdict/ud35_statistics.h"
#include "engine/userdict/ud_english.h"

namespace {

// Marks a walk over an ID list, so that a writer changing the index stops it.
class LookupInProgress {
public:
    explicit LookupInProgress(ud_t& file) : fFile(file) { fFile.BeginLookup(); }
    ~LookupInProgress() { fFile.EndLookup(); }
    LookupInProgress(LookupInProgress const&) = delete;
    LookupInProgress& operator=(LookupInProgress const&) = delete;

private:
    ud_t& fFile;
};

// Makes a named interface on its first request.
template <class Interface, class Made = Interface, class... Args>
Interface* MadeOnce(std::unique_ptr<Interface>& slot, Args&&... args) {
    if (!slot) slot.reset(new Made(std::forward<Args>(args)...));
    return slot.get();
}

}  // namespace

// ---- Representation ------------------------------------------------------------

DictionaryRep_EJ_35UserDict::DictionaryRep_EJ_35UserDict(FILE* file, bool writable)
    : fStream(file), fWritable(writable) {
    if (file == nullptr) throw std::bad_alloc();
    // ud_t reads and writes the descriptor directly; a buffer would only go stale.
    std::setvbuf(file, nullptr, _IONBF, 0);
    // Should opening fail, the FILE stays the caller's.
    fFile = std::make_unique<ud_t>(file);
}

// The interfaces hold locks on the file and go before it; the file goes
// before its stream is closed.
DictionaryRep_EJ_35UserDict::~DictionaryRep_EJ_35UserDict() {
    fStatistics.reset();
    fInOrder.reset();
    fSingleWordsWithPeriods.reset();
    fCanUseUpPeriod.reset();
    fLowerCaseWords.reset();
    fGrammaticalFormWords.reset();
    fEntryGroups.reset();
    fFile.reset();
    std::fclose(fStream);
}

void DictionaryRep_EJ_35UserDict::SetDomainIDSet(DomainIDSet const&) { ThrowNotSupported(*this); }

void DictionaryRep_EJ_35UserDict::ForgetStaleEnglish() {
    if (fFile->GetChangeCount() != fEnglishChangeCount) {
        fEnglishByID.clear();
        fEnglishChangeCount = fFile->GetChangeCount();
    }
}

unsigned short DictionaryRep_EJ_35UserDict::ReadEnglish(uint32_t id, std::string* english) {
    // A writer at work may have changed any entry; the change count moves
    // only when it is done.
    bool const cacheable = fFile->GetWriteLockCount() == 0;
    if (cacheable) {
        ForgetStaleEnglish();
        auto const known = fEnglishByID.find(id);
        if (known != fEnglishByID.end()) {
            *english = known->second;
            return kUDNoError;
        }
    } else {
        fEnglishByID.clear();
    }
    ud_entry_t entry;
    if (unsigned short code = fFile->ReadEntry(id, &entry)) return code;
    *english = entry.strings.english;
    if (cacheable) fEnglishByID.emplace(id, entry.strings.english);
    return kUDNoError;
}

ForwardIterator<Entry_EX> DictionaryRep_EJ_35UserDict::Lookup(char const* text, unsigned long length,
                                                              MaybeAnyLongerCallback* callback) {
    SimpleFileLocker_READ lock(fFile.get());
    std::string const key(text, length);
    std::size_t const end = DGetFirstwordEnd(key.c_str(), key.size());
    if (end >= kUDFirstwordTooLong || fFile->IndexChangedDuringLookup()) return EmptyForwardIterator<Entry_EX>();
    fword_t const* record = fFile->FindFword(key.substr(0, end).c_str());
    if (record == nullptr) return EmptyForwardIterator<Entry_EX>();
    std::vector<uint32_t> const ids = record->ids;

    // Each spelling equal to the key, with every ID spelled so: one view
    // stands for them all.
    struct Spelling {
        std::string english;
        std::vector<uint32_t> ids;
    };
    std::vector<Spelling> spellings;
    {
        LookupInProgress walk(*fFile);
        for (uint32_t id : ids) {
            if (fFile->IndexChangedDuringLookup()) break;
            std::string english;
            if (ReadEnglish(id, &english) != kUDNoError) break;
            if (callback != nullptr && StringCompare_E_Source(english, key, key.size()) == 0) callback->FoundOne();
            if (StringCompare_E_Source(english, key) != 0) continue;
            auto known = spellings.begin();
            while (known != spellings.end() && known->english != english) ++known;
            if (known == spellings.end()) {
                spellings.push_back(Spelling{english, {id}});
            } else {
                known->ids.push_back(id);
            }
        }
    }
    std::vector<Entry_EX> found;
    for (Spelling& spelling : spellings) {
        found.emplace_back(new EntryRep_EJ_35UserDict(*this, *fFile, std::move(spelling.ids)));
    }
    return VectorByValueForwardIterator<Entry_EX>(found);
}

ForwardIterator<Entry_EX> DictionaryRep_EJ_35UserDict::LookupByPrefix(std::string const& prefix) {
    SimpleFileLocker_READ lock(fFile.get());
    std::vector<Entry_EX> found;
    for (uint32_t n = 1; n < fFile->GetBlockCount(); ++n) {
        std::string english;
        try {
            if (fFile->ReadDataBlockType(n) != kUDHeadBlock || ReadEnglish(n, &english) != kUDNoError) continue;
        } catch (...) {
            continue;  // a damaged block is no headword
        }
        if (StringCompare_E_Source(english, prefix, prefix.size()) == 0) {
            found.emplace_back(new EntryRep_EJ_35UserDict(*this, *fFile, n));
        }
    }
    return VectorByValueForwardIterator<Entry_EX>(found);
}

UD35EntryGroupInterface_EJ& DictionaryRep_EJ_35UserDict::GetEntryGroupInterface() {
    return *MadeOnce(fEntryGroups, *fFile);
}

DictionaryInterface_* DictionaryRep_EJ_35UserDict::GetNamedInterface(std::string const& name) {
    if (name == UDEntryGroupInterface_EX_::kInterfaceName) return &GetEntryGroupInterface();
    if (name == DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>::kInterfaceName) {
        return fLearningOn ? fStatistics.get() : nullptr;
    }
    if (name == GrammaticalFormWordsInterface_::kInterfaceName) return MadeOnce(fGrammaticalFormWords, this);
    if (name == LowerCaseWordsInterface_::kInterfaceName) return MadeOnce(fLowerCaseWords, this);
    if (name == CanUseUpPeriodInterface_::kInterfaceName) {
        return MadeOnce<WordListInterface_, CanUseUpPeriodInterface_Lookup>(fCanUseUpPeriod, this);
    }
    if (name == SingleWordsWithPeriodsInterface_::kInterfaceName) {
        return MadeOnce<WordListInterface_, SingleWordsWithPeriodsInterface_Lookup>(fSingleWordsWithPeriods, this);
    }
    if (name == Dictionary<Entry_EX>::InOrderDictionaryIteratorInterface_::kInterfaceName) {
        UD35EntryGroupInterface_EJ& groups = GetEntryGroupInterface();
        return MadeOnce(fInOrder, groups, *this);
    }
    if (name == Dictionary<Entry_EX>::LockingInterface_::kInterfaceName) {
        return static_cast<Dictionary<Entry_EX>::LockingInterface_*>(fFile.get());
    }
    return nullptr;
}

BidirectionalIterator<Entry_EX> DictionaryRep_EJ_35UserDict::GetEntryIterator_start() {
    return BidirectionalIterator<Entry_EX>(new EntryIteratorRep_Entry_EJ_35UserDict(*this));
}

BidirectionalIterator<Entry_EX> DictionaryRep_EJ_35UserDict::GetEntryIterator_end() {
    BidirectionalIterator<Entry_EX> position = GetEntryIterator_start();
    while (!position.IsAtEnd()) ++position;
    return position;
}

BidirectionalIterator<Entry_EX> DictionaryRep_EJ_35UserDict::GetEntryIterator_from(Entry_EX const& entry) {
    BidirectionalIterator<Entry_EX> position = GetEntryIterator_start();
    while (!position.IsAtEnd() && *position != entry) ++position;
    return position;
}

Entry_EX DictionaryRep_EJ_35UserDict::CreateNewEntry(std::string const&) { ThrowNotSupported(*this); }

void DictionaryRep_EJ_35UserDict::RemoveEntry(Entry_EX const&) { ThrowNotSupported(*this); }

void DictionaryRep_EJ_35UserDict::SetUseLearning(bool on) {
    if (on && !fStatistics) fStatistics = std::make_unique<UDStatisticsInterface>(*fFile);
    fLearningOn = on;
}

// ---- Handle ------------------------------------------------------------------

Dictionary_EJ_35UserDict::Dictionary_EJ_35UserDict(FILE* file, bool writable)
    : Dictionary_EX(new DictionaryRep_EJ_35UserDict(file, writable)) {}

DictionaryRep_EJ_35UserDict& Dictionary_EJ_35UserDict::Rep() const {
    return dynamic_cast<DictionaryRep_EJ_35UserDict&>(*GetRep());
}

void Dictionary_EJ_35UserDict::SetUseDictionaryLearningInterface(bool on) { Rep().SetUseLearning(on); }

bool Dictionary_EJ_35UserDict::GetUseDictionaryLearningInterface() const { return Rep().GetUseLearning(); }

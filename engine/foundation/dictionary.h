#pragma once
// The dictionary model: the handle every dictionary of the engine is used
// through, the abstract representation each kind of dictionary implements,
// dictionary numbers, and named interfaces (optional capabilities a
// dictionary may serve).
//
// The engine has a single entry type.  The templates below exist only for
// Entry_EX; they keep the names callers spell (Dictionary<Entry_EX>,
// DictionaryRep_<Entry_EX>) and are given as full specialisations so that
// their members can live in dictionary.cpp.
#include <string>

#include "engine/foundation/iterators.h"
#include "engine/foundation/qj_shared.h"
#include "engine/foundation/simple_file_lock.h"
#include "engine/foundation/value_types.h"

class Entry_EX;
class FinePOS_EX;
class Paraphrase_EX;
template <class FinePOS, class Paraphrase>
class DictionaryLearningInterface_;
class CannotBeginSentInterface_;
class CannotEndSentInterface_;
class CannotBeginAndEndSentInterface_;
class CanUseUpPeriodInterface_;
class SingleWordsWithPeriodsInterface_;
class LowerCaseWordsInterface_;
class GrammaticalFormWordsInterface_;
class AlmightyIdiomInterface_;
class UDEntryGroupInterface_EX_;

// ---- Dictionary numbers ----------------------------------------------------

constexpr unsigned short kBadDictionaryID = 0;
constexpr unsigned short kMinSystemDictionaryID = 1;
constexpr unsigned short kMaxSystemDictionaryID = 99;
constexpr unsigned short kMinTechnicalDictionaryID = 100;
constexpr unsigned short kMaxTechnicalDictionaryID = 997;
constexpr unsigned short kSGMLDictionaryID = 998;
constexpr unsigned short kRealignDictionaryID = 999;
constexpr unsigned short kMinTBEDictionaryID = 1000;
constexpr unsigned short kMaxTBEDictionaryID = 4999;
constexpr unsigned short kMinUserDictionaryID = 10000;
constexpr unsigned short kMaxUserDictionaryID = 30000;
// Numbers given to dictionaries made while the engine runs.
constexpr unsigned short kMinDynamicDictionaryID = 30001;
constexpr unsigned short kMaxDynamicDictionaryID = 32767;
// The number of a new temporary dictionary, and so of a reading that has no
// dictionary of its own.
constexpr unsigned short kDefaultDictionaryID = 30001;
constexpr unsigned short kMissingWordDictionaryID = 30002;
constexpr unsigned short kSpecialDictionaryID = 30003;

// ---- Lookup callback -------------------------------------------------------

// Passed by the caller through every lookup; may be null.  Each kind of
// dictionary decides when to call it.
class MaybeAnyLongerCallback {
public:
    virtual ~MaybeAnyLongerCallback() = default;
    // Longer headwords beginning with the looked-up key may exist.
    virtual void FoundOne() = 0;
    // The caller's speed setting.
    virtual int GetCoreSpeed() = 0;
};

// ---- Named interfaces ------------------------------------------------------

// Base of every optional capability object.  Each derived class names itself
// with a static kInterfaceName; the dictionary creates the object on the first
// request, answers every later request with the same object and deletes it in
// its own destructor.  Callers never delete an interface and do not use it
// after the dictionary's last handle is gone.
class DictionaryInterface_ {
public:
    DictionaryInterface_() = default;
    virtual ~DictionaryInterface_() = default;
    DictionaryInterface_(DictionaryInterface_ const&) = delete;
    DictionaryInterface_& operator=(DictionaryInterface_ const&) = delete;
};

// ---- Representation --------------------------------------------------------

template <class EntryT>
class DictionaryRep_;

// What every kind of dictionary implements.  Keys, prefixes and headwords are
// Shift-JIS bytes.
template <>
class DictionaryRep_<Entry_EX> : public QJSharedRep {
public:
    virtual unsigned short GetID() const = 0;
    virtual void SetID(unsigned short id) = 0;
    // The subject domains of the dictionary.
    virtual DomainIDSet GetDomainIDSet() const = 0;
    virtual void SetDomainIDSet(DomainIDSet const& domains) = 0;

    // The entries whose headword equals the key's `length` bytes.  The handle
    // never passes a key longer than 255 bytes.
    virtual ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length,
                                             MaybeAnyLongerCallback* callback) = 0;
    // The entries whose headword begins with the prefix.
    virtual ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) = 0;

    // The dictionary's interface of that name, owned by the dictionary, or
    // null when it serves none of that name.
    virtual DictionaryInterface_* GetNamedInterface(std::string const& name) = 0;

    // True when entries may be created and removed.
    virtual bool IsModifyable() const = 0;

    // Iteration in dictionary order.  `from` gives the position of the entry.
    virtual BidirectionalIterator<Entry_EX> GetEntryIterator_start() = 0;
    virtual BidirectionalIterator<Entry_EX> GetEntryIterator_end() = 0;
    virtual BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) = 0;

    // A new, empty entry.
    virtual Entry_EX CreateNewEntry(std::string const& headword) = 0;
    virtual void RemoveEntry(Entry_EX const& entry) = 0;
};

// Base of every concrete dictionary representation.
class DictionaryRep_EX : public DictionaryRep_<Entry_EX> {};

// ---- Handle ----------------------------------------------------------------

template <class EntryT>
class Dictionary;

template <>
class Dictionary<Entry_EX> : public QJShared<DictionaryRep_<Entry_EX>> {
public:
    class LockingInterface_;
    class MiscelaneousDictionaryInfoInterface_;
    class InOrderDictionaryIteratorInterface_;

    // Takes a reference on the representation.
    explicit Dictionary(DictionaryRep_<Entry_EX>* rep) : QJShared(rep) {}

    // Same representation.
    bool operator==(Dictionary const& other) const { return GetRep() == other.GetRep(); }
    bool operator!=(Dictionary const& other) const { return !(*this == other); }

    unsigned short GetID() const;
    void SetID(unsigned short id);
    DomainIDSet GetDomainIDSet() const;

    // A key or prefix longer than 255 bytes finds nothing; the representation
    // is not asked.  A null key finds nothing.
    ForwardIterator<Entry_EX> Lookup(std::string const& key, MaybeAnyLongerCallback* callback) const;
    ForwardIterator<Entry_EX> Lookup(char const* key, MaybeAnyLongerCallback* callback) const;
    ForwardIterator<Entry_EX> LookupPrefix(std::string const& prefix) const;

    DictionaryInterface_* GetNamedInterface(std::string const& name) const;
    Entry_EX CreateNewEntry(std::string const& headword);
    void RemoveEntry(Entry_EX const& entry);
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() const;
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() const;
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) const;

    // The dictionary's interface of the given class, found by the class's
    // kInterfaceName, or null.  The conversion is a dynamic_cast: the part the
    // dictionary answers with need not be the object's first base.
    template <class Interface>
    Interface* GetNamedInterfaceOf() const {
        return dynamic_cast<Interface*>(GetNamedInterface(Interface::kInterfaceName));
    }

    MiscelaneousDictionaryInfoInterface_* GetMiscelaneousDictionaryInfoInterface() const;
    LockingInterface_* GetLockingInterface() const;
};

// The lock of a dictionary that lives in a file shared with other users.
// The dictionary answers its name with the DictionaryInterface_ part, which is
// the second base: only a dynamic_cast finds the whole object from it.
class Dictionary<Entry_EX>::LockingInterface_ : public SimpleFileLock_, public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "Dictionary_EJ_35UserDict_LockingInterface";
};

// Sizes and fixed values of a compiled dictionary.
class Dictionary<Entry_EX>::MiscelaneousDictionaryInfoInterface_ : public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "MiscelaneousDictionaryInfoInterface_X";
    // GetFixedPValue() when the dictionary fixes no p-value.
    static constexpr short kNoFixedPValue = -32768;

    virtual unsigned long GetEntryCount() = 0;
    virtual unsigned long GetFileSize() = 0;
    virtual bool GetModifyable() = 0;
    virtual short GetFixedPValue() const = 0;
    virtual void SetFixedPValue(short value) = 0;
    virtual bool GetFixedIdiomType() = 0;
    virtual void SetFixedIdiomType(bool fixed) = 0;
};

// Iteration in the order of a dictionary's entry groups, with positions by
// index.  Asked for by name.
class Dictionary<Entry_EX>::InOrderDictionaryIteratorInterface_ : public DictionaryInterface_ {
public:
    static constexpr char const* kInterfaceName = "InOrderDictionaryIteratorInterface";

    virtual BidirectionalIterator<Entry_EX> GetEntryIterator_start() = 0;
    virtual BidirectionalIterator<Entry_EX> GetEntryIterator_end() = 0;
    virtual BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) = 0;
    virtual unsigned long GetCount() const = 0;
    virtual BidirectionalIterator<Entry_EX> GetIthEntry(unsigned long index) = 0;
    virtual unsigned long GetIndexOf(BidirectionalIterator<Entry_EX> const& position) const = 0;
};

class Dictionary_EX : public Dictionary<Entry_EX> {
public:
    explicit Dictionary_EX(DictionaryRep_<Entry_EX>* rep) : Dictionary(rep) {}
    // Shares the other handle's representation.
    Dictionary_EX(Dictionary<Entry_EX> const& other) : Dictionary(other) {}

    // The learning interface, or null when the dictionary serves none or, with
    // inUseOnly, when its learning is switched off.
    DictionaryLearningInterface_<FinePOS_EX, Paraphrase_EX>* GetDictionaryLearningInterface(bool inUseOnly) const;

    // The word lists of the dictionary, each null when it serves none.
    CannotBeginSentInterface_* GetCannotBeginSentInterface() const;
    CannotEndSentInterface_* GetCannotEndSentInterface() const;
    CannotBeginAndEndSentInterface_* GetCannotBeginAndEndSentInterface() const;
    CanUseUpPeriodInterface_* GetCanUseUpPeriodInterface() const;
    SingleWordsWithPeriodsInterface_* GetSingleWordsWithPeriodsInterface() const;
    LowerCaseWordsInterface_* GetLowerCaseWordsInterface() const;
    GrammaticalFormWordsInterface_* GetGrammaticalFormWordsInterface() const;
    // The idioms holding punctuation, null when the dictionary serves none.
    AlmightyIdiomInterface_* GetAlmightyIdiomInterface() const;
    // The user dictionary's entry groups, null when the dictionary serves
    // none.  Defined with the interface, in the user-dictionary library.
    UDEntryGroupInterface_EX_* GetUDEntryGroupInterface() const;
};

// ---- Kinds of dictionary by number (bounds inclusive) ----------------------

template <class EntryT>
bool IsSystemDict(Dictionary<EntryT> const& dictionary) {
    unsigned short const id = dictionary.GetID();
    return id >= kMinSystemDictionaryID && id <= kMaxSystemDictionaryID;
}

template <class EntryT>
bool IsTechnicalDict(Dictionary<EntryT> const& dictionary) {
    unsigned short const id = dictionary.GetID();
    return id >= kMinTechnicalDictionaryID && id <= kMaxTechnicalDictionaryID;
}

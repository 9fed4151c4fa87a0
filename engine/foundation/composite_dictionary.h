#pragma once
// A composite dictionary: an ordered list of member dictionaries presented as
// one read-only dictionary.  A lookup yields every member's hits, member by
// member, each member's in its own order; nothing is merged, so an entry two
// members hold comes out twice.  Named word-list interfaces are merged: a
// name only one member serves is answered by that member's interface, a name
// two or more serve by an interface the composite makes over its own lookup.
//
// The members are fixed at construction and counted for the composite's
// whole life.  Operations that change or order entries are refused with
// NotSupportedOnDictionary.
#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/foundation/dictionary.h"

template <class DictionaryT>
class CompositeDictionaryRep_;

template <>
class CompositeDictionaryRep_<Dictionary_EX> : public DictionaryRep_EX {
public:
    explicit CompositeDictionaryRep_(std::vector<Dictionary_EX> const& members) : fMembers(members) {}

    std::vector<Dictionary_EX> const& GetMembers() const { return fMembers; }

    // Refused: a composite has no number of its own.
    unsigned short GetID() const override;
    void SetID(unsigned short id) override;
    // The union of the members' domains; empty without members.
    DomainIDSet GetDomainIDSet() const override;
    void SetDomainIDSet(DomainIDSet const& domains) override;

    // Every member's entries for the key, member by member.
    ForwardIterator<Entry_EX> Lookup(char const* key, unsigned long length, MaybeAnyLongerCallback* callback) override;
    // Always empty.
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override;
    // Null: the plain composite merges no interface.
    DictionaryInterface_* GetNamedInterface(std::string const& name) override;

    bool IsModifyable() const override { return false; }

    // Refused: entries of several dictionaries have no common order.
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override;
    Entry_EX CreateNewEntry(std::string const& headword) override;
    void RemoveEntry(Entry_EX const& entry) override;

private:
    [[noreturn]] void Refuse() const;

    std::vector<Dictionary_EX> fMembers;
};

// The composite that merges the members' word-list interfaces.
class CompositeDictionaryRep_EX : public CompositeDictionaryRep_<Dictionary_EX> {
public:
    // The merged interfaces, in slot order.
    static constexpr std::size_t kMergedInterfaceCount = 7;

    using CompositeDictionaryRep_<Dictionary_EX>::CompositeDictionaryRep_;

    // For a word-list name: the made interface when there is one; else null
    // when no member serves the name, the member's own interface when one
    // does, and a lookup interface over this composite, made and kept, as
    // soon as a second does.  For "AlmightyIdiomInterface_": the first
    // serving member's.  Any other name: null.
    DictionaryInterface_* GetNamedInterface(std::string const& name) override;

private:
    DictionaryInterface_* MergedInterface(std::size_t slot);
    DictionaryInterface_* FirstMemberInterface(std::string const& name) const;

    std::array<std::unique_ptr<DictionaryInterface_>, kMergedInterfaceCount> fMergedInterfaces;
};

// ---- Handles ---------------------------------------------------------------

template <class DictionaryT>
class CompositeDictionary;

template <>
class CompositeDictionary<Dictionary_EX> : public Dictionary_EX {
public:
    // Takes a reference on the representation.
    explicit CompositeDictionary(CompositeDictionaryRep_<Dictionary_EX>* rep) : Dictionary_EX(rep) {}

    // The dictionaries the iterator yields, in order.
    static std::vector<Dictionary_EX> mkDictVector(ForwardIterator<Dictionary_EX> dictionaries);
};

class CompositeDictionary_EX : public CompositeDictionary<Dictionary_EX> {
public:
    // Without members.
    CompositeDictionary_EX();
    explicit CompositeDictionary_EX(std::vector<Dictionary_EX> const& members);
    explicit CompositeDictionary_EX(ForwardIterator<Dictionary_EX> const& members);
    explicit CompositeDictionary_EX(CompositeDictionaryRep_EX* rep) : CompositeDictionary(rep) {}
};

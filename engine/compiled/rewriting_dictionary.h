#pragma once
// The rewriting dictionary: wraps one dictionary and answers a lookup with the
// wrapped dictionary's entries for the string and for its rewrites (escape
// words resolved, hyphens joined or spaced, affixes stripped, respellings,
// case tolerated).  The rule sets are applied in list order, one choice from
// each, depth first, the plain string first; each fully rewritten string is
// looked up in the wrapped dictionary and every entry found passes the
// acceptors of the path, which may turn it into a fresh entry of the
// rewriting dictionary's own temporary dictionary.  Such entries report the
// wrapped dictionary's number.
//
// Read-only: changing operations and entry enumeration are refused with
// NotSupportedOnDictionary.
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "engine/compiled/rewriting_rule_list.h"
#include "engine/compiled/rule_set.h"
#include "engine/foundation/dictionary.h"
#include "engine/foundation/entry.h"

template <class EntryT>
struct MapEntryCompare;

// Orders entries by their representation's address: handles on one
// representation are the same entry.
template <>
struct MapEntryCompare<Entry_EX> {
    bool operator()(Entry_EX const& a, Entry_EX const& b) const;
};

template <class DictionaryT>
class RewritingDictionaryRep_;

template <>
class RewritingDictionaryRep_<Dictionary_EX> : public DictionaryRep_EX {
public:
    class EntryResultIteratorRep;
    // Rewritten entry to the wrapped dictionary's entry it was made from.
    // Shared with the result iterators, so that switching mapping off while
    // one lives is safe: it then records into a map nobody reads.
    using ReverseMap = std::map<Entry_EX, Entry_EX, MapEntryCompare<Entry_EX>>;

    RewritingDictionaryRep_(Dictionary_EX const& wrapped, std::vector<RuleSet<Entry_EX>> const& ruleSets);

    // On: starts an empty map unless one exists.  Off: drops the map.
    void SetAllowReverseEntryMapping(bool allow);
    bool GetAllowReverseEntryMapping() const { return fReverseMap != nullptr; }
    // Whether the entry is the wrapped dictionary's or one this dictionary
    // made (also before PurgeRewrittenEntries).
    bool IsFromDict(Entry_EX const& entry) const;
    // The entry a rewritten entry was made from.  Every other entry (one of
    // the wrapped dictionary, one never recorded, any entry while mapping is
    // off) is its own original.
    Entry_EX MapToOriginal(Entry_EX const& entry) const;
    // Later rewritten entries go to a new, empty temporary dictionary.
    void PurgeRewrittenEntries();

    Dictionary_EX const& GetWrappedDictionary() const { return fWrapped; }
    std::vector<RuleSet<Entry_EX>> const& GetRuleSets() const { return fRuleSets; }

    // The wrapped dictionary's.
    unsigned short GetID() const override;
    DomainIDSet GetDomainIDSet() const override;
    // Entries for the text and its rewrites.  A text over 255 bytes finds
    // nothing: no rewrite of it would fit a key.
    ForwardIterator<Entry_EX> Lookup(char const* text, unsigned long length, MaybeAnyLongerCallback* callback) override;
    // None here; the engine's rewriting dictionary serves some.
    DictionaryInterface_* GetNamedInterface(std::string const& name) override;
    bool IsModifyable() const override { return false; }

    // Refused.
    void SetID(unsigned short id) override;
    void SetDomainIDSet(DomainIDSet const& domains) override;
    ForwardIterator<Entry_EX> LookupByPrefix(std::string const& prefix) override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_start() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_end() override;
    BidirectionalIterator<Entry_EX> GetEntryIterator_from(Entry_EX const& entry) override;
    Entry_EX CreateNewEntry(std::string const& headword) override;
    void RemoveEntry(Entry_EX const& entry) override;

private:
    [[noreturn]] void Refuse() const;
    // A new, empty temporary dictionary with the wrapped dictionary's number.
    Dictionary_EX MakeTemporary() const;

    Dictionary_EX fWrapped;
    Dictionary_EX fTemporary;
    std::vector<RuleSet<Entry_EX>> fRuleSets;
    std::shared_ptr<ReverseMap> fReverseMap;
    // Temporary dictionaries replaced by PurgeRewrittenEntries: entries handed
    // out earlier name their dictionary, so it must outlive them.
    std::vector<Dictionary_EX> fRetiredTemporaries;
};

// The representation of the engine's rewriting dictionary: the rule sets of
// the wrapped dictionary's kind, and the word lists answered through
// rewritten lookups.
class RewritingDictionary_EX_Rep : public RewritingDictionaryRep_<Dictionary_EX> {
public:
    // The interfaces made over this representation, in slot order.
    static constexpr std::size_t kOwnInterfaceCount = 5;

    RewritingDictionary_EX_Rep(Dictionary_EX const& wrapped, RewriteRuleSetMakers const& makers);

    // The rule sets for the wrapped dictionary's kind, in the order applied:
    // the escape words for a user dictionary or the first-word suffixes for a
    // technical one (a system dictionary gets neither), then hyphens,
    // prefixes, morphology, suffixes and case matching.
    static std::vector<RuleSet<Entry_EX>> mkEXRewriteRulesVector(Dictionary_EX const& wrapped,
                                                                 RewriteRuleSetMakers const& makers);

    // No learning interface: nothing is learnt through rewritten readings.
    // The lower-case, cannot-begin, cannot-end, can-use-up-period and
    // single-words-with-periods lists: this representation's own lookup
    // interface, made on the first request.  Any other name: the wrapped
    // dictionary's.
    DictionaryInterface_* GetNamedInterface(std::string const& name) override;

private:
    std::array<std::unique_ptr<DictionaryInterface_>, kOwnInterfaceCount> fOwnInterfaces;
};

// ---- Handles ---------------------------------------------------------------

template <class DictionaryT>
class RewritingDictionary;

template <>
class RewritingDictionary<Dictionary_EX> : public Dictionary_EX {
public:
    // Takes a reference on the representation.
    explicit RewritingDictionary(RewritingDictionaryRep_<Dictionary_EX>* rep) : Dictionary_EX(rep) {}
    // Shares the handle's representation; GetRep() tells whether it is one.
    explicit RewritingDictionary(Dictionary_EX const& handle) : Dictionary_EX(handle) {}

    // Throws std::bad_cast when the handle holds another kind of dictionary.
    RewritingDictionaryRep_<Dictionary_EX>* GetRep() const;
};

class RewritingDictionary_EX : public RewritingDictionary<Dictionary_EX> {
public:
    // With the engine's rule sets for the wrapped dictionary's kind.
    explicit RewritingDictionary_EX(Dictionary_EX const& wrapped);
    RewritingDictionary_EX(Dictionary_EX const& wrapped, RewriteRuleSetMakers const& makers);

    void PurgeRewrittenEntries() { GetRep()->PurgeRewrittenEntries(); }
};

#pragma once
// One composite dictionary over several dictionaries, each wrapped in its own
// rewriting dictionary, so that one lookup searches them all with rewriting.
// Entries it hands out can be mapped back to the dictionary entries they were
// made from (alternate translations reach the real entries that way).
#include <vector>

#include "engine/foundation/composite_dictionary.h"

class RewritingCompositeDictionaryRep_XX : public CompositeDictionaryRep_EX {
public:
    // Each dictionary wrapped in a new RewritingDictionary_EX, in order;
    // reverse mapping off.
    explicit RewritingCompositeDictionaryRep_XX(std::vector<Dictionary_EX> const& dictionaries);

    // The rewriting dictionaries over the given ones, in order.
    static std::vector<Dictionary_EX> mkRewritingDictVector(std::vector<Dictionary_EX> const& dictionaries);

    // Stored and passed to every member.
    void SetAllowReverseEntryMapping(bool allow);
    bool GetAllowReverseEntryMapping() const { return fAllowReverseMapping; }

    // The original of an entry, mapped by the first member it comes from.
    // An entry of no member (a per-sentence or missing-word entry) is its own
    // original, so callers can map every reading they hold.
    Entry_EX MapToOriginal(Entry_EX const& entry) const;
    // Every entry the iterator yields, mapped, in order.
    ForwardIterator<Entry_EX> MapToOriginal(ForwardIterator<Entry_EX> const& entries) const;

private:
    bool fAllowReverseMapping = false;
};

class RewritingCompositeDictionary_XX : public CompositeDictionary_EX {
public:
    explicit RewritingCompositeDictionary_XX(std::vector<Dictionary_EX> const& dictionaries);

    // Throws std::bad_cast when the handle holds another kind of dictionary.
    RewritingCompositeDictionaryRep_XX* GetRep() const;
};

// One composite dictionary over the dictionaries, each wrapped in its own
// rewriting dictionary, in order; without the reverse mapping.
CompositeDictionary_EX mkRewritingCompositeDictionary(std::vector<Dictionary_EX> const& dictionaries);

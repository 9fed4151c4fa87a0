#pragma once
// The result iterator of a rewriting dictionary's lookup: a depth-first walk
// over the choices of the rule sets, holding one path at a time.  Each frame
// is one rule set's results for the text chosen above it; when every rule set
// has made its choice, the chosen text is looked up in the wrapped dictionary
// and each entry found goes through the acceptors of the path, deepest first.
//
// The iterator holds its own handles on both dictionaries and the rule sets,
// so it stays usable after the dictionary handle that made it is gone.
#include <cstddef>
#include <memory>
#include <vector>

#include "engine/compiled/rewriting_dictionary.h"
#include "engine/foundation/can_be_null.h"

class RewritingDictionaryRep_<Dictionary_EX>::EntryResultIteratorRep : public ForwardIteratorRep_<Entry_EX> {
public:
    // Positioned at the first result for the text's `length` bytes (at most
    // RuleApplicationResult's limit).
    EntryResultIteratorRep(Dictionary_EX const& wrapped, Dictionary_EX const& temporary,
                           std::vector<RuleSet<Entry_EX>> const& ruleSets, std::shared_ptr<ReverseMap> reverseMap,
                           MaybeAnyLongerCallback* callback, char const* text, unsigned long length);

    // A full copy; iterators inside are copy-on-write, so the copy and this
    // one then advance independently.
    EntryResultIteratorRep* Clone() const override;
    Entry_EX Current() const override;
    void GoForward() override;
    // Never equal: two walks are not comparable positions.
    bool Equal(ForwardIteratorRep_<Entry_EX> const& other) const override;
    bool IsAtEnd() const override;

private:
    // One rule set's results for the text chosen above, and the result taken.
    struct Frame {
        explicit Frame(ForwardIterator<RuleApplicationResult<Entry_EX>> const& results) : fResults(results) {}

        ForwardIterator<RuleApplicationResult<Entry_EX>> fResults;
        // Kept so that its acceptor, once made private, serves every entry
        // found below it.
        CanBeNull<RuleApplicationResult<Entry_EX>> fTaken;
    };

    void FindNext();
    RuleApplicationResult<Entry_EX>& TakeCurrent(Frame& frame);
    void AdvanceTop();
    // Runs the path's acceptors on *entry; on success it may have been
    // replaced.
    bool AcceptOnPath(Entry_EX* entry);
    void Record(Entry_EX const& rewritten, Entry_EX const& original);

    Dictionary_EX fWrapped;
    Dictionary_EX fTemporary;
    std::vector<RuleSet<Entry_EX>> fRuleSets;
    // Number of rule sets applied on the current path; fFrames holds one more
    // frame than that, the deepest at the back.
    std::size_t fDepth = 0;
    std::vector<Frame> fFrames;
    // The wrapped dictionary's entries for the fully rewritten text.
    CanBeNull<ForwardIterator<Entry_EX>> fLookup;
    CanBeNull<Entry_EX> fCurrent;
    std::shared_ptr<ReverseMap> fReverseMap;
    MaybeAnyLongerCallback* fCallback;
};

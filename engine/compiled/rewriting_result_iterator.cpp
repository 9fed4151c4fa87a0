#include "engine/compiled/rewriting_result_iterator.h"

#include <string>

using EntryResultIteratorRep = RewritingDictionaryRep_<Dictionary_EX>::EntryResultIteratorRep;

EntryResultIteratorRep::EntryResultIteratorRep(Dictionary_EX const& wrapped, Dictionary_EX const& temporary,
                                               std::vector<RuleSet<Entry_EX>> const& ruleSets,
                                               std::shared_ptr<ReverseMap> reverseMap, MaybeAnyLongerCallback* callback,
                                               char const* text, unsigned long length)
    : fWrapped(wrapped),
      fTemporary(temporary),
      fRuleSets(ruleSets),
      fReverseMap(std::move(reverseMap)),
      fCallback(callback) {
    fFrames.reserve(fRuleSets.size() + 1);
    fFrames.emplace_back(SingleEltForwardIterator<RuleApplicationResult<Entry_EX>>(
        RuleApplicationResult<Entry_EX>(std::string(text, length))));
    FindNext();
}

EntryResultIteratorRep* EntryResultIteratorRep::Clone() const { return new EntryResultIteratorRep(*this); }

Entry_EX EntryResultIteratorRep::Current() const { return fCurrent.Get(); }

void EntryResultIteratorRep::GoForward() {
    fCurrent.Clear();
    FindNext();
}

bool EntryResultIteratorRep::Equal(ForwardIteratorRep_<Entry_EX> const& /*other*/) const { return false; }

bool EntryResultIteratorRep::IsAtEnd() const { return fCurrent.IsNull(); }

void EntryResultIteratorRep::FindNext() {
    for (;;) {
        if (!fLookup.IsNull()) {
            ForwardIterator<Entry_EX>& found = fLookup.Get();
            if (found.IsAtEnd()) {
                fLookup.Clear();
                AdvanceTop();
                continue;
            }
            Entry_EX entry = *found;
            ++found;
            if (AcceptOnPath(&entry)) {
                fCurrent.Set(entry);
                return;
            }
            continue;
        }

        Frame& top = fFrames.back();
        if (!top.fResults.IsAtEnd()) {
            char const* const text = TakeCurrent(top).GetText();
            if (fDepth == fRuleSets.size()) {
                fLookup.Set(fWrapped.Lookup(text, fCallback));
            } else {
                // Copied first: growing the stack moves the frames.
                std::string const chosen(text);
                fFrames.emplace_back(fRuleSets[fDepth].ApplyRule(chosen.c_str(), fCallback));
                ++fDepth;
            }
            continue;
        }

        if (fDepth == 0) return;  // every path walked
        fFrames.pop_back();
        --fDepth;
        AdvanceTop();
    }
}

RuleApplicationResult<Entry_EX>& EntryResultIteratorRep::TakeCurrent(Frame& frame) {
    if (frame.fTaken.IsNull()) frame.fTaken.Set(*frame.fResults);
    return frame.fTaken.Get();
}

void EntryResultIteratorRep::AdvanceTop() {
    Frame& top = fFrames.back();
    top.fTaken.Clear();
    ++top.fResults;
}

bool EntryResultIteratorRep::AcceptOnPath(Entry_EX* entry) {
    Entry_EX const original = *entry;
    // Entries the acceptors made on the way, removed again on refusal.
    std::vector<Entry_EX> made;
    for (auto frame = fFrames.rbegin(); frame != fFrames.rend(); ++frame) {
        Entry_EX const before = *entry;
        bool const accepted = frame->fTaken.Get().GetAcceptor().Accept(entry, fTemporary);
        if (*entry != before) made.push_back(*entry);
        if (!accepted) {
            for (Entry_EX const& discarded : made) DiscardRewrittenEntry(discarded, fTemporary);
            return false;
        }
    }
    for (auto frame = fFrames.rbegin(); frame != fFrames.rend(); ++frame)
        frame->fTaken.Get().GetAcceptor().NotifyAccepted();
    if (fReverseMap && *entry != original) Record(*entry, original);
    return true;
}

void EntryResultIteratorRep::Record(Entry_EX const& rewritten, Entry_EX const& original) {
    // The first original recorded for an entry stays.
    fReverseMap->emplace(rewritten, original);
}

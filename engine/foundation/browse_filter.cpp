#include "engine/foundation/browse_filter.h"

#include <algorithm>
#include <vector>

#include "engine/foundation/browse_filter_pos_lists.h"
#include "engine/foundation/english_pos_classes.h"
#include "engine/foundation/name_tables.h"
#include "engine/foundation/shallow_clone.h"
#include "engine/foundation/sjis_convert.h"

namespace {

// Phrases of this many words or more are shown only for the parts of speech
// free of the word limit.
constexpr unsigned long kWordLimit = 3;

}  // namespace

BrowseFilter::BrowseFilter() = default;

void BrowseFilter::Reset() { fCopies = Dictionary_EX_Temporary(); }

unsigned long BrowseFilter::CountWords(std::string const& text) {
    return static_cast<unsigned long>(std::count(text.begin(), text.end(), ' ')) + 1;
}

bool BrowseFilter::ShowableFinePOS(FinePOS_EX const& finePOS, unsigned long wordCount) {
    if (finePOS.GetHidden()) return false;
    POS_E_Source const pos = finePOS.GetFinePOS();
    // Codes past the name table have no name (and must not be read there).
    if (pos >= kE_Source_POSNameCount) return false;
    if (kViewablePOSSet().count(MapSJISTowstring(EnglishPOSName(pos))) == 0) return false;
    return kNoWordLimitPOSSet().count(pos) != 0 || wordCount < kWordLimit;
}

CanBeNull<Entry_EX> BrowseFilter::FilterEntryIfNecessary(Entry_EX const& entry) {
    if (!IsSystemDict(entry.GetDictionary())) return entry;
    unsigned long const wordCount = CountWords(entry.GetSrcText());
    bool anyShown = false;
    bool anyHidden = false;
    for (ForwardIterator<FinePOS_EX> fp = entry.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
        (ShowableFinePOS(*fp, wordCount) ? anyShown : anyHidden) = true;
    }
    if (!anyShown) return CanBeNull<Entry_EX>();
    if (!anyHidden) return entry;
    return MakeFilteredCopy(entry, wordCount);
}

// Cloned in the source's order; the temporary dictionary puts each new fine
// part of speech and paraphrase in front of those already there, so the copy
// lists them the other way round.
Entry_EX BrowseFilter::MakeFilteredCopy(Entry_EX const& source, unsigned long wordCount) {
    Entry_EX copy = fCopies.CreateNewEntry(source.GetSrcText());
    for (ForwardIterator<FinePOS_EX> fp = source.GetFinePOSIterator(); !fp.IsAtEnd(); ++fp) {
        if (!ShowableFinePOS(*fp, wordCount)) continue;
        FinePOS_EX const cloned = ShallowCloneFinePOS(*fp, copy);
        for (ForwardIterator<Paraphrase_EX> pp = (*fp).GetParaphraseIterator(); !pp.IsAtEnd(); ++pp)
            ShallowCloneParaphrase(*fp, *pp, cloned);
    }
    return copy;
}

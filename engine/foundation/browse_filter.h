#pragma once
// Decides which readings of a dictionary entry a user may browse.  Readings
// internal to the translation engine stay out of sight: hidden fine parts of
// speech, parts of speech outside the viewable list, and (for most parts of
// speech) phrases of three words or more.
//
// Only system-dictionary entries are filtered.  An entry with some readings
// to hide is answered with a copy holding the others, made in the filter's
// own temporary dictionary; the copy lists its readings in the source's
// order.
#include <string>

#include "engine/foundation/can_be_null.h"
#include "engine/foundation/entry.h"
#include "engine/foundation/temporary_dictionary.h"

class BrowseFilter {
public:
    // A filter with an empty dictionary of copies.
    BrowseFilter();

    // Starts a new, empty dictionary of copies.  Copies handed out earlier
    // stay valid while their holders keep them and the old dictionary lives.
    void Reset();

    // The entry itself, a filtered copy, or nothing when no reading is
    // showable.
    CanBeNull<Entry_EX> FilterEntryIfNecessary(Entry_EX const& entry);

    // The number of blanks (0x20) in text plus 1.
    static unsigned long CountWords(std::string const& text);

    // Not hidden, named in the viewable list, and either free of the word
    // limit ("N", "PRN") or of fewer than three words.  A code outside the
    // part-of-speech name table is never showable.
    static bool ShowableFinePOS(FinePOS_EX const& finePOS, unsigned long wordCount);

private:
    Entry_EX MakeFilteredCopy(Entry_EX const& source, unsigned long wordCount);

    Dictionary_EX_Temporary fCopies;
};

#pragma once
// Other spellings of a word that was not found as written: British and
// variant spellings ("colour"/"color", "realise"/"realize",
// "travelling"/"traveling") and words with letters drawn out for emphasis
// ("soooo").  The lookup tries each candidate it is given.
#include "engine/foundation/dictionary.h"

class E_Source_Morphology_Rewriter {
public:
    // Receives the candidates, one call each.
    class Output {
    public:
        virtual void PerformOutputs(char const* rewrite) = 0;
        virtual ~Output() = default;
    };

    // Gives out every candidate spelling of word, in order: word-internal
    // variants, suffix variants, drawn-out letters shortened.  With a
    // callback, a busy lookup gets none: a speed above 79, or above 29 for a
    // text of more than two words.  Words with at most one candidate are
    // remembered process-wide, so asking again gives the same answer at the
    // cost of one comparison.  Each candidate made afresh is traced to
    // dictlookdump when it is set.
    static void Rewrite(char const* word, Output& out, MaybeAnyLongerCallback* callback);
};

#pragma once
// The headline of a printed reading: the base form, its label, and the
// inflected forms, alternative spellings of a kind in brackets and kinds
// apart by semicolons ("run (v) [=runn]; ran; running"; with no
// alternative spelling "run (v) ran; running").
#include <string>
#include <vector>

#include "engine/foundation/entry.h"
#include "engine/userdict/paper_formatter_readings.h"

// One form in a headline.
struct PAPER_INFL {
    PaperInflectType inflectType = kInflectOther;
    long subType = 0;
    bool isBase = false;  // the base form itself
    std::string text;
};

// The base form first, then by inflection type, then by sub-type.
struct PAPER_INFL_CompFunc {
    bool operator()(PAPER_INFL const& a, PAPER_INFL const& b) const;
};

// The forms of base's family that are not hidden, base first, in the order
// the entry lists them.
std::vector<PAPER_INFL> GatherPaperForms(FinePOS_EX const& base);

// The headline of the forms (sorted here, stably) with the label.  With no
// forms at all (every one hidden) the headword stands in for them.
std::string MakeHeadline(std::vector<PAPER_INFL> forms, std::string const& label, std::string const& headword);

#pragma once
// Matching a word of the text against a dictionary headword, and the
// optional trace of lookups.
#include <cstdio>
#include <string>

// Where lookup traces go; none (null) unless a caller sets it.  The stream
// belongs to whoever sets it.
extern FILE* dictlookdump;

// Whether the text matches the dictionary string: the same length in bytes,
// every double-byte character equal, every single byte equal or an ASCII
// capital in the text whose lower-case form is in the dictionary.  A capital
// that does not match exactly is forgiven, except in an acronym plural: a
// text of 3 to 6 bytes, all capitals before a final "s" ("CDs" is not
// "cds").  Each decision is traced to dictlookdump when it is set.
bool Linguistics_E_Source_LookupStringMatcher(char const* text, char const* textEnd, char const* dict,
                                              char const* dictEnd);
bool Linguistics_E_Source_LookupStringMatcher(char const* text, char const* dict);
bool Linguistics_E_Source_LookupStringMatcher(std::string const& text, std::string const& dict);

// Whether the first words of a and b are equal, a capital of a also matching
// its lower-case form in b, double-byte characters exactly; a word ends at a
// NUL, blank or tab, and both must end at the same place.
bool WordMatch(char const* a, char const* b);

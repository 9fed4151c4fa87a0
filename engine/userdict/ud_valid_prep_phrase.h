#pragma once
// Whether a prepositional phrase begins with a preposition.
#include <string>

// The phrase's first word is its bytes up to the first ASCII white space; true
// when that word is exactly (case counts) one of the prepositions of
// kMiscList.
bool UDValidPrepPhrase(std::string const& phrase);

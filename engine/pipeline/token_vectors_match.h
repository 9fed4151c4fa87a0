#pragma once
// Comparison of two token lists by what the tokens say, not by their serials.
#include <vector>

#include "engine/foundation/token.h"

class TokenStringDatabase;

// Same length and, position by position, the same type, text on both sides
// or on neither, and equal texts (case counts).  A null store means no token
// has text.
bool TokenVectorsMatch(TokenStringDatabase const* strings, std::vector<Token> const& a, std::vector<Token> const& b);

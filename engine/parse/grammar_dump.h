#pragma once
// The compiled grammar as text, for a person to review: the table sizes,
// and the whole decompiled grammar in the form tools/gen_grammar_tables.py
// writes to engine/parse/grammar.dump (and reads back).
#include <string>

std::string GrammarSizes();
std::string GrammarDump();

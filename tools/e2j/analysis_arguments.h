#pragma once
// What the subcommands that show the analysis (words, parse, tree) share:
// the names of grammar categories and the arguments they take.
#include <string>

#include "engine/parse/pos_setting.h"

// The grammar's name of a category; "~N" for one made by splitting a rule.
std::string CategoryName(unsigned category);

// A whole number from `least` to `most` given to `option` of `subcommand`;
// a UsageError naming both otherwise.
unsigned NumberArgument(std::string const& text, unsigned least, unsigned most, std::string const& subcommand,
                        std::string const& option);

// A part-of-speech setting given as FLAGS:START-END (byte offsets in the
// sentence): FLAGS a code in decimal or 0x-hex or a letter A to E, a
// trailing "L" adding the literal mark.  A UsageError otherwise.
POS_SETTING ParseSetting(std::string const& text, std::string const& subcommand);

#pragma once
// What the subcommands that show the analysis (parse, tree) share: the
// names of grammar categories and the numeric arguments they take.
#include <string>

// The grammar's name of a category; "~N" for one made by splitting a rule.
std::string CategoryName(unsigned category);

// A whole number from `least` to `most` given to `option` of `subcommand`;
// a UsageError naming both otherwise.
unsigned NumberArgument(std::string const& text, unsigned least, unsigned most, std::string const& subcommand,
                        std::string const& option);

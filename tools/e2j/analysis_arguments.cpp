#include "tools/e2j/analysis_arguments.h"

#include "engine/foundation/name_tables.h"
#include "engine/parse/grammar_tables.h"
#include "tools/e2j/subcommands.h"

std::string CategoryName(unsigned category) {
    if (category < kE_Source_POSNameCount && category < kFirstTemporaryCategory) return kE_Source_POSNames()[category];
    return "~" + std::to_string(category);
}

unsigned NumberArgument(std::string const& text, unsigned least, unsigned most, std::string const& subcommand,
                        std::string const& option) {
    bool const digits = !text.empty() && text.size() <= 5 && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || std::stoul(text) < least || std::stoul(text) > most)
        throw UsageError(subcommand + ": " + option + " takes " + std::to_string(least) + " to " +
                         std::to_string(most) + ", not '" + text + "'");
    return static_cast<unsigned>(std::stoul(text));
}

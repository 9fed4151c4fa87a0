#include "tools/e2j/analysis_arguments.h"

#include <cstdlib>

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

// FLAGS: a code in decimal or 0x-hex, or a letter A to E; a trailing "L"
// adds the literal mark.
POS_SETTING ParseSetting(std::string const& text, std::string const& subcommand) {
    auto const refuse = [&]() -> POS_SETTING {
        throw UsageError(subcommand + ": --setpos takes FLAGS:START-END (FLAGS a code, A-E, with L for literal), not '" + text +
                         "'");
    };
    std::size_t const colon = text.find(':');
    std::size_t const dash = text.find('-', colon == std::string::npos ? 0 : colon);
    if (colon == std::string::npos || colon == 0 || dash == std::string::npos) return refuse();
    std::string flags = text.substr(0, colon);
    POS_SETTING setting;
    if (flags.size() > 1 && flags.back() == 'L') {
        setting.code = POS_SETTING::kLiteralMark;
        flags.pop_back();
    }
    auto const number = [&](std::string const& digits, unsigned long limit) -> unsigned long {
        if (digits.empty() || digits.find_first_not_of("0123456789abcdefABCDEFx") != std::string::npos) refuse();
        char* end = nullptr;
        unsigned long const value = std::strtoul(digits.c_str(), &end, 0);
        if (*end != 0 || value > limit) refuse();
        return value;
    };
    if (flags.size() == 1 && flags[0] >= 'A' && flags[0] <= 'E')
        setting.code |= static_cast<uint16_t>(flags[0]);
    else
        setting.code |= static_cast<uint16_t>(number(flags, 0xFFFF));
    setting.start = static_cast<uint16_t>(number(text.substr(colon + 1, dash - colon - 1), 0xFFFF));
    setting.end = static_cast<uint16_t>(number(text.substr(dash + 1), 0xFFFF));
    return setting;
}

// e2j: the translation side of the engine shown to a person, one subcommand
// per stage.  The shared options may stand anywhere before a "--".
#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/e2j/subcommands.h"

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: e2j [--sjis] [--style 0|1|2] [--dict FILE]... [--trace] [SUBCOMMAND] [ARGUMENTS]\n"
           "  --sjis        read and write raw Shift-JIS instead of UTF-8\n"
           "  --style N     0 plain, 1 polite (the default), 2 written\n"
           "  --dict FILE   add a dictionary (repeatable); without, the core lexicon\n"
           "  --trace       print the stages a run passes through\n"
           "subcommands:\n";
    for (Subcommand const& subcommand : Subcommands())
        out << "  " << subcommand.name << " " << subcommand.usage << "\n      " << subcommand.summary << "\n";
}

// The value of a valued option, given as "--name VALUE" or "--name=VALUE".
std::string OptionValue(std::vector<std::string> const& arguments, std::size_t& i, std::string const& name) {
    std::string const& argument = arguments[i];
    if (argument.size() > name.size()) return argument.substr(name.size() + 1);
    if (i + 1 == arguments.size()) throw UsageError(name + " needs a value");
    return arguments[++i];
}

bool IsOption(std::string const& argument, std::string const& name) {
    return argument == name || argument.rfind(name + "=", 0) == 0;
}

int StyleValue(std::string const& text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '2')
        throw UsageError("--style takes 0, 1 or 2, not '" + text + "'");
    return text[0] - '0';
}

// What e2j does when no subcommand is named: translate the text given, or
// standard input.
constexpr char kDefaultSubcommand[] = "translate";

struct CommandLine {
    E2jOptions options;
    Subcommand const* subcommand = nullptr;
    std::vector<std::string> arguments;
    bool help = false;
};

CommandLine ParseCommandLine(std::vector<std::string> const& arguments) {
    CommandLine line;
    std::size_t i = 0;
    for (; i < arguments.size() && arguments[i] != "--"; ++i) {
        std::string const& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            line.help = true;
        else if (argument == "--sjis")
            line.options.sjis = true;
        else if (argument == "--trace")
            line.options.trace = true;
        else if (IsOption(argument, "--style"))
            line.options.style = StyleValue(OptionValue(arguments, i, "--style"));
        else if (IsOption(argument, "--dict"))
            line.options.dictionaries.push_back(OptionValue(arguments, i, "--dict"));
        else if (line.subcommand != nullptr)
            line.arguments.push_back(argument);
        else if (argument.rfind("-", 0) == 0)
            throw UsageError("unknown option '" + argument + "'");
        else if ((line.subcommand = FindSubcommand(argument)) == nullptr) {
            // Text that names no subcommand is English to translate.
            line.subcommand = FindSubcommand(kDefaultSubcommand);
            line.arguments.push_back(argument);
        }
    }
    line.arguments.insert(line.arguments.end(), arguments.begin() + i, arguments.end());
    if (line.subcommand == nullptr && !line.help) line.subcommand = FindSubcommand(kDefaultSubcommand);
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> const arguments(argv + 1, argv + argc);
    try {
        CommandLine line = ParseCommandLine(arguments);
        if (line.help) {
            PrintUsage(std::cout);
            return kExitOk;
        }
        Invocation invocation{line.options, std::move(line.arguments), std::cout, std::cerr};
        int const status = line.subcommand->run(invocation);
        std::cout.flush();
        return status;
    } catch (UsageError const& error) {
        std::cerr << "e2j: " << error.what() << "\n";
        PrintUsage(std::cerr);
        return kExitUsage;
    } catch (std::exception const& error) {
        std::cerr << "e2j: " << error.what() << "\n";
        return kExitFailure;
    }
}

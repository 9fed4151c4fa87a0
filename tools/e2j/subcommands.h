#pragma once
// The e2j tool's subcommands: one per stage of the translation side, each in
// a file of its own and listed once in the table in subcommands.cpp.
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

// Exit statuses: the run succeeded, it failed, or it was asked wrongly.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A mistake in the command line: main prints it with the usage and exits 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Politeness codes of the three styles: plain, polite (the default), written.
constexpr int kPlainStyle = 21;
constexpr int kPoliteStyle = 22;
constexpr int kWrittenStyle = 23;

// The options every subcommand shares, and where it writes.
struct E2jOptions {
    bool sjis = false;  // raw Shift-JIS in and out instead of UTF-8
    int style = 1;      // 0 plain, 1 polite, 2 written
    std::vector<std::string> dictionaries;
    bool trace = false;  // print the stages a run passes through

    int Politeness() const { return kPlainStyle + style; }
};

struct Invocation {
    E2jOptions const& options;
    // After the subcommand's name, the shared options taken out; a "--" and
    // every argument after it are passed on as they stand.
    std::vector<std::string> arguments;
    std::ostream& out;
    std::ostream& err;
};

struct Subcommand {
    char const* name;
    char const* usage;    // its arguments, for the usage text
    char const* summary;  // one line
    int (*run)(Invocation& invocation);
};

// Every subcommand, in the order the usage lists them.
std::vector<Subcommand> const& Subcommands();
Subcommand const* FindSubcommand(std::string const& name);

// The usage error for an argument a subcommand does not take.
[[noreturn]] void RefuseArgument(std::string const& subcommand, std::string const& argument);

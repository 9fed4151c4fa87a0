#pragma once
// Drives e2j translate from the sentence tables: each English sentence with
// the exact Japanese it must give in plain and in polite style.
#include <gtest/gtest.h>

#include <string>

#include "run_command.h"

// The text as one shell word, apostrophes and all.
inline std::string ShellQuoted(std::string const& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// e2j with these arguments (shell words), its standard output alone.
inline CommandOutcome E2jStdout(std::string const& arguments) { return RunTool("e2j", arguments); }

struct StyledTranslation {
    char const* english;
    char const* plain;
    char const* polite;
};

template <std::size_t N>
void ExpectPlainAndPolite(StyledTranslation const (&cases)[N]) {
    for (StyledTranslation const& c : cases) {
        std::string const english = ShellQuoted(c.english);
        EXPECT_EQ(E2jStdout("translate --style 0 " + english).output, c.plain) << c.english;
        EXPECT_EQ(E2jStdout("translate " + english).output, c.polite) << c.english;
    }
}

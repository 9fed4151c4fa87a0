// e2j translate and e2j facade: the translation facade as a person drives it.
#include <gtest/gtest.h>

#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "compiled/compiled_test_support.h"
#include "engine/userdict/ud_create.h"
#include "run_command.h"
#include "support/scratch_folder.h"

namespace {

CommandOutcome Shell(std::string command) {
    command.replace(command.find("e2j "), 4, TOOLS_DIR "/e2j ");
    return RunCommand(command + " 2>/dev/null");
}

TEST(E2jFacade, TranslateRunsTheNormalRoad) {
    // Sentences with a word over 80 characters pass through untranslated,
    // which shows the road itself whatever the engine makes of the English.
    std::string const word(81, 'x');
    struct {
        std::string command;
        int exitCode;
        std::string output;
    } const cases[] = {
        {"e2j translate 'It rains " + word + ". It pours " + word + ".'", 0,
         "It rains " + word + ". It pours " + word + "."},
        {"printf '' | e2j translate", 0, ""},
        {"e2j --sjis translate \"$(printf 'Hi \\200there " + word + ".')\"", 0, "Hi ?there " + word + "."},
        {"e2j translate --stop-after 1 'It rains. It pours.'", 2, ""},
        {"e2j translate --post-info 'It rains " + word + ".'", 0, "It rains " + word + ".\n"},
        {"e2j --dict /nonexistent/dictionary translate 'It rains.'", 1, ""},
        {"e2j translate --stop-after 0 x", 2, ""},
        {"e2j translate --glossary dog=\u72AC --post-info 'The dog runs " + word + ".'", 0,
         "The \u72AC runs " + word + ".\nsrc 4+3 -> tgt 4+2 dict 30001\n"},
        {"e2j translate --glossary dog 'The dog runs.'", 2, ""},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = Shell(c.command);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.command;
        EXPECT_EQ(outcome.output, c.output) << c.command;
    }
}

TEST(E2jFacade, FacadeAnswersItsOptionsAndDictionaryOperations) {
    ScratchFolder folder("e2j_facade");
    std::string const text = folder / "notes.txt";
    WriteWholeFile(text, "not a dictionary\n");
    struct {
        std::string arguments;
        std::string output;
    } const cases[] = {
        {"--set-style 7 --get-style", "3\n"},
        {"--set-speed 150 --get-speed --set-speed -5 --get-speed", "100\n0\n"},
        {"--set-they 3 --get-they --set-numeric 9 --get-numeric", "3\n3\n"},
        {"--add-sys " + text + " --add-user " + text + " --add-user " + folder / "missing.ud", "0\n0\n-1\n"},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = Shell("e2j facade " + c.arguments);
        EXPECT_EQ(outcome.exitCode, 0) << c.arguments;
        EXPECT_EQ(outcome.output, c.output) << c.arguments;
    }
    EXPECT_EQ(Shell("e2j facade --set-style").exitCode, 2);
    EXPECT_EQ(Shell("e2j facade --set-style x").exitCode, 2);
}

// A compiled dictionary, an empty user dictionary and a text file.
struct DictionaryFiles {
    DictionaryFiles() : folder("e2j_dict") {
        compiled_test::CompileText40(compiled_test::SampleDictionaryText(), compiled);
        int const fd = open(user.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0644);
        EXPECT_GE(fd, 0);
        CreateUDFile(fd);
        close(fd);
        WriteWholeFile(text, "not a dictionary\n");
    }
    ScratchFolder folder;
    std::string const compiled = folder / "system.cdict";
    std::string const user = folder / "user.ud";
    std::string const text = folder / "notes.txt";
};

TEST(E2jFacade, TranslateOpensEveryDictionaryGivenOrSaysWhichItCannot) {
    DictionaryFiles const files;
    // A word over 80 characters keeps the sentence English, whatever the
    // engine makes of it.
    std::string const sentence = "It rains " + std::string(81, 'x') + ".";
    struct {
        std::string dictionaries;
        int exitCode;
        std::string output;
    } const cases[] = {
        {"--dict " + files.compiled + " --dict " + files.user, 0, sentence},
        {"--dict=" + files.user, 0, sentence},
        {"--dict " + files.text, 1, ""},
        {"--dict " + files.folder / "missing.cdict", 1, ""},
        {"--dict " + files.compiled + " --dict " + files.compiled, 1, ""},
        {"--dict " + files.folder.Path(), 1, ""},
    };
    for (auto const& c : cases) {
        CommandOutcome const outcome = Shell("e2j translate " + c.dictionaries + " '" + sentence + "'");
        EXPECT_EQ(outcome.exitCode, c.exitCode) << c.dictionaries;
        EXPECT_EQ(outcome.output, c.output) << c.dictionaries;
    }
    CommandOutcome const said = RunCommand(TOOLS_DIR "/e2j --dict " + files.text + " x 2>&1 >/dev/null");
    EXPECT_NE(said.output.find("notes.txt': neither a compiled nor a user dictionary"), std::string::npos)
        << said.output;
}

TEST(E2jFacade, FacadeAddsDictionariesByPathAndAnswersEachByResult) {
    DictionaryFiles const files;
    CommandOutcome const outcome =
        Shell("e2j facade --add-sys " + files.compiled + " --add-user " + files.user + " --add-user " + files.user +
              " --add-user-read-only " + files.user + " --add-tech " + files.text + " --clear-learning apple");
    EXPECT_EQ(outcome.exitCode, 0);
    EXPECT_EQ(outcome.output, "7\n10000\n-1\n-1\n0\n");
}

}  // namespace

#pragma once
// A temporary home for one test: HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR
// point into a fresh folder for the test's lifetime (so preferences, the
// "~/" shorthand and program registrations stay inside it), and so does the
// converter's text file (oldUD.txt in the home; test builds of the programs
// take TOVIKAN_TEST_CONVERSION_TEXT), with helpers to write preference files
// as XML property lists.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "platform/preferences.h"
#include "support/scratch_folder.h"

class TestHome {
public:
    TestHome() : fPath(fFolder.Path()) {
        for (char const* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "TOVIKAN_TEST_CONVERSION_TEXT"}) {
            char const* value = getenv(name);
            fSaved[name] = value ? std::optional<std::string>(value) : std::nullopt;
        }
        setenv("HOME", fPath.c_str(), 1);
        setenv("XDG_CONFIG_HOME", Folder("config").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", Folder("run").c_str(), 1);
        setenv("TOVIKAN_TEST_CONVERSION_TEXT", (fPath + "/oldUD.txt").c_str(), 1);
        chmod((fPath + "/run").c_str(), 0700);
    }

    ~TestHome() {
        for (auto const& [name, value] : fSaved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

    TestHome(TestHome const&) = delete;
    TestHome& operator=(TestHome const&) = delete;

    std::string const& Path() const { return fPath; }

    // The folder at a path relative to the home, made when missing.
    std::string Folder(std::string const& relative) const {
        std::string const folder = fPath + "/" + relative;
        std::filesystem::create_directories(folder);
        return folder;
    }

    // Writes the preferences file of the application as it is given.
    void WritePreferencesFile(std::string const& applicationID, std::string const& bytes) const {
        std::filesystem::path const file = platform::PreferencesFilePath(applicationID);
        std::filesystem::create_directories(file.parent_path());
        WriteWholeFile(file, bytes);
    }

    // Writes a property list whose top-level dictionary holds `members`
    // (made with PlistString and PlistDictionary).
    void WritePreferences(std::string const& applicationID, std::string const& members) const {
        WritePreferencesFile(applicationID,
                             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                             "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                             "<plist version=\"1.0\"><dict>" +
                                 members + "</dict></plist>\n");
    }

private:
    ScratchFolder fFolder{"apps_test_home"};
    std::string fPath;
    std::map<std::string, std::optional<std::string>> fSaved;
};

// Members of a property-list dictionary (texts are taken as plain XML text:
// tests use no '<' or '&').
inline std::string PlistString(std::string const& key, std::string const& value) {
    return "<key>" + key + "</key><string>" + value + "</string>";
}
inline std::string PlistDictionary(std::string const& key, std::string const& members) {
    return "<key>" + key + "</key><dict>" + members + "</dict>";
}

#pragma once
// The converter's controller in a temporary home whose preferences name
// ~/Documents/user.dic, converting ~/oldUD.txt, with the requests it serves
// as plain calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>

#include "apps/entry_number.h"
#include "apps/tazmet/merrow_controller.h"
#include "apps/tazmet/new_edition_preferences.h"
#include "apps/test_home.h"
#include "engine/userdict/corvan_dict_if.h"

// The members of well-formed preferences with the given documents folder.
inline std::string TovikPathMembers(std::string const& documentsFolder) {
    return PlistDictionary("DictionaryPath", PlistString("SystemDictionaryEJName", "system.dic") +
                                                 PlistString("UserDictionaryEJName", "user.dic")) +
           PlistString("DocumentsFolder", documentsFolder);
}

class TazmetTest : public ::testing::Test {
protected:
    TazmetTest()
        : fDocuments(fHome.Folder("Documents")),
          fDictPath(fDocuments + "/user.dic"),
          fTextPath(fHome.Path() + "/oldUD.txt"),
          fController(fTextPath) {}

    void SetUp() override { gCorvanEngine.RemoveAllDict(); }
    void TearDown() override { gCorvanEngine.RemoveAllDict(); }

    bool Initialize(std::string const& documentsFolder = "~/Documents") {
        fHome.WritePreferences(kTovikPathApplicationID, TovikPathMembers(documentsFolder));
        return fController.uwInitialize();
    }

    void WriteText(std::string const& bytes) { std::ofstream(fTextPath, std::ios::binary) << bytes; }

    std::optional<int32_t> EntryNumber() { return AskEntryNumber(fController); }

    // The log 'uwCV' answers; nullopt when the reply has no direct parameter.
    std::optional<std::string> Convert() {
        platform::AppleEvent reply;
        fController.handleAppleEventsCV(platform::AppleEvent{}, &reply);
        platform::AEDesc const* log = reply.FindParam(platform::keyDirectObject);
        if (log == nullptr) return std::nullopt;
        EXPECT_EQ(log->descriptorType, platform::typeText);
        return log->data;
    }

    TestHome fHome;
    std::string fDocuments;
    std::string fDictPath;
    std::string fTextPath;
    MerrowController fController;
};

#pragma once
// The reader's controller in a temporary home whose preferences name
// ~/Documents/old.dic, with the requests it serves as plain calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "apps/entry_number.h"
#include "apps/test_home.h"
#include "apps/vorlip/vorlip_controller.h"
#include "engine/userdict/corvan_dict_if.h"

class VorlipTest : public ::testing::Test {
protected:
    VorlipTest() : fDictPath(fHome.Folder("Documents") + "/old.dic") {}

    void SetUp() override { gCorvanEngine.RemoveAllDict(); }
    void TearDown() override { gCorvanEngine.RemoveAllDict(); }

    void WritePreferencesNaming(std::string const& value) {
        fHome.WritePreferences(kUserPathApplicationID, PlistString("EtoJUserDict", value));
    }

    // uwInitialize with the preferences naming ~/Documents/old.dic.
    bool Initialize() {
        WritePreferencesNaming("~/Documents/old.dic");
        return fController.uwInitialize();
    }

    // The count 'uwNM' answers; nullopt when the reply has none.
    std::optional<int32_t> EntryNumber() { return AskEntryNumber(fController); }

    // The text 'uwRE' answers for the index; nullopt when the reply has no
    // direct parameter.
    std::optional<std::string> ReadEntry(int32_t index) {
        platform::AppleEvent request;
        request.PutParam(platform::keyDirectObject, platform::AEMakeLongDesc(index));
        platform::AppleEvent reply;
        fController.handleAppleEventsRE(request, &reply);
        platform::AEDesc const* list = reply.FindParam(platform::keyDirectObject);
        if (list == nullptr) return std::nullopt;
        EXPECT_EQ(list->descriptorType, platform::typeAEList);
        EXPECT_EQ(list->items.size(), 1u);
        if (list->items.size() != 1) return std::nullopt;
        EXPECT_EQ(list->items[0].descriptorType, platform::typeWildCard);
        return list->items[0].data;
    }

    // Every entry's text as the front end collects it.
    std::string AllEntries() {
        std::string texts;
        std::optional<int32_t> const count = EntryNumber();
        for (int32_t i = 0; count && i < *count; ++i) {
            std::optional<std::string> text = ReadEntry(i);
            EXPECT_TRUE(text) << "entry " << i;
            if (text) texts += *text;
        }
        return texts;
    }

    TestHome fHome;
    std::string fDictPath;
    VorlipController fController;
};

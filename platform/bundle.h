#pragma once
// Program bundles: a folder "Name.app" holding the executable "Name" and a
// folder "Resources" with resources ("Vorlip.app", "Entity.plist") and
// localized string tables ("<language>.lproj/Localizable.strings", XML
// property lists of key to text).
#include <string>

namespace platform {

class Bundle {
public:
    explicit Bundle(std::string bundlePath);

    // The bundle of the running program: the folder holding its executable.
    static Bundle const& Main();

    std::string const& BundlePath() const { return fBundlePath; }
    // "Name.app" of the bundle folder.
    std::string BundleFileName() const;
    std::string ResourcesPath() const;

    // Resources/<name>.<type> when it exists (file or folder); empty else.
    std::string PathForResource(std::string const& name, std::string const& type) const;

    // The text under key in table (empty: "Localizable") for the user's
    // language (LC_ALL, LC_MESSAGES, LANG: "ja_JP.UTF-8" gives "ja"), then
    // "en"; when no table has it, value when not empty, else the key itself.
    std::string LocalizedString(std::string const& key, std::string const& value, std::string const& table) const;

private:
    std::string fBundlePath;
};

}  // namespace platform

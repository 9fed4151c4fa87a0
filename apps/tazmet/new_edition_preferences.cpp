#include "apps/tazmet/new_edition_preferences.h"

#include <cstdio>

#include "platform/home_path.h"
#include "platform/preferences.h"

namespace {

std::nullopt_t Report(char const* line) {
    std::puts(line);
    std::fflush(stdout);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> ReadNewUserDictionaryPath() {
    using namespace platform;
    if (!PreferencesSynchronize(kTovikPathApplicationID)) return Report("Error TovikPath.plist");

    std::optional<PropertyValue> const dictionaryPath =
        PreferencesCopyDictionary("DictionaryPath", kTovikPathApplicationID);
    if (!dictionaryPath) return Report("Error TovikPath.plist format");
    std::optional<std::string> const documentsFolder =
        PreferencesCopyString("DocumentsFolder", kTovikPathApplicationID);
    if (!documentsFolder) return Report("Error TovikPath.plist format");
    std::string const folder = ExpandUserFolderTilde(*documentsFolder);

    // The system dictionary's name must be there, though nothing here opens it.
    if (!dictionaryPath->Member("SystemDictionaryEJName")) return Report("Error TovikPath.plist SystemDictionary");
    PropertyValue const* userDictionaryName = dictionaryPath->Member("UserDictionaryEJName");
    if (!userDictionaryName || !userDictionaryName->AsString()) return Report("Error TovikPath.plist UserDictionary");

    return qwcCFStringToUTF8string(folder + "/" + *userDictionaryName->AsString());
}

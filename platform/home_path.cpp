#include "platform/home_path.h"

#include "platform/preferences.h"

namespace platform {

std::optional<std::string> qwcUserFolderCreateCopy() {
    std::string home = UserHomeFolder();
    if (home.empty()) return std::nullopt;
    return home;
}

std::string ExpandUserFolderTilde(std::string const& value) {
    if (value.compare(0, 2, "~/") != 0) return value;
    std::optional<std::string> const home = qwcUserFolderCreateCopy();
    if (!home) return value;
    return *home + value.substr(1);
}

std::string qwcCFStringToUTF8string(std::string const& text) { return text; }

}  // namespace platform

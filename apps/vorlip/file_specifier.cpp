#include "apps/vorlip/file_specifier.h"

#include <sys/stat.h>

#include <cstring>

#include "platform/text_recode.h"

bool qwcCFStringToFSSpec(std::string const& path, FSSpec* spec) {
    struct stat status;
    if (path.empty() || stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    spec->path = path;
    return true;
}

int qwcFSSpecStr63Name(FSSpec const& spec, unsigned char name[64]) {
    std::string::size_type const slash = spec.path.find_last_of('/');
    std::string const displayName = slash == std::string::npos ? spec.path : spec.path.substr(slash + 1);
    std::string encoded;
    if (!Recode("CP932", "UTF-8", displayName, &encoded)) return kFSSpecParamErr;
    if (encoded.size() >= 64) return kFSSpecIOErr;
    name[0] = static_cast<unsigned char>(encoded.size());
    std::memcpy(name + 1, encoded.data(), encoded.size());
    return kFSSpecNoErr;
}

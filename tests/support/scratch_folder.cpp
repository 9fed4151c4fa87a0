#include "support/scratch_folder.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

ScratchFolder::ScratchFolder(std::string const& prefix) {
    std::string pattern = ScratchRoot() + "/" + prefix + ".XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a scratch folder " + pattern);
    fPath = pattern;
}

ScratchFolder::~ScratchFolder() {
    // Tests take permissions away to provoke errors; give them back first.
    std::error_code ignored;
    for (auto const& entry : std::filesystem::recursive_directory_iterator(fPath, ignored)) {
        if (entry.is_directory(ignored))
            std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::permissions(fPath, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(fPath, ignored);
}

std::string ScratchRoot() {
    char const* const root = ::getenv("TMPDIR");
    return root != nullptr && root[0] != '\0' ? root : "/tmp";
}

std::string ReadWholeFile(std::string const& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteWholeFile(std::string const& path, std::string const& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

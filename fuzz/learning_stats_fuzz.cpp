// Arbitrary bytes as a learning-statistics file: loading must take only
// well-formed lines, and what a load saves must load back to the same text.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "engine/compiled/learning_stats_manager.h"
#include "engine/compiled/learning_stats_text.h"

namespace {

using StatsFile = Dictionary_EX_70Compiled_LearningInterface_Helper::StatsFile;
using StatsFileManager = Dictionary_EX_70Compiled_LearningInterface_Helper::StatsFileManager;

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

// A folder of our own holding the file; made on the first run, removed at
// exit.
class ScratchFile {
public:
    ScratchFile() {
        if (mkdtemp(fFolder) == nullptr) std::abort();
        fPath = std::string(fFolder) + "/learning.stats";
    }
    ~ScratchFile() {
        std::remove(fPath.c_str());
        rmdir(fFolder);
    }
    std::string const& Path() const { return fPath; }

private:
    char fFolder[32] = "/tmp/learning_stats_fuzz_XXXXXX";
    std::string fPath;
};

// The file's text as the manager's file exports it after loading; the file
// is saved when the handle goes.
std::string LoadAndExport(std::string const& path) {
    auto handle = std::make_unique<QJShared<StatsFile>>(StatsFileManager::Get()->DoOpen(path.c_str()));
    std::string const text = (*handle)->ExportAllEntries();
    StatsFileManager::Get()->DoRelease(std::move(handle));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string const bytes(reinterpret_cast<char const*>(data), size);
    for (LearningStatsLine const& line : ParseLearningStatsText(bytes)) {
        Check(!line.key.headwordKey.empty() && !line.key.featuresKey.empty() && !line.key.paraphraseKey.empty());
        Check(std::isfinite(line.value));
        std::string const written = FormatLearningStatsLine(line.key, line.value);
        if (written.empty()) continue;
        Check(ParseLearningStatsText(written).size() == 1);
    }

    static ScratchFile const file;
    std::ofstream(file.Path(), std::ios::binary | std::ios::trunc) << bytes;
    std::string const exported = LoadAndExport(file.Path());
    Check(LoadAndExport(file.Path()) == exported);
    return 0;
}

// The whole conversion through the three programs of the bundle, as a user
// runs it: Quellit --convert on an old dictionary of 30,000 groups of every
// key, with both editions' preferences in a private home.  Needs the bundle
// built in the same build folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_program.h"
#include "engine/userdict/corvan_dict_if.h"
#include "engine/userdict/uw_convert.h"
#include "user_word_lines.h"

namespace {

constexpr int kGroupCount = 30000;

void WriteFile(std::string const& path, std::string const& text) { std::ofstream(path, std::ios::binary) << text; }

std::string PlistOf(std::string const& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n<dict>\n" + body +
           "</dict>\n</plist>\n";
}

// A private home: the old dictionary, both preference files, a runtime folder.
struct DemoHome {
    std::string root;
    std::string home;

    bool Make() {
        char pattern[] = "/tmp/conversion_bench.XXXXXX";
        if (!mkdtemp(pattern)) return false;
        root = pattern;
        home = root + "/home";
        std::filesystem::create_directories(home + "/Documents");
        std::filesystem::create_directories(root + "/config/Quorindal/Tovikan");
        std::filesystem::create_directories(root + "/runtime");
        chmod((root + "/runtime").c_str(), 0700);

        std::string lines;
        for (int n = 0; n < kGroupCount; ++n) lines += bench_lines::MixedLine(n);
        std::string const textPath = root + "/old-entries.txt";
        WriteFile(textPath, lines);
        std::string const oldPath = home + "/Documents/Old.ud";
        gCorvanEngine.RemoveAllDict();
        if (gCorvanEngine.AddUserDict(oldPath, false) != kUserDictOpenedReadWrite) return false;
        uwConvert(textPath.c_str());  // closes the dictionary when done

        WriteFile(root + "/config/Quorindal/Tovikan/UserPath.plist",
                  PlistOf("<key>EtoJUserDict</key><string>~/Documents/Old.ud</string>\n"));
        WriteFile(root + "/config/Quorindal/Tovikan/TovikPath.plist",
                  PlistOf("<key>DictionaryPath</key><dict><key>SystemDictionaryEJName</key><string>S</string>"
                          "<key>UserDictionaryEJName</key><string>New.ud</string></dict>\n"
                          "<key>DocumentsFolder</key><string>~/Documents</string>\n"));
        return true;
    }

    ~DemoHome() {
        if (!root.empty()) std::filesystem::remove_all(root);
    }
};

// Runs the front end with the home's environment; its output is discarded.
bool RunQuellit(std::string const& program, DemoHome const& demo) {
    return bench_child::RunChild(program, {"--convert"},
                                 {"HOME=" + demo.home, "XDG_CONFIG_HOME=" + demo.root + "/config",
                                  "XDG_RUNTIME_DIR=" + demo.root + "/runtime", "PATH=/usr/bin:/bin"}) == 0;
}

void BM_WholeConversionThroughThePrograms(benchmark::State& state) {
    std::string const program = bench_child::BuildFolder() + "/Quellit.app/Quellit";
    DemoHome demo;
    if (access(program.c_str(), X_OK) != 0 || !demo.Make()) {
        state.SkipWithError("the bundle or the demo home is missing");
        return;
    }
    std::string const newPath = demo.home + "/Documents/New.ud";
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(newPath.c_str());
        state.ResumeTiming();
        if (!RunQuellit(program, demo)) {
            state.SkipWithError("the conversion did not complete");
            break;
        }
    }
    gCorvanEngine.RemoveAllDict();
    if (gCorvanEngine.AddUserDict(newPath, true) >= 0)
        state.counters["groups_converted"] = static_cast<double>(gCorvanEngine.CountUserDictEntry(0));
    gCorvanEngine.RemoveAllDict();
    state.counters["groups_per_s"] = benchmark::Counter(kGroupCount, benchmark::Counter::kIsIterationInvariantRate);
}

BENCHMARK(BM_WholeConversionThroughThePrograms)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

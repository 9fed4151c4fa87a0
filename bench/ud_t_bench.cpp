// Adding 30,000 nouns to a new user dictionary, as the converter does at its
// entry ceiling: once under one write lock for the whole run, once with a
// write-lock release (and so a write-back of map and index) after every add.
// Reported: wall time, and the bytes the process wrote (the wchar line of
// /proc/self/io).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/foundation/simple_file_lock.h"
#include "engine/userdict/ud_t.h"

namespace {

constexpr std::size_t kNounCount = 30000;

// Headwords as user dictionaries hold them: single nouns and two-word
// compounds of a modifier and a noun.
std::vector<std::string> Headwords() {
    static char const* const kModifiers[] = {
        "access",   "account", "active",  "air",      "alarm",    "annual",   "apple",   "audio",  "back",
        "bank",     "base",    "battery", "black",    "blood",    "blue",     "board",   "body",   "book",
        "brain",    "brake",   "bridge",  "budget",   "cable",    "call",     "car",     "carbon", "cash",
        "cell",     "central", "chain",   "chemical", "child",    "city",     "class",   "clock",  "cloud",
        "coal",     "code",    "coffee",  "color",    "command",  "common",   "control", "copper", "core",
        "cotton",   "credit",  "crystal", "data",     "debt",     "design",   "digital", "disk",   "door",
        "double",   "drug",    "dry",     "east",     "economic", "electric", "energy",  "engine", "error",
        "exchange", "family",  "farm",    "field",    "file",     "film",     "final",   "fire",   "fish",
        "flight",   "food",    "foreign", "forest",   "frame",    "free",     "fuel",    "game",   "garden",
        "gas",      "glass",   "global",  "gold",     "green",    "ground",   "group",   "growth", "guest",
        "hand",     "health",  "heat",    "high",     "home",     "hospital", "hotel",   "house",  "human",
        "ice",      "image",   "income",  "input",    "iron",     "joint",    "key",     "labor",  "land",
        "laser",    "law",     "lead",    "light",    "line",     "local",    "machine", "main",   "market",
        "metal",    "motor",   "night",   "oil",      "open",     "paper",    "power",   "price",  "radio",
        "rain",     "safety",  "sea",     "signal",   "solar",    "steel",    "stone",   "water",  "wind",
    };
    static char const* const kNouns[] = {
        "account", "address", "agent",    "agreement", "analysis",  "area",      "arm",      "array",     "bag",
        "balance", "band",    "bar",      "base",      "basin",     "bay",       "beam",     "bed",       "bell",
        "belt",    "bill",    "block",    "board",     "bond",      "bottle",    "box",      "branch",    "break",
        "bridge",  "buffer",  "building", "bus",       "button",    "cabinet",   "cap",      "card",      "case",
        "center",  "chair",   "channel",  "chart",     "check",     "circuit",   "class",    "club",      "coat",
        "code",    "coil",    "column",   "committee", "company",   "condition", "contract", "control",   "council",
        "counter", "court",   "cover",    "crane",     "cross",     "cup",       "curve",    "cycle",     "deck",
        "delay",   "desk",    "device",   "diagram",   "disc",      "district",  "dock",     "drive",     "drum",
        "duty",    "edge",    "engine",   "entry",     "equipment", "estate",    "event",    "exit",      "factor",
        "factory", "fee",     "fence",    "field",     "filter",    "flow",      "fund",     "gap",       "gate",
        "gauge",   "gear",    "grade",    "grid",      "guard",     "guide",     "hall",     "handle",    "head",
        "holder",  "hole",    "hook",     "house",     "index",     "island",    "item",     "jacket",    "joint",
        "key",     "kit",     "lamp",     "lane",      "layer",     "lever",     "library",  "limit",     "line",
        "link",    "list",    "load",     "lock",      "log",       "loop",      "machine",  "manager",   "map",
        "mark",    "market",  "mask",     "meter",     "mill",      "mode",      "model",    "module",    "motor",
        "mount",   "network", "node",     "note",      "office",    "oil",       "operator", "order",     "outlet",
        "pack",    "pad",     "page",     "panel",     "park",      "part",      "pass",     "path",      "pattern",
        "pipe",    "plan",    "plant",    "plate",     "point",     "policy",    "pool",     "port",      "post",
        "pot",     "power",   "press",    "price",     "process",   "program",   "pump",     "queue",     "rack",
        "rail",    "range",   "rate",     "ratio",     "record",    "register",  "report",   "ring",      "road",
        "rod",     "roll",    "room",     "root",      "rule",      "sample",    "scale",    "screen",    "seal",
        "season",  "sector",  "sensor",   "service",   "set",       "shaft",     "sheet",    "shell",     "shop",
        "signal",  "site",    "slot",     "socket",    "source",    "space",     "speed",    "spring",    "square",
        "stage",   "stand",   "station",  "step",      "stock",     "store",     "stream",   "structure", "supply",
        "switch",  "system",  "table",    "tank",      "tax",       "terminal",  "test",     "tool",      "tower",
        "track",   "trade",   "train",    "tray",      "tree",      "tube",      "unit",     "valve",     "vessel",
        "wall",    "ward",    "wave",     "way",       "wheel",     "wire",
    };
    std::vector<std::string> words;
    for (char const* noun : kNouns) words.emplace_back(noun);
    for (char const* modifier : kModifiers) {
        for (char const* noun : kNouns) words.push_back(std::string(modifier) + " " + noun);
    }
    std::shuffle(words.begin(), words.end(), std::mt19937(2024));
    std::set<std::string> seen;
    std::vector<std::string> headwords;
    for (std::string const& word : words) {
        if (headwords.size() == kNounCount) break;
        if (seen.insert(word).second) headwords.push_back(word);
    }
    if (headwords.size() < kNounCount) std::abort();
    return headwords;
}

// A katakana translation of three to five characters, different per noun.
std::string Translation(std::size_t i) {
    std::string translation;
    std::size_t digits = i;
    do {
        unsigned trail = 0x40 + static_cast<unsigned>(digits % 60);
        if (trail >= 0x7F) ++trail;
        translation += '\x83';
        translation += static_cast<char>(trail);
        digits /= 60;
    } while (digits > 0 || translation.size() < 6);
    return translation;
}

// What the entry-group layer writes for a noun without a plural.
void AddNoun(ud_t& dictionary, std::string const& english, std::string const& translation) {
    dictionary.MarkMapAndIndexStale();
    ud_entry_t entry;
    entry.strings = UDEntryStrings{english, UDPOS_N_SING, translation, "", "N", ""};
    dictionary.WriteEntry(&entry);
    ThrowIfError(dictionary.AddIDtoFirstword(entry));
    dictionary.UDIncGroupID(1);
}

uint64_t BytesWrittenSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "wchar:") return value;
    }
    return 0;
}

void AddNouns(benchmark::State& state, bool releasePerAdd) {
    static std::vector<std::string> const headwords = Headwords();
    std::vector<std::string> translations;
    for (std::size_t i = 0; i < headwords.size(); ++i) translations.push_back(Translation(i));

    for (auto _ : state) {
        state.PauseTiming();
        char path[] = "/tmp/ud_t_bench_XXXXXX";
        int const fd = ::mkstemp(path);
        FILE* file = fd >= 0 ? ::fdopen(fd, "r+") : nullptr;
        if (file == nullptr) {
            state.SkipWithError("cannot make a temporary file");
            break;
        }
        uint64_t const before = BytesWrittenSoFar();
        state.ResumeTiming();

        {
            ud_t dictionary(file);
            SimpleFileLocker_READ read(&dictionary);
            if (!releasePerAdd) dictionary.AcquireWriteLock(0.0f);
            for (std::size_t i = 0; i < headwords.size(); ++i) {
                if (releasePerAdd) dictionary.AcquireWriteLock(0.0f);
                AddNoun(dictionary, headwords[i], translations[i]);
                if (releasePerAdd) dictionary.ReleaseWriteLock();
            }
            if (!releasePerAdd) dictionary.ReleaseWriteLock();
        }

        state.PauseTiming();
        state.counters["bytes_written"] = static_cast<double>(BytesWrittenSoFar() - before);
        std::fclose(file);
        ::unlink(path);
        state.ResumeTiming();
    }
    state.counters["adds"] = static_cast<double>(headwords.size());
}

BENCHMARK_CAPTURE(AddNouns, one_write_lock_for_the_run, false)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AddNouns, one_release_per_add, true)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

// uwconvert beside sqlite3 importing the same rows, each run as a program of
// its own on a fresh file, in turns within one benchmark run, so that both
// meet the same machine.  Figures: the medians of each side's wall time, the
// median of the pairs' ratios, and each side's peak memory.
//
// Durability: the SQLite side keeps its defaults (rollback journal, a full
// sync at the commit); the user-dictionary store orders its writes so that a
// stopped process leaves an openable file, but does not sync them.
//
// Inputs: the first lines of nouns taken from EDICT (13,055 and 30,000; the
// edict package must be installed), and 30,000 generated nouns with a
// plural each (two entries a group).
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "child_program.h"
#include "edict_noun_lines.h"
#include "user_word_lines.h"

namespace {

using bench_child::MeasureChild;
using bench_child::MeasuredRun;

enum Input { kEdictNouns, kGeneratedNounsWithPlural };

std::vector<std::string> InputLines(Input input, std::size_t count) {
    if (input == kEdictNouns) return bench_lines::EdictNounLines(count);
    std::vector<std::string> lines;
    for (std::size_t n = 0; n < count; ++n) lines.push_back(bench_lines::NounLine(static_cast<int>(n)));
    return lines;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t const middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void BM_UwConvertBesideSQLite(benchmark::State& state) {
    auto const count = static_cast<std::size_t>(state.range(0));
    auto const input = static_cast<Input>(state.range(1));
    std::string const build = bench_child::BuildFolder();
    std::string const uwconvert = build + "/tools/uwconvert";
    std::string const sqliteImport = build + "/bench/sqlite_import";
    std::vector<std::string> const lines = InputLines(input, count);
    if (lines.size() < count) {
        state.SkipWithError("EDICT is not installed (the edict package)");
        return;
    }
    char pattern[] = "/tmp/uw_convert_beside_sqlite.XXXXXX";
    if (access(uwconvert.c_str(), X_OK) != 0 || access(sqliteImport.c_str(), X_OK) != 0 ||
        access((build + "/bench/measure_run").c_str(), X_OK) != 0 || !mkdtemp(pattern)) {
        state.SkipWithError("uwconvert, sqlite_import, measure_run or a temporary folder is missing");
        return;
    }
    std::string const dir = pattern;
    std::string const textPath = dir + "/oldUD.txt";
    std::string const dictPath = dir + "/user.dic";
    std::string const dbPath = dir + "/user.db";
    std::string const reportPath = dir + "/figures";
    {
        std::ofstream out(textPath, std::ios::binary);
        for (std::string const& line : lines) out << line;
    }

    std::vector<double> uwSeconds, sqliteSeconds, ratios;
    double uwPeak = 0, sqlitePeak = 0;
    for (auto _ : state) {
        std::remove(dictPath.c_str());
        std::remove(dbPath.c_str());
        MeasuredRun uw, sqlite;
        // Take turns at going first.
        if (uwSeconds.size() % 2 == 0) {
            uw = MeasureChild(uwconvert, {textPath, dictPath}, reportPath);
            sqlite = MeasureChild(sqliteImport, {textPath, dbPath}, reportPath);
        } else {
            sqlite = MeasureChild(sqliteImport, {textPath, dbPath}, reportPath);
            uw = MeasureChild(uwconvert, {textPath, dictPath}, reportPath);
        }
        // uwconvert exits 1 when it refused a line (EDICT repeats a few rows).
        if (uw.exitStatus != 0 && uw.exitStatus != 1) {
            state.SkipWithError("uwconvert failed");
            break;
        }
        if (sqlite.exitStatus != 0) {
            state.SkipWithError("sqlite_import failed");
            break;
        }
        state.SetIterationTime(uw.seconds);
        uwSeconds.push_back(uw.seconds);
        sqliteSeconds.push_back(sqlite.seconds);
        ratios.push_back(uw.seconds / sqlite.seconds);
        uwPeak = std::max(uwPeak, uw.peakMB);
        sqlitePeak = std::max(sqlitePeak, sqlite.peakMB);
    }
    if (!uwSeconds.empty()) {
        state.counters["uw_ms"] = Median(uwSeconds) * 1000;
        state.counters["sqlite_ms"] = Median(sqliteSeconds) * 1000;
        state.counters["ratio"] = Median(ratios);
        state.counters["uw_peak_MB"] = uwPeak;
        state.counters["sqlite_peak_MB"] = sqlitePeak;
    }
    state.SetLabel(input == kEdictNouns ? "EDICT nouns" : "generated nouns with plural");
    std::filesystem::remove_all(dir);
}

BENCHMARK(BM_UwConvertBesideSQLite)
    ->Args({13055, kEdictNouns})
    ->Args({30000, kEdictNouns})
    ->Args({30000, kGeneratedNounsWithPlural})
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(7);

}  // namespace

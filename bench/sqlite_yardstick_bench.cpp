// The yardstick for converting 30,000 lines: sqlite3 inserting the same
// 30,000 noun rows into a table with a unique index, in one transaction, on
// a file in the same temporary folder.
//
// Durability differs: SQLite keeps its defaults, so the commit syncs the
// rollback journal and the database (the rows survive a power cut once it
// returns); the user-dictionary store orders its writes so that a stopped
// process leaves an openable file, but does not sync them.  The paired
// benchmark of the whole programs is uw_convert_beside_sqlite_bench.cpp.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "user_word_lines.h"

namespace {

constexpr int kRowCount = 30000;

// The same distinct words as the conversion benchmark's lines.
using bench_lines::Word;

bool Exec(sqlite3* db, char const* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

void BM_SQLiteInsertDistinctNouns(benchmark::State& state) {
    char pattern[] = "/tmp/sqlite_yardstick.XXXXXX";
    if (!mkdtemp(pattern)) {
        state.SkipWithError("no temporary directory");
        return;
    }
    std::string const dir = pattern;
    std::string const dbPath = dir + "/yardstick.db";
    std::string const translation = "\x8c\xea";  // the Shift-JIS word the noun lines carry
    for (auto _ : state) {
        state.PauseTiming();
        std::remove(dbPath.c_str());
        sqlite3* db = nullptr;
        if (sqlite3_open(dbPath.c_str(), &db) != SQLITE_OK ||
            !Exec(db,
                  "CREATE TABLE words (english TEXT, pos TEXT, translation TEXT, plural TEXT);"
                  "CREATE UNIQUE INDEX words_key ON words (english, pos, translation);")) {
            state.SkipWithError("cannot create the database");
            sqlite3_close(db);
            break;
        }
        state.ResumeTiming();

        sqlite3_stmt* insert = nullptr;
        Exec(db, "BEGIN");
        sqlite3_prepare_v2(db, "INSERT INTO words VALUES (?, 'N_SING', ?, 'plural')", -1, &insert, nullptr);
        for (int n = 0; n < kRowCount; ++n) {
            std::string const english = Word(n);
            sqlite3_bind_text(insert, 1, english.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, translation.c_str(), -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        Exec(db, "COMMIT");
        sqlite3_close(db);
    }
    state.counters["rows_per_s"] = benchmark::Counter(kRowCount, benchmark::Counter::kIsIterationInvariantRate);
    std::remove(dbPath.c_str());
    rmdir(dir.c_str());
}

BENCHMARK(BM_SQLiteInsertDistinctNouns)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

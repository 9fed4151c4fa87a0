// The SQLite yardstick of the compiled-dictionary lookups
// (compiled_lookup_bench.cpp): the same keys looked up in a table of the
// same headwords with an index that ignores ASCII case, three ways:
//   - autocommit on a file in the temporary folder: each SELECT is a
//     transaction of its own, which takes the file's shared lock, checks the
//     file has not changed and lets the lock go (system calls every time);
//   - the same file inside one read transaction per round of lookups, as a
//     user of SQLite reading many keys would run them;
//   - an in-memory database, for the cost of the lookup itself.
// The compiled reader keeps its file open and reads without locking, so the
// read transaction is the fair comparison; autocommit stays beside it.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/compiled_lookup_bench_words.h"

namespace {

using namespace compiled_lookup_bench;

bool Exec(sqlite3* db, char const* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

enum Mode { kFileAutocommit, kFileReadTransaction, kInMemory };

char const* ModeName(Mode mode) {
    switch (mode) {
        case kFileAutocommit:
            return "file_autocommit";
        case kFileReadTransaction:
            return "file_read_transaction";
        case kInMemory:
            return "in_memory";
    }
    return "";
}

void BM_SQLiteIndexedLookup(benchmark::State& state) {
    auto const count = static_cast<std::size_t>(state.range(0));
    auto const kind = static_cast<KeyKind>(state.range(1));
    auto const mode = static_cast<Mode>(state.range(2));
    std::vector<std::string> const headwords = Headwords(count);
    std::vector<std::string> const keys = Keys(headwords, kind);

    char pattern[] = "/tmp/sqlite_compiled_lookup.XXXXXX";
    int const fd = mkstemp(pattern);
    if (fd >= 0) close(fd);
    sqlite3* db = nullptr;
    sqlite3_stmt* insert = nullptr;
    sqlite3_stmt* select = nullptr;
    if (sqlite3_open(mode == kInMemory ? ":memory:" : pattern, &db) != SQLITE_OK ||
        !Exec(db,
              "CREATE TABLE words (headword TEXT, reading TEXT);"
              "CREATE INDEX words_headword ON words (headword COLLATE NOCASE);") ||
        sqlite3_prepare_v2(db, "INSERT INTO words VALUES (?, '{x}')", -1, &insert, nullptr) != SQLITE_OK ||
        sqlite3_prepare_v2(db, "SELECT reading FROM words WHERE headword = ? COLLATE NOCASE", -1, &select, nullptr) !=
            SQLITE_OK) {
        state.SkipWithError("cannot make the database");
    } else {
        Exec(db, "BEGIN");
        for (std::string const& word : headwords) {
            sqlite3_bind_text(insert, 1, word.c_str(), -1, SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        Exec(db, "COMMIT");
        std::size_t found = 0;
        bool const oneTransaction = mode == kFileReadTransaction;
        for (auto _ : state) {
            found = 0;
            if (oneTransaction) Exec(db, "BEGIN");
            for (std::string const& key : keys) {
                sqlite3_bind_text(select, 1, key.c_str(), -1, SQLITE_STATIC);
                while (sqlite3_step(select) == SQLITE_ROW) ++found;
                sqlite3_reset(select);
            }
            if (oneTransaction) Exec(db, "COMMIT");
        }
        state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kKeysPerRound));
        state.SetLabel(std::string(KindName(kind)) + " " + ModeName(mode));
        state.counters["found_per_round"] = static_cast<double>(found);
    }
    sqlite3_finalize(insert);
    sqlite3_finalize(select);
    sqlite3_close(db);
    std::remove(pattern);
}

// Every size and kind of key, each of the three ways.
void SizesKindsAndModes(benchmark::internal::Benchmark* benchmark) {
    for (std::size_t const count : {kSmallDictionary, kLargeDictionary}) {
        for (KeyKind const kind : {KeyKind::kHits, KeyKind::kMisses, KeyKind::kGrowingPrefixes}) {
            for (Mode const mode : {kFileAutocommit, kFileReadTransaction, kInMemory})
                benchmark->Args({static_cast<int64_t>(count), static_cast<int64_t>(kind), mode});
        }
    }
}

BENCHMARK(BM_SQLiteIndexedLookup)->Apply(SizesKindsAndModes)->Unit(benchmark::kMicrosecond);

}  // namespace

// sqlite_import TEXTFILE DATABASE
//   The yardstick beside uwconvert: imports the lines of a converter text
//   file (TAB-separated fields, CR or LF line ends) into a table with a
//   unique index on English, key and translation, in one transaction, as a
//   user of SQLite would.  A row equal to one already there is passed over,
//   as the converter refuses a group that is already registered.  SQLite's
//   defaults stand: a rollback journal and a full sync at the commit, so the
//   rows survive a power cut once it returns.
// Exit 0 when every row was taken or passed over, 2 on any failure.
#include <sqlite3.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool Exec(sqlite3* db, char const* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK; }

std::vector<std::string> SplitFields(std::string const& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
        fields.push_back(line.substr(start, tab - start));
    }
    fields.push_back(line.substr(start));
    return fields;
}

bool Import(std::istream& text, sqlite3* db) {
    if (!Exec(db,
              "CREATE TABLE words (english TEXT, translation TEXT, key TEXT, rest TEXT);"
              "CREATE UNIQUE INDEX words_unique ON words (english, key, translation);"
              "BEGIN")) {
        return false;
    }
    sqlite3_stmt* insert = nullptr;
    if (sqlite3_prepare_v2(db, "INSERT OR IGNORE INTO words VALUES (?, ?, ?, ?)", -1, &insert, nullptr) != SQLITE_OK) {
        return false;
    }
    bool ok = true;
    std::string line;
    while (ok && std::getline(text, line, '\r')) {
        if (!line.empty() && line[0] == '\n') line.erase(0, 1);
        if (line.empty() || line[0] == ';') continue;
        std::vector<std::string> const fields = SplitFields(line);
        for (int column = 0; column < 4; ++column) {
            std::string const& value = static_cast<std::size_t>(column) < fields.size() ? fields[column] : "";
            sqlite3_bind_text(insert, column + 1, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT);
        }
        ok = sqlite3_step(insert) == SQLITE_DONE;
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    return ok && Exec(db, "COMMIT");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: sqlite_import TEXTFILE DATABASE\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "sqlite_import: cannot read %s\n", argv[1]);
        return 2;
    }
    sqlite3* db = nullptr;
    bool const ok = sqlite3_open(argv[2], &db) == SQLITE_OK && Import(file, db);
    if (!ok) std::fprintf(stderr, "sqlite_import: %s\n", sqlite3_errmsg(db));
    sqlite3_close(db);
    return ok ? 0 : 2;
}

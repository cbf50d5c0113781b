// The baseline an engineer would otherwise pick: every subscriber entry of the data
// set in one SQLite table with an index on (book, folded surname, first name). Texts
// are stored as UTF-8; the folded surname (FoldText) gives prefix and equality the
// meaning our dictionaries give them.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "store/book_list.h"

namespace vendarion::bench {

// The columns every query returns, in this order.
inline constexpr int kSqliteColumns = 11;
inline constexpr char kSqliteColumnList[] =
    "position, level, surname, first_name, street, house_number, heading, area_code, phone, "
    "postal_code, town";

// A prepared statement; reset and rebound for every run.
class SqliteStatement {
public:
    SqliteStatement() = default;
    ~SqliteStatement() { sqlite3_finalize(statement_); }
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    [[nodiscard]] bool Prepare(sqlite3* db, const std::string& sql);
    bool IsPrepared() const { return statement_ != nullptr; }
    // Resets the statement and clears its bindings.
    void Reset();
    void BindInt(int index, std::int64_t value);
    // Binds a copy of text.
    void BindText(int index, std::string_view text);
    // True while a row is available.
    bool Step() { return sqlite3_step(statement_) == SQLITE_ROW; }
    // Runs a statement that returns no rows; false on any error.
    [[nodiscard]] bool Run() { return sqlite3_step(statement_) == SQLITE_DONE; }
    std::string_view Text(int column) const;
    std::int64_t Int(int column) const { return sqlite3_column_int64(statement_, column); }

private:
    sqlite3_stmt* statement_ = nullptr;
};

class SqliteBaseline {
public:
    SqliteBaseline() = default;
    ~SqliteBaseline() { Close(); }
    SqliteBaseline(const SqliteBaseline&) = delete;
    SqliteBaseline& operator=(const SqliteBaseline&) = delete;

    // Writes a new database at path (replacing any file there) with every entry of
    // the subscriber table and creates the index, then opens it read-only for the
    // queries with SQLite's default settings; false with Error() set on failure.
    [[nodiscard]] bool Build(BookList& books, const std::string& path);
    // Opens a database that Build wrote earlier, read-only; false when it does not open.
    [[nodiscard]] bool Open(const std::string& path);
    void Close();
    // Empties the connection's page cache, so that the next query reads its pages
    // again (from the operating system's page cache).
    void ReleaseCache() { sqlite3_db_release_memory(db_); }
    sqlite3* Handle() const { return db_; }
    std::int64_t Rows() const { return rows_; }
    const std::string& Error() const { return error_; }

private:
    [[nodiscard]] bool Execute(const char* sql);
    [[nodiscard]] bool InsertAll(BookList& books);

    sqlite3* db_ = nullptr;
    std::int64_t rows_ = 0;
    std::string error_;
};

// The folded form of a Windows-1252 text, as UTF-8 (the column surname_folded).
std::string FoldedUtf8(std::string_view text);
// The smallest text above every text that begins with prefix (byte order); empty
// when there is none.
std::string PrefixEnd(std::string prefix);

}  // namespace vendarion::bench

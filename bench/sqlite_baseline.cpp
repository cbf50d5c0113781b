#include "sqlite_baseline.h"

#include <cstdio>

#include "base/byte_view.h"
#include "base/cp1252.h"
#include "base/fold_text.h"
#include "store/main_table_format.h"

namespace vendarion::bench {
namespace {

namespace fmt = main_table_format;

constexpr const char* kSchema[] = {
    "PRAGMA journal_mode = OFF",
    "PRAGMA synchronous = OFF",
    "PRAGMA locking_mode = EXCLUSIVE",
    "PRAGMA cache_size = -524288",  // for building the index; queries use the default
    "CREATE TABLE entries (position INTEGER PRIMARY KEY, book INTEGER NOT NULL, "
    "level INTEGER NOT NULL, surname TEXT, surname_folded TEXT, first_name TEXT, street TEXT, "
    "house_number TEXT, heading TEXT, area_code TEXT, phone TEXT, postal_code TEXT, town TEXT)",
};

constexpr char kInsert[] =
    "INSERT INTO entries VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, "
    "?11, ?12, ?13)";
constexpr char kIndex[] = "CREATE INDEX entries_name ON entries (book, surname_folded, first_name)";

}  // namespace

bool SqliteStatement::Prepare(sqlite3* db, const std::string& sql) {
    sqlite3_finalize(statement_);
    statement_ = nullptr;
    return sqlite3_prepare_v2(db, sql.c_str(), -1, &statement_, nullptr) == SQLITE_OK;
}

void SqliteStatement::Reset() {
    sqlite3_reset(statement_);
    sqlite3_clear_bindings(statement_);
}

void SqliteStatement::BindInt(int index, std::int64_t value) {
    sqlite3_bind_int64(statement_, index, value);
}

void SqliteStatement::BindText(int index, std::string_view text) {
    sqlite3_bind_text(statement_, index, text.data(), static_cast<int>(text.size()),
                      SQLITE_TRANSIENT);
}

std::string_view SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    if (text == nullptr) return {};
    return {text, static_cast<std::size_t>(sqlite3_column_bytes(statement_, column))};
}

std::string FoldedUtf8(std::string_view text) { return Cp1252ToUtf8(FoldText(text)); }

std::string PrefixEnd(std::string prefix) {
    while (!prefix.empty() && static_cast<unsigned char>(prefix.back()) == 0xFF) prefix.pop_back();
    if (!prefix.empty()) prefix.back() = static_cast<char>(prefix.back() + 1);
    return prefix;
}

bool SqliteBaseline::Execute(const char* sql) {
    char* message = nullptr;
    if (sqlite3_exec(db_, sql, nullptr, nullptr, &message) == SQLITE_OK) return true;
    error_ = std::string(sql) + ": " + (message != nullptr ? message : "error");
    sqlite3_free(message);
    return false;
}

bool SqliteBaseline::Build(BookList& books, const std::string& path) {
    Close();
    std::remove(path.c_str());
    if (sqlite3_open(path.c_str(), &db_) != SQLITE_OK) {
        error_ = path + ": " + sqlite3_errmsg(db_);
        return false;
    }
    for (const char* sql : kSchema) {
        if (!Execute(sql)) return false;
    }
    if (!Execute("BEGIN") || !InsertAll(books) || !Execute("COMMIT") || !Execute(kIndex) ||
        !Execute("ANALYZE")) {
        return false;
    }
    return Open(path);
}

bool SqliteBaseline::Open(const std::string& path) {
    Close();
    if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        error_ = path + ": " + sqlite3_errmsg(db_);
        return false;
    }
    SqliteStatement count;
    if (!count.Prepare(db_, "SELECT max(position) + 1 FROM entries") || !count.Step()) {
        error_ = path + ": " + sqlite3_errmsg(db_);
        return false;
    }
    rows_ = count.Int(0);
    return true;
}

// Every record of the table in table order, decoded as a search hit is.
bool SqliteBaseline::InsertAll(BookList& books) {
    SqliteStatement insert;
    if (!insert.Prepare(db_, kInsert)) {
        error_ = sqlite3_errmsg(db_);
        return false;
    }
    MainTable& table = books.Table();
    SubscriberEntry entry;
    for (int n = 0; n < table.Count(); ++n) {
        const ByteView record = table.Record(n);
        if (record.empty()) {
            error_ = "record " + std::to_string(n) + " does not inflate";
            return false;
        }
        books.Decoder().Decode(record.data(), &entry);
        insert.Reset();
        insert.BindInt(1, n);
        insert.BindInt(2, LoadU16(record.data() + fmt::kBook));
        insert.BindInt(3, entry.level);
        insert.BindText(4, Cp1252ToUtf8(entry[EntryField::kName]));
        insert.BindText(5, FoldedUtf8(entry[EntryField::kName]));
        int column = 6;
        for (EntryField field :
             {EntryField::kFirstName, EntryField::kStreet, EntryField::kHouseNumber,
              EntryField::kHeading, EntryField::kAreaCode, EntryField::kPhoneNumber,
              EntryField::kPostalCode, EntryField::kTown}) {
            insert.BindText(column++, Cp1252ToUtf8(entry[field]));
        }
        if (!insert.Run()) {
            error_ = std::string("insert: ") + sqlite3_errmsg(db_);
            return false;
        }
        ++rows_;
    }
    return true;
}

void SqliteBaseline::Close() {
    sqlite3_close(db_);
    db_ = nullptr;
    rows_ = 0;
}

}  // namespace vendarion::bench

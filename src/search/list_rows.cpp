#include "search/list_rows.h"

#include <algorithm>
#include <span>

#include "search/result_line.h"
#include "search/result_list.h"
#include "search/row_entry.h"
#include "store/book_list.h"

namespace vendarion {

void ListRows::ShowBook(int book) {
    source_ = Source::kBook;
    book_ = book;
    loaded_row_ = -1;
    first_record_ = books_.Find(book, "", "");
    const int remaining = first_record_ >= 0 ? books_.Table().Count() - first_record_ : 0;
    book_rows_ = std::clamp(books_.Books().EntryCount(book), 0, remaining);
}

void ListRows::ShowTable(ReferenceKind kind) {
    source_ = Source::kTable;
    table_ = kind;
}

int ListRows::Count() const {
    switch (source_) {
        case Source::kResults:
            return results_.Count();
        case Source::kBook:
            return book_rows_;
        case Source::kTable:
            return (table_ == ReferenceKind::kBanks ? books_.Banks() : books_.Countries()).Count();
        case Source::kNone:
            break;
    }
    return 0;
}

int ListRows::BookRowOf(std::string_view surname) {
    if (source_ != Source::kBook || book_rows_ == 0 || surname.empty()) return 0;
    const int record = books_.Find(book_, surname, "");
    if (record < first_record_ || record >= first_record_ + book_rows_) return book_rows_ - 1;
    return record - first_record_;
}

bool ListRows::LoadBookRow(int row) {
    if (row < 0 || row >= book_rows_) return false;
    if (row == loaded_row_) return true;
    loaded_row_ = -1;
    const int record = first_record_ + row;
    if (books_.Read(record, record, std::span(&entry_, 1)) != 0) return false;
    loaded_row_ = row;
    return true;
}

std::string ListRows::TableText(int row, int column) const {
    const ReferenceTable& table =
        table_ == ReferenceKind::kBanks ? books_.Banks() : books_.Countries();
    if (table_ == ReferenceKind::kBanks) {
        constexpr BankField kColumns[] = {BankField::kCode, BankField::kName,
                                          BankField::kPostalCode, BankField::kTown};
        if (column < 0 || column >= static_cast<int>(std::size(kColumns))) return {};
        return std::string(table.Field(row, static_cast<int>(kColumns[column])));
    }
    constexpr CountryField kColumns[] = {CountryField::kName, CountryField::kCode};
    if (column < 0 || column >= static_cast<int>(std::size(kColumns))) return {};
    return std::string(table.Field(row, static_cast<int>(kColumns[column])));
}

std::string ListRows::Text(int row, int column) {
    switch (source_) {
        case Source::kResults:
            return results_.Field(row, column);
        case Source::kBook:
            return LoadBookRow(row) ? EntryCellText(entry_, column) : std::string();
        case Source::kTable:
            return TableText(row, column);
        case Source::kNone:
            break;
    }
    return {};
}

bool ListRows::Entry(int row, SubscriberEntry* entry) {
    switch (source_) {
        case Source::kResults:
            return EntryFromResultLine(results_.Line(row), entry);
        case Source::kBook:
            if (!LoadBookRow(row)) return false;
            *entry = EntryFromShownEntry(entry_);
            return true;
        case Source::kTable:
        case Source::kNone:
            break;
    }
    return false;
}

}  // namespace vendarion

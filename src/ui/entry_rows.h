// The rows of the lists that the search control fills (names of a town, bank and
// foreign codes: a whole book or table, or a search result), and the rows of the two
// personal stores.
#pragma once

#include "personal/entry_store.h"
#include "search/list_rows.h"
#include "ui/row_source.h"

namespace vendarion {

class SearchRows final : public RowSource {
public:
    explicit SearchRows(ListRows& rows) : rows_(rows) {}

    int Count() override { return rows_.Count(); }
    std::string Text(int row, int column) override { return rows_.Text(row, column); }
    // In a whole book: the row of the first entry at or after the surname.
    int FindRow(std::string_view text) override;

private:
    ListRows& rows_;
};

class StoreRows final : public RowSource {
public:
    // store may be null (no hard-disk copy): no rows.
    explicit StoreRows(const EntryStore* store) : store_(store) {}

    int Count() override { return store_ != nullptr ? store_->Count() : 0; }
    // The columns of a whole-book row.
    std::string Text(int row, int column) override;

private:
    const EntryStore* store_;
};

}  // namespace vendarion

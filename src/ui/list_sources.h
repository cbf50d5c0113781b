// The row sources of every list type, over the user-interface thread's readers of
// the data set, the search control's rows and the personal stores.
#pragma once

#include <memory>

#include "search/list_type.h"
#include "ui/entry_rows.h"
#include "ui/place_rows.h"
#include "ui/word_rows.h"

namespace vendarion {

class DataSet;
class ListRows;
struct PersonalStores;

class ListSources {
public:
    ListSources(DataSet& data, ListRows& search_rows, const PersonalStores& stores);

    RowSource& For(ListType type);

    PlaceRows& Towns() { return towns_; }
    PlaceRows& PostalCodes() { return postal_codes_; }
    PlaceRows& AreaCodes() { return area_codes_; }
    SurnameRows& Surnames() { return surnames_; }
    RelationRows& Streets() { return streets_; }
    RelationRows& Headings() { return headings_; }

private:
    PlaceRows towns_;
    PlaceRows postal_codes_;
    PlaceRows area_codes_;
    SurnameRows surnames_;
    RelationRows streets_;
    RelationRows headings_;
    SearchRows search_rows_;
    StoreRows phone_book_;
    StoreRows notes_;
    EmptyRows empty_;
};

}  // namespace vendarion

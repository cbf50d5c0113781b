#include "ui/list_sources.h"

#include "personal/personal_stores.h"
#include "store/data_set.h"

namespace vendarion {

ListSources::ListSources(DataSet& data, ListRows& search_rows, const PersonalStores& stores)
    : towns_(data.Towns(), data.Books().Books()),
      postal_codes_(data.PostalCodes(), data.Books().Books()),
      area_codes_(data.AreaCodes(), data.Books().Books()),
      surnames_(data.NameIndex(), data.Books()),
      streets_(data.StreetIndex(), data.Books()),
      headings_(data.HeadingIndex(), data.Books()),
      search_rows_(search_rows),
      phone_book_(stores.phone_book.get()),
      notes_(stores.notes.get()) {}

RowSource& ListSources::For(ListType type) {
    switch (type) {
        case ListType::kTowns:
        case ListType::kInternetTowns:
            return towns_;
        case ListType::kPostalCodes:
        case ListType::kInternetPostalCodes:
            return postal_codes_;
        case ListType::kAreaCodes:
        case ListType::kInternetAreaCodes:
            return area_codes_;
        case ListType::kSurnames:
        case ListType::kInternetSurnames:
            return surnames_;
        case ListType::kStreets:
            return streets_;
        case ListType::kHeadings:
            return headings_;
        case ListType::kNames:
        case ListType::kInternet:
        case ListType::kCountryCodes:
        case ListType::kBankCodes:
            return search_rows_;
        case ListType::kPhoneBook:
            return phone_book_;
        case ListType::kNotes:
            return notes_;
        default:
            break;
    }
    return empty_;
}

}  // namespace vendarion

#include "net/server_readers.h"

namespace vendarion {

ServerReaders OwnReaders(DataSet& data_set) {
    return {data_set.Books(), data_set.Towns(), data_set.PostalCodes(), data_set.AreaCodes()};
}

ThreadReaders::ThreadReaders()
    : towns_(ListKind::kTowns),
      postal_codes_(ListKind::kPostalCodes),
      area_codes_(ListKind::kAreaCodes) {}

bool ThreadReaders::Open(const DataSet& data_set) {
    if (data_set.OpenBookList(&books_) && towns_.Open(data_set.ListArchive()) &&
        postal_codes_.Open(data_set.ListArchive()) && area_codes_.Open(data_set.ListArchive())) {
        return true;
    }
    books_.Close();
    towns_.Close();
    postal_codes_.Close();
    area_codes_.Close();
    return false;
}

ServerReaders ThreadReaders::View() { return {books_, towns_, postal_codes_, area_codes_}; }

}  // namespace vendarion

#include "net/book_filter.h"

#include "store/book_data.h"

namespace vendarion {
namespace {

// The first of count ascending ids, read by id_at(i), that is at or after id.
template <typename IdAt>
int FirstIdAtOrAfter(int count, std::int64_t id, const IdAt& id_at) {
    int first = 0;
    while (count > 0) {
        const int half = count / 2;
        if (id_at(first + half) < id) {
            first += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return first;
}

// Whether the book's ascending ids (word number + 1) hold one inside the range.
bool HasIdIn(const RelationIndex& index, int book, const ValueRange& range) {
    if (range.Unset()) return true;
    const int count = index.Count(book);
    const int first = FirstIdAtOrAfter(count, std::int64_t{range.low} + 1,
                                       [&](int i) { return index.Id(book, i); });
    return first < count && range.Admits(index.Id(book, first));
}

}  // namespace

BookFilter::BookFilter(const DataSet& data_set, const SearchCursor& cursor)
    : streets_(data_set.StreetIndex()),
      headings_(data_set.HeadingIndex()),
      street_range_(cursor.street_range),
      heading_range_(cursor.heading_range) {
    by_surname_ = cursor.surname_present && cursor.name_range.low >= 0 &&
                  (cursor.mode == NameMode::kNormal || cursor.mode == NameMode::kExact);
    if (!by_surname_) return;
    surname_books_.assign(static_cast<std::size_t>(BookData::BookCount()), false);
    const NameToBooks& names = data_set.NameIndex();
    const std::int64_t high = static_cast<std::int64_t>(cursor.name_range.high) + 1;
    std::vector<std::int16_t> books;
    const int first = FirstIdAtOrAfter(names.EntryCount(), std::int64_t{cursor.name_range.low} + 1,
                                       [&](int e) { return names.Id(e); });
    for (int e = first; e < names.EntryCount() && names.Id(e) <= high; ++e) {
        books.clear();
        names.Books(e, 0, names.BookCount(e) - 1, &books);
        for (const std::int16_t book : books) {
            if (book >= 0 && book < BookData::BookCount()) {
                surname_books_[static_cast<std::size_t>(book)] = true;
            }
        }
    }
}

bool BookFilter::MayHold(int book) const {
    if (by_surname_ && (book < 0 || static_cast<std::size_t>(book) >= surname_books_.size() ||
                        !surname_books_[static_cast<std::size_t>(book)])) {
        return false;
    }
    return HasIdIn(streets_, book, street_range_) && HasIdIn(headings_, book, heading_range_);
}

}  // namespace vendarion

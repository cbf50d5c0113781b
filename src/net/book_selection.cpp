#include "net/book_selection.h"

#include <algorithm>
#include <iterator>

#include "base/ascii_text.h"
#include "base/fold_text.h"
#include "store/book_data.h"

namespace vendarion {
namespace {

void Normalise(std::vector<int>* books) {
    std::sort(books->begin(), books->end());
    books->erase(std::unique(books->begin(), books->end()), books->end());
}

}  // namespace

std::vector<int> BooksOf(SortedList& list, std::string_view text) {
    text = TrimBlanks(text);
    if (text.empty()) return {};
    const bool folded = list.Kind() == ListKind::kTowns;
    const std::string key = folded ? FoldText(text) : std::string(text);
    std::vector<int> equal;
    std::vector<int> prefixed;
    const int first = list.FindPrefix(text);
    for (int r = first; r >= 0 && r < list.Count(); ++r) {
        const ListRecord record = list.Parse(list.Record(r));
        const std::string stored = folded ? FoldText(record.first) : std::string(record.first);
        if (!stored.starts_with(key)) break;
        if (record.book < 0 || record.book >= BookData::BookCount()) continue;
        (stored.size() == key.size() ? equal : prefixed).push_back(record.book);
    }
    std::vector<int>& books = equal.empty() ? prefixed : equal;
    Normalise(&books);
    return std::move(books);
}

std::vector<int> CommonBooks(const std::vector<int>& a, const std::vector<int>& b) {
    std::vector<int> common;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(common));
    return common;
}

}  // namespace vendarion

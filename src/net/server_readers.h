// The readers with decode caches that one directory server thread searches with: a
// book list and the three place lists. The data set's own readers serve the thread
// that opened it (the CGI program); every other server thread opens its own over the
// same archives, so that no two threads share a decode cache and no lock is needed.
#pragma once

#include "store/book_list.h"
#include "store/data_set.h"
#include "store/sorted_list.h"

namespace vendarion {

// Views of the readers; they stay valid as long as their owner.
struct ServerReaders {
    BookList& books;
    SortedList& towns;
    SortedList& postal_codes;
    SortedList& area_codes;
};

// The data set's own readers, for the thread that opened it.
ServerReaders OwnReaders(DataSet& data_set);

// Readers of one more thread, used by one thread at a time; the data set must stay
// open while they are.
class ThreadReaders {
public:
    ThreadReaders();
    ThreadReaders(const ThreadReaders&) = delete;
    ThreadReaders& operator=(const ThreadReaders&) = delete;

    // False (and closed) when a reader cannot be opened.
    [[nodiscard]] bool Open(const DataSet& data_set);
    ServerReaders View();

private:
    BookList books_;
    SortedList towns_;
    SortedList postal_codes_;
    SortedList area_codes_;
};

}  // namespace vendarion

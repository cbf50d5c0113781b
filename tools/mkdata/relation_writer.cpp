#include "relation_writer.h"

#include "byte_writer.h"
#include "trie_builder.h"

namespace vendarion::mkdata {

std::string BuildBookRelation(const std::vector<std::vector<std::uint32_t>>& ids_per_book) {
    std::string header;
    std::string ids;
    PutI32(&header, static_cast<std::int32_t>(ids_per_book.size()));
    for (const std::vector<std::uint32_t>& book : ids_per_book) {
        if (book.size() == 1) {
            PutU32(&header, book[0]);
        } else {
            PutI32(&header, static_cast<std::int32_t>(ids.size()));
            for (const std::uint32_t id : book) PutU24(&ids, id);
        }
        PutI32(&header, static_cast<std::int32_t>(book.size()));
    }
    return header + ids;
}

NameToBooksMembers BuildNameToBooks(const std::vector<std::uint64_t>& pairs,
                                    const SortedWords& surnames) {
    std::string entries;
    std::string books;
    std::vector<std::string> folded;
    for (std::size_t i = 0; i < pairs.size();) {
        const auto id = static_cast<std::uint32_t>(pairs[i] >> 16);
        std::size_t end = i;
        while (end < pairs.size() && (pairs[end] >> 16) == id) ++end;
        PutU24(&entries, id);
        if (end - i == 1) {
            PutI32(&entries, static_cast<std::int32_t>(pairs[i] & 0xFFFF));
        } else {
            PutI32(&entries, static_cast<std::int32_t>(books.size()));
            for (std::size_t k = i; k < end; ++k) PutU16(&books, pairs[k] & 0xFFFF);
        }
        PutU16(&entries, static_cast<std::uint32_t>(end - i));
        folded.push_back(surnames.folded[id - 1]);
        i = end;
    }
    NameToBooksMembers members;
    PutI32(&members.bhi, static_cast<std::int32_t>(folded.size()));
    members.bhi += entries;
    members.bhi += books;
    members.tri2 = BuildTrie(folded);
    return members;
}

}  // namespace vendarion::mkdata

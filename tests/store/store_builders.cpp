#include "store_builders.h"

#include <zlib.h>

#include <algorithm>
#include <deque>

#include "base/fold_text.h"

namespace vendarion::test {
namespace {

std::string Bytes(std::uint64_t value, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    return out;
}

struct ListShape {
    std::size_t record_size;
    std::size_t first_width;
    std::size_t second_offset;
    std::size_t second_width;
    std::size_t book_offset;
    std::size_t key_width;
};

ListShape ShapeOf(ListKind kind) {
    switch (kind) {
        case ListKind::kTowns:
            return {92, 82, 82, 6, 88, 88};
        case ListKind::kPostalCodes:
            return {92, 6, 6, 82, 88, 12};
        case ListKind::kAreaCodes:
            break;
    }
    return {96, 10, 10, 82, 92, 12};
}

}  // namespace

std::string Le16(std::int32_t value) { return Bytes(static_cast<std::uint16_t>(value), 2); }
std::string Le24(std::uint32_t value) { return Bytes(value, 3); }
std::string Be24(std::uint32_t value) {
    return {static_cast<char>((value >> 16) & 0xFF), static_cast<char>((value >> 8) & 0xFF),
            static_cast<char>(value & 0xFF)};
}
std::string Le32(std::int64_t value) { return Bytes(static_cast<std::uint32_t>(value), 4); }

std::string Fixed(std::string_view text, std::size_t width) {
    std::string out(text.substr(0, width - 1));
    out.resize(width, '\0');
    return out;
}

std::string Compress(std::string_view bytes) {
    uLongf length = compressBound(static_cast<uLong>(bytes.size()));
    std::string out(length, '\0');
    compress2(reinterpret_cast<Bytef*>(out.data()), &length,
              reinterpret_cast<const Bytef*>(bytes.data()), static_cast<uLong>(bytes.size()), 6);
    out.resize(length);
    return out;
}

std::string BuildSubNameIndex(const std::vector<TableRecord>& records, std::size_t book_count,
                              std::uint32_t pairs_per_block) {
    std::vector<std::vector<std::pair<std::uint32_t, std::uint32_t>>> pairs(book_count);
    std::uint32_t main_surname = 0;
    for (std::size_t n = 0; n < records.size(); ++n) {
        const TableRecord& r = records[n];
        if (r.level == 0) {
            main_surname = r.surname;
        } else if (r.surname != 0 && r.surname != main_surname && r.book < book_count) {
            pairs[r.book].push_back({r.surname, static_cast<std::uint32_t>(n)});
        }
    }
    std::string books;
    std::string entries;
    std::vector<std::string> blocks;
    for (auto& book : pairs) {
        std::sort(book.begin(), book.end());
        const std::size_t count = (book.size() + pairs_per_block - 1) / pairs_per_block;
        books += Le32(static_cast<std::int64_t>(blocks.size())) +
                 Le32(static_cast<std::int64_t>(count)) +
                 Le32(static_cast<std::int64_t>(book.size()));
        for (std::size_t k = 0; k < count; ++k) {
            std::string block;
            const std::size_t first = k * pairs_per_block;
            const std::size_t end = std::min(book.size(), first + pairs_per_block);
            for (std::size_t i = first; i < end; ++i) {
                const bool same = i > first && book[i].first == book[i - 1].first;
                block += Le32(i == first ? 0 : book[i].first - book[i - 1].first);
                block += Le32(same ? book[i].second - book[i - 1].second : book[i].second);
            }
            entries += Le32(book[first].first);
            blocks.push_back(Compress(block));
        }
    }
    std::string out = Le32(static_cast<std::int64_t>(book_count)) + Le32(pairs_per_block) +
                      Le32(static_cast<std::int64_t>(blocks.size())) + books;
    std::size_t offset = out.size() + 12 * blocks.size();
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        out += entries.substr(4 * k, 4) + Le32(static_cast<std::int64_t>(offset)) +
               Le32(static_cast<std::int64_t>(blocks[k].size()));
        offset += blocks[k].size();
    }
    for (const std::string& block : blocks) out += block;
    return out;
}

ListMembers BuildSortedList(ListKind kind, const std::vector<ListEntry>& entries, int per_block) {
    const ListShape shape = ShapeOf(kind);
    const std::size_t count = entries.size();
    ListMembers out;
    out.index = Le32(static_cast<std::int64_t>(count)) + Le32(per_block);
    for (std::size_t start = 0; start < count; start += per_block) {
        std::string block;
        for (std::size_t i = start; i < count && i < start + per_block; ++i) {
            std::string record(shape.record_size, '\0');
            record.replace(0, shape.first_width, Fixed(entries[i].first, shape.first_width));
            record.replace(shape.second_offset, shape.second_width,
                           Fixed(entries[i].second, shape.second_width));
            record.replace(shape.book_offset, 4, Le32(entries[i].book));
            block += record;
        }
        const std::string compressed = Compress(block);
        // Town keys are the first 88 bytes of the block's first record; code keys
        // its code text.
        out.index += shape.key_width == 88 ? block.substr(0, 88) : Fixed(entries[start].first, 12);
        out.index += Le32(static_cast<std::int64_t>(compressed.size())) +
                     Le32(static_cast<std::int64_t>(out.data.size()));
        out.data += compressed;
    }
    return out;
}

std::vector<std::string> SortedByFold(std::vector<std::string> words) {
    std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
        const int order = CompareFolded(FoldText(a), FoldText(b), -1);
        return order != 0 ? order < 0 : a < b;
    });
    return words;
}

DictionaryMembers BuildDictionary(const std::vector<std::string>& words) {
    DictionaryMembers out;
    out.idx = Le32(static_cast<std::int64_t>(words.size()));
    std::string previous;
    for (std::size_t n = 0; n < words.size(); ++n) {
        if (n % 64 == 0) {
            out.idx += Le32(static_cast<std::int64_t>(out.dz.size()));
            previous.clear();
        }
        std::size_t prefix = 0;
        while (prefix < previous.size() && prefix < words[n].size() &&
               previous[prefix] == words[n][prefix] && prefix < 255) {
            ++prefix;
        }
        const std::string suffix = words[n].substr(prefix);
        out.dz += static_cast<char>(prefix);
        out.dz += static_cast<char>(suffix.size());
        out.dz += suffix;
        previous = words[n];
    }
    std::vector<std::string> folded;
    std::vector<int> values;
    for (std::size_t n = 0; n < words.size(); ++n) {
        folded.push_back(FoldText(words[n]));
        values.push_back(static_cast<int>(n));
    }
    out.tri = BuildTrie(folded, values);
    return out;
}

std::string BuildTrie(const std::vector<std::string>& keys, const std::vector<int>& values) {
    struct Node {
        int value = -1;
        int first_child = 0;
        char character = 0;
    };
    struct Group {
        int node;
        std::size_t begin;
        std::size_t end;
        std::size_t depth;
    };
    std::vector<Node> nodes(1);
    nodes[0].value = keys.empty() ? -1 : values[0];
    std::deque<Group> queue{{0, 0, keys.size(), 0}};
    while (!queue.empty()) {
        const Group group = queue.front();
        queue.pop_front();
        std::vector<Group> children;
        for (std::size_t i = group.begin; i < group.end; ++i) {
            if (keys[i].size() <= group.depth) continue;
            const char c = keys[i][group.depth];
            if (children.empty() || keys[children.back().begin][group.depth] != c) {
                children.push_back({0, i, i + 1, group.depth + 1});
            } else {
                children.back().end = i + 1;
            }
        }
        // A node whose path ends every key of its group still gets a run of children:
        // the closing node alone. Without it a text that goes on past the node would
        // restart the walk at the root when the node's value is 0.
        if (children.empty() && group.node == 0) continue;
        nodes[group.node].first_child = static_cast<int>(nodes.size());
        for (Group& child : children) {
            child.node = static_cast<int>(nodes.size());
            nodes.push_back({values[child.begin], 0, keys[child.begin][group.depth]});
            queue.push_back(child);
        }
        nodes.push_back({group.end < keys.size() ? values[group.end] : -1, 0, 0});
    }
    std::string out;
    for (const Node& node : nodes) {
        out += Le32(0) + Le32(node.value) + Le32(node.first_child) + node.character;
    }
    return out;
}

std::string EncodeRecord(const TableRecord& r) {
    std::string out = Le16(r.book);
    out += static_cast<char>(r.place);
    out += static_cast<char>(r.postal_code);
    out += static_cast<char>(r.area_code);
    out += static_cast<char>(r.call_addition);
    out += static_cast<char>((r.level & 7) | ((r.extension & 7) << 3) | (r.flag ? 0x40 : 0));
    out += Be24(r.heading) + Be24(r.street) + Le16(r.house_number) + Be24(r.surname) +
           Be24(r.first_name) + Be24(r.name_additions) + Le32(r.phone);
    return out;
}

TableMembers BuildMainTable(const std::vector<TableRecord>& records, int fan_out) {
    TableMembers out;
    std::vector<std::string> leaves;
    for (std::size_t start = 0; start < records.size(); start += 1024) {
        std::string block;
        for (std::size_t i = start; i < records.size() && i < start + 1024; ++i) {
            block += EncodeRecord(records[i]);
        }
        const std::string compressed = Compress(block);
        // A block that starts inside a group of sub-entries carries its main entry's key.
        std::size_t owner = start;
        while (owner > 0 && records[owner].level != 0) --owner;
        const TableRecord& first = records[owner];
        leaves.push_back(Le32(first.book) + Le32(first.surname) + Le32(first.first_name) +
                         Le32(static_cast<std::int64_t>(out.data.size())));
        out.data += Le32(static_cast<std::int64_t>(compressed.size())) + compressed;
    }
    // Entry j of a level holds the key of entry (j + 1) * F of the level below; when
    // that entry does not exist (F divides the level below), a key after every other.
    const std::string last_key = Le32(0x7FFFFFFF) + Le32(0x7FFFFFFF) + Le32(0x7FFFFFFF);
    std::vector<std::vector<std::string>> levels{leaves};
    for (int level = 1; level <= 3; ++level) {
        const std::vector<std::string>& below = levels.back();
        std::vector<std::string> above;
        for (std::size_t j = 0; j < below.size() / fan_out; ++j) {
            const std::size_t next = (j + 1) * fan_out;
            above.push_back((next < below.size() ? below[next].substr(0, 12) : last_key) + Le32(0));
        }
        levels.push_back(above);
    }
    out.index = Le32(static_cast<std::int64_t>(records.size())) +
                Le32(static_cast<std::int64_t>(leaves.size())) + Le16(fan_out);
    for (int level = 3; level >= 0; --level) {
        for (const std::string& entry : levels[level]) out.index += entry;
    }
    return out;
}

std::string BuildBookData(const std::vector<BookInfo>& books) {
    std::string out(1740002, '\0');
    for (std::size_t b = 0; b < books.size(); ++b) {
        const BookInfo& book = books[b];
        std::string record(116, '\0');
        record.replace(8, 4, Le32(book.entry_count));
        record.replace(12, 76, Fixed(book.name, 76));
        record.replace(108, 8, Fixed(book.town_postal_code, 8));
        record.replace(88, 4, Le32(static_cast<std::int64_t>(out.size())));
        for (std::int32_t code : book.area_codes) out += Le32(code);
        record.replace(96, 4, Le32(static_cast<std::int64_t>(out.size())));
        for (std::int32_t code : book.postal_codes) out += Le32(code);
        record.replace(104, 4, Le32(static_cast<std::int64_t>(out.size())));
        for (const std::string& place : book.places) out += Fixed(place, 25);
        out.replace(2 + 116 * b, 116, record);
    }
    return out;
}

std::string BuildRelationIndex(const std::vector<std::vector<std::uint32_t>>& ids_per_book) {
    std::string out = Le32(static_cast<std::int64_t>(ids_per_book.size()));
    std::string area;
    for (const auto& ids : ids_per_book) {
        if (ids.size() == 1) {
            out += Le32(ids[0]) + Le32(1);
            continue;
        }
        out += Le32(static_cast<std::int64_t>(area.size())) +
               Le32(static_cast<std::int64_t>(ids.size()));
        for (std::uint32_t id : ids) area += Le24(id);
    }
    return out + area;
}

std::string BuildNameToBooks(
    const std::vector<std::pair<std::uint32_t, std::vector<std::int16_t>>>& entries) {
    std::string out = Le32(static_cast<std::int64_t>(entries.size()));
    std::string area;
    for (const auto& [id, books] : entries) {
        const std::int64_t offset =
            books.size() == 1 ? books[0] : static_cast<std::int64_t>(area.size());
        out += Le24(id) + Le32(offset) + Le16(static_cast<std::int32_t>(books.size()));
        if (books.size() != 1) {
            for (std::int16_t book : books) area += Le16(book);
        }
    }
    return out + area;
}

std::string BuildCountries(const std::vector<std::vector<std::string>>& rows) {
    std::string out = Le32(static_cast<std::int64_t>(rows.size()));
    for (const auto& row : rows) out += Fixed(row[0], 8) + Fixed(row[1], 3) + Fixed(row[2], 32);
    return out;
}

std::string BuildBanks(const std::vector<std::vector<std::string>>& rows) {
    std::string out = Le32(static_cast<std::int64_t>(rows.size()));
    for (const auto& row : rows) {
        out += Fixed(row[0], 9) + Fixed(row[1], 60) + Fixed(row[2], 6) + Fixed(row[3], 30);
    }
    return out;
}

std::string BuildPhonetic(
    const std::vector<std::pair<std::string, std::vector<std::int32_t>>>& entries) {
    std::string out = Le32(static_cast<std::int64_t>(entries.size()));
    std::string ids;
    std::int64_t first = 0;
    for (const auto& [code, list] : entries) {
        out += Fixed(code, 6) + Le32(first) + Le16(static_cast<std::int32_t>(list.size()));
        for (std::int32_t id : list) ids += Le32(id);
        first += static_cast<std::int64_t>(list.size());
    }
    return out + ids;
}

}  // namespace vendarion::test

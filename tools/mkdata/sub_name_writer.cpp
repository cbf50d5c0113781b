#include "sub_name_writer.h"

#include <algorithm>
#include <limits>

#include "byte_writer.h"
#include "store/sub_name_index_format.h"
#include "zlib_block.h"

namespace vendarion::mkdata {
namespace {

using namespace sub_name_index_format;

struct BlockEntry {
    std::uint32_t first_id = 0;
    std::string stream;
};

std::uint32_t IdOf(std::uint64_t pair) { return static_cast<std::uint32_t>(pair >> 32); }
std::uint32_t PositionOf(std::uint64_t pair) { return static_cast<std::uint32_t>(pair); }

// The pairs [begin, end) of one block, each id as a step from the previous and each
// position as a step from the previous one of the same id.
std::string EncodeBlock(const std::uint64_t* begin, const std::uint64_t* end) {
    std::string bytes;
    for (const std::uint64_t* pair = begin; pair != end; ++pair) {
        const bool same_id = pair != begin && IdOf(*pair) == IdOf(pair[-1]);
        PutU32(&bytes, pair == begin ? 0 : IdOf(*pair) - IdOf(pair[-1]));
        PutU32(&bytes, same_id ? PositionOf(*pair) - PositionOf(pair[-1]) : PositionOf(*pair));
    }
    return bytes;
}

}  // namespace

bool BuildSubNameIndex(const std::vector<std::vector<std::uint64_t>>& pairs_per_book,
                       std::uint32_t pairs_per_block, int zlib_level, std::string* member) {
    ZlibCompressor compressor(zlib_level);
    if (!compressor.Valid() || pairs_per_block < 1) return false;
    std::string books;
    std::vector<BlockEntry> blocks;
    for (const std::vector<std::uint64_t>& pairs : pairs_per_book) {
        PutU32(&books, static_cast<std::uint32_t>(blocks.size()));
        const std::size_t count = (pairs.size() + pairs_per_block - 1) / pairs_per_block;
        PutU32(&books, static_cast<std::uint32_t>(count));
        PutU32(&books, static_cast<std::uint32_t>(pairs.size()));
        for (std::size_t k = 0; k < count; ++k) {
            const std::uint64_t* begin = pairs.data() + k * pairs_per_block;
            const std::uint64_t* end =
                pairs.data() + std::min(pairs.size(), (k + 1) * pairs_per_block);
            BlockEntry block{IdOf(*begin), {}};
            if (!compressor.Append(EncodeBlock(begin, end), &block.stream)) return false;
            blocks.push_back(std::move(block));
        }
    }
    std::string out;
    PutU32(&out, static_cast<std::uint32_t>(pairs_per_book.size()));
    PutU32(&out, pairs_per_block);
    PutU32(&out, static_cast<std::uint32_t>(blocks.size()));
    out += books;
    std::uint64_t offset = out.size() + blocks.size() * kBlockEntrySize;
    for (const BlockEntry& block : blocks) {
        if (offset + block.stream.size() > std::numeric_limits<std::uint32_t>::max()) return false;
        PutU32(&out, block.first_id);
        PutU32(&out, static_cast<std::uint32_t>(offset));
        PutU32(&out, static_cast<std::uint32_t>(block.stream.size()));
        offset += block.stream.size();
    }
    for (const BlockEntry& block : blocks) out += block.stream;
    *member = std::move(out);
    return true;
}

}  // namespace vendarion::mkdata

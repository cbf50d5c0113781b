// The tips of the text member TipsAndTricks.txt: a first line with their number,
// then one tip a line. Lines end at CR, LF or CR LF; the text ends at a zero byte
// or at the end of the member. Windows-1252 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vendarion {

class TipList {
public:
    // At most this many characters of a tip are shown.
    static constexpr std::size_t kMaxTipLength = 2047;

    // Reads the member's bytes; the view need not outlive the call.
    explicit TipList(std::string_view member);

    // The number the first line declares (0 when it holds no number).
    int Count() const { return count_; }
    // Whether any line follows the count line.
    bool HasTipLines() const { return !lines_.empty(); }
    // Tip i; nothing when the text ends before it.
    std::optional<std::string> Tip(int index) const;

private:
    int count_ = 0;
    std::vector<std::string> lines_;
};

}  // namespace vendarion

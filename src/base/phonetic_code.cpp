#include "base/phonetic_code.h"

#include <cstring>

namespace vendarion {
namespace {

constexpr unsigned char kUpperAUmlaut = 0xC4;
constexpr unsigned char kUpperOUmlaut = 0xD6;
constexpr unsigned char kUpperUUmlaut = 0xDC;
constexpr unsigned char kSharpS = 0xDF;

unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    if ((c >= 0xC0 && c <= 0xC3) || (c >= 0xE0 && c <= 0xE3)) return 'A';
    if ((c >= 0xC8 && c <= 0xCB) || (c >= 0xE8 && c <= 0xEB)) return 'E';
    if ((c >= 0xCC && c <= 0xCF) || (c >= 0xEC && c <= 0xEF)) return 'I';
    if ((c >= 0xD2 && c <= 0xD5) || (c >= 0xF2 && c <= 0xF5)) return 'O';
    if (c == 0xE4) return kUpperAUmlaut;
    if (c == 0xF6) return kUpperOUmlaut;
    if (c == 0xFC) return kUpperUUmlaut;
    return c;
}

// The vowels after which a W is spoken: A Ä ä E I O Ö ö U Ü ü.
bool IsWVowel(unsigned char c) {
    switch (c) {
        case 'A':
        case 0xC4:
        case 0xE4:
        case 'E':
        case 'I':
        case 'O':
        case 0xD6:
        case 0xF6:
        case 'U':
        case 0xDC:
        case 0xFC:
            return true;
        default:
            return false;
    }
}

// Appends emitted letters to the code, dropping a letter equal to the one emitted
// just before it (collapsing runs as they are produced).
class CodeWriter {
public:
    CodeWriter(char* out, std::size_t capacity, std::size_t length)
        : out_(out), capacity_(capacity), length_(length) {
        if (length > 0) previous_ = out[length - 1];
    }
    void Emit(char letter) {
        const bool first = !emitted_any_ && length_ == 0;
        if (first || letter != previous_) {
            if (length_ + 1 < capacity_) out_[length_++] = letter;
        }
        previous_ = letter;
        emitted_any_ = true;
    }
    std::size_t length() const { return length_; }

private:
    char* out_;
    std::size_t capacity_;
    std::size_t length_;
    char previous_ = 0;
    bool emitted_any_ = false;
};

}  // namespace

std::size_t PhoneticCode(std::string_view text, std::size_t keep, char* out, std::size_t capacity) {
    if (capacity == 0) return 0;
    const void* zero = std::memchr(text.data(), 0, text.size());
    const std::size_t length =
        zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - text.data()) : text.size();
    const auto at = [&](std::size_t k) -> unsigned char {
        return k < length ? Upper(static_cast<unsigned char>(text[k])) : ' ';
    };

    std::size_t kept = 0;
    for (; kept < keep && kept < length && kept + 1 < capacity; ++kept) {
        out[kept] = static_cast<char>(at(kept));
    }
    CodeWriter code(out, capacity, kept);
    for (std::size_t k = keep; k < length;) {
        const unsigned char c = at(k);
        const unsigned char next = at(k + 1);
        const unsigned char next2 = at(k + 2);
        std::size_t consumed = 0;
        switch (c) {
            case 'A':
            case kUpperAUmlaut:
            case 'E':
            case 'I':
            case 'O':
            case kUpperOUmlaut:
            case 'U':
            case kUpperUUmlaut:
                if (k == 0) {
                    // Ä, Ö and Ü at the start code as their plain vowels.
                    const char vowel = c == kUpperAUmlaut   ? 'E'
                                       : c == kUpperOUmlaut ? 'O'
                                       : c == kUpperUUmlaut ? 'U'
                                                            : static_cast<char>(c);
                    code.Emit(vowel);
                }
                break;
            case 'B':
                code.Emit('P');
                break;
            case 'C':
                if (next == 'H') {
                    code.Emit('S');
                    consumed = 1;
                } else {
                    code.Emit('K');
                    consumed = next == 'K' ? 1 : 0;
                }
                break;
            case 'D':
                code.Emit('T');
                break;
            case 'F':
            case 'J':
            case 'K':
            case 'L':
            case 'M':
            case 'N':
            case 'R':
                code.Emit(static_cast<char>(c));
                break;
            case 'G':
            case 'Q':
                code.Emit('K');
                break;
            case 'P':
                if (next == 'F' || next == 'H') {
                    code.Emit('F');
                    consumed = 1;
                } else {
                    code.Emit('P');
                }
                break;
            case 'S':
                code.Emit('S');
                if (next == 'C' && next2 == 'H') consumed = 2;
                break;
            case 'T':
                if (next == 'I' && (next2 == 'A' || next2 == 'O')) {
                    code.Emit('S');
                    consumed = 2;
                } else if (next == 'S' || next == 'Z') {
                    code.Emit('S');
                    consumed = 1;
                } else {
                    code.Emit('T');
                }
                break;
            case 'V':
                code.Emit(k == 0 ? 'F' : 'W');
                break;
            case 'W':
                if (k == 0 || IsWVowel(at(k - 1))) code.Emit('W');
                break;
            case 'X':
                code.Emit('K');
                code.Emit('S');
                break;
            case 'Y':
                if (k == 0) code.Emit('J');
                break;
            case 'Z':
            case kSharpS:
                code.Emit('S');
                break;
            default:
                break;
        }
        k += 1 + consumed;
    }
    out[code.length()] = 0;
    return code.length();
}

std::string PhoneticCode(std::string_view text, std::size_t keep) {
    std::string code(2 * text.size() + keep + 1, '\0');
    code.resize(PhoneticCode(text, keep, code.data(), code.size()));
    return code;
}

}  // namespace vendarion

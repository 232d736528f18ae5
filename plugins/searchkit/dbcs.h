#pragma once
// Walking a code page 936 text one character at a time: a byte of 0x80 or more
// starts a double-byte character. A lead byte with nothing after it counts alone.
#include <cstddef>
#include <string_view>

namespace searchkit {

inline bool isLeadByte(char c) { return static_cast<unsigned char>(c) >= 0x80; }

inline size_t charLength(std::string_view text, size_t at) {
    return isLeadByte(text[at]) && at + 1 < text.size() ? 2 : 1;
}

}  // namespace searchkit

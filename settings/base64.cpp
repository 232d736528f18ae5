#include "base64.h"

#include <algorithm>
#include <array>

namespace settings {
namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Index of each byte in the alphabet, or -1.
constexpr std::array<int8_t, 256> kSextets = [] {
    std::array<int8_t, 256> table{};
    table.fill(-1);
    for (size_t i = 0; i < kAlphabet.size(); ++i) table[uint8_t(kAlphabet[i])] = int8_t(i);
    return table;
}();

std::string withoutBlanksAndLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') continue;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            continue;
        }
        out += text[i];
    }
    return out;
}

}  // namespace

Bytes base64Decode(std::string_view input, bool trim) {
    const std::string text = withoutBlanksAndLineBreaks(input);
    Bytes out;
    out.reserve((text.size() + 3) / 4 * 3);
    // A group that stops early leaves the sextets it did not reach as the
    // previous group left them; only the bytes they feed are dropped below.
    uint8_t sextet[4] = {};
    int lastStop = 5;
    for (size_t group = 0; group * 4 < text.size(); ++group) {
        lastStop = 5;
        for (int j = 1; j <= 4; ++j) {
            const size_t at = group * 4 + size_t(j - 1);
            const int value = at < text.size() ? kSextets[uint8_t(text[at])] : -1;
            if (value < 0) {
                lastStop = j;
                break;
            }
            sextet[j - 1] = uint8_t(value);
        }
        out.push_back(uint8_t(sextet[0] << 2 | sextet[1] >> 4));
        out.push_back(uint8_t(sextet[1] << 4 | sextet[2] >> 2));
        out.push_back(uint8_t(sextet[2] << 6 | sextet[3]));
    }
    // A short last group yields fewer bytes. It never takes back bytes of an
    // earlier, complete group (a stray "=" after a whole group loses nothing).
    if (lastStop <= 4) out.resize(out.size() - std::min(5 - lastStop, 3));
    return trim ? trimTrailingZeros(std::move(out)) : out;
}

std::string base64Encode(const Bytes& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const uint32_t b0 = bytes[i];
        const uint32_t b1 = i + 1 < bytes.size() ? bytes[i + 1] : 0;
        const uint32_t b2 = i + 2 < bytes.size() ? bytes[i + 2] : 0;
        const uint32_t triple = b0 << 16 | b1 << 8 | b2;
        for (int shift = 18; shift >= 0; shift -= 6) out += kAlphabet[(triple >> shift) & 63];
    }
    if (bytes.size() % 3 == 1) out.replace(out.size() - 2, 2, "==");
    if (bytes.size() % 3 == 2) out.back() = '=';
    return out;
}

Bytes trimTrailingZeros(Bytes bytes) {
    while (!bytes.empty() && bytes.back() == 0) bytes.pop_back();
    return bytes;
}

}  // namespace settings

#pragma once
// The Base64 forms of the settings file. Every value in the file is the Base64
// text of its raw bytes; the decoder is lenient in the ways stored files need.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

using Bytes = std::vector<uint8_t>;

// Blanks and CR LF pairs are ignored, "=" padding is optional, and `trim`
// drops trailing zero bytes from the result.
Bytes base64Decode(std::string_view text, bool trim);
std::string base64Encode(const Bytes& bytes);
Bytes trimTrailingZeros(Bytes bytes);

}  // namespace settings

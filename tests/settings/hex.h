#pragma once
// Hex fixtures for the settings tests.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

inline std::vector<uint8_t> fromHex(std::string_view hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes.push_back(uint8_t(std::stoul(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

template <typename Container>
std::string toHex(const Container& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

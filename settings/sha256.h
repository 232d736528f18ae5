#pragma once
// SHA-256 (FIPS 180-4), HMAC-SHA256 (RFC 2104) and HKDF-SHA256 (RFC 5869):
// the key derivation behind the settings file's cipher.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace settings {

using Sha256Digest = std::array<uint8_t, 32>;

class Sha256 {
public:
    Sha256();
    void update(std::span<const uint8_t> data);
    Sha256Digest finish();

private:
    void compress(const uint8_t* block);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t totalBytes_ = 0;
};

Sha256Digest sha256(std::span<const uint8_t> data);
Sha256Digest hmacSha256(std::span<const uint8_t> key, std::span<const uint8_t> data);

// Extract-then-expand; `length` is at most 255 * 32 bytes.
std::vector<uint8_t> hkdfSha256(std::span<const uint8_t> salt, std::span<const uint8_t> inputKey,
                                std::span<const uint8_t> info, size_t length);

}  // namespace settings

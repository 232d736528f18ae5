#pragma once
// ChaCha20, Poly1305 and their AEAD construction, as defined in RFC 8439.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace settings {

using ChaChaKey = std::array<uint8_t, 32>;
using ChaChaNonce = std::array<uint8_t, 12>;
using Poly1305Tag = std::array<uint8_t, 16>;

// One 64-byte key-stream block.
std::array<uint8_t, 64> chacha20Block(const ChaChaKey& key, uint32_t counter, const ChaChaNonce& nonce);

// XORs `data` in place with the key stream starting at block `counter`.
void chacha20Xor(const ChaChaKey& key, uint32_t counter, const ChaChaNonce& nonce, std::span<uint8_t> data);

Poly1305Tag poly1305(const std::array<uint8_t, 32>& oneTimeKey, std::span<const uint8_t> message);

// Encrypts `data` in place and returns the tag over `aad` and the cipher text.
Poly1305Tag aeadSeal(const ChaChaKey& key, const ChaChaNonce& nonce,
                     std::span<const uint8_t> aad, std::span<uint8_t> data);

// Checks the tag, then decrypts `data` in place; false (data untouched) on a mismatch.
bool aeadOpen(const ChaChaKey& key, const ChaChaNonce& nonce, std::span<const uint8_t> aad,
              std::span<uint8_t> data, const Poly1305Tag& tag);

}  // namespace settings

#include "sha256.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace settings {
namespace {

constexpr std::array<uint32_t, 64> kRoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

uint32_t loadBigEndian(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

}  // namespace

Sha256::Sha256()
    : state_{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
             0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19} {}

void Sha256::compress(const uint8_t* block) {
    uint32_t w[64];
    for (int i = 0; i < 16; ++i) w[i] = loadBigEndian(block + 4 * i);
    for (int i = 16; i < 64; ++i) {
        uint32_t s0 = std::rotr(w[i - 15], 7) ^ std::rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
        uint32_t s1 = std::rotr(w[i - 2], 17) ^ std::rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    auto [a, b, c, d, e, f, g, h] = state_;
    for (int i = 0; i < 64; ++i) {
        uint32_t s1 = std::rotr(e, 6) ^ std::rotr(e, 11) ^ std::rotr(e, 25);
        uint32_t choose = (e & f) ^ (~e & g);
        uint32_t t1 = h + s1 + choose + kRoundConstants[i] + w[i];
        uint32_t s0 = std::rotr(a, 2) ^ std::rotr(a, 13) ^ std::rotr(a, 22);
        uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        h = g; g = f; f = e; e = d + t1;
        d = c; c = b; b = a; a = t1 + s0 + majority;
    }
    const uint32_t mixed[8] = {a, b, c, d, e, f, g, h};
    for (int i = 0; i < 8; ++i) state_[i] += mixed[i];
}

void Sha256::update(std::span<const uint8_t> data) {
    totalBytes_ += data.size();
    for (uint8_t byte : data) {
        buffer_[buffered_++] = byte;
        if (buffered_ == buffer_.size()) {
            compress(buffer_.data());
            buffered_ = 0;
        }
    }
}

Sha256Digest Sha256::finish() {
    const uint64_t totalBits = totalBytes_ * 8;
    const uint8_t one = 0x80, zero = 0;
    update({&one, 1});
    while (buffered_ != 56) update({&zero, 1});
    uint8_t length[8];
    for (int i = 0; i < 8; ++i) length[i] = uint8_t(totalBits >> (56 - 8 * i));
    update(length);
    Sha256Digest digest;
    for (int i = 0; i < 8; ++i)
        for (int j = 0; j < 4; ++j) digest[4 * i + j] = uint8_t(state_[i] >> (24 - 8 * j));
    return digest;
}

Sha256Digest sha256(std::span<const uint8_t> data) {
    Sha256 hash;
    hash.update(data);
    return hash.finish();
}

Sha256Digest hmacSha256(std::span<const uint8_t> key, std::span<const uint8_t> data) {
    std::array<uint8_t, 64> block{};
    if (key.size() > block.size()) {
        Sha256Digest hashed = sha256(key);
        std::memcpy(block.data(), hashed.data(), hashed.size());
    } else if (!key.empty()) {
        std::memcpy(block.data(), key.data(), key.size());
    }
    std::array<uint8_t, 64> innerPad, outerPad;
    for (size_t i = 0; i < block.size(); ++i) {
        innerPad[i] = block[i] ^ 0x36;
        outerPad[i] = block[i] ^ 0x5c;
    }
    Sha256 inner;
    inner.update(innerPad);
    inner.update(data);
    Sha256Digest innerDigest = inner.finish();
    Sha256 outer;
    outer.update(outerPad);
    outer.update(innerDigest);
    return outer.finish();
}

std::vector<uint8_t> hkdfSha256(std::span<const uint8_t> salt, std::span<const uint8_t> inputKey,
                                std::span<const uint8_t> info, size_t length) {
    const Sha256Digest pseudoRandomKey = hmacSha256(salt, inputKey);
    std::vector<uint8_t> output;
    std::vector<uint8_t> previous;
    for (uint8_t counter = 1; output.size() < length && counter != 0; ++counter) {
        std::vector<uint8_t> message = previous;
        message.insert(message.end(), info.begin(), info.end());
        message.push_back(counter);
        Sha256Digest block = hmacSha256(pseudoRandomKey, message);
        previous.assign(block.begin(), block.end());
        output.insert(output.end(), block.begin(), block.end());
    }
    output.resize(std::min(length, output.size()));
    return output;
}

}  // namespace settings

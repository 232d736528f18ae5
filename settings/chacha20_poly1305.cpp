#include "chacha20_poly1305.h"

#include <algorithm>
#include <bit>

namespace settings {
namespace {

uint32_t load32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

void store32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

void quarterRound(uint32_t& a, uint32_t& b, uint32_t& c, uint32_t& d) {
    a += b; d ^= a; d = std::rotl(d, 16);
    c += d; b ^= c; b = std::rotl(b, 12);
    a += b; d ^= a; d = std::rotl(d, 8);
    c += d; b ^= c; b = std::rotl(b, 7);
}

// Poly1305 over 26-bit limbs, so every product fits in 64 bits.
class Poly1305 {
public:
    explicit Poly1305(const std::array<uint8_t, 32>& key) {
        const uint8_t* k = key.data();
        r_[0] = load32(k + 0) & 0x3ffffff;
        r_[1] = (load32(k + 3) >> 2) & 0x3ffff03;
        r_[2] = (load32(k + 6) >> 4) & 0x3ffc0ff;
        r_[3] = (load32(k + 9) >> 6) & 0x3f03fff;
        r_[4] = (load32(k + 12) >> 8) & 0x00fffff;
        for (int i = 0; i < 4; ++i) pad_[i] = load32(k + 16 + 4 * i);
    }

    // Feeds the message in 16-byte blocks; a short last block is padded with 1, 0...
    void update(std::span<const uint8_t> message) {
        size_t offset = 0;
        for (; offset + 16 <= message.size(); offset += 16) block(message.data() + offset, 1u << 24);
        if (offset < message.size()) {
            uint8_t last[16] = {};
            std::copy(message.begin() + offset, message.end(), last);
            last[message.size() - offset] = 1;
            block(last, 0);
        }
    }

    Poly1305Tag finish() {
        constexpr uint32_t mask = 0x3ffffff;
        uint32_t* h = h_;
        uint32_t c = h[1] >> 26; h[1] &= mask;
        h[2] += c; c = h[2] >> 26; h[2] &= mask;
        h[3] += c; c = h[3] >> 26; h[3] &= mask;
        h[4] += c; c = h[4] >> 26; h[4] &= mask;
        h[0] += c * 5; c = h[0] >> 26; h[0] &= mask;
        h[1] += c;

        // g = h + 5 - 2^130; keep g when h >= p = 2^130 - 5.
        uint32_t g[5];
        g[0] = h[0] + 5; c = g[0] >> 26; g[0] &= mask;
        g[1] = h[1] + c; c = g[1] >> 26; g[1] &= mask;
        g[2] = h[2] + c; c = g[2] >> 26; g[2] &= mask;
        g[3] = h[3] + c; c = g[3] >> 26; g[3] &= mask;
        g[4] = h[4] + c - (1u << 26);
        const uint32_t keepG = (g[4] >> 31) - 1;
        for (int i = 0; i < 5; ++i) h[i] = (h[i] & ~keepG) | (g[i] & keepG);

        const uint32_t words[4] = {
            h[0] | h[1] << 26, h[1] >> 6 | h[2] << 20, h[2] >> 12 | h[3] << 14, h[3] >> 18 | h[4] << 8};
        Poly1305Tag tag;
        uint64_t sum = 0;
        for (int i = 0; i < 4; ++i) {
            sum = uint64_t(words[i]) + pad_[i] + (sum >> 32);
            store32(tag.data() + 4 * i, uint32_t(sum));
        }
        return tag;
    }

private:
    void block(const uint8_t* m, uint32_t highBit) {
        constexpr uint32_t mask = 0x3ffffff;
        uint32_t* h = h_;
        const uint32_t* r = r_;
        h[0] += load32(m + 0) & mask;
        h[1] += (load32(m + 3) >> 2) & mask;
        h[2] += (load32(m + 6) >> 4) & mask;
        h[3] += (load32(m + 9) >> 6) & mask;
        h[4] += (load32(m + 12) >> 8) | highBit;
        const uint32_t s1 = r[1] * 5, s2 = r[2] * 5, s3 = r[3] * 5, s4 = r[4] * 5;
        using u64 = uint64_t;
        u64 d0 = u64(h[0]) * r[0] + u64(h[1]) * s4 + u64(h[2]) * s3 + u64(h[3]) * s2 + u64(h[4]) * s1;
        u64 d1 = u64(h[0]) * r[1] + u64(h[1]) * r[0] + u64(h[2]) * s4 + u64(h[3]) * s3 + u64(h[4]) * s2;
        u64 d2 = u64(h[0]) * r[2] + u64(h[1]) * r[1] + u64(h[2]) * r[0] + u64(h[3]) * s4 + u64(h[4]) * s3;
        u64 d3 = u64(h[0]) * r[3] + u64(h[1]) * r[2] + u64(h[2]) * r[1] + u64(h[3]) * r[0] + u64(h[4]) * s4;
        u64 d4 = u64(h[0]) * r[4] + u64(h[1]) * r[3] + u64(h[2]) * r[2] + u64(h[3]) * r[1] + u64(h[4]) * r[0];
        uint32_t c = uint32_t(d0 >> 26); h[0] = uint32_t(d0) & mask;
        d1 += c; c = uint32_t(d1 >> 26); h[1] = uint32_t(d1) & mask;
        d2 += c; c = uint32_t(d2 >> 26); h[2] = uint32_t(d2) & mask;
        d3 += c; c = uint32_t(d3 >> 26); h[3] = uint32_t(d3) & mask;
        d4 += c; c = uint32_t(d4 >> 26); h[4] = uint32_t(d4) & mask;
        h[0] += c * 5; c = h[0] >> 26; h[0] &= mask;
        h[1] += c;
    }

    uint32_t r_[5];
    uint32_t h_[5] = {};
    uint32_t pad_[4];
};

// The AEAD's MAC input: aad, cipher text, each zero-padded to 16, then both lengths.
Poly1305Tag aeadTag(const ChaChaKey& key, const ChaChaNonce& nonce,
                    std::span<const uint8_t> aad, std::span<const uint8_t> cipherText) {
    const std::array<uint8_t, 64> first = chacha20Block(key, 0, nonce);
    std::array<uint8_t, 32> oneTimeKey;
    std::copy_n(first.begin(), 32, oneTimeKey.begin());
    Poly1305 mac(oneTimeKey);
    auto padded = [&](std::span<const uint8_t> part) {
        const size_t whole = part.size() / 16 * 16;
        mac.update(part.first(whole));
        if (whole != part.size()) {
            uint8_t last[16] = {};
            std::copy(part.begin() + whole, part.end(), last);
            mac.update(last);
        }
    };
    padded(aad);
    padded(cipherText);
    uint8_t lengths[16];
    const uint64_t aadLength = aad.size(), textLength = cipherText.size();
    for (int i = 0; i < 8; ++i) {
        lengths[i] = uint8_t(aadLength >> (8 * i));
        lengths[8 + i] = uint8_t(textLength >> (8 * i));
    }
    mac.update(lengths);
    return mac.finish();
}

}  // namespace

std::array<uint8_t, 64> chacha20Block(const ChaChaKey& key, uint32_t counter, const ChaChaNonce& nonce) {
    uint32_t initial[16] = {0x61707865, 0x3320646e, 0x79622d32, 0x6b206574};
    for (int i = 0; i < 8; ++i) initial[4 + i] = load32(key.data() + 4 * i);
    initial[12] = counter;
    for (int i = 0; i < 3; ++i) initial[13 + i] = load32(nonce.data() + 4 * i);

    uint32_t x[16];
    std::copy(std::begin(initial), std::end(initial), x);
    for (int round = 0; round < 10; ++round) {
        quarterRound(x[0], x[4], x[8], x[12]);
        quarterRound(x[1], x[5], x[9], x[13]);
        quarterRound(x[2], x[6], x[10], x[14]);
        quarterRound(x[3], x[7], x[11], x[15]);
        quarterRound(x[0], x[5], x[10], x[15]);
        quarterRound(x[1], x[6], x[11], x[12]);
        quarterRound(x[2], x[7], x[8], x[13]);
        quarterRound(x[3], x[4], x[9], x[14]);
    }
    std::array<uint8_t, 64> out;
    for (int i = 0; i < 16; ++i) store32(out.data() + 4 * i, x[i] + initial[i]);
    return out;
}

void chacha20Xor(const ChaChaKey& key, uint32_t counter, const ChaChaNonce& nonce, std::span<uint8_t> data) {
    for (size_t offset = 0; offset < data.size(); offset += 64, ++counter) {
        const std::array<uint8_t, 64> stream = chacha20Block(key, counter, nonce);
        const size_t n = std::min<size_t>(64, data.size() - offset);
        for (size_t i = 0; i < n; ++i) data[offset + i] ^= stream[i];
    }
}

Poly1305Tag poly1305(const std::array<uint8_t, 32>& oneTimeKey, std::span<const uint8_t> message) {
    Poly1305 mac(oneTimeKey);
    mac.update(message);
    return mac.finish();
}

Poly1305Tag aeadSeal(const ChaChaKey& key, const ChaChaNonce& nonce,
                     std::span<const uint8_t> aad, std::span<uint8_t> data) {
    chacha20Xor(key, 1, nonce, data);
    return aeadTag(key, nonce, aad, data);
}

bool aeadOpen(const ChaChaKey& key, const ChaChaNonce& nonce, std::span<const uint8_t> aad,
              std::span<uint8_t> data, const Poly1305Tag& tag) {
    const Poly1305Tag expected = aeadTag(key, nonce, aad, data);
    uint8_t difference = 0;
    for (size_t i = 0; i < tag.size(); ++i) difference |= expected[i] ^ tag[i];
    if (difference != 0) return false;
    chacha20Xor(key, 1, nonce, data);
    return true;
}

}  // namespace settings

// The cipher and key derivation against the published test vectors.
#include <gtest/gtest.h>

#include <algorithm>

#include "settings/chacha20_poly1305.h"
#include "settings/sha256.h"
#include "tests/settings/hex.h"

using namespace settings;

namespace {

template <typename Array>
Array arrayFromHex(std::string_view hex) {
    const std::vector<uint8_t> bytes = fromHex(hex);
    Array out{};
    std::copy_n(bytes.begin(), out.size(), out.begin());
    return out;
}

std::span<const uint8_t> text(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// RFC 8439 section 2.8.2 (the "sunscreen" AEAD example).
const char* kAeadKey = "808182838485868788898a8b8c8d8e8f909192939495969798999a9b9c9d9e9f";
const char* kAeadNonce = "070000004041424344454647";
const char* kAeadAad = "50515253c0c1c2c3c4c5c6c7";
const char* kSunscreen =
    "Ladies and Gentlemen of the class of '99: If I could offer you only one tip for the future, "
    "sunscreen would be it.";
const char* kAeadCipherText =
    "d31a8d34648e60db7b86afbc53ef7ec2a4aded51296e08fea9e2b5a736ee62d63dbea45e8ca9671282fafb69da92728b"
    "1a71de0a9e060b2905d6a5b67ecd3b3692ddbd7f2d778b8c9803aee328091b58fab324e4fad675945585808b4831d7bc"
    "3ff4def08e4b7a9de576d26586cec64b6116";
const char* kAeadTag = "1ae10b594f09e26a7e902ecbd0600691";

}  // namespace

TEST(ChaCha20, ZeroKeyBlockMatchesRfc8439AppendixA1) {
    const auto block = chacha20Block(ChaChaKey{}, 0, ChaChaNonce{});
    EXPECT_EQ(toHex(block),
              "76b8e0ada0f13d90405d6ae55386bd28bdd219b8a08ded1aa836efcc8b770dc7"
              "da41597c5157488d7724e03fb8d84a376a43b8f41518a11cc387b669b2ee6586");
}

TEST(ChaCha20Poly1305, SealMatchesRfc8439Section282) {
    std::string data = kSunscreen;
    std::span<uint8_t> bytes(reinterpret_cast<uint8_t*>(data.data()), data.size());
    const Poly1305Tag tag = aeadSeal(arrayFromHex<ChaChaKey>(kAeadKey), arrayFromHex<ChaChaNonce>(kAeadNonce),
                                     fromHex(kAeadAad), bytes);
    EXPECT_EQ(toHex(bytes), kAeadCipherText);
    EXPECT_EQ(toHex(tag), kAeadTag);
}

TEST(ChaCha20Poly1305, OpenRestoresTextAndRejectsAnyFlippedBit) {
    const auto key = arrayFromHex<ChaChaKey>(kAeadKey);
    const auto nonce = arrayFromHex<ChaChaNonce>(kAeadNonce);
    const auto tag = arrayFromHex<Poly1305Tag>(kAeadTag);
    std::vector<uint8_t> data = fromHex(kAeadCipherText);
    ASSERT_TRUE(aeadOpen(key, nonce, fromHex(kAeadAad), data, tag));
    EXPECT_EQ(std::string(data.begin(), data.end()), kSunscreen);

    for (size_t bit : {0u, 7u, 333u, 911u}) {  // 114 bytes of cipher text
        std::vector<uint8_t> tampered = fromHex(kAeadCipherText);
        tampered[bit / 8] ^= uint8_t(1 << (bit % 8));
        const std::vector<uint8_t> before = tampered;
        EXPECT_FALSE(aeadOpen(key, nonce, fromHex(kAeadAad), tampered, tag)) << "bit " << bit;
        EXPECT_EQ(tampered, before) << "a rejected text is left as it was";
    }
    std::vector<uint8_t> otherAad = fromHex(kAeadAad);
    otherAad[0] ^= 1;
    std::vector<uint8_t> copy = fromHex(kAeadCipherText);
    EXPECT_FALSE(aeadOpen(key, nonce, otherAad, copy, tag));
}

TEST(Poly1305, MatchesRfc8439Section252) {
    const auto key = arrayFromHex<std::array<uint8_t, 32>>(
        "85d6be7857556d337f4452fe42d506a80103808afb0db2fd4abff6af4149f51b");
    EXPECT_EQ(toHex(poly1305(key, text("Cryptographic Forum Research Group"))),
              "a8061dc1305136c6c22b8baf0c0127a9");
}

TEST(Sha256, MatchesPublishedDigests) {
    struct Case { std::string input; const char* digest; };
    const Case cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const Case& c : cases) EXPECT_EQ(toHex(sha256(text(c.input))), c.digest) << c.input.size();
}

TEST(HmacSha256, MatchesRfc4231) {
    EXPECT_EQ(toHex(hmacSha256(std::vector<uint8_t>(20, 0x0b), text("Hi There"))),
              "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
    EXPECT_EQ(toHex(hmacSha256(text("Jefe"), text("what do ya want for nothing?"))),
              "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    // A key longer than a block is hashed first (RFC 4231 test case 6).
    EXPECT_EQ(toHex(hmacSha256(std::vector<uint8_t>(131, 0xaa),
                               text("Test Using Larger Than Block-Size Key - Hash Key First"))),
              "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
}

TEST(HkdfSha256, MatchesRfc5869TestCase1) {
    const auto okm = hkdfSha256(fromHex("000102030405060708090a0b0c"), std::vector<uint8_t>(22, 0x0b),
                                fromHex("f0f1f2f3f4f5f6f7f8f9"), 42);
    EXPECT_EQ(toHex(okm),
              "3cb25f25faacd57a90434f64d0362f2a2d2d0a90cf1a5a4c5db02d56ecc4c5bf34007208d5b887185865");
}

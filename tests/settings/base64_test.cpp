// The Base64 forms of stored values and the typed readings of the programs.
#include <gtest/gtest.h>

#include "settings/base64.h"
#include "settings/read_setting.h"

using settings::Bytes;

namespace {

Bytes bytesOf(std::string_view s) { return Bytes(s.begin(), s.end()); }

}  // namespace

TEST(Base64Decode, AcceptsTheFormsStoredFilesHold) {
    struct Case { const char* text; std::string bytes; };
    const Case cases[] = {
        {"", ""},
        {"QUJD", "ABC"},
        {"QUI=", "AB"},
        {"QUI", "AB"},            // padding missing
        {"QQ==", "A"},
        {"QQ", "A"},
        {"QU JD\r\nRA==", "ABCD"},  // blanks and CR LF are ignored
        {"  QUJD  ", "ABC"},
        {"QUJD=", "ABC"},         // a stray "=" takes nothing from the group before
        {"AAH+/w==", std::string("\x00\x01\xfe\xff", 4)},
        {"QUJDAAAA", std::string("ABC\0\0\0", 6)},
    };
    for (const Case& c : cases) EXPECT_EQ(settings::base64Decode(c.text, false), bytesOf(c.bytes)) << c.text;
}

TEST(Base64Decode, TrimDropsTrailingZeroBytesOnly) {
    EXPECT_EQ(settings::base64Decode("QQAAQQAA", true), bytesOf(std::string("A\0\0A", 4)));
    EXPECT_EQ(settings::base64Decode("AAAA", true), Bytes{});
    EXPECT_EQ(settings::trimTrailingZeros(Bytes{0, 1, 0, 0}), (Bytes{0, 1}));
    EXPECT_EQ(settings::trimTrailingZeros(Bytes{}), Bytes{});
}

TEST(Base64Encode, PadsTheLastGroup) {
    struct Case { std::string bytes; const char* text; };
    const Case cases[] = {
        {"", ""}, {"A", "QQ=="}, {"AB", "QUI="}, {"ABC", "QUJD"}, {"ABCD", "QUJDRA=="},
        {std::string("\x00\x01\xfe\xff", 4), "AAH+/w=="},
        {"\x26\x6e\xbe", "Jm6+"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(settings::base64Encode(bytesOf(c.bytes)), c.text);
        EXPECT_EQ(settings::base64Decode(c.text, false), bytesOf(c.bytes)) << "round trip of " << c.text;
    }
}

TEST(SettingValues, IntegersAreLittleEndianAndZeroExtended) {
    struct Case { Bytes bytes; int32_t value; };
    const Case cases[] = {
        {{}, 0},
        {{0x34, 0x12}, 0x1234},                      // a 2-byte setting
        {{0x26, 0x6e, 0xbe, 0x00}, 0x00be6e26},
        {{0xff, 0xff, 0xff, 0xff}, -1},
        {{0x01, 0x00, 0x00, 0x00, 0x99}, 1},          // only the first four bytes count
    };
    for (const Case& c : cases) EXPECT_EQ(settings::settingInt(c.bytes), c.value);
    EXPECT_EQ(settings::settingInt(settings::base64Decode("NBI=", false)), 0x1234);
}

TEST(SettingValues, TextStopsAtTheFirstZeroByte) {
    EXPECT_EQ(settings::settingText(bytesOf(std::string("ab\0cd", 5))), "ab");
    EXPECT_EQ(settings::settingText(bytesOf(" ")), " ");
    EXPECT_EQ(settings::settingText({}), "");
}

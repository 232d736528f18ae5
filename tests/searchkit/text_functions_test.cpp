// The text rules of the search toolkit: byte positions, searches that never
// start inside a double-byte character, cutting, trimming, numbers, character
// sets, URL encoding and time stamps. The tests run under LANG=C.UTF-8 (ANSI
// code page 1252), so every conversion here proves code page 936 is named.
#include <gtest/gtest.h>

#include <climits>

#include "plugins/searchkit/text_functions.h"

namespace searchkit {
namespace {

// Code page 936 bytes of the characters the cases use.
constexpr std::string_view kZhong = "\xd6\xd0";     // 中
constexpr std::string_view kWen = "\xce\xc4";       // 文
constexpr std::string_view kA = "\xb0\xa1";         // 啊 (trail byte A1, like the double-byte space)
constexpr std::string_view kTrailA = "\x81\x41";    // a character whose trail byte is the letter A
constexpr std::string_view kTrailM = "\x81\x4d";    // ... and one whose trail byte is M

std::string cat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (std::string_view part : parts) out += part;
    return out;
}

struct FindCase {
    const char* name;
    std::string text, needle;
    int start;
    bool ignoreCase;
    int expected;
};

TEST(FindText, PositionsStepOverWholeCharacters) {
    const FindCase cases[] = {
        {"after a double-byte character", cat({"a", kZhong, "b"}), "b", 1, false, 4},
        {"second byte of a character is no start", cat({"a", kZhong, "b"}), cat({kZhong.substr(1), "b"}), 1, false, -1},
        {"needle spanning two characters", cat({kZhong, kZhong}), "\xd0\xd6", 1, false, -1},
        {"whole double-byte needle", cat({"x", kZhong, kWen}), std::string(kWen), 1, false, 4},
        {"from a later start", "abcabc", "a", 2, false, 4},
        {"start below 1 counts as 1", "abc", "a", -5, false, 1},
        {"start on a trail byte moves on", cat({kZhong, "b"}), "b", 2, false, 3},
        {"start past the end", "abc", "a", 4, false, -1},
        {"ignoring case folds ASCII", "xABC", "bc", 1, true, 3},
        {"exact case by default", "xABC", "bc", 1, false, -1},
        {"trail byte A is not a letter", std::string(kTrailA), "a", 1, true, -1},
        {"trail bytes are not folded", std::string(kTrailA), "\x81\x61", 1, true, -1},
        {"empty needle in a text", "abc", "", 2, false, 1},
        {"empty needle in an empty range", "abc", "", 4, false, -1},
        {"empty text", "", "a", 1, false, -1},
    };
    for (const FindCase& c : cases) {
        EXPECT_EQ(findText(c.text, c.needle, c.start, c.ignoreCase), c.expected) << c.name;
    }
}

TEST(FindText, ReverseFindsTheLastWholeCharacterMatch) {
    EXPECT_EQ(findTextReverse("abcabc", "bc"), 5);
    EXPECT_EQ(findTextReverse(cat({kZhong, kZhong}), "\xd0\xd6"), -1);
    EXPECT_EQ(findTextReverse(cat({kZhong, "b", kZhong, "b"}), "b"), 6);
    EXPECT_EQ(findTextReverse("abc", "x"), -1);
}

TEST(TextBetween, StartMarkerIgnoresCaseEndMarkerDoesNot) {
    EXPECT_EQ(textBetween("x<a>1</a>", "<A>", "</a>"), "1");
    EXPECT_EQ(textBetween("x<a>1</A>", "<a>", "</a>"), "");
    // The case flag swaps the two rules.
    EXPECT_EQ(textBetween("x<a>1</A>", "<a>", "</a>", 1, 1), "1");
    EXPECT_EQ(textBetween("x<a>1</a>", "<A>", "</a>", 1, 1), "");
}

TEST(TextBetween, MissingEndMarkerGivesNothingNotTheRest) {
    EXPECT_EQ(textBetween("head<b>tail", "<b>", "</b>"), "");
    EXPECT_EQ(textBetween("head", "<b>", "</b>"), "");
    EXPECT_EQ(textBetween("<b></b>", "<b>", "</b>"), "");
}

TEST(TextBetween, QuotePlaceholderAndStartPosition) {
    const std::string quote(kQuotePlaceholder);
    EXPECT_EQ(textBetween("<a href=\"v\" x>", "href=" + quote, quote), "v");
    EXPECT_EQ(textBetween("\",IG:\"TOKEN\"", quote + ",IG:" + quote, quote), "TOKEN");
    EXPECT_EQ(textBetween("[1][2]", "[", "]", 2), "2");
    // The exact form takes the placeholder literally and matches case exactly.
    EXPECT_EQ(textBetweenExact("A" + quote + "v" + quote, quote, quote), "v");
    EXPECT_EQ(textBetweenExact("<A>1</a>", "<a>", "</a>"), "");
}

TEST(Reshape, TrimKeepsTabsAndLineBreaks) {
    EXPECT_EQ(trimSpaces(cat({kWideSpace, "a b\t"})), "a b\t");
    EXPECT_EQ(trimSpaces(cat({"  a", kWideSpace, " "})), "a");
    EXPECT_EQ(trimSpaces("\r\nx\r\n"), "\r\nx\r\n");
    EXPECT_EQ(trimSpaces(cat({" ", kWideSpace})), "");
    // 啊 ends in A1 and a lone A1 follows: the last two bytes are no double-byte space.
    EXPECT_EQ(trimSpaces(cat({kA, "\xa1"})), cat({kA, "\xa1"}));
    EXPECT_EQ(removeAllSpaces(cat({" a b", kWideSpace, "c\t"})), "abc\t");
}

TEST(Reshape, SplitKeepsInnerEmptyPiecesOnly) {
    using Pieces = std::vector<std::string>;
    EXPECT_EQ(splitText("a;;b;", ";"), (Pieces{"a", "", "b"}));
    EXPECT_EQ(splitText(";a", ";"), (Pieces{"", "a"}));
    EXPECT_EQ(splitText("a; b; c", "; "), (Pieces{"a", "b", "c"}));
    EXPECT_EQ(splitText("", ";"), Pieces{});
    EXPECT_EQ(splitText("abc", ";"), Pieces{"abc"});
    // The separator is only found on character boundaries.
    EXPECT_EQ(splitText(cat({kZhong, kZhong}), "\xd0"), Pieces{cat({kZhong, kZhong})});
}

TEST(Reshape, ReplaceAndLowerCase) {
    EXPECT_EQ(replaceText("aXbx", "x", "-", false), "a-b-");
    EXPECT_EQ(replaceText("aXbx", "x", "-"), "aXb-");
    EXPECT_EQ(replaceText("amp;amp;x", "amp;", ""), "x");
    EXPECT_EQ(replaceText("set-COOKIE: a", "Set-Cookie", "Set-Cookie", false), "Set-Cookie: a");
    EXPECT_EQ(replaceText("abc", "", "x"), "abc");
    EXPECT_EQ(lowerCase(cat({"ABC", kZhong, "Z"})), cat({"abc", kZhong, "z"}));
    EXPECT_EQ(lowerCase(kTrailA), kTrailA);
}

TEST(Numbers, TextToIntReadsFullWidthFormsAndStopsAtTheFirstNonDigit) {
    const struct {
        std::string text;
        int expected;
    } cases[] = {
        {"1,234", 1},
        {"\xa3\xb1\xa3\xb0", 10},              // １０
        {"", 0},
        {"  -42abc", -42},
        {"\xa3\xad\xa3\xb5", -5},              // －５
        {cat({kWideSpace, "\xa3\xab\xa3\xb7"}), 7},  // 　＋７
        {"+7", 7},
        {"abc", 0},
        {"\t12", 12},
        {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
        {cat({kZhong, "5"}), 0},
    };
    for (const auto& c : cases) EXPECT_EQ(textToInt(c.text), c.expected) << c.text;
}

TEST(Numbers, NumberToTextHasNoNeedlessFraction) {
    EXPECT_EQ(numberToText(11.0), "11");
    EXPECT_EQ(numberToText(2.5), "2.5");
    EXPECT_EQ(numberToText(-3LL), "-3");
    EXPECT_EQ(numberToText(0LL), "0");
    EXPECT_EQ(numberToText(1e20), "100000000000000000000");
}

TEST(CharacterSets, ConversionsUseCodePage936WhateverTheLocale) {
    EXPECT_EQ(textToUtf16(cat({kZhong, kWen})), L"\u4e2d\u6587");
    EXPECT_EQ(utf16ToText(L"\u4e2d\u6587"), cat({kZhong, kWen}));
    EXPECT_EQ(gbkToUtf8(cat({kZhong, "a"})), "\xe4\xb8\xad" "a");
    EXPECT_EQ(utf8ToText("\xe4\xb8\xad\xe6\x96\x87"), cat({kZhong, kWen}));
}

TEST(CharacterSets, AnsiToUtf8EndsWithOneZeroByte) {
    EXPECT_EQ(ansiToUtf8(kZhong), std::string("\xe4\xb8\xad\0", 4));
    EXPECT_EQ(ansiToUtf8(""), "");
}

TEST(CharacterSets, Utf8ToTextStopsAtZeroAndMarksUnknownCharacters) {
    EXPECT_EQ(utf8ToText(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(utf8ToText(""), "");
    EXPECT_EQ(utf8ToText("\xe0\xb8\x81" "x"), "?x");  // Thai ko kai has no code page 936 form
}

// e followed by a combining acute accent is composed into the one character
// code page 936 has for it.
TEST(CharacterSets, Utf8ToTextComposesCombiningMarks) {
    EXPECT_EQ(utf8ToText("e\xcc\x81"), "\xa8\xa6");
    EXPECT_EQ(utf8ToText("\xc3\xa9"), "\xa8\xa6");
}

TEST(UrlEncode, EveryByteUnlessKeptAndOptionallyUtf8First) {
    EXPECT_EQ(urlEncode("-"), "%2D");
    EXPECT_EQ(urlEncode("-", true), "-");
    EXPECT_EQ(urlEncode("/"), "%2F");
    EXPECT_EQ(urlEncode("/", true), "%2F");
    EXPECT_EQ(urlEncode("abc"), "%61%62%63");
    EXPECT_EQ(urlEncode("a b.9", true), "a%20b.9");
    EXPECT_EQ(urlEncode(kZhong), "%D6%D0");
    EXPECT_EQ(urlEncode(kZhong, false, true), "%E4%B8%AD");
    EXPECT_EQ(urlEncode("\n"), "%0A");
    EXPECT_EQ(urlEncode(""), "");
    // The search routines' way: the keyword's UTF-8 bytes, every one escaped.
    EXPECT_EQ(urlEncode(std::string(ansiToUtf8(" a").c_str())), "%20%61");
}

TEST(FormatDateTime, DateElementsThenTimeElements) {
    SYSTEMTIME moment{};
    moment.wYear = 2016, moment.wMonth = 5, moment.wDay = 31;
    moment.wHour = 22, moment.wMinute = 45, moment.wSecond = 7;
    EXPECT_EQ(formatDateTime(moment, "yyyy/MM/dd HH:mm"), "2016/05/31 22:45");
    EXPECT_EQ(formatDateTime(moment), "2016/05/31 22:45:07");
    EXPECT_EQ(formatDateTime(moment, ""), "2016/05/31 22:45:07");
    EXPECT_EQ(formatDateTime(moment, "[dd.MM.yyyy] ss"), "[31.05.2016] 07");
    EXPECT_EQ(formatDateTime(moment, "mm is not MM"), "45 is not 05");
    // A trail byte M belongs to its character and is no month.
    EXPECT_EQ(formatDateTime(moment, cat({kTrailM, "M"})), cat({kTrailM, "M"}));
}

TEST(FormatDateTime, ResultIsAtMost49BytesAndNeverSplitsACharacter) {
    SYSTEMTIME moment{};
    moment.wYear = 2016, moment.wMonth = 1, moment.wDay = 2;
    EXPECT_EQ(formatDateTime(moment, std::string(60, 'x')), std::string(49, 'x'));
    std::string wide;
    for (int i = 0; i < 30; ++i) wide += kZhong;
    EXPECT_EQ(formatDateTime(moment, "x" + wide).size(), 49u);
    EXPECT_EQ(formatDateTime(moment, wide).size(), 48u);
}

TEST(FormatDateTime, NowHasTheDefaultShape) {
    const std::string now = formatDateTime();
    ASSERT_EQ(now.size(), 19u);
    EXPECT_EQ(now[4], '/');
    EXPECT_EQ(now[13], ':');
    SYSTEMTIME local;
    GetLocalTime(&local);
    EXPECT_EQ(textToInt(now.substr(0, 4)), local.wYear);
}

}  // namespace
}  // namespace searchkit

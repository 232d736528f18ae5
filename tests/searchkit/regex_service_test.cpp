// RegexService on both engines with one table of cases: the system's
// "VBScript.RegExp" through COM, and our own ECMAScript engine that replaces
// it where the component is missing. Both must give the same matches and
// groups, the two real patterns of the plug-ins included, and neither may
// fall over on a multi-megabyte subject run on a thread with a small stack.
#include <gtest/gtest.h>

#include <objbase.h>
#include <windows.h>

#include <cstdio>
#include <functional>

#include "plugins/searchkit/regex_service.h"
#include "tests/searchkit/plugin_patterns.h"

namespace searchkit {
namespace {

using testing::gbk;
using Groups = std::vector<std::string>;  // groups 1..n of one match

struct RegexCase {
    const char* name;
    std::string pattern;
    std::string subject;
    RegexOptions options;
    bool accepted;
    std::vector<Groups> matches;
};

RegexOptions caseSensitive() { return {true, true, true, false}; }
RegexOptions singleLine() { return {false, false, true, false}; }
RegexOptions firstOnly() { return {false, true, false, false}; }
RegexOptions withPlaceholder() { return {false, true, true, true}; }

std::vector<RegexCase> cases() {
    const std::string quote(kQuotePlaceholder);
    const std::vector<std::string> item1 = {"/item/1", gbk("电影 <em>一</em>"), "type", gbk("视频"), "2016-05-31",
                                            " class=\"size\"", "1.2 GB", "37", "2016-06-01", "magnet:?xt=urn:btih:AAA",
                                            "thunder://QUFB"};
    std::vector<std::string> item2 = item1;
    item2[0] = "/item/2";
    item2[1] = gbk("音乐");
    item2[9] = "magnet:?xt=urn:btih:BBB";
    std::vector<std::string> unlinked = item1;
    unlinked[0] = "";
    const std::string files = "<li>a.mkv</li>\r\n                            <li>b.srt</li>";
    const std::string magnetPage = "<html>\r\n" + testing::magnetItem(item1, files) + "\r\n<hr>\r\n" +
                                   testing::magnetItem(item2, "<li>c</li>") + "\r\n</html>";

    return {
        {"cloud pattern, two hits on one line", testing::kCloudPattern,
         "x" + testing::cloudHit("http://p/1", "target=\"_blank\"", gbk("第一")) + " y " +
             testing::cloudHit("http://p/2", "h=\"ID\"", "Two &amp; <b>2</b>"),
         {}, true,
         {{"http://p/1", "target=\"_blank\"", gbk("第一")}, {"http://p/2", "h=\"ID\"", "Two &amp; <b>2</b>"}}},
        {"cloud pattern ignores letter case by default", testing::kCloudPattern,
         "<H2><A HREF=\"u\" K=1>T</A></H2>", {}, true, {{"u", "K=1", "T"}}},
        {"case-sensitive option", testing::kCloudPattern, "<H2><A HREF=\"u\" K=1>T</A></H2>", caseSensitive(), true, {}},
        {"cloud hit with an empty link", testing::kCloudPattern, testing::cloudHit("", "a=1", "t"), {}, true,
         {{"", "a=1", "t"}}},
        {"magnet pattern, two items, eleven groups each", testing::magnetPattern(), magnetPage, {}, true,
         {item1, item2}},
        {"magnet item without a link still counts", testing::magnetPattern(), testing::magnetItem(unlinked, "x"), {},
         true, {unlinked}},
        {"magnet markup with bare LF line breaks gives no rows", testing::magnetPattern(),
         testing::magnetItem(item1, "x", "\n"), {}, true, {}},
        {"no match is a match set too", "<h2>(.*?)</h2>", "nothing here", {}, true, {}},
        {"group outside the match path is empty", "a(b)?c(d)", "acd", {}, true, {{"", "d"}}},
        {"empty group", "<b>(.*?)</b>", "<b></b>", {}, true, {{""}}},
        {"multi-line anchors", "^b(.)", "a\r\nbX\r\nbY", {}, true, {{"X"}, {"Y"}}},
        {"single-line anchors", "^b(.)", "a\r\nbX", singleLine(), true, {}},
        {"line end before CR LF", "(\\w)$", "ab\r\ncd", {}, true, {{"b"}, {"d"}}},
        {"first match only", "(\\d)", "1 2 3", firstOnly(), true, {{"1"}}},
        {"quote placeholder", "href=" + quote + "(.*?)" + quote, "<a href=\"x\">", withPlaceholder(), true, {{"x"}}},
        {"placeholder left alone without the option", "href=" + quote + "(.*?)" + quote, "<a href=\"x\">", {},
         true, {}},
        {"dot stops at line breaks", "a(.*)", "a1\r\n2", {}, true, {{"1"}}},
        {"[\\s\\S] crosses line breaks", "a([\\s\\S]*?)z", "a1\r\n2z", {}, true, {{"1\r\n2"}}},
        {"lazy against greedy", "<(.*?)>", "<a><b>", {}, true, {{"a"}, {"b"}}},
        {"greedy takes the most", "<(.*)>", "<a><b>", {}, true, {{"a><b"}}},
        {"bounded repeats", "(a{2,3})", "aaaaa", {}, true, {{"aaa"}, {"aa"}}},
        {"lazy bounded repeats", "(a{2,3}?)", "aaaaa", {}, true, {{"aa"}, {"aa"}}},
        {"alternation and classes", "(cat|dog)s?[^a-z]", "cats! dog. cow", {}, true, {{"cat"}, {"dog"}}},
        {"class escapes", "(\\d+)\\s(\\w+)\\S", "12 ab! 3 c", {}, true, {{"12", "ab"}}},
        {"word boundary", "\\b(on)\\b", "on ton one on", {}, true, {{"on"}, {"on"}}},
        {"back-reference", "(\\w)\\1", "abccd", {}, true, {{"c"}}},
        {"lookahead", "(\\w+)(?=!)", "no yes!", {}, true, {{"yes"}}},
        {"negative lookahead", "\\b(\\w)(?!x)", "ax b", {}, true, {{"b"}}},
        {"non-capturing group", "(?:a|b)+(c)", "abac", {}, true, {{"c"}}},
        {"escaped metacharacters", "\\((\\d)\\)\\.", "(7).", {}, true, {{"7"}}},
        {"Chinese text in pattern and subject", gbk("创建时间：<b>(.*?)</b>"), gbk("创建时间：<b>今天</b>"), {},
         true, {{gbk("今天")}}},
        {"unbalanced group is rejected", "(abc", "abc", {}, false, {}},
        {"stray quantifier is rejected", "*a", "a", {}, false, {}},
        {"unterminated class is rejected", "[a-", "a", {}, false, {}},
    };
}

class RegexEngines : public ::testing::TestWithParam<RegexEngine> {
protected:
    void SetUp() override {
        if (GetParam() == RegexEngine::com && !RegexService::comEngineAvailable())
            GTEST_SKIP() << "VBScript.RegExp cannot be created on this system";
    }
};

TEST_P(RegexEngines, TableOfCases) {
    for (const RegexCase& c : cases()) {
        SCOPED_TRACE(c.name);
        RegexService service(GetParam());
        ASSERT_EQ(service.runSearch(c.pattern, c.subject, c.options), c.accepted);
        ASSERT_EQ(service.matchCount(), static_cast<int>(c.matches.size()));
        if (c.accepted) {
            EXPECT_EQ(service.engineUsed(), GetParam());
        }
        for (size_t m = 0; m < c.matches.size(); ++m) {
            for (size_t g = 0; g < c.matches[m].size(); ++g) {
                EXPECT_EQ(service.groupText(int(m) + 1, int(g) + 1), c.matches[m][g]) << "match " << m + 1 << " group " << g + 1;
            }
            EXPECT_EQ(service.groupText(int(m) + 1, int(c.matches[m].size()) + 1), "");
        }
    }
}

TEST_P(RegexEngines, NumbersOutOfRangeGiveEmptyTexts) {
    RegexService service(GetParam());
    ASSERT_TRUE(service.runSearch("b(c)", "abcd"));
    EXPECT_EQ(service.groupText(1, 1), "c");
    EXPECT_EQ(service.groupText(1, 0), "");
    EXPECT_EQ(service.groupText(1, 2), "");
    EXPECT_EQ(service.groupText(0, 1), "");
    EXPECT_EQ(service.groupText(2, 1), "");
    EXPECT_EQ(service.groupText(1, -1), "");
}

// ECMAScript steps on by one character after an empty match. Wine's component
// never returns from such a global search (it gives up after some fifteen
// seconds, out of memory), so only our engine is held to it here; neither
// plug-in pattern can match the empty text.
TEST(FallbackEngine, EmptyMatchesAdvance) {
    RegexService service(RegexEngine::fallback);
    ASSERT_TRUE(service.runSearch("x*", "ab"));
    EXPECT_EQ(service.matchCount(), 3);
    ASSERT_TRUE(service.runSearch("(x?)b", "abxb"));
    ASSERT_EQ(service.matchCount(), 2);
    EXPECT_EQ(service.groupText(1, 1), "");
    EXPECT_EQ(service.groupText(2, 1), "x");
}

TEST_P(RegexEngines, ARejectedPatternClearsTheLastMatchSet) {
    RegexService service(GetParam());
    ASSERT_TRUE(service.runSearch("(a)", "aaa"));
    ASSERT_EQ(service.matchCount(), 3);
    EXPECT_FALSE(service.runSearch("(a", "aaa"));
    EXPECT_EQ(service.matchCount(), 0);
    EXPECT_EQ(service.groupText(1, 1), "");
}

// Runs `work` on a thread whose whole stack is 256 KiB: an engine that recursed
// once per subject character would overflow it many times over.
void onSmallStack(const std::function<void()>& work) {
    struct Call {
        const std::function<void()>* work;
        static DWORD WINAPI run(void* call) {
            (*static_cast<Call*>(call)->work)();
            return 0;
        }
    } call{&work};
    const HANDLE thread = CreateThread(nullptr, 256 * 1024, &Call::run, &call, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    ASSERT_NE(thread, nullptr);
    ASSERT_EQ(WaitForSingleObject(thread, 120'000), WAIT_OBJECT_0);
    DWORD exitCode = 1;
    GetExitCodeThread(thread, &exitCode);
    CloseHandle(thread);
    EXPECT_EQ(exitCode, 0u);
}

std::string manyLines(size_t bytes) {
    std::string text;
    text.reserve(bytes + 64);
    while (text.size() < bytes) text += "<li>some file name.mkv</li>\r\n";
    return text;
}

TEST_P(RegexEngines, MultiMegabyteSubjectsOnASmallStack) {
    const std::string filler = manyLines(4 << 20);
    onSmallStack([&] {
        RegexService service(GetParam());
        // A lazy scan across every line that finds no end.
        EXPECT_TRUE(service.runSearch("<div>([\\s\\S]*?)</div>", "<div>" + filler));
        EXPECT_EQ(service.matchCount(), 0);
        // A greedy run to the end of the subject, then back to the last marker.
        EXPECT_TRUE(service.runSearch("<div>([\\s\\S]*)</div>", "<div>" + filler + "</div>tail"));
        ASSERT_EQ(service.matchCount(), 1);
        EXPECT_EQ(service.groupText(1, 1).size(), filler.size());
        // One line of four megabytes.
        EXPECT_TRUE(service.runSearch("^(.*)$", std::string(4 << 20, 'x')));
        ASSERT_EQ(service.matchCount(), 1);
        EXPECT_EQ(service.groupText(1, 1).size(), size_t{4} << 20);
    });
}

TEST_P(RegexEngines, MagnetPatternOverAMultiMegabytePage) {
    std::string page;
    int items = 0;
    for (; page.size() < (3 << 20); ++items) {
        std::vector<std::string> groups(11, "v");
        groups[0] = "/item/" + std::to_string(items);
        page += testing::magnetItem(groups, "<li>f</li>") + "\r\n<hr>\r\n";
    }
    onSmallStack([&] {
        RegexService service(GetParam());
        ASSERT_TRUE(service.runSearch(testing::magnetPattern(), page));
        ASSERT_EQ(service.matchCount(), items);
        EXPECT_EQ(service.groupText(items, 1), "/item/" + std::to_string(items - 1));
    });
}

INSTANTIATE_TEST_SUITE_P(Both, RegexEngines, ::testing::Values(RegexEngine::com, RegexEngine::fallback),
                         [](const auto& info) { return info.param == RegexEngine::com ? "Com" : "Fallback"; });

TEST(RegexService, AutomaticPrefersTheComponentWhereItExists) {
    RegexService service;
    ASSERT_TRUE(service.runSearch("(a)", "a"));
    EXPECT_EQ(service.engineUsed(), RegexService::comEngineAvailable() ? RegexEngine::com : RegexEngine::fallback);
    std::printf("VBScript.RegExp %s on this system\n", RegexService::comEngineAvailable() ? "is available" : "is missing");
}

// COM is initialised and uninitialised around each search: a thread that
// uses the service is left as it was, without COM.
TEST(RegexService, LeavesTheCallingThreadWithoutCom) {
    RegexService service(RegexEngine::com);
    service.runSearch("(a)", "a");
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(hr, S_OK) << "COM was still initialised on this thread";
    if (SUCCEEDED(hr)) CoUninitialize();
}

// A thread already in a multi-threaded apartment keeps it and can still search.
TEST(RegexService, WorksInsideAMultiThreadedApartment) {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    RegexService service;
    EXPECT_TRUE(service.runSearch("(b)", "abc"));
    EXPECT_EQ(service.groupText(1, 1), "b");
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE) << "the apartment changed";
    CoUninitialize();
    CoUninitialize();
}

}  // namespace
}  // namespace searchkit

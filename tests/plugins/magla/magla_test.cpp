// Magla.dll as the host loads it, driven like a user against a scripted
// magnet index on loopback: its own values, the page loop, the eight columns
// and the three copy entries.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "tests/plugins/harness/plugin_test.h"
#include "tests/support/test_support.h"
#include "tools/demosite/demo_results.h"
#include "tools/demosite/demo_site.h"
#include "tools/demosite/site_pages.h"

using harness::Answer;
using harness::SearchOutcome;
using harness::SeenWindow;

namespace {

constexpr wchar_t kEnd[] = L"　]　搜索完成！";

std::wstring question(int pages) {
    return L"共搜索到　" + std::to_wstring(pages) + L"　页数据。请输入页数，取消则只搜索第一页。";
}

demosite::MagnetHit hit(const std::string& id) {
    return {"/detail/" + id + ".html", "title " + id, "cpill fileType1", "video " + id, "2016-05-31",
            " class=\"cpill yellow-pill\"", id + " MB", "heat " + id, "2016-06-0" + id.substr(0, 1),
            "magnet:?xt=urn:btih:" + id, "thunder://QUE" + id + "Wlo=", {"a.mp4", "b.mp4 <span>2 MB</span>"}};
}

// Index page i serves ten hits "<i>-0" .. "<i>-9" and announces `countText`.
loopback::Handler index(std::string countText, std::string lineBreak = "\r\n") {
    return [countText, lineBreak](const loopback::Request& request) {
        const std::string& target = request.target;
        const size_t slash = target.find('/', 8);
        const std::string page = slash == std::string::npos ? "1" : target.substr(slash + 1, target.find('-') - slash - 1);
        std::vector<demosite::MagnetHit> hits;
        for (int n = 0; n < 10; ++n) hits.push_back(hit(page + "-" + std::to_string(n)));
        return loopback::Response::text(demosite::magnetPage("kw", countText, hits, lineBreak));
    };
}

loopback::Handler indexWith(std::vector<demosite::MagnetHit> hits) {
    return [hits](const loopback::Request&) { return loopback::Response::text(demosite::magnetPage("kw", "3", hits)); };
}

std::vector<std::string> targets(const std::vector<loopback::Request>& requests) {
    std::vector<std::string> found;
    for (const auto& request : requests) found.push_back(request.target);
    return found;
}

class Magla : public harness::PluginTest<Magla> {
public:
    static constexpr const wchar_t* kLibrary = L"Magla.dll";
    static constexpr const wchar_t* kEndStatus = kEnd;
};

const Answer kOk{Answer::ok, L""}, kCancel{Answer::cancel, L""};
Answer pages(const wchar_t* text) { return {Answer::typePages, text}; }

TEST_F(Magla, ExportsItsOwnTitleAndIcon) {
    EXPECT_EQ(session->plugin.title, "\xB4\xC5\xC1\xA6\xC1\xB4\xBD\xD3");  // 磁力链接 in code page 936
    EXPECT_EQ(session->plugin.iconWordAtMinus8, 1u);
    EXPECT_EQ(session->plugin.icon.size(), 9662u);
    // The shipped picture, byte for byte.
    EXPECT_EQ(testing_support::readFileBytes(ICON_FILE), session->plugin.icon);
    EXPECT_EQ(session->plugin.searchNum(), 0);
}

TEST_F(Magla, EightColumnsThreeOfThemFollowTheWindow) {
    EXPECT_EQ(session->statusAfterCreation, L"加入QQ群，可以下载更给力的插件哦");
    EXPECT_EQ(session->columnWidthsAfterCreation, (std::vector<int>{60, 180, 60, 60, 60, 60, 180, 180}));
    const std::vector<std::wstring> titles = {L"序号", L"标题", L"类型", L"下载热度", L"文件大小", L"最近下载",
                                              L"磁力链接", L"迅雷链接"};
    ASSERT_EQ(ui().columnCount(), 8);
    for (int column = 0; column < 8; ++column) EXPECT_EQ(ui().columnTitle(column), titles[column]);
    // Embedded 784 wide: columns 1, 6 and 7 are 784 / 5.
    const std::vector<int> widths = {60, 156, 60, 60, 60, 60, 156, 156};
    for (int column = 0; column < 8; ++column) EXPECT_EQ(ui().columnWidth(column), widths[column]) << column;
}

struct PagingCase {
    const char* name;
    std::string countText;
    std::vector<Answer> answers;
    int pagesAsked;
    std::vector<std::string> laterPages;  // path endings after the first page
    int rows;
};

class MaglaPaging : public Magla, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(MaglaPaging, AlwaysAsksAndFetchesThePagesWanted) {
    const PagingCase& c = GetParam();
    const SearchOutcome outcome = search(L"ab", c.answers, index(c.countText));
    ASSERT_TRUE(outcome.ended);
    const auto boxes = harness::ofKind(outcome.seen, SeenWindow::messageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"提示：");
    EXPECT_EQ(boxes[0].text, question(c.pagesAsked));
    EXPECT_EQ(boxes[0].icon, harness::BoxIcon::question);
    EXPECT_EQ(outcome.unanswered, 0u);
    std::vector<std::string> expected = {"/search/%61%62.html"};
    for (const std::string& page : c.laterPages) expected.push_back("/search/%61%62" + page);
    EXPECT_EQ(targets(outcome.requests), expected);
    EXPECT_EQ(ui().rowCount(), c.rows);
    EXPECT_EQ(ui().rowCounts(), (std::vector<int>{0, c.rows}));
}

INSTANTIATE_TEST_SUITE_P(Cases, MaglaPaging, ::testing::Values(
    PagingCase{"three_of_three", "35", {kOk, pages(L"3")}, 3, {"/2-1.html", "/3-1.html"}, 30},
    PagingCase{"two_of_three", "35", {kOk, pages(L"2")}, 3, {"/2-1.html"}, 20},
    PagingCase{"four_of_three_fetches_no_more", "35", {kOk, pages(L"4")}, 3, {}, 10},
    PagingCase{"five_of_three_fetches_no_more", "35", {kOk, pages(L"5")}, 3, {}, 10},
    PagingCase{"separator_ends_the_count", "1,500", {kOk, pages(L"3")}, 0, {}, 10},
    PagingCase{"question_cancelled", "35", {kCancel}, 3, {}, 10},
    PagingCase{"prompt_cancelled", "35", {kOk, kCancel}, 3, {}, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Magla, AsksEvenWhenThePageHoldsNoHit) {
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"2")}, indexWith({}));
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(outcome.seen.size(), 2u);
    EXPECT_EQ(outcome.seen[0].text, question(0));
    EXPECT_EQ(ui().rowCount(), 0);
    EXPECT_EQ(outcome.requests.size(), 1u);
}

TEST_F(Magla, UnreachableSiteStillAsksAndEndsWithoutRows) {
    session->site.stop();
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"3")}, nullptr);
    const bool restarted = session->site.start();
    ASSERT_TRUE(outcome.ended);
    ASSERT_FALSE(outcome.seen.empty());
    EXPECT_EQ(outcome.seen[0].text, question(0));
    EXPECT_EQ(ui().rowCount(), 0);
    EXPECT_TRUE(restarted);
}

TEST_F(Magla, StatusLineTellsTheCourseOfTheSearch) {
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"2")}, index("35"));
    ASSERT_TRUE(outcome.ended);
    const std::wstring stamp = L"\\[　\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}　\\]　";
    const std::vector<std::wstring> texts = ui().statusTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_TRUE(std::regex_match(texts[0], std::wregex(stamp + L"正在搜索第　1　页，请稍候\\.\\.\\."))) << texts[0].c_str();
    EXPECT_TRUE(std::regex_match(texts[1], std::wregex(stamp + L"正在搜索第　2　页，请稍候\\.\\.\\."))) << texts[1].c_str();
    EXPECT_TRUE(std::regex_match(texts[2], std::wregex(stamp + L"搜索完成！"))) << texts[2].c_str();
}

TEST_F(Magla, CookiesOfTheSiteComeBack) {
    auto handler = [](const loopback::Request& request) {
        loopback::Response response = index("35")(request);
        if (request.target.ends_with("/search/%61%62.html")) response.headers.push_back({"Set-Cookie", "visit=7; path=/"});
        return response;
    };
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"2")}, handler);
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(outcome.requests.size(), 2u);
    EXPECT_EQ(outcome.requests[1].header("Cookie"), "visit=7");
}

TEST_F(Magla, RowsShowTheEightColumns) {
    demosite::MagnetHit marked = hit("2");
    marked.title = "<em>ab</em> &amp; more 中文";
    demosite::MagnetHit noLink = hit("3");
    noLink.itemLink = "";
    const SearchOutcome outcome = search(L"ab", {kCancel}, indexWith({hit("1"), marked, noLink}));
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(ui().rowCount(), 3);
    const std::vector<std::wstring> first = {L"1", L"title 1", L"video 1", L"heat 1", L"1 MB", L"2016-06-01",
                                             L"magnet:?xt=urn:btih:1", L"thunder://QUE1Wlo="};
    for (int column = 0; column < 8; ++column) EXPECT_EQ(ui().cell(0, column), first[column]) << column;
    // Group texts stand as in the page: markup and entities stay.
    EXPECT_EQ(ui().cell(1, 1), L"<em>ab</em> &amp; more 中文");
    for (int column = 0; column < 8; ++column) EXPECT_EQ(ui().cell(2, column), L"") << column;
}

TEST_F(Magla, OtherLineBreaksGiveNoRows) {
    const SearchOutcome outcome = search(L"ab", {kCancel}, index("35", "\n"));
    ASSERT_TRUE(outcome.ended);
    EXPECT_EQ(ui().rowCount(), 0);
}

TEST_F(Magla, EmptyKeywordGetsTheErrorIcon) {
    session->site.script(index("35"));
    ui().forget();
    harness::BoxAnswerer answerer({kOk});
    ui().typeKeyword(L" ");
    ui().clickSearch();
    const auto boxes = answerer.seen();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"提示：");
    EXPECT_EQ(boxes[0].text, L"您还没有输入要搜索的内容。");
    EXPECT_EQ(boxes[0].icon, harness::BoxIcon::error);
    EXPECT_TRUE(session->site.requests().empty());
}

TEST_F(Magla, DemoSiteServesAsManyHitsAsItAnnounces) {
    const std::string host = "127.0.0.1:" + std::to_string(harness::sitePort());
    const int count = demosite::magnetResultCount("abc");
    const int pagesFound = count / 10;
    ASSERT_GE(pagesFound, 2);
    const SearchOutcome outcome = search(L"abc", {kOk, pages(std::to_wstring(pagesFound).c_str())},
                                         [host](const loopback::Request& request) {
                                             return demosite::answerDemoRequest(request, host);
                                         });
    ASSERT_TRUE(outcome.ended);
    ASSERT_FALSE(outcome.seen.empty());
    EXPECT_EQ(outcome.seen[0].text, question(pagesFound));
    ASSERT_EQ(ui().rowCount(), pagesFound * 10);
    for (int row : {0, pagesFound * 10 - 1}) {
        EXPECT_EQ(ui().cell(row, 0), std::to_wstring(row + 1));
        EXPECT_TRUE(ui().cell(row, 1).find(L"abc") != std::wstring::npos) << row;
        EXPECT_TRUE(ui().cell(row, 6).starts_with(L"magnet:?xt=urn:btih:")) << row;
        EXPECT_TRUE(ui().cell(row, 7).starts_with(L"thunder://")) << row;
        for (int column = 2; column <= 5; ++column) EXPECT_FALSE(ui().cell(row, column).empty()) << row << column;
    }
    int hits = 0;
    for (int page = 1; page <= pagesFound + 1; ++page) hits += static_cast<int>(demosite::magnetHits("abc", "h", page).size());
    EXPECT_EQ(hits, count);
}

struct CopyCase {
    const char* name;
    wchar_t mnemonic;
    std::wstring copied;
};

class MaglaMenu : public Magla, public ::testing::WithParamInterface<CopyCase> {};

TEST_P(MaglaMenu, CopiesItsColumnOfTheSelectedRow) {
    const SearchOutcome outcome = search(L"ab", {kCancel}, indexWith({hit("1"), hit("2")}));
    ASSERT_TRUE(outcome.ended);
    harness::setClipboardText(session->host.window(), L"before");
    harness::BoxAnswerer answerer({{Answer::menuKey, std::wstring(1, GetParam().mnemonic)}});
    ui().selectRow(1);
    ui().rightClick(1);
    harness::pumpWaiting();
    const auto seen = answerer.seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].entries,
              (std::vector<std::wstring>{L"复制标题(&C)", L"复制磁力链接(&W)", L"复制迅雷链接(&S)"}));
    EXPECT_EQ(harness::clipboardText(), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(Cases, MaglaMenu, ::testing::Values(
    CopyCase{"title", L'c', L"title 2"},
    CopyCase{"magnet_link", L'w', L"magnet:?xt=urn:btih:2"},
    CopyCase{"download_manager_link", L's', L"thunder://QUE2Wlo="}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

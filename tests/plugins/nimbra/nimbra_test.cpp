// Nimbra.dll as the host loads it, driven like a user against a scripted
// search engine on loopback: the export contract, the window, and whole
// searches from the keyword to the rows, the clipboard and the shell.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "tests/plugins/harness/plugin_test.h"
#include "tests/support/test_support.h"
#include "tools/demosite/demo_results.h"
#include "tools/demosite/demo_site.h"
#include "tools/demosite/site_pages.h"

using harness::Answer;
using harness::ofKind;
using harness::SeenWindow;
using harness::SearchOutcome;

namespace {

constexpr wchar_t kEnd[] = L"　]　采集完成！";
constexpr char kToken[] = "T0K3N";
constexpr char kShareHost[] = "pan.example.test";

std::wstring question(int pages) {
    return L"查询到" + std::to_wstring(pages) +
           L"页结果。您是否想输入页数而快速的搜索完成。[假如查询2000条，搜索200页软件运行更快]\r\n*取消则只采集一页";
}

// The 1-based offset a result page was asked for (1 when the URL has none).
int firstOffset(const std::string& target) {
    const size_t at = target.find("&first=");
    return at == std::string::npos ? 1 : std::atoi(target.c_str() + at + 7);
}

bool isResultPage(const loopback::Request& request) {
    return request.target.starts_with("/search?");
}

std::vector<int> laterOffsets(const std::vector<loopback::Request>& requests) {
    std::vector<int> offsets;
    for (const auto& request : requests)
        if (isResultPage(request) && firstOffset(request.target) > 1) offsets.push_back(firstOffset(request.target));
    return offsets;
}

// An engine that announces `countText` and serves as many hits as that count
// promises, ten a page, numbered by their offset: "title 11" links to /s/11.
loopback::Handler engine(std::string countText) {
    return [countText](const loopback::Request& request) {
        if (request.target == "/") return loopback::Response::text(demosite::engineHomePage(kToken));
        if (!isResultPage(request)) return loopback::Response::text("", "text/plain");
        std::string digits = countText;
        std::erase(digits, ',');
        const int count = std::atoi(digits.c_str()) > 0 ? std::atoi(digits.c_str()) : 10;
        std::vector<demosite::EngineHit> hits;
        for (int n = firstOffset(request.target); n < firstOffset(request.target) + 10 && n <= count; ++n)
            hits.push_back({"http://" + std::string(kShareHost) + "/s/" + std::to_string(n), "h=\"x\"",
                            "title " + std::to_string(n)});
        return loopback::Response::text(demosite::engineResultPage("kw", countText, hits));
    };
}

// An engine whose first result page holds exactly `hits`.
loopback::Handler engineWith(std::vector<demosite::EngineHit> hits, std::string countText = "3") {
    return [hits, countText](const loopback::Request& request) {
        if (request.target == "/") return loopback::Response::text(demosite::engineHomePage(kToken));
        return loopback::Response::text(demosite::engineResultPage("kw", countText, hits));
    };
}

class Nimbra : public harness::PluginTest<Nimbra> {
public:
    static constexpr const wchar_t* kLibrary = L"Nimbra.dll";
    static constexpr const wchar_t* kEndStatus = kEnd;
};

// --- The export contract ------------------------------------------------------

TEST_F(Nimbra, ExportsTitleIconAndNumber) {
    const harness::LoadedPlugin& plugin = session->plugin;
    EXPECT_TRUE(plugin.probed);
    EXPECT_EQ(plugin.title, "\xB0\xD9\xB6\xC8\xCD\xF8\xC5\xCC");  // 百度网盘 in code page 936
    EXPECT_EQ(plugin.iconWordAtMinus8, 1u);
    ASSERT_EQ(plugin.icon.size(), 9662u);
    // One 48 x 48 image of 32 bits per pixel, its data right behind the directory.
    const auto* icon = reinterpret_cast<const uint8_t*>(plugin.icon.data());
    EXPECT_EQ(icon[2] | icon[3] << 8, 1);  // an icon file
    EXPECT_EQ(icon[4] | icon[5] << 8, 1);  // one image
    EXPECT_EQ(icon[6], 48);
    EXPECT_EQ(icon[7], 48);
    EXPECT_EQ(icon[12] | icon[13] << 8, 32);
    // The shipped picture, byte for byte.
    EXPECT_EQ(testing_support::readFileBytes(ICON_FILE), session->plugin.icon);
    ASSERT_NE(plugin.searchNum, nullptr);
    EXPECT_EQ(plugin.searchNum(), 0);
}

// Plug-in windows of this process: top-level ones and those in the host.
int searchWindowsIn(HWND host) {
    int count = 0;
    for (HWND parent : {HWND{}, host})
        for (HWND w = FindWindowExW(parent, nullptr, L"KorvelSearchWindow", nullptr); w;
             w = FindWindowExW(parent, w, L"KorvelSearchWindow", nullptr))
            ++count;
    return count;
}

TEST_F(Nimbra, WrongHandshakesGiveNoWindow) {
    const int before = searchWindowsIn(session->host.window());
    ASSERT_EQ(before, 1);
    for (const char* handshake : {static_cast<const char*>(nullptr), "", "748.9302 ", " 748.9302", "748.930",
                                  "748,9302"})
        EXPECT_EQ(session->plugin.search(handshake), nullptr) << (handshake ? handshake : "(null)");
    EXPECT_EQ(searchWindowsIn(session->host.window()), before);
    // The right one again gives the window that exists.
    EXPECT_EQ(session->plugin.search(harness::kHandshake), session->window);
}

// --- The window ---------------------------------------------------------------

TEST_F(Nimbra, WindowAsCreated) {
    EXPECT_EQ(session->statusAfterCreation, L"加入QQ群，可以下载更给力的插件哦");
    EXPECT_EQ(session->columnWidthsAfterCreation, (std::vector<int>{60, 300, 300}));
    const RECT list = session->listAfterCreation;
    EXPECT_EQ(list.left, 8);
    EXPECT_EQ(list.top, 61);
    EXPECT_EQ(list.right - list.left, 716);
    EXPECT_EQ(list.bottom - list.top, 415);
    EXPECT_EQ(ui().columnTitle(0), L"序号");
    EXPECT_EQ(ui().columnTitle(1), L"标题");
    EXPECT_EQ(ui().columnTitle(2), L"地址");
}

TEST_F(Nimbra, WindowFollowsTheHostsPage) {
    // The host made it 784 x 452: title and address columns get 784 / 2.3.
    EXPECT_EQ(ui().columnWidth(0), 60);
    EXPECT_EQ(ui().columnWidth(1), 340);
    EXPECT_EQ(ui().columnWidth(2), 340);
    const RECT box = ui().rectOf(ui().keywordBox()), button = ui().rectOf(ui().searchButton());
    const RECT list = ui().rectOf(ui().list()), status = ui().rectOf(ui().statusLine());
    EXPECT_EQ(box.right - box.left, 784 - 120 - 25);
    EXPECT_EQ(button.left, 784 - 120 - 9);
    EXPECT_EQ(list.left, 8);
    EXPECT_EQ(list.top, 61);
    EXPECT_EQ(list.right - list.left, 784 - 19);
    EXPECT_EQ(list.bottom - list.top, 452 - 8 - 48 - 15 - 16);
    EXPECT_EQ(status.top, 452 - 16 - 4);
    EXPECT_EQ(status.left, 8);
}

// --- Asking for pages -----------------------------------------------------------

struct PagingCase {
    const char* name;
    std::string countText;
    std::vector<Answer> answers;
    int pagesAsked;  // pages named in the question; 0: no question
    bool prompt;
    std::vector<int> laterOffsets;
    int rows;
};

class NimbraPaging : public Nimbra, public ::testing::WithParamInterface<PagingCase> {};

TEST_P(NimbraPaging, FetchesThePagesTheUserWants) {
    const PagingCase& c = GetParam();
    const SearchOutcome outcome = search(L"ab", c.answers, engine(c.countText));
    ASSERT_TRUE(outcome.ended);
    const auto boxes = ofKind(outcome.seen, SeenWindow::messageBox);
    if (c.pagesAsked == 0) {
        EXPECT_TRUE(boxes.empty());
    } else {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, L"提示：");
        EXPECT_EQ(boxes[0].text, question(c.pagesAsked));
        EXPECT_EQ(boxes[0].icon, harness::BoxIcon::question);
    }
    EXPECT_EQ(ofKind(outcome.seen, SeenWindow::prompt).size(), c.prompt ? 1u : 0u);
    EXPECT_EQ(outcome.unanswered, 0u);
    EXPECT_EQ(laterOffsets(outcome.requests), c.laterOffsets);
    EXPECT_EQ(ui().rowCount(), c.rows);
    // The list is emptied at the start and gets its rows once, at the end.
    EXPECT_EQ(ui().rowCounts(), (std::vector<int>{0, c.rows}));
}

const Answer kOk{Answer::ok, L""}, kCancel{Answer::cancel, L""}, kClose{Answer::closeBox, L""};
Answer pages(const wchar_t* text) { return {Answer::typePages, text}; }

INSTANTIATE_TEST_SUITE_P(Cases, NimbraPaging, ::testing::Values(
    PagingCase{"thousands_separator_removed", "1,234", {kCancel}, 123, false, {}, 10},
    PagingCase{"nine_results_ask_nothing", "9", {}, 0, false, {}, 9},
    PagingCase{"ten_results_ask_about_one_page", "10", {kCancel}, 1, false, {}, 10},
    PagingCase{"count_not_a_number_asks_nothing", "many", {}, 0, false, {}, 10},
    PagingCase{"three_of_fifty", "500", {kOk, pages(L"3")}, 50, true, {11, 21}, 30},
    PagingCase{"accept_button", "500", {kOk, {Answer::clickAccept, L"2"}}, 50, true, {11}, 20},
    PagingCase{"fifty_of_fifty_fetches_no_more", "500", {kOk, pages(L"50")}, 50, true, {}, 10},
    PagingCase{"sixty_of_fifty_fetches_no_more", "500", {kOk, pages(L"60")}, 50, true, {}, 10},
    PagingCase{"letters_count_as_zero", "500", {kOk, pages(L"abc")}, 50, true, {}, 10},
    PagingCase{"negative_count", "500", {kOk, pages(L"-4")}, 50, true, {}, 10},
    PagingCase{"question_cancelled", "500", {kCancel}, 50, false, {}, 10},
    PagingCase{"prompt_cancelled", "500", {kOk, kCancel}, 50, true, {}, 10},
    PagingCase{"prompt_closed", "500", {kOk, kClose}, 50, true, {}, 10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Nimbra, PromptComesUpReadyForTyping) {
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"1")}, engine("500"));
    ASSERT_TRUE(outcome.ended);
    const auto prompts = ofKind(outcome.seen, SeenWindow::prompt);
    ASSERT_EQ(prompts.size(), 1u);
    const SeenWindow& prompt = prompts[0];
    EXPECT_EQ(prompt.caption, L"korvel提示");
    EXPECT_EQ(prompt.rect.left, 50);
    EXPECT_EQ(prompt.rect.top, 50);
    EXPECT_EQ(prompt.rect.right - prompt.rect.left, 380);
    EXPECT_EQ(prompt.rect.bottom - prompt.rect.top, 127);
    EXPECT_EQ(prompt.controlTexts,
              (std::vector<std::wstring>{L"请输入要搜索的页数：", L"10", L"确认(&S)", L"取消(&Q)"}));
    EXPECT_TRUE(prompt.countBoxFocused);
    EXPECT_EQ(prompt.selectionStart, 0u);
    EXPECT_EQ(prompt.selectionEnd, 2u);
}

// --- What goes over the wire ------------------------------------------------------

TEST_F(Nimbra, RequestsCarryTheUrlPiecesInOrder) {
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"2")}, engine("500"));
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(outcome.requests.size(), 3u);
    const std::string host = "127.0.0.1:" + std::to_string(harness::sitePort());
    EXPECT_EQ(outcome.requests[0].target, "/");
    EXPECT_EQ(outcome.requests[1].target,
              "/search?q=%61%62+site%3a" + host + "&qs=HS&sc=3-0&sp=1&cvid=" + kToken + "&FORM=QBLH");
    EXPECT_EQ(outcome.requests[2].target,
              "/search?q=%61%62+site%3a" + host + "&qs=HS&sc=3-0&sp=1&cvid=" + kToken + "&first=11&FORM=QBLH");
    for (const auto& request : outcome.requests) {
        EXPECT_EQ(request.method, "GET");
        EXPECT_FALSE(request.hasHeader("Cookie")) << request.target;
    }
}

struct KeywordCase {
    const char* name;
    std::wstring keyword;
    std::string encoded;
};

class NimbraKeyword : public Nimbra, public ::testing::WithParamInterface<KeywordCase> {};

TEST_P(NimbraKeyword, EveryByteIsEscaped) {
    const SearchOutcome outcome = search(GetParam().keyword, {}, engine("3"));
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(outcome.requests.size(), 2u);
    EXPECT_TRUE(outcome.requests[1].target.starts_with("/search?q=" + GetParam().encoded + "+site%3a"))
        << outcome.requests[1].target;
}

INSTANTIATE_TEST_SUITE_P(Cases, NimbraKeyword, ::testing::Values(
    KeywordCase{"leading_blank_kept", L" ab", "%20%61%62"},
    KeywordCase{"chinese_as_utf8", L"中文", "%E4%B8%AD%E6%96%87"},
    KeywordCase{"reserved_characters", L"a&b/c", "%61%26%62%2F%63"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Nimbra, CookiesTheEngineSetsAreNotSentBack) {
    auto handler = [](const loopback::Request& request) {
        loopback::Response response = engine("500")(request);
        response.headers.push_back({"Set-Cookie", "sid=1; path=/"});
        return response;
    };
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"2")}, handler);
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(outcome.requests.size(), 3u);
    for (const auto& request : outcome.requests) EXPECT_FALSE(request.hasHeader("Cookie")) << request.target;
}

TEST_F(Nimbra, StatusLineTellsTheCourseOfTheSearch) {
    const SearchOutcome outcome = search(L"ab", {kOk, pages(L"3")}, engine("500"));
    ASSERT_TRUE(outcome.ended);
    const std::wstring stamp = L"\\[　\\d{4}/\\d{2}/\\d{2} \\d{2}:\\d{2}　\\]　";
    const std::vector<std::wstring> texts = ui().statusTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_TRUE(std::regex_match(texts[0], std::wregex(stamp + L"正在采集第　1　页内容\\.\\.\\."))) << texts[0].c_str();
    EXPECT_TRUE(std::regex_match(texts[1], std::wregex(stamp + L"正在采集第　2　页内容"))) << texts[1].c_str();
    EXPECT_TRUE(std::regex_match(texts[2], std::wregex(stamp + L"正在采集第　3　页内容"))) << texts[2].c_str();
    EXPECT_TRUE(std::regex_match(texts[3], std::wregex(stamp + L"采集完成！"))) << texts[3].c_str();
    EXPECT_TRUE(IsWindowEnabled(ui().searchButton()));
}

TEST_F(Nimbra, UnreachableEngineEndsQuietlyWithoutRows) {
    session->site.stop();
    const SearchOutcome outcome = search(L"ab", {}, nullptr);
    const bool restarted = session->site.start();
    ASSERT_TRUE(outcome.ended);
    EXPECT_TRUE(outcome.seen.empty());
    EXPECT_EQ(ui().rowCount(), 0);
    EXPECT_TRUE(IsWindowEnabled(ui().searchButton()));
    EXPECT_TRUE(restarted);
}

// --- Rows -------------------------------------------------------------------------------

TEST_F(Nimbra, RowsShowNumberTitleAndLink) {
    const SearchOutcome outcome = search(L"ab", {}, engineWith({
        {"http://s/1", "h=\"a\"", "<strong>ab</strong> first"},
        {"http://s/2?x=1&amp;y=2", "h=\"b\"", "Tom &amp; Jerry"},
        {"", "h=\"c\"", "no link"},
        {"http://s/4", "h=\"d\" class=\"e\"", "<STRONG>kept</STRONG> 中文"},
    }));
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(ui().rowCount(), 4);
    const std::vector<std::vector<std::wstring>> expected = {
        {L"1", L"ab first", L"http://s/1"},
        {L"2", L"Tom & Jerry", L"http://s/2?x=1&y=2"},
        {L"", L"", L""},  // an empty link empties the row, number included
        {L"4", L"<STRONG>kept</STRONG> 中文", L"http://s/4"},
    };
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_EQ(ui().cell(row, column), expected[row][column]) << row << "," << column;
}

TEST_F(Nimbra, LongCellIsCutAt1023Bytes) {
    std::string chinese;
    for (int i = 0; i < 700; ++i) chinese += "中";  // 1400 bytes in code page 936
    const SearchOutcome outcome = search(L"ab", {}, engineWith({
        {"http://s/" + std::string(3000, 'x'), "h=\"a\"", chinese},
    }, "1"));
    ASSERT_TRUE(outcome.ended);
    ASSERT_EQ(ui().rowCount(), 1);
    EXPECT_EQ(ui().cell(0, 2), L"http://s/" + std::wstring(1023 - 9, L'x'));
    EXPECT_EQ(ui().cell(0, 1), std::wstring(511, L'中'));  // cut before a character would split
}

// --- One search at a time ------------------------------------------------------------------

TEST_F(Nimbra, EnterDuringASearchStartsNothing) {
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    auto gated = [release](const loopback::Request& request) {
        if (isResultPage(request)) WaitForSingleObject(release, 20000);
        return engine("3")(request);
    };
    session->site.script(gated);
    ui().forget();
    harness::BoxAnswerer answerer({});
    ui().typeKeyword(L"ab");
    ui().pressEnter();
    ASSERT_TRUE(harness::pumpUntil([] {
        const auto requests = session->site.requests();
        return std::any_of(requests.begin(), requests.end(), isResultPage);
    }));
    EXPECT_FALSE(IsWindowEnabled(ui().searchButton()));
    const std::vector<int> countsBefore = ui().rowCounts();
    ui().pressEnter();
    ui().clickSearch();
    ui().rightClick(-1);
    EXPECT_EQ(ui().rowCounts(), countsBefore) << "the list was emptied by a second start";
    SetEvent(release);
    ASSERT_TRUE(ui().waitForStatusEnding(kEnd));
    CloseHandle(release);
    EXPECT_TRUE(answerer.seen().empty()) << "a menu or box came up during the search";
    EXPECT_EQ(session->site.requests().size(), 2u);
    EXPECT_EQ(ui().rowCount(), 3);
}

// --- The demo site -----------------------------------------------------------------------

loopback::Handler demoSite() {
    const std::string host = "127.0.0.1:" + std::to_string(harness::sitePort());
    return [host](const loopback::Request& request) { return demosite::answerDemoRequest(request, host); };
}

TEST_F(Nimbra, DemoSiteServesAsManyHitsAsItAnnounces) {
    // "abc" is announced with 113 results: 11 pages, ten asked for, 100 rows.
    ASSERT_EQ(demosite::engineResultCount("abc"), 113);
    const SearchOutcome outcome = search(L"abc", {kOk, pages(L"10")}, demoSite());
    ASSERT_TRUE(outcome.ended);
    ASSERT_FALSE(outcome.seen.empty());
    EXPECT_EQ(outcome.seen[0].text, question(11));
    ASSERT_EQ(ui().rowCount(), 100);
    for (int row : {0, 57, 99}) {
        EXPECT_EQ(ui().cell(row, 0), std::to_wstring(row + 1));
        EXPECT_TRUE(ui().cell(row, 1).find(L"abc") != std::wstring::npos) << row;
        EXPECT_TRUE(ui().cell(row, 1).find(L"<strong>") == std::wstring::npos) << row;
        EXPECT_TRUE(ui().cell(row, 1).find(L"&amp;") == std::wstring::npos) << row;
        EXPECT_TRUE(ui().cell(row, 2).starts_with(L"http://127.0.0.1:")) << row;
    }
    // The last page holds the rest: 113 hits in all.
    int hits = 0;
    for (int first = 1; first <= 113; first += 10) hits += static_cast<int>(demosite::engineHits("abc", "h", first).size());
    EXPECT_EQ(hits, 113);
    EXPECT_TRUE(demosite::engineHits("abc", "h", 121).empty());
}

// --- The empty keyword --------------------------------------------------------------------

TEST_F(Nimbra, EmptyKeywordIsRefusedWithANotice) {
    for (const std::wstring keyword : {L"", L"   ", L" 　 "}) {
        session->site.script(engine("3"));
        ui().forget();
        harness::BoxAnswerer answerer({kOk});
        ui().typeKeyword(keyword);
        ui().pressEnter();
        const auto boxes = answerer.seen();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, L"提示：");
        EXPECT_EQ(boxes[0].text, L"您还没有输入要搜索的内容。");
        EXPECT_EQ(boxes[0].icon, harness::BoxIcon::information);
        EXPECT_EQ(ui().rowCounts(), std::vector<int>{0});
        EXPECT_TRUE(session->site.requests().empty());
        EXPECT_TRUE(IsWindowEnabled(ui().searchButton()));
    }
}

// --- The menu -----------------------------------------------------------------------------

class NimbraMenu : public Nimbra {
protected:
    void SetUp() override {
        Nimbra::SetUp();
        if (IsSkipped()) return;
        const SearchOutcome outcome = search(L"ab", {}, engineWith({
            {"http://s/first-link-of-fifty-seven-bytes-1234567890123456", "h=\"a\"", "one"},
            {"file:///C:/windows/system32/cmd.exe", "h=\"b\"", "file link"},
            {"cmd.exe", "h=\"c\"", "program"},
        }));
        ASSERT_TRUE(outcome.ended);
        ASSERT_EQ(ui().rowCount(), 3);
        harness::setClipboardText(session->host.window(), L"before");
    }

    // Right click on the row, then the menu entry with that mnemonic.
    std::vector<SeenWindow> choose(int row, wchar_t mnemonic) {
        return answerMenu(row, {Answer::menuKey, std::wstring(1, mnemonic)});
    }
    std::vector<SeenWindow> answerMenu(int row, const Answer& answer) {
        harness::BoxAnswerer answerer({answer});
        if (row >= 0) ui().selectRow(row);
        ui().rightClick(row);
        harness::pumpWaiting();  // the entry's command is queued when the menu closes
        return answerer.seen();
    }
};

TEST_F(NimbraMenu, RightClickOffersTheThreeEntries) {
    const auto seen = answerMenu(0, {Answer::dismissMenu, L""});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, SeenWindow::menu);
    EXPECT_EQ(seen[0].entries, (std::vector<std::wstring>{L"复制网址(&C)", L"打开网址(&W)", L"保存列表(&S)"}));
    EXPECT_EQ(harness::clipboardText(), L"before");
}

TEST_F(NimbraMenu, CopyPutsTheLinkOnTheClipboard) {
    choose(0, L'c');
    const std::string link = "http://s/first-link-of-fifty-seven-bytes-1234567890123456";
    ASSERT_EQ(link.size(), 57u);
    EXPECT_EQ(harness::clipboardBytes(), link);
    EXPECT_EQ(harness::clipboardText(), std::wstring(link.begin(), link.end()));
}

TEST_F(NimbraMenu, CopyWithoutSelectionLeavesTheClipboard) {
    ui().clearSelection();
    choose(-1, L'c');
    EXPECT_EQ(harness::clipboardText(), L"before");
}

TEST_F(NimbraMenu, SaveEntryChangesNothing) {
    choose(0, L's');
    EXPECT_EQ(harness::clipboardText(), L"before");
    EXPECT_EQ(ui().rowCount(), 3);
}

// Programs this test process has started (the shell starts them as our children).
std::vector<std::wstring> childProcesses() {
    std::vector<std::wstring> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == GetCurrentProcessId()) found.push_back(entry.szExeFile);
    CloseHandle(snapshot);
    return found;
}

TEST_F(NimbraMenu, OpenRefusesWhatIsNoWebLink) {
    const auto before = childProcesses();
    for (int row : {1, 2}) {
        const auto seen = choose(row, L'w');
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(childProcesses(), before) << "row " << row << " was handed to the shell";
    }
}

}  // namespace

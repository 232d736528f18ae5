// SearchWindow: the plug-in's form, its layout at creation and on every size
// change, and how a search is started from it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <string>
#include <vector>

#include "plugins/searchkit/plugin_table.h"
#include "plugins/searchkit/search_window.h"

using searchkit::SearchWindow;

namespace {

void fillNothing(searchkit::CellRequest*, char* buffer) {
    buffer[0] = '\0';
}

std::atomic<DWORD> searchThread{0};
HANDLE searchRan = CreateEventW(nullptr, FALSE, FALSE, nullptr);

// Notes where it ran, then ends the search as the real routines do.
void recordingSearch(SearchWindow& window) {
    searchThread = GetCurrentThreadId();
    window.setStatus("done");
    window.setSearchEnabled(true);
    SetEvent(searchRan);
}

constexpr searchkit::ListColumn kColumns[] = {{"No", 60}, {"Title", 300}, {"Link", 300}};
constexpr int kTracked[] = {1, 2};
constexpr searchkit::MenuEntry kMenu[] = {{"Copy", searchkit::RowAction::copy, 2}};

searchkit::PluginTable table(double divisor) {
    return {"T", nullptr, kColumns, kTracked, divisor, kMenu, MB_ICONINFORMATION, fillNothing, recordingSearch};
}

RECT placeOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring textOf(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return text;
}

void expectPlace(HWND control, int left, int top, int width, int height) {
    const RECT r = placeOf(control);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

bool waitWhilePumping(HANDLE event) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (GetTickCount64() < deadline) {
        if (MsgWaitForMultipleObjects(1, &event, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) return true;
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return false;
}

class SearchWindowTest : public ::testing::Test {
protected:
    explicit SearchWindowTest(double divisor = 2.3) : table_(table(divisor)), form(table_) {}
    void SetUp() override { ASSERT_NE(form.create(), nullptr); }
    void TearDown() override { DestroyWindow(form.window()); }

    void resize(int width, int height) {
        SetWindowPos(form.window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
    }
    int columnWidth(int column) {
        return static_cast<int>(SendMessageW(form.list().window(), LVM_GETCOLUMNWIDTH, column, 0));
    }

    searchkit::PluginTable table_;
    SearchWindow form;
};

TEST_F(SearchWindowTest, CreationLaysTheFormOut) {
    RECT client{};
    GetClientRect(form.window(), &client);
    EXPECT_EQ(client.right, 735);
    EXPECT_EQ(client.bottom, 502);
    EXPECT_FALSE(IsWindowVisible(form.window())) << "the host shows it";
    expectPlace(form.keywordBox(), 8, 8, 590, 48);
    expectPlace(form.searchButton(), 606, 8, 120, 48);
    expectPlace(form.list().window(), 8, 61, 716, 415);
    expectPlace(form.statusLine(), 8, 480, 718, 16);
    EXPECT_EQ(textOf(form.window()), L"");
    EXPECT_EQ(textOf(form.keywordBox()), L"");
    EXPECT_EQ(textOf(form.searchButton()), L"搜索");
    EXPECT_EQ(textOf(form.statusLine()), L"加入QQ群，可以下载更给力的插件哦");
    // Columns keep their widths until the first size change.
    EXPECT_EQ(columnWidth(0), 60);
    EXPECT_EQ(columnWidth(1), 300);
    EXPECT_EQ(columnWidth(2), 300);
    const auto extended = SendMessageW(form.list().window(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_TRUE(GetWindowLongPtrW(form.list().window(), GWL_STYLE) & LVS_SINGLESEL);
    EXPECT_TRUE(GetWindowLongPtrW(form.list().window(), GWL_STYLE) & LVS_OWNERDATA);
}

TEST_F(SearchWindowTest, SecondCreateGivesTheSameWindow) {
    const HWND first = form.window();
    EXPECT_EQ(form.create(), first);
}

struct SizeCase {
    int width, height;
    int trackedWidth;
};

class SearchWindowSize : public SearchWindowTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SearchWindowSize, EverySizeChangeLaysTheControlsOutAgain) {
    const SizeCase& c = GetParam();
    resize(c.width + 10, c.height + 10);  // so the next one is a change even at the form's own size
    resize(c.width, c.height);
    expectPlace(form.keywordBox(), 8, 8, c.width - 120 - 25, 48);
    expectPlace(form.searchButton(), c.width - 120 - 9, 8, 120, 48);
    expectPlace(form.list().window(), 8, 61, c.width - 19, c.height - 8 - 48 - 15 - 16);
    expectPlace(form.statusLine(), 8, c.height - 16 - 4, 718, 16);
    EXPECT_EQ(columnWidth(0), 60);
    EXPECT_EQ(columnWidth(1), c.trackedWidth);
    EXPECT_EQ(columnWidth(2), c.trackedWidth);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchWindowSize, ::testing::Values(
    SizeCase{735, 502, 319},  // 735 / 2.3 = 319.56..., truncated
    SizeCase{784, 452, 340},
    SizeCase{1184, 652, 514}));

class SearchWindowFifth : public SearchWindowTest {
protected:
    SearchWindowFifth() : SearchWindowTest(5) {}
};

TEST_F(SearchWindowFifth, TrackedColumnsGetAFifth) {
    resize(800, 600);
    resize(735, 502);
    EXPECT_EQ(columnWidth(1), 147);
    EXPECT_EQ(columnWidth(2), 147);
}

TEST_F(SearchWindowTest, EnterAndButtonStartTheSearchOnAWorker) {
    SetWindowTextW(form.keywordBox(), L"abc");
    form.list().setRowCount(5);
    SendMessageW(form.keywordBox(), WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(form.list().rowCount(), 0) << "the list is emptied first";
    ASSERT_TRUE(waitWhilePumping(searchRan));
    EXPECT_NE(searchThread.load(), GetCurrentThreadId());
    ASSERT_TRUE(IsWindowEnabled(form.searchButton()));
    SendMessageW(form.searchButton(), BM_CLICK, 0, 0);
    EXPECT_TRUE(waitWhilePumping(searchRan));
}

TEST_F(SearchWindowTest, NothingStartsWhileTheButtonIsDisabled) {
    SetWindowTextW(form.keywordBox(), L"abc");
    form.list().setRowCount(5);
    EnableWindow(form.searchButton(), FALSE);
    SendMessageW(form.keywordBox(), WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(form.window(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(form.searchButton()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(form.searchButton()));
    EXPECT_EQ(form.list().rowCount(), 5);
    EXPECT_EQ(WaitForSingleObject(searchRan, 0), WAIT_TIMEOUT);
}

TEST_F(SearchWindowTest, WindowIsFoundFromItsHandleOnly) {
    EXPECT_EQ(SearchWindow::from(form.window()), &form);
    EXPECT_EQ(SearchWindow::from(form.keywordBox()), nullptr);
    EXPECT_EQ(SearchWindow::from(nullptr), nullptr);
}

}  // namespace

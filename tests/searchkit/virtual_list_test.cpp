// VirtualList: an owner-data report list whose cells come from a callback,
// with the parent subclassed once by a router that answers both forms of the
// display-info request and hands clicks to their handlers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

#include "plugins/searchkit/virtual_list.h"

using searchkit::CellRequest;
using searchkit::VirtualList;

namespace {

// What reached the parent's own procedure, behind the router.
std::vector<UINT> notificationsPassedOn;

LRESULT CALLBACK parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) notificationsPassedOn.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeParent() {
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = parentProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VirtualListTestParent";
        return RegisterClassExW(&windowClass);
    }();
    (void)registered;
    return CreateWindowExW(0, L"VirtualListTestParent", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

int fillCalls = 0;
CellRequest lastRequest{};

// "r<row>c<column>", image and item data answered as row + 100 and column + 200.
void fillByPosition(CellRequest* request, char* buffer) {
    ++fillCalls;
    lastRequest = *request;
    const std::string text = "r" + std::to_string(request->row) + "c" + std::to_string(request->column);
    searchkit::writeCellText(buffer, text);
    request->image = request->row + 100;
    request->itemData = request->column + 200;
}

void fillOther(CellRequest* request, char* buffer) {
    searchkit::writeCellText(buffer, "other " + std::to_string(request->row));
}

HWND lastRightClick = nullptr;
void onRightClick(HWND list) {
    lastRightClick = list;
}

std::wstring itemText(HWND list, int row, int column) {
    wchar_t text[2048] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 2048;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

class VirtualListTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = makeParent();
        ASSERT_NE(parent, nullptr);
        ASSERT_TRUE(list.create(parent, 0, 0, 500, 300));
        list.setSingleSelect(true, true);
        list.insertColumn("A", 80);
        list.insertColumn("B", 80);
        fillCalls = 0;
        notificationsPassedOn.clear();
        lastRightClick = nullptr;
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND parent = nullptr;
    VirtualList list;
};

TEST_F(VirtualListTest, EmptyListAsksTheCallbackNothing) {
    list.setFillCallback(fillByPosition);
    EXPECT_EQ(list.cellText(0, 0), "");
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_EQ(fillCalls, 0);
}

TEST_F(VirtualListTest, CellTextAsksTheCallbackWithinTheRowCount) {
    list.setFillCallback(fillByPosition);
    list.setRowCount(3);
    EXPECT_EQ(list.cellText(2, 1), "r2c1");
    EXPECT_EQ(lastRequest.image, 0);
    EXPECT_EQ(lastRequest.itemData, 0);
    const int calls = fillCalls;
    EXPECT_EQ(list.cellText(3, 0), "");
    EXPECT_EQ(list.cellText(-1, 0), "");
    EXPECT_EQ(fillCalls, calls);
}

TEST_F(VirtualListTest, CellTextWithoutCallbackIsEmpty) {
    list.setRowCount(3);
    EXPECT_EQ(list.cellText(0, 0), "");
}

TEST_F(VirtualListTest, ControlShowsWhatTheCallbackGives) {
    list.setFillCallback(fillByPosition);
    list.setRowCount(5);
    EXPECT_EQ(SendMessageW(list.window(), LVM_GETITEMCOUNT, 0, 0), 5);
    EXPECT_EQ(itemText(list.window(), 4, 1), L"r4c1");
    EXPECT_EQ(itemText(list.window(), 0, 0), L"r0c0");
}

TEST_F(VirtualListTest, SecondCreateIsRefused) {
    const HWND first = list.window();
    EXPECT_FALSE(list.create(parent, 0, 0, 100, 100));
    EXPECT_EQ(list.window(), first);
    EXPECT_FALSE(VirtualList().create(nullptr, 0, 0, 100, 100));
}

TEST_F(VirtualListTest, ParentIsSubclassedOnceForTwoLists) {
    const HANDLE router = GetPropW(parent, L"VirtualList_ParnetProc");
    ASSERT_NE(router, nullptr);
    const LONG_PTR procedure = GetWindowLongPtrW(parent, GWLP_WNDPROC);
    VirtualList second;
    ASSERT_TRUE(second.create(parent, 0, 300, 500, 100, true));
    second.insertColumn("X");
    EXPECT_EQ(GetPropW(parent, L"VirtualList_ParnetProc"), router);
    EXPECT_EQ(GetWindowLongPtrW(parent, GWLP_WNDPROC), procedure);
    list.setFillCallback(fillByPosition);
    second.setFillCallback(fillOther);
    list.setRowCount(2);
    second.setRowCount(2);
    EXPECT_EQ(itemText(list.window(), 1, 0), L"r1c0");
    EXPECT_EQ(itemText(second.window(), 1, 0), L"other 1");
    EXPECT_NE(GetPropW(list.window(), L"VirtualList_Proc"), nullptr);
    EXPECT_NE(GetPropW(list.window(), L"填充表项子程序"), nullptr);
}

// A display-info request sent to the parent the way the control sends it.
template <class Info>
Info askParent(HWND parent, HWND from, UINT code, int row, int column) {
    Info info{};
    info.hdr.hwndFrom = from;
    info.hdr.code = code;
    info.item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
    info.item.iItem = row;
    info.item.iSubItem = column;
    info.item.iImage = 7;
    info.item.lParam = 9;
    const LRESULT handled = SendMessageW(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(handled, 1);
    return info;
}

TEST_F(VirtualListTest, AnsiAndUnicodeRequestsAreBothAnswered) {
    list.setFillCallback(fillByPosition);
    const auto ansi = askParent<NMLVDISPINFOA>(parent, list.window(), LVN_GETDISPINFOA, 3, 1);
    EXPECT_STREQ(ansi.item.pszText, "r3c1");
    EXPECT_EQ(ansi.item.iImage, 103);
    EXPECT_EQ(ansi.item.lParam, 201);
    EXPECT_EQ(lastRequest.image, 7);  // the control's values reach the callback
    EXPECT_EQ(lastRequest.itemData, 9);
    const auto wide = askParent<NMLVDISPINFOW>(parent, list.window(), LVN_GETDISPINFOW, 2, 0);
    EXPECT_STREQ(wide.item.pszText, L"r2c0");
    EXPECT_EQ(wide.item.iImage, 102);
    EXPECT_TRUE(notificationsPassedOn.empty());
}

TEST_F(VirtualListTest, RequestFromAWindowWithoutCallbackGetsNoText) {
    VirtualList second;
    ASSERT_TRUE(second.create(parent, 0, 300, 500, 100));
    const auto info = askParent<NMLVDISPINFOW>(parent, second.window(), LVN_GETDISPINFOW, 0, 0);
    EXPECT_EQ(info.item.pszText, nullptr);
    EXPECT_TRUE(notificationsPassedOn.empty());
}

TEST_F(VirtualListTest, RightClickReachesItsHandlerAndThenTheParent) {
    list.setRightClickHandler(onRightClick);
    EXPECT_NE(GetPropW(list.window(), L"事件_NM_RCLICK"), nullptr);
    NMHDR click{list.window(), 0, static_cast<UINT>(NM_RCLICK)};
    SendMessageW(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(lastRightClick, list.window());
    EXPECT_EQ(notificationsPassedOn, std::vector<UINT>{static_cast<UINT>(NM_RCLICK)});
    NMHDR other{list.window(), 0, static_cast<UINT>(NM_CLICK)};
    lastRightClick = nullptr;
    SendMessageW(parent, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
    EXPECT_EQ(lastRightClick, nullptr);
}

TEST_F(VirtualListTest, SelectedRowNeedsSingleSelection) {
    list.setRowCount(4);
    LVITEMW item{};
    item.stateMask = item.state = LVIS_SELECTED;
    SendMessageW(list.window(), LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(list.selectedRow(), 2);
    EXPECT_FALSE(list.setSingleSelect(false, true));
    EXPECT_EQ(list.selectedRow(), -1);
    EXPECT_TRUE(list.setSingleSelect(true, true));
    EXPECT_TRUE(list.setSingleSelect(false, false)) << "without apply nothing changes";
}

TEST_F(VirtualListTest, StyleSwitchesReportTheirState) {
    EXPECT_TRUE(list.setFullRowSelect(true, true));
    EXPECT_TRUE(list.setGridLines(true, true));
    EXPECT_FALSE(list.setGridLines(false, true));
    EXPECT_TRUE(list.setFullRowSelect(false, false));
}

TEST_F(VirtualListTest, ColumnsAppendAndResize) {
    EXPECT_EQ(list.insertColumn("C"), 2);
    EXPECT_EQ(SendMessageW(list.window(), LVM_GETCOLUMNWIDTH, 2, 0), 50);
    list.setColumnWidth(0, 123);
    EXPECT_EQ(SendMessageW(list.window(), LVM_GETCOLUMNWIDTH, 0, 0), 123);
    EXPECT_EQ(SendMessageW(list.window(), LVM_GETCOLUMNWIDTH, 1, 0), 80);
}

TEST_F(VirtualListTest, ObjectWithoutWindowDoesNothing) {
    VirtualList idle;
    idle.setRowCount(3);
    idle.setFillCallback(fillByPosition);
    EXPECT_EQ(idle.selectedRow(), -1);
    EXPECT_EQ(idle.cellText(0, 0), "");
    EXPECT_EQ(idle.insertColumn("A"), -1);
    EXPECT_EQ(fillCalls, 0);
}

// --- Fill buffers ----------------------------------------------------------------

struct CutCase {
    const char* name;
    std::string text;
    size_t kept;
};

class CellTextCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(CellTextCut, NeverWritesPastTheBuffer) {
    // A guard area behind the buffer shows any byte written beyond it.
    std::string memory(searchkit::kCellBufferSize + 16, '#');
    searchkit::writeCellText(memory.data(), GetParam().text);
    EXPECT_EQ(std::string(memory.c_str()), GetParam().text.substr(0, GetParam().kept));
    EXPECT_EQ(memory.substr(searchkit::kCellBufferSize), std::string(16, '#'));
}

std::string doubleBytes(size_t characters) {
    std::string text;
    for (size_t i = 0; i < characters; ++i) text += "\xD6\xD0";  // 中
    return text;
}

INSTANTIATE_TEST_SUITE_P(Cases, CellTextCut, ::testing::Values(
    CutCase{"short", "abc", 3},
    CutCase{"exactly_1023", std::string(1023, 'x'), 1023},
    CutCase{"1024_cut", std::string(1024, 'x'), 1023},
    CutCase{"far_too_long", std::string(5000, 'x'), 1023},
    CutCase{"double_byte_not_split", "x" + doubleBytes(600), 1023},
    CutCase{"double_byte_ends_before", doubleBytes(600), 1022}),
    [](const auto& info) { return std::string(info.param.name); });

// A callback that ignores the limit is still cut at the buffer's last byte.
void overrunningFill(CellRequest*, char* buffer) {
    std::memset(buffer, 'y', searchkit::kCellBufferSize);
}

TEST_F(VirtualListTest, CallbackFillingTheWholeBufferIsCut) {
    list.setFillCallback(overrunningFill);
    list.setRowCount(1);
    EXPECT_EQ(list.cellText(0, 0), std::string(1023, 'y'));
    EXPECT_EQ(itemText(list.window(), 0, 0), std::wstring(1023, L'y'));
}

}  // namespace

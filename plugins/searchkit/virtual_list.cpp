#include "plugins/searchkit/virtual_list.h"

#include <commctrl.h>

#include <cstring>

#include "plugins/searchkit/dbcs.h"
#include "plugins/searchkit/form_controls.h"
#include "plugins/searchkit/text_functions.h"

namespace searchkit {
namespace {

// Property names on the windows. "Parnet" is the name earlier builds used;
// keeping it lets a parent be recognised as already subclassed by any of them.
constexpr wchar_t kFillProperty[] = L"填充表项子程序";
constexpr wchar_t kParentProcProperty[] = L"VirtualList_ParnetProc";
constexpr wchar_t kListProcProperty[] = L"VirtualList_Proc";

struct ClickProperty {
    UINT code;
    const wchar_t* name;
};
constexpr ClickProperty kClickProperties[] = {
    {NM_CLICK, L"事件_NM_CLICK"},
    {NM_DBLCLK, L"事件_NM_DBLCLK"},
    {NM_RCLICK, L"事件_NM_RCLICK"},
    {NM_CUSTOMDRAW, L"事件_NM_SJTLCLK"},
};

const wchar_t* clickPropertyFor(UINT code) {
    for (const ClickProperty& p : kClickProperties)
        if (p.code == code) return p.name;
    return nullptr;
}

// The last cell text handed to the control. The control copies it before the
// next request, so one text per form of the request is enough.
std::string lastCellText;
std::wstring lastCellTextWide;

std::string callFill(FillCallback fill, CellRequest& request) {
    char buffer[kCellBufferSize] = {};
    fill(&request, buffer);
    buffer[kCellBufferSize - 1] = '\0';  // a callback that overran its text still ends here
    return buffer;
}

// Both request forms share one layout; only the text pointer's type differs.
LRESULT answerDisplayInfo(NMHDR* header) {
    auto fill = reinterpret_cast<FillCallback>(GetPropW(header->hwndFrom, kFillProperty));
    if (!fill) return 1;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
    CellRequest request{item.iItem, item.iSubItem, item.iImage, static_cast<int32_t>(item.lParam)};
    lastCellText = callFill(fill, request);
    if (header->code == LVN_GETDISPINFOA) {
        reinterpret_cast<NMLVDISPINFOA*>(header)->item.pszText = lastCellText.data();
        item.cchTextMax = static_cast<int>(lastCellText.size() + 1);
    } else {
        lastCellTextWide = textToUtf16(lastCellText);
        item.pszText = lastCellTextWide.data();
        item.cchTextMax = static_cast<int>(lastCellTextWide.size() + 1);
    }
    item.iImage = request.image;
    item.lParam = request.itemData;
    return 1;
}

LRESULT CALLBACK notificationRouter(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(parent, kParentProcProperty));
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->code == LVN_GETDISPINFOA || header->code == LVN_GETDISPINFOW)
            return answerDisplayInfo(header);
        if (const wchar_t* name = clickPropertyFor(header->code))
            if (auto handler = reinterpret_cast<ClickHandler>(GetPropW(header->hwndFrom, name)))
                handler(header->hwndFrom);
    } else if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(parent, kParentProcProperty);
    }
    return CallWindowProcW(previous, parent, message, wParam, lParam);
}

// The list's own procedure only forwards; it is where the list's properties
// are taken off again when the list goes away.
LRESULT CALLBACK listProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    auto previous = reinterpret_cast<WNDPROC>(GetPropW(list, kListProcProperty));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(list, kListProcProperty);
        RemovePropW(list, kFillProperty);
        for (const ClickProperty& p : kClickProperties) RemovePropW(list, p.name);
    }
    return CallWindowProcW(previous, list, message, wParam, lParam);
}

void subclass(HWND window, WNDPROC proc, const wchar_t* property) {
    LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    SetPropW(window, property, reinterpret_cast<HANDLE>(previous));
}

}  // namespace

void writeCellText(char* buffer, std::string_view text) {
    size_t length = 0;
    while (length < text.size()) {
        size_t next = length + charLength(text, length);
        if (next > kCellBufferSize - 1) break;
        length = next;
    }
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

bool VirtualList::create(HWND parent, int left, int top, int width, int height, bool hideHeaders) {
    if (IsWindow(list_) || !IsWindow(parent)) return false;
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | LVS_REPORT | LVS_SHOWSELALWAYS |
                  LVS_SHAREIMAGELISTS | LVS_OWNERDATA | (hideHeaders ? LVS_NOCOLUMNHEADER : 0);
    list_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", style, left, top, width, height, parent,
                            nullptr, thisModule(), nullptr);
    if (!list_) return false;
    header_ = FindWindowExW(list_, nullptr, WC_HEADERW, nullptr);
    if (!GetPropW(parent, kParentProcProperty)) subclass(parent, notificationRouter, kParentProcProperty);
    subclass(list_, listProc, kListProcProperty);
    return true;
}

void VirtualList::move(int left, int top, int width, int height, bool repaint) {
    if (IsWindow(list_)) MoveWindow(list_, left, top, width, height, repaint);
}

namespace {

bool switchExtendedStyle(HWND list, DWORD style, bool on, bool apply) {
    if (apply) SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, style, on ? style : 0);
    return (SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & style) != 0;
}

}  // namespace

bool VirtualList::setFullRowSelect(bool on, bool apply) {
    return IsWindow(list_) && switchExtendedStyle(list_, LVS_EX_FULLROWSELECT, on, apply);
}

bool VirtualList::setGridLines(bool on, bool apply) {
    return IsWindow(list_) && switchExtendedStyle(list_, LVS_EX_GRIDLINES, on, apply);
}

bool VirtualList::setSingleSelect(bool on, bool apply) {
    if (!IsWindow(list_)) return false;
    LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
    if (apply) {
        style = on ? (style | LVS_SINGLESEL) : (style & ~LONG_PTR{LVS_SINGLESEL});
        SetWindowLongPtrW(list_, GWL_STYLE, style);
    }
    return (GetWindowLongPtrW(list_, GWL_STYLE) & LVS_SINGLESEL) != 0;
}

int VirtualList::insertColumn(std::string_view title, int width, Alignment alignment, int position) {
    if (!IsWindow(list_)) return -1;
    static constexpr int kFormats[] = {LVCFMT_LEFT, LVCFMT_CENTER, LVCFMT_RIGHT};
    if (position == kAppend) position = static_cast<int>(SendMessageW(header_, HDM_GETITEMCOUNT, 0, 0));
    std::wstring text = textToUtf16(title);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT;
    column.fmt = kFormats[alignment];
    column.cx = width;
    column.pszText = text.data();
    return static_cast<int>(SendMessageW(list_, LVM_INSERTCOLUMNW, position, reinterpret_cast<LPARAM>(&column)));
}

void VirtualList::setColumnWidth(int column, int width) {
    LVCOLUMNW change{};
    change.mask = LVCF_WIDTH;
    change.cx = width;
    if (IsWindow(list_)) SendMessageW(list_, LVM_SETCOLUMNW, column, reinterpret_cast<LPARAM>(&change));
}

void VirtualList::setRowCount(int rows) {
    rows_ = rows;
    if (IsWindow(list_)) SendMessageW(list_, LVM_SETITEMCOUNT, rows, 0);
}

int VirtualList::selectedRow() const {
    if (!IsWindow(list_) || !(GetWindowLongPtrW(list_, GWL_STYLE) & LVS_SINGLESEL)) return -1;
    return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string VirtualList::cellText(int row, int column) const {
    if (rows_ == 0 || row < 0 || row >= rows_) return {};
    auto fill = reinterpret_cast<FillCallback>(IsWindow(list_) ? GetPropW(list_, kFillProperty) : nullptr);
    if (!fill) return {};
    CellRequest request{row, column, 0, 0};
    return callFill(fill, request);
}

void VirtualList::setFillCallback(FillCallback callback) {
    if (IsWindow(list_)) SetPropW(list_, kFillProperty, reinterpret_cast<HANDLE>(callback));
}

void VirtualList::setRightClickHandler(ClickHandler handler) {
    if (IsWindow(list_)) SetPropW(list_, clickPropertyFor(NM_RCLICK), reinterpret_cast<HANDLE>(handler));
}

}  // namespace searchkit

#include "tests/plugins/harness/plugin_window.h"

#include <commctrl.h>

#include <cstring>

#include "tests/plugins/harness/window_text.h"

namespace harness {

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        pumpWaiting();
    }
    return true;
}

void pumpWaiting() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

PluginWindow::PluginWindow(HWND window) : window_(window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring name = className(child);
        if (name == L"Edit") keyword_ = child;
        else if (name == L"Button") button_ = child;
        else if (name == L"Static") status_ = child;
        else if (name == L"SysListView32") list_ = child;
    }
    SetWindowSubclass(status_, spy, 1, reinterpret_cast<DWORD_PTR>(this));
    SetWindowSubclass(list_, spy, 2, reinterpret_cast<DWORD_PTR>(this));
}

PluginWindow::~PluginWindow() {
    RemoveWindowSubclass(status_, spy, 1);
    RemoveWindowSubclass(list_, spy, 2);
}

LRESULT CALLBACK PluginWindow::spy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                   DWORD_PTR self) {
    auto* me = reinterpret_cast<PluginWindow*>(self);
    if (id == 1 && message == WM_SETTEXT) me->statusTexts_.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
    if (id == 2 && message == LVM_SETITEMCOUNT) me->rowCounts_.push_back(static_cast<int>(wParam));
    return DefSubclassProc(window, message, wParam, lParam);
}

void PluginWindow::forget() {
    statusTexts_.clear();
    rowCounts_.clear();
}

void PluginWindow::typeKeyword(const std::wstring& keyword) {
    SendMessageW(keyword_, EM_SETSEL, 0, -1);
    SendMessageW(keyword_, WM_CLEAR, 0, 0);
    for (wchar_t c : keyword) SendMessageW(keyword_, WM_CHAR, c, 1);
}

void PluginWindow::pressEnter() {
    SetFocus(keyword_);
    SendMessageW(keyword_, WM_KEYDOWN, VK_RETURN, 1);
    SendMessageW(keyword_, WM_CHAR, L'\r', 1);
    SendMessageW(keyword_, WM_KEYUP, VK_RETURN, 0xC0000001);
}

void PluginWindow::clickSearch() {
    SendMessageW(button_, BM_CLICK, 0, 0);
}

void PluginWindow::selectRow(int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void PluginWindow::clearSelection() {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
}

// The list follows the button-up while it tracks a possible drag, so the up
// is queued first and the down sent: the list then reports the right click.
void PluginWindow::rightClick(int row) {
    RECT place{LVIR_BOUNDS, 0, 0, 0};
    POINT at{40, 0};
    if (row >= 0 && SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&place)))
        at.y = (place.top + place.bottom) / 2;
    else {
        RECT client{};
        GetClientRect(list_, &client);
        at.y = client.bottom - 5;
    }
    POINT screen = at;
    ClientToScreen(list_, &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageW(list_, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    SendMessageW(list_, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
}

std::wstring PluginWindow::status() const {
    return textOf(status_);
}

bool PluginWindow::waitForStatusEnding(const std::wstring& tail, DWORD timeoutMs) {
    return pumpUntil([&] {
        for (const std::wstring& text : statusTexts_)
            if (text.ends_with(tail)) return true;
        return false;
    }, timeoutMs);
}

int PluginWindow::rowCount() const {
    return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring PluginWindow::cell(int row, int column) const {
    std::wstring text(2048, L'\0');
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    const auto length = SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    text.resize(static_cast<size_t>(length));
    return text;
}

int PluginWindow::columnCount() const {
    return static_cast<int>(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0)),
                                         HDM_GETITEMCOUNT, 0, 0));
}

int PluginWindow::columnWidth(int column) const {
    return static_cast<int>(SendMessageW(list_, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

std::wstring PluginWindow::columnTitle(int column) const {
    wchar_t title[128] = {};
    LVCOLUMNW info{};
    info.mask = LVCF_TEXT;
    info.pszText = title;
    info.cchTextMax = 128;
    SendMessageW(list_, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info));
    return title;
}

RECT PluginWindow::rectOf(HWND control) const {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string clipboardBytes() {
    std::string bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            bytes.assign(text, strnlen(text, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

std::wstring clipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(wide, wcsnlen(wide, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void setClipboardText(HWND owner, const std::wstring& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    std::memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    if (OpenClipboard(owner)) {
        EmptyClipboard();
        if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
        CloseClipboard();
    } else {
        GlobalFree(block);
    }
}

}  // namespace harness

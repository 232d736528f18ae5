#include "plugins/searchkit/search_window.h"

#include <commctrl.h>

#include "plugins/searchkit/form_controls.h"
#include "plugins/searchkit/result_actions.h"
#include "plugins/searchkit/search_flow.h"

namespace searchkit {
namespace {

constexpr wchar_t kClassName[] = L"KorvelSearchWindow";
constexpr int kKeywordBoxId = 1001, kSearchButtonId = 1002, kStatusLineId = 1003;

ATOM registerWindowClass(WNDPROC proc) {
    static const ATOM atom = registerFormClass(kClassName, proc);
    return atom;
}

void moveKeepingSize(HWND window, int left, int top) {
    SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void resizeKeepingPlace(HWND window, int width, int height) {
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

// Where the keyword box, the button and the list go for a window of a given
// size; the status line is placed on size changes only.
struct SearchWindow::Layout {
    RECT keyword;
    RECT button;
    Placement list;
};

SearchWindow::Layout SearchWindow::layout(int width, int height) const {
    RECT keyword = childRect(keyword_), button = childRect(button_), status = childRect(status_);
    const int buttonWidth = button.right - button.left;
    const int boxTop = keyword.top, boxHeight = keyword.bottom - keyword.top;
    const int statusHeight = status.bottom - status.top;
    keyword.right = keyword.left + width - buttonWidth - 25;
    button.left = width - buttonWidth - 9;
    return {keyword, button,
            {8, boxTop + boxHeight + 5, width - 19, height - boxTop - boxHeight - 15 - statusHeight}};
}

HWND SearchWindow::create() {
    if (IsWindow(window_)) return window_;
    if (!registerWindowClass(windowProc)) return nullptr;
    created_ = false;
    window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0, kWidth, kHeight, nullptr,
                              nullptr, thisModule(), this);
    if (!window_) return nullptr;
    createControls();
    runCreationSteps();
    created_ = true;
    return window_;
}

void SearchWindow::createControls() {
    keyword_ = createControl(window_, L"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                             {8, 8, 592, 48}, kKeywordBoxId);
    button_ = createControl(window_, L"BUTTON", "搜索", WS_TABSTOP | BS_PUSHBUTTON, 0, {608, 8, 120, 48},
                            kSearchButtonId);
    status_ = createControl(window_, L"STATIC", "程序加载完成", SS_LEFTNOWORDWRAP, 0, {8, 480, 718, 16},
                            kStatusLineId);
    SetWindowSubclass(keyword_, keywordBoxProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void SearchWindow::runCreationSteps() {
    RECT client{};
    GetClientRect(window_, &client);
    const Layout place = layout(client.right, client.bottom);
    resizeKeepingPlace(keyword_, place.keyword.right - place.keyword.left, place.keyword.bottom - place.keyword.top);
    moveKeepingSize(button_, place.button.left, place.button.top);
    list_.create(window_, place.list.left, place.list.top, place.list.width, place.list.height);
    useFormFont(list_.window());
    list_.setFullRowSelect(true, true);
    list_.setGridLines(true, true);
    list_.setSingleSelect(true, true);
    for (const ListColumn& column : table_.columns) list_.insertColumn(column.title, column.width);
    list_.setFillCallback(table_.fillCell);
    list_.setRightClickHandler(onListRightClick);
    setStatus("加入QQ群，可以下载更给力的插件哦");
}

void SearchWindow::onSize(int width, int height) {
    if (!created_) return;
    const Layout place = layout(width, height);
    resizeKeepingPlace(keyword_, place.keyword.right - place.keyword.left, place.keyword.bottom - place.keyword.top);
    moveKeepingSize(button_, place.button.left, place.button.top);
    list_.move(place.list.left, place.list.top, place.list.width, place.list.height, true);
    for (int column : table_.trackedColumns)
        list_.setColumnWidth(column, static_cast<int>(width / table_.trackedDivisor));
    const RECT status = childRect(status_);
    moveKeepingSize(status_, status.left, height - (status.bottom - status.top) - 4);
}

void SearchWindow::onCommand(int id, int notification) {
    if (id == kSearchButtonId && notification == BN_CLICKED) {
        if (searchEnabled()) startSearch(*this);
        return;
    }
    const size_t entry = static_cast<size_t>(id - kFirstMenuEntryId);
    if (id >= kFirstMenuEntryId && entry < table_.menu.size()) runMenuEntry(*this, table_.menu[entry]);
}

std::string SearchWindow::keyword() const {
    return windowText(keyword_);
}

bool SearchWindow::searchEnabled() const {
    return IsWindowEnabled(button_) != FALSE;
}

void SearchWindow::setSearchEnabled(bool enabled) {
    EnableWindow(button_, enabled);
}

void SearchWindow::setStatus(std::string_view text) {
    setWindowText(status_, text);
}

SearchWindow* SearchWindow::from(HWND window) {
    const bool ours = IsWindow(window) && GetClassLongPtrW(window, GCW_ATOM) == registerWindowClass(windowProc) &&
                      reinterpret_cast<HINSTANCE>(GetClassLongPtrW(window, GCLP_HMODULE)) == thisModule();
    return ours ? reinterpret_cast<SearchWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA)) : nullptr;
}

LRESULT CALLBACK SearchWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    SearchWindow* self = reinterpret_cast<SearchWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self) {
        switch (message) {
        case WM_SIZE:
            self->onSize(LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_COMMAND:
            self->onCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NCDESTROY:
            self->window_ = self->keyword_ = self->button_ = self->status_ = nullptr;
            self->created_ = false;
            break;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Enter in the keyword box searches, as the button does, while no search runs.
LRESULT CALLBACK SearchWindow::keywordBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self) {
    auto* window = reinterpret_cast<SearchWindow*>(self);
    switch (message) {
    case WM_KEYDOWN:
        if (wParam != VK_RETURN) break;
        if (window->searchEnabled()) startSearch(*window);
        return 0;
    case WM_CHAR:
        if (wParam == '\r') return 0;  // a single-line box would only beep
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, keywordBoxProc, 0);
        break;
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace searchkit

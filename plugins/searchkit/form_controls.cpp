#include "plugins/searchkit/form_controls.h"

#include <memory>
#include <type_traits>

#include "plugins/searchkit/text_functions.h"

namespace searchkit {
namespace {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// Asking for the GB2312 character set makes the system pick a face that has
// the Chinese glyphs even where the named one is not installed.
HFONT formFont() {
    static const UniqueFont font{CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                             DEFAULT_PITCH | FF_DONTCARE, L"Microsoft YaHei")};
    return font.get();
}

}  // namespace

HINSTANCE thisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&thisModule), &module);
    return module;
}

ATOM registerFormClass(const wchar_t* className, WNDPROC proc) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = thisModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    return RegisterClassExW(&windowClass);
}

HWND createControl(HWND parent, const wchar_t* className, std::string_view text, DWORD style, DWORD exStyle,
                   const Placement& place, int id) {
    HWND control = CreateWindowExW(exStyle, className, textToUtf16(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                   place.left, place.top, place.width, place.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), thisModule(), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(formFont()), FALSE);
    return control;
}

void setWindowText(HWND window, std::string_view text) {
    SetWindowTextW(window, textToUtf16(text).c_str());
}

std::string windowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return utf16ToText(text);
}

RECT childRect(HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace searchkit

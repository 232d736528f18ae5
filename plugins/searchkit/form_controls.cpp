#include "plugins/searchkit/form_controls.h"

#include <cwchar>
#include <memory>
#include <type_traits>

#include "plugins/searchkit/text_functions.h"

namespace searchkit {
namespace {

struct FontDeleter {
    void operator()(HFONT font) const { DeleteObject(font); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The first of these faces that is installed: the usual Chinese interface
// faces of the platform, then a free one found on other systems. A face must
// carry Latin letters too, so the system is not left to pick by character set.
constexpr const wchar_t* kFaces[] = {L"Microsoft YaHei", L"SimSun", L"WenQuanYi Zen Hei"};

int CALLBACK noteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const wchar_t* face) {
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

HFONT createFormFont() {
    const wchar_t* face = kFaces[0];
    for (const wchar_t* candidate : kFaces) {
        if (installed(candidate)) {
            face = candidate;
            break;
        }
    }
    return CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
}

HFONT formFont() {
    static const UniqueFont font{createFormFont()};
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
    useFormFont(control);
    return control;
}

void useFormFont(HWND control) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(formFont()), FALSE);
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

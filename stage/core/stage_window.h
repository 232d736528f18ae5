#pragma once
// Framework windows: the window class, creation centred in the work area,
// the work area itself and the window icon.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace stage {

inline constexpr wchar_t kStageClassName[] = L"Vw_Stage";

struct StageClassOptions {
    std::wstring className = kStageClassName;
    UINT style = CS_DBLCLKS;
    std::optional<HICON> icon;       // default: the class icon loaded at start-up
    std::optional<HCURSOR> cursor;   // default: the arrow cursor
    WNDPROC windowProc = DefWindowProcW;  // a WindowHost takes the messages over on Attach
};

ATOM RegisterStageClass(const StageClassOptions& options = {});

// The default style of a framework window: pop-up with system menu, maximize
// and minimize boxes, clipping its children.
inline constexpr DWORD kStageWindowStyle =
    WS_POPUP | WS_SYSMENU | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

struct StageWindowOptions {
    HWND parent = nullptr;
    std::optional<int> x, y;  // default: centred in the work area
    int width = 380;
    int height = 250;
    std::wstring className = kStageClassName;
    DWORD style = kStageWindowStyle;
    DWORD exStyle = 0;
    bool show = false;
};

// A top-level framework window whose text is title (code page 936); 0 when
// it cannot be created.
HWND CreateStageWindow(std::string_view title, const StageWindowOptions& options = {});

// The desktop work area as left, top, width, height.
RECT WorkArea();

// The window's icon of that size, else its class icon.
HICON WindowIcon(HWND window, bool big);

}  // namespace stage

#include "stage/core/stage_window.h"

#include "stage/core/stage_startup.h"
#include "stage/core/text_convert.h"

namespace stage {

ATOM RegisterStageClass(const StageClassOptions& options) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = options.style;
    wc.lpfnWndProc = options.windowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = options.icon.value_or(ClassIcon());
    wc.hCursor = options.cursor.value_or(ArrowCursor());
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = options.className.c_str();
    return RegisterClassExW(&wc);
}

RECT WorkArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return {area.left, area.top, area.right - area.left, area.bottom - area.top};
}

HICON WindowIcon(HWND window, bool big) {
    const WPARAM size = big ? ICON_BIG : ICON_SMALL;
    if (auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, size, 0))) return icon;
    return reinterpret_cast<HICON>(GetClassLongPtrW(window, big ? GCLP_HICON : GCLP_HICONSM));
}

HWND CreateStageWindow(std::string_view title, const StageWindowOptions& options) {
    const RECT area = WorkArea();  // left, top, width, height
    const int x = options.x.value_or(area.left + (area.right - options.width) / 2);
    const int y = options.y.value_or(area.top + (area.bottom - options.height) / 2);
    HWND window = CreateWindowExW(options.exStyle, options.className.c_str(), ToUtf16(title).c_str(),
                                  options.style, x, y, options.width, options.height, options.parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    SendMessageW(window, WM_SETICON, ICON_SMALL, LPARAM(WindowIcon(window, false)));
    SendMessageW(window, WM_SETICON, ICON_BIG, LPARAM(WindowIcon(window, true)));
    if (options.show) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

}  // namespace stage

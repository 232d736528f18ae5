#include "stage/core/blur_behind.h"

#include <dwmapi.h>

#include <string>

#include "stage/core/gdi_handles.h"
#include "stage/core/stage_startup.h"

namespace stage {
namespace {

// The compositor's library, from the system folder and nowhere else.
HMODULE dwmLibrary() {
    static HMODULE library = [] {
        wchar_t folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return HMODULE(nullptr);
        const std::wstring path = std::wstring(folder, length) + L"\\dwmapi.dll";
        return LoadLibraryExW(path.c_str(), nullptr, 0);
    }();
    return library;
}

template <class F>
F dwmFunction(const char* name) {
    HMODULE library = dwmLibrary();
    return library ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name))) : nullptr;
}

}  // namespace

bool BlurBehind(HWND window, RECT area, int corner, int frameStyle, int windowAlpha) {
    if (OsMajorVersion() != 6 || frameStyle == 1 || windowAlpha == -1) return false;
    using IsEnabledFn = HRESULT(WINAPI*)(BOOL*);
    using EnableBlurFn = HRESULT(WINAPI*)(HWND, const DWM_BLURBEHIND*);
    auto isEnabled = dwmFunction<IsEnabledFn>("DwmIsCompositionEnabled");
    auto enableBlur = dwmFunction<EnableBlurFn>("DwmEnableBlurBehindWindow");
    BOOL enabled = FALSE;
    if (!isEnabled || !enableBlur || FAILED(isEnabled(&enabled)) || !enabled) return false;
    GdiRegion region(CreateRoundRectRgn(area.left, area.top, area.right, area.bottom, corner, corner));
    DWM_BLURBEHIND blur{};
    blur.dwFlags = DWM_BB_ENABLE | DWM_BB_BLURREGION;
    blur.fEnable = TRUE;
    blur.hRgnBlur = region.get();
    enableBlur(window, &blur);
    return true;
}

}  // namespace stage

#pragma once
// Owning wrappers for the few GDI handles the framework keeps.
#include <windows.h>

#include <utility>

#include "stage/core/unique_handle.h"

namespace stage {

using GdiBitmap = UniqueHandle<HBITMAP, &DeleteObject>;
using GdiRegion = UniqueHandle<HRGN, &DeleteObject>;
using MemoryDc = UniqueHandle<HDC, &DeleteDC>;  // from CreateCompatibleDC

// The DC of a window, from GetDC, released with ReleaseDC.
class WindowDc {
public:
    WindowDc() = default;
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDc(WindowDc&& other) noexcept
        : window_(std::exchange(other.window_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDc& operator=(WindowDc&& other) noexcept {
        if (this != &other) {
            reset();
            window_ = std::exchange(other.window_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() { reset(); }

    HDC get() const { return dc_; }
    void reset() {
        if (dc_) ReleaseDC(window_, dc_);
        dc_ = nullptr;
        window_ = nullptr;
    }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

}  // namespace stage

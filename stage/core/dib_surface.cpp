#include "stage/core/dib_surface.h"

#include <algorithm>

#include "stage/core/surface.h"

namespace stage {

bool DibSurface::Create(HDC reference, int width, int height, bool withGraphics) {
    Release();
    width = std::max(width, 1);
    height = std::max(height, 1);
    dc_.reset(CreateCompatibleDC(reference));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 is the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    info.bmiHeader.biSizeImage = DWORD(width) * DWORD(height) * 4;
    void* bits = nullptr;
    dib_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dc_.get() || !dib_ || !bits) {
        Release();
        return false;
    }
    previous_ = SelectObject(dc_.get(), dib_.get());
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    gp::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppPARGB,
                                  static_cast<BYTE*>(bits), bitmap_.out());
    if (withGraphics) graphics_ = GraphicsFor(bitmap_.get());
    return bool(bitmap_);
}

void DibSurface::Release() {
    graphics_.reset();
    bitmap_.reset();
    if (previous_) SelectObject(dc_.get(), previous_);
    previous_ = nullptr;
    dib_.reset();
    dc_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

std::uint32_t DibSurface::Pixel(int x, int y) const {
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    GdiFlush();
    return bits_[size_t(y) * size_t(width_) + size_t(x)];
}

DibSurface& ScratchSurface() {
    static DibSurface* scratch = new DibSurface;  // lives as long as the process
    return *scratch;
}

void GrowScratchSurface(int width, int height) {
    DibSurface& scratch = ScratchSurface();
    if (width <= scratch.Width() && height <= scratch.Height()) return;
    scratch.Create(nullptr, std::max(width, scratch.Width()), std::max(height, scratch.Height()), true);
}

}  // namespace stage

#include "stage/core/dib_surface.h"

#include <algorithm>
#include <vector>

#include "stage/core/graphics_settings.h"

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

void DibSurface::Fill(RECT area, std::uint32_t pixel) {
    if (!bits_) return;
    area.left = std::clamp<LONG>(area.left, 0, width_);
    area.right = std::clamp<LONG>(area.right, area.left, width_);
    area.top = std::clamp<LONG>(area.top, 0, height_);
    area.bottom = std::clamp<LONG>(area.bottom, area.top, height_);
    GdiFlush();
    for (LONG y = area.top; y < area.bottom; ++y) {
        std::uint32_t* row = bits_ + size_t(y) * size_t(width_);
        std::fill(row + area.left, row + area.right, pixel);
    }
}

void DibSurface::Fill(HRGN region, std::uint32_t pixel) {
    const DWORD size = region ? GetRegionData(region, 0, nullptr) : 0;
    if (!size) return;
    std::vector<std::uint8_t> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (!GetRegionData(region, size, data)) return;
    const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
    for (DWORD i = 0; i < data->rdh.nCount; ++i) Fill(rects[i], pixel);
}

void DibSurface::ScaleAlpha(int alpha) {
    if (!bits_ || alpha >= 255) return;
    const std::uint32_t a = std::uint32_t(std::max(alpha, 0));
    GdiFlush();
    for (size_t i = 0, n = size_t(width_) * size_t(height_); i < n; ++i) {
        const std::uint32_t p = bits_[i];
        bits_[i] = ((p >> 24) * a / 255) << 24 | (((p >> 16) & 0xFF) * a / 255) << 16 |
                   (((p >> 8) & 0xFF) * a / 255) << 8 | ((p & 0xFF) * a / 255);
    }
}

void BlendOnto(HDC target, int x, int y, const DibSurface& source, int opacity, bool perPixel) {
    if (!source || opacity <= 0) return;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, BYTE(std::min(opacity, 255)), BYTE(perPixel ? AC_SRC_ALPHA : 0)};
    AlphaBlend(target, x, y, source.Width(), source.Height(), source.Dc(), 0, 0, source.Width(), source.Height(),
               blend);
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

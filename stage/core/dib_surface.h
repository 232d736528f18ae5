#pragma once
// A memory DC holding a 32-bit top-down DIB section, with a GDI+ bitmap over
// the same pixels (premultiplied ARGB) and optionally graphics on it. GDI
// copies, blends and presents it through the DC; GDI+ draws into it through
// the bitmap, alpha included, which a layered window needs.
#include <windows.h>

#include <cstdint>

#include "stage/core/gdi_handles.h"
#include "stage/core/gdiplus_ptr.h"

namespace stage {

class DibSurface {
public:
    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface() { Release(); }

    // Replaces the surface by a transparent one of that size; reference may
    // be 0 (a DC compatible with the screen).
    bool Create(HDC reference, int width, int height, bool withGraphics);
    void Release();

    HDC Dc() const { return dc_.get(); }
    GpBitmap* Bitmap() const { return bitmap_.get(); }
    GpGraphics* Graphics() const { return graphics_.get(); }
    std::uint32_t* Bits() const { return bits_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Premultiplied 0xAARRGGBB; 0 outside the surface.
    std::uint32_t Pixel(int x, int y) const;

private:
    MemoryDc dc_;
    GdiBitmap dib_;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    GdipBitmap bitmap_;
    GdipGraphics graphics_;
};

// The process-wide scratch surface that cross-fades draw on. It only grows:
// at least as wide and as high as the largest window asked for.
DibSurface& ScratchSurface();
void GrowScratchSurface(int width, int height);

}  // namespace stage

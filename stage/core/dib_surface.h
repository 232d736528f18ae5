#pragma once
// A memory DC holding a 32-bit top-down DIB section, with a GDI+ bitmap over
// the same pixels (premultiplied ARGB) and optionally graphics on it. GDI+
// draws into it through the bitmap, alpha included; GDI copies and blends it
// through the DC, which is many times faster than GDI+ image drawing, so the
// compositor works with blits and clip regions of the DC. Every element
// surface, the back buffer and the scratch surface are DibSurfaces.
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

    // Replaces the surface by a transparent one of that size (at least 1 x 1);
    // reference may be 0 (a DC compatible with the screen).
    bool Create(HDC reference, int width, int height, bool withGraphics);
    void Release();
    explicit operator bool() const { return bits_ != nullptr; }

    HDC Dc() const { return dc_.get(); }
    GpBitmap* Bitmap() const { return bitmap_.get(); }
    GpGraphics* Graphics() const { return graphics_.get(); }
    std::uint32_t* Bits() const { return bits_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Premultiplied 0xAARRGGBB; 0 outside the surface.
    std::uint32_t Pixel(int x, int y) const;

    // Pixel operations, straight on the bits. Colours are premultiplied.
    void Fill(RECT area, std::uint32_t pixel);
    void Fill(HRGN region, std::uint32_t pixel);
    void Clear() { Fill(RECT{0, 0, width_, height_}, 0); }
    // Every pixel scaled by alpha / 255: the surface drawn at that opacity.
    void ScaleAlpha(int alpha);

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

// Blends the whole source onto the target DC at (x, y), unscaled, at the
// given opacity, within the target's clip region. With perPixel the source's
// own alpha counts too (a surface over what is behind it); without, the
// source replaces the target by opacity / 255 (a cross-fade step).
void BlendOnto(HDC target, int x, int y, const DibSurface& source, int opacity, bool perPixel = true);

// The process-wide scratch surface that cross-fades draw on. It only grows:
// at least as wide and as high as the largest window asked for.
DibSurface& ScratchSurface();
void GrowScratchSurface(int width, int height);

}  // namespace stage

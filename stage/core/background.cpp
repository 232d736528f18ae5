// SetBackground: the window's background, frame and shadow, rendered into the
// back buffer and kept in the background buffer; then every element on top.
#include <cstdint>

#include "stage/core/blur_behind.h"
#include "stage/core/call_routine.h"
#include "stage/core/compose.h"
#include "stage/core/decode_image.h"
#include "stage/core/drawing.h"
#include "stage/core/gdi_handles.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

// The mean of each colour channel over the picture without its first row and
// column.
std::optional<Argb> averageColour(GpBitmap* image) {
    const int width = ImageWidth(image), height = ImageHeight(image);
    if (width < 2 || height < 2) return std::nullopt;
    const Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (gp::GdipBitmapLockBits(image, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return std::nullopt;
    std::uint64_t red = 0, green = 0, blue = 0;
    for (int y = 1; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
        for (int x = 1; x < width; ++x) {
            red += RedOf(row[x]);
            green += GreenOf(row[x]);
            blue += BlueOf(row[x]);
        }
    }
    gp::GdipBitmapUnlockBits(image, &data);
    const std::uint64_t count = std::uint64_t(width - 1) * std::uint64_t(height - 1);
    return MakeARGB(RGB(BYTE(red / count), BYTE(green / count), BYTE(blue / count)));
}

GdipBitmap cloneImage(GpBitmap* image) {
    GpImage* copy = nullptr;
    if (image) gp::GdipCloneImage(image, &copy);
    return GdipBitmap(static_cast<GpBitmap*>(copy));
}

// A round rectangle, right and bottom exclusive.
GdiRegion roundRegion(int left, int top, int right, int bottom, int corner) {
    return GdiRegion(CreateRoundRectRgn(left, top, right, bottom, corner, corner));
}

}  // namespace

void WindowHost::takeBackground(std::optional<std::span<const std::uint8_t>> image, std::optional<Argb> colour) {
    if (WindowHost* source = HostOfWindow(backgroundSource_); source && source != this) {
        // A copy, not a loan: the other window may go first.
        backgroundImage_ = cloneImage(source->BackgroundImage());
        backgroundColour_ = source->BackgroundColour();
        return;
    }
    if (image) {
        backgroundImage_ = DecodeImage(*image).TakeBitmap();
        if (auto average = averageColour(backgroundImage_.get())) backgroundColour_ = *average;
    }
    if (colour && *colour != kNoColour) backgroundColour_ = *colour;
}

void WindowHost::drawBackgroundImage() {
    GpGraphics* g = backBuffer_.Graphics();
    GpBitmap* image = backgroundImage_.get();
    const int width = size_.cx, height = size_.cy;
    const int iw = ImageWidth(image), ih = ImageHeight(image);
    if (imageMode_ == 1) {
        gp::GdipDrawImageRect(g, image, 5, 5, float(width - 10), float(height - 10));
    } else if (imageMode_ == 2) {
        const int left = (width - iw) / 2, top = (height - ih) / 2;
        gp::GdipDrawImageRect(g, image, float(left), float(top), float(iw), float(ih));
        if (fadeImageEdges_) FadeEdges(g, MakeRect(left - 1, top - 1, iw + 2, ih + 2), backgroundColour_);
    } else {
        gp::GdipDrawImageRect(g, image, 5, 5, float(iw), float(ih));
        if (fadeImageEdges_)
            FadeEdges(g, MakeRect(0, 0, iw, ih), backgroundColour_, 100.0f, {false, false, true, true});
    }
}

// Background of a window with a frame: inside the rounded frame, the picture
// over the background colour, or the colour alone.
void WindowHost::renderFramedBackground() {
    GdiRegion inside = roundRegion(6, 6, size_.cx - 5, size_.cy - 5, frameStyle_ == 0 ? 0 : 4);
    GdipRegion clip = RegionFromHrgn(inside.get());
    gp::GdipSetClipRegion(backBuffer_.Graphics(), clip.get(), Gdiplus::CombineModeReplace);
    if (!backgroundImage_) {
        backBuffer_.Fill(inside.get(), Premultiply(WithAlpha(backgroundColour_, Layered() ? windowAlpha_ : 255)));
        return;
    }
    backBuffer_.Fill(inside.get(), Premultiply(WithAlpha(backgroundColour_, 255)));
    drawBackgroundImage();
    if (Layered()) backBuffer_.ScaleAlpha(windowAlpha_);  // the whole picture at the window's alpha
}

void WindowHost::drawFrameAndShadow() {
    GpGraphics* g = backBuffer_.Graphics();
    const RectF content = MakeRect(5, 5, size_.cx - 10, size_.cy - 10);
    if (frameStyle_ != 1) {
        RectF frame = content;
        OffsetRect(1, 1, -2, -2, frame);
        const Argb outer = MakeARGB(RGB(96, 96, 96), 204), inner = MakeARGB(RGB(255, 255, 255), 102);
        if (frameStyle_ != 0) {
            DrawRoundRect(g, frame, 7, outer);
            OffsetRect(1, 1, -2, -2, frame);
            DrawRoundRect(g, frame, 6, inner);
        } else {
            DrawFrame(g, frame, std::int32_t(outer));
            OffsetRect(1, 1, -2, -2, frame);
            DrawFrame(g, frame, std::int32_t(inner));
        }
        gp::GdipResetClip(g);
        if (!Layered()) applyWindowRegion();
    }
    if (Layered() && (captionFlags_ & kCaptionShadow)) DrawShadow(g, content, frameStyle_, shadowColour_);
}

void WindowHost::applyWindowRegion() {
    const int inset = IsZoomed(window_) ? 5 : 6, corner = frameStyle_ == 0 ? 0 : 5;
    HRGN region = CreateRoundRectRgn(inset, inset, size_.cx - inset, size_.cy - inset, corner, corner);
    if (region && !SetWindowRgn(window_, region, TRUE)) DeleteObject(region);  // the window owns it on success
}

void WindowHost::setElementClip() {
    if (frameStyle_ != 1) elementClip_ = roundRegion(7, 7, size_.cx - 6, size_.cy - 6, frameStyle_ == 0 ? 0 : 3);
    SelectClipRgn(backBuffer_.Dc(), elementClip_.get());
}

void WindowHost::SetBackground(std::optional<std::span<const std::uint8_t>> image, std::optional<Argb> colour,
                               int mode, bool quiet) {
    GpGraphics* g = backBuffer_.Graphics();
    if (!window_ || !g) return;
    SuspendPainting();
    takeBackground(image, colour);
    if (mode == 1 && Layered()) keepOldLook();
    backBuffer_.Clear();
    if (frameStyle_ == 1) {
        if (backgroundImage_ && (nineGrid_.right <= nineGrid_.left || nineGrid_.bottom <= nineGrid_.top))
            DrawImageAt(g, backgroundImage_.get(), MakeRect(0, 0, size_.cx, size_.cy));
        else if (backgroundImage_)
            NinePatch(g, backgroundImage_.get(), MakeRect(0, 0, size_.cx, size_.cy),
                      MakeRect(nineGrid_.left, nineGrid_.top, nineGrid_.right - nineGrid_.left,
                               nineGrid_.bottom - nineGrid_.top));
    } else {
        renderFramedBackground();
    }
    CallRoutine(onPaintBackground_, window_, g, int(size_.cx), int(size_.cy));
    drawFrameAndShadow();
    GdiFlush();
    BitBlt(background_.Dc(), 0, 0, size_.cx, size_.cy, backBuffer_.Dc(), 0, 0, SRCCOPY);
    GdiFlush();
    setElementClip();
    redrawQueue_.Init(this);
    LayoutCaption();
    PaintTree(topLevel_.first, backBuffer_.Dc(), !quiet);
    SelectClipRgn(backBuffer_.Dc(), nullptr);
    GdiFlush();
    // Everything was just painted whole: nothing asked for meanwhile is left.
    deferred_.clear();
    if (blurBehind_ && Layered())
        BlurBehind(window_, {6, 6, size_.cx - 5, size_.cy - 5}, 6, frameStyle_, windowAlpha_);
    if (mode == 1) {
        startFade();  // painting resumes when the new look is fully in
        return;
    }
    ResumePainting();
    if (mode == 0) Present();
}

}  // namespace stage

#include "stage/core/surface.h"

#include <algorithm>

namespace stage {

GdipBitmap CreateSurface(int width, int height) {
    GdipBitmap bitmap;
    gp::GdipCreateBitmapFromScan0(std::max(width, 1), std::max(height, 1), 0, PixelFormat32bppPARGB,
                                  nullptr, bitmap.out());
    return bitmap;
}

GdipGraphics GraphicsFor(GpImage* image) {
    GdipGraphics graphics;
    if (!image || gp::GdipGetImageGraphicsContext(image, graphics.out()) != Gdiplus::Ok) return {};
    gp::GdipSetSmoothingMode(graphics.get(), Gdiplus::SmoothingModeAntiAlias);
    gp::GdipSetTextRenderingHint(graphics.get(), Gdiplus::TextRenderingHintAntiAliasGridFit);
    return graphics;
}

}  // namespace stage

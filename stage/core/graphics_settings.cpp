#include "stage/core/graphics_settings.h"

namespace stage {

GdipGraphics GraphicsFor(GpImage* image) {
    GdipGraphics graphics;
    if (!image || gp::GdipGetImageGraphicsContext(image, graphics.out()) != Gdiplus::Ok) return {};
    gp::GdipSetSmoothingMode(graphics.get(), Gdiplus::SmoothingModeAntiAlias);
    gp::GdipSetTextRenderingHint(graphics.get(), Gdiplus::TextRenderingHintAntiAliasGridFit);
    return graphics;
}

}  // namespace stage

#include "stage/core/drawing.h"

namespace stage {
namespace {

void fillStrip(GpGraphics* graphics, const RectF& strip, Argb from, Argb to, Gdiplus::LinearGradientMode mode) {
    if (strip.width <= 0 || strip.height <= 0) return;
    const Gdiplus::RectF area(strip.left, strip.top, strip.width, strip.height);
    GdipLineBrush brush;
    gp::GdipCreateLineBrushFromRect(&area, from, to, mode, Gdiplus::WrapModeTileFlipXY, brush.out());
    if (brush) gp::GdipFillRectangle(graphics, brush.get(), strip.left, strip.top, strip.width, strip.height);
}

}  // namespace

void DrawGlow(GpGraphics* graphics, float x, float y) {
    if (!graphics) return;
    GdipPath ellipse;
    gp::GdipCreatePath(Gdiplus::FillModeAlternate, ellipse.out());
    gp::GdipAddPathEllipse(ellipse.get(), x - 18, y - 18, 36, 36);
    GdipPathBrush brush;
    gp::GdipCreatePathGradientFromPath(ellipse.get(), brush.out());
    if (!brush) return;
    gp::GdipSetPathGradientCenterColor(brush.get(), MakeARGB(0xFFFFFF));
    Argb surround = MakeARGB(0xFFFFFF, 50);
    INT count = 1;
    gp::GdipSetPathGradientSurroundColorsWithCount(brush.get(), &surround, &count);
    gp::GdipFillRectangle(graphics, brush.get(), x - 18, y - 18, 36, 36);
}

void FadeEdges(GpGraphics* graphics, const RectF& rect, Argb colour, float size, FadeSides sides, float inset) {
    if (!graphics) return;
    const float l = rect.left + inset, t = rect.top + inset, w = rect.width, h = rect.height;
    const float across = w > size ? size : w / 2;  // width of the left and right strips
    const float down = h > size ? size : h / 2;    // height of the top and bottom strips
    const Argb opaque = WithAlpha(colour, 254), clear = WithAlpha(colour, 0);
    if (sides.top) fillStrip(graphics, {l - inset, t - inset, w, down}, opaque, clear, Gdiplus::LinearGradientModeVertical);
    if (sides.left) fillStrip(graphics, {l - inset, t - inset, across, h}, opaque, clear, Gdiplus::LinearGradientModeHorizontal);
    if (sides.bottom) fillStrip(graphics, {l, t + h - down, w, down + 1}, clear, opaque, Gdiplus::LinearGradientModeVertical);
    if (sides.right) fillStrip(graphics, {l + w - across, t, across + 1, h}, clear, opaque, Gdiplus::LinearGradientModeHorizontal);
}

void DrawShadow(GpGraphics* graphics, const RectF& content, int frameStyle, COLORREF colour) {
    static constexpr float kSquareCorners[4] = {1, 4, 7, 11};
    static constexpr float kRoundCorners[4] = {10, 12, 15, 18};
    static constexpr int kAlphas[4] = {45, 25, 10, 5};
    const float* corners = frameStyle == 0 ? kSquareCorners : kRoundCorners;
    RectF ring = content;
    for (int i = 0; i < 4; ++i) {
        DrawRoundRect(graphics, ring, corners[i], MakeARGB(colour, kAlphas[i]));
        OffsetRect(-1, -1, 2, 2, ring);
    }
}

}  // namespace stage

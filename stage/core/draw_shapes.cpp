#include "stage/core/drawing.h"

namespace stage {
namespace {

void line(GpGraphics* graphics, Argb colour, float width, float x1, float y1, float x2, float y2) {
    GdipPen pen = MakePen(colour, width);
    if (pen) gp::GdipDrawLine(graphics, pen.get(), x1, y1, x2, y2);
}

void rectangle(GpGraphics* graphics, const RectF& rect, Argb colour, float width, Gdiplus::DashStyle dash) {
    GdipPen pen = MakePen(colour, width);
    if (!pen) return;
    gp::GdipSetPenDashStyle(pen.get(), dash);
    gp::GdipDrawRectangle(graphics, pen.get(), rect.left, rect.top, rect.width - 1, rect.height - 1);
}

}  // namespace

GdipPen MakePen(Argb colour, float width) {
    GdipPen pen;
    gp::GdipCreatePen1(colour, width, Gdiplus::UnitWorld, pen.out());
    return pen;
}

void DrawFrame(GpGraphics* graphics, const RectF& rect, std::int32_t style, std::optional<Argb> colour,
               float penWidth) {
    if (!graphics || style == kFrameNone) return;
    // Lines run along the rectangle's outer pixels.
    const float l = rect.left, t = rect.top, r = rect.left + rect.width - 1, b = rect.top + rect.height - 1;
    const Argb black160 = MakeARGB(0, 160), black168 = MakeARGB(0, 168), white245 = MakeARGB(0xFFFFFF, 245);
    switch (style) {
    case kFrameSunken:
        line(graphics, black160, penWidth, l, t, r, t);
        line(graphics, black160, penWidth, l, t, l, b);
        line(graphics, white245, penWidth / 2, l, b, r, b);
        line(graphics, white245, penWidth / 2, r, t, r, b);
        break;
    case kFrameRaised:
        line(graphics, white245, penWidth / 2, l, t, r - 1, t);
        line(graphics, white245, penWidth / 2, l, t, l, b - 1);
        line(graphics, black168, penWidth, l, b, r, b);
        line(graphics, black168, penWidth, r, t, r, b);
        break;
    case kFrameSolid:
        rectangle(graphics, rect, colour.value_or(MakeARGB(RGB(100, 100, 100))), penWidth, Gdiplus::DashStyleSolid);
        break;
    case kFrameDashed:
        rectangle(graphics, rect, colour.value_or(MakeARGB(0, 120)), penWidth, Gdiplus::DashStyleDash);
        break;
    default:
        rectangle(graphics, rect, Argb(style), penWidth, Gdiplus::DashStyleSolid);
        break;
    }
}

void FillGradient(GpGraphics* graphics, const RectF& rect, Argb from, Argb to, int mode) {
    if (!graphics || rect.width <= 0 || rect.height <= 0) return;
    const Gdiplus::RectF area(rect.left, rect.top, rect.width, rect.height);
    GdipLineBrush brush;
    gp::GdipCreateLineBrushFromRect(&area, from, to, Gdiplus::LinearGradientMode(mode),
                                    Gdiplus::WrapModeTileFlipXY, brush.out());
    if (brush) gp::GdipFillRectangle(graphics, brush.get(), rect.left, rect.top, rect.width - 1, rect.height - 1);
}

GdipPath RoundRectPath(const RectF& rect, float d) {
    GdipPath path;
    gp::GdipCreatePath(Gdiplus::FillModeAlternate, path.out());
    if (!path) return path;
    const float right = rect.left + rect.width - d - 1, bottom = rect.top + rect.height - d - 1;
    if (d <= 0) {
        // No corner to round: the rectangle the arcs would have spanned.
        gp::GdipAddPathRectangle(path.get(), rect.left, rect.top, rect.width - 1, rect.height - 1);
        return path;
    }
    gp::GdipAddPathArc(path.get(), rect.left, rect.top, d, d, 180, 90);
    gp::GdipAddPathArc(path.get(), right, rect.top, d, d, 270, 90);
    gp::GdipAddPathArc(path.get(), right, bottom, d, d, 0, 90);
    gp::GdipAddPathArc(path.get(), rect.left, bottom, d, d, 90, 90);
    gp::GdipClosePathFigure(path.get());
    return path;
}

void ClipToPath(GpGraphics* graphics, GpPath* path, Gdiplus::CombineMode mode) {
    if (graphics && path) gp::GdipSetClipPath(graphics, path, mode);
}

void FillRoundRect(GpGraphics* graphics, const RectF& rect, float corner, Argb colour) {
    GdipPath path = RoundRectPath(rect, corner);
    GdipSolidBrush brush;
    gp::GdipCreateSolidFill(colour, brush.out());
    if (graphics && path && brush) gp::GdipFillPath(graphics, brush.get(), path.get());
}

void DrawRoundRect(GpGraphics* graphics, const RectF& rect, float corner, Argb colour, Gdiplus::DashStyle dash,
                   float penWidth) {
    GdipPath path = RoundRectPath(rect, corner);
    GdipPen pen = MakePen(colour, penWidth);
    if (!graphics || !path || !pen) return;
    gp::GdipSetPenDashStyle(pen.get(), dash);
    gp::GdipDrawPath(graphics, pen.get(), path.get());
}

void DrawLine(GpGraphics* graphics, Argb colour, float x1, float y1, float x2, float y2, float penWidth) {
    if (graphics) line(graphics, colour, penWidth, x1, y1, x2, y2);
}

GdipRegion RegionFromHrgn(HRGN region) {
    GdipRegion result;
    if (region) gp::GdipCreateRegionHrgn(region, result.out());
    return result;
}

}  // namespace stage

#include <cmath>

#include "stage/core/decode_image.h"
#include "stage/core/drawing.h"

namespace stage {
namespace {

// Attributes that scale alpha by alpha / 255 (or leave it when alpha is
// outside 0..254), optionally mirroring at the edges so that stretched
// pieces do not pull in their neighbours' pixels.
GdipImageAttributes attributes(std::optional<int> alpha, bool clampEdges) {
    GdipImageAttributes attrs;
    gp::GdipCreateImageAttributes(attrs.out());
    if (alpha && *alpha >= 0 && *alpha < 255) {
        Gdiplus::ColorMatrix matrix{};
        for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1.0f;
        matrix.m[3][3] = float(*alpha) / 255.0f;
        gp::GdipSetImageAttributesColorMatrix(attrs.get(), Gdiplus::ColorAdjustTypeDefault, TRUE, &matrix,
                                              nullptr, Gdiplus::ColorMatrixFlagsDefault);
    }
    if (clampEdges) gp::GdipSetImageAttributesWrapMode(attrs.get(), Gdiplus::WrapModeTileFlipXY, 0, FALSE);
    return attrs;
}

void drawPiece(GpGraphics* graphics, GpImage* image, const RectF& dest, const RectF& source,
               GpImageAttributes* attrs) {
    if (dest.width <= 0 || dest.height <= 0 || source.width <= 0 || source.height <= 0) return;
    gp::GdipDrawImageRectRect(graphics, image, dest.left, dest.top, dest.width, dest.height, source.left,
                              source.top, source.width, source.height, Gdiplus::UnitPixel, attrs, nullptr,
                              nullptr);
}

}  // namespace

void DrawImageAlpha(GpGraphics* graphics, GpImage* image, const RectF& rect, int alpha) {
    if (!graphics || !image || alpha <= 0) return;
    if (alpha >= 255) {
        gp::GdipDrawImageRect(graphics, image, rect.left, rect.top, rect.width, rect.height);
        return;
    }
    GdipImageAttributes attrs = attributes(alpha, false);
    drawPiece(graphics, image, rect, {0, 0, rect.width, rect.height}, attrs.get());
}

void DrawImageAt(GpGraphics* graphics, GpImage* image, const RectF& rect, bool centred) {
    if (!graphics || !image) return;
    const int width = ImageWidth(image), height = ImageHeight(image);
    float left = std::trunc(rect.left), top = std::trunc(rect.top);
    if (centred) {
        left = std::round(rect.left - (float(width) - rect.width) / 2);
        top = std::round(rect.top - (float(height) - rect.height) / 2);
    }
    gp::GdipDrawImageRect(graphics, image, left, top, float(width), float(height));
}

void NinePatch(GpGraphics* graphics, GpImage* image, const RectF& dest, const RectF& centre,
               std::optional<int> alpha) {
    if (!graphics || !image) return;
    const float iw = float(ImageWidth(image)), ih = float(ImageHeight(image));
    // Source columns and rows: [0, x), [x, x + w), [x + w, image width).
    const float sx[3] = {0, centre.left, centre.left + centre.width};
    const float sw[3] = {centre.left, centre.width, iw - centre.left - centre.width};
    const float sy[3] = {0, centre.top, centre.top + centre.height};
    const float sh[3] = {centre.top, centre.height, ih - centre.top - centre.height};
    // Destination: the corners keep their size, the middle takes the rest.
    const float dw[3] = {sw[0], dest.width - sw[0] - sw[2], sw[2]};
    const float dh[3] = {sh[0], dest.height - sh[0] - sh[2], sh[2]};
    const float dx[3] = {dest.left, dest.left + dw[0], dest.left + dw[0] + dw[1]};
    const float dy[3] = {dest.top, dest.top + dh[0], dest.top + dh[0] + dh[1]};
    GdipImageAttributes attrs = attributes(alpha, true);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col)
            drawPiece(graphics, image, {dx[col], dy[row], dw[col], dh[row]}, {sx[col], sy[row], sw[col], sh[row]},
                      attrs.get());
}

GdipBitmap CloneImageArea(GpBitmap* image, const RectF& rect) {
    GdipBitmap copy;
    Gdiplus::PixelFormat format = PixelFormat32bppPARGB;
    if (!image) return copy;
    gp::GdipGetImagePixelFormat(image, &format);
    gp::GdipCloneBitmapArea(rect.left, rect.top, rect.width, rect.height, format, image, copy.out());
    return copy;
}

}  // namespace stage

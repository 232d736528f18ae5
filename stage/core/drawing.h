#pragma once
// Drawing primitives shared by the compositor, the window background and
// every control. They take a GDI+ graphics, rectangles of four floats (left,
// top, width, height) and ARGB colours made with MakeARGB.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "stage/core/colour.h"
#include "stage/core/gdiplus_ptr.h"
#include "stage/core/geometry.h"

namespace stage {

// Into the rect, scaled. Below 255 through a colour matrix that scales the
// picture's alpha by alpha / 255 (source rectangle: the rect's size).
void DrawImageAlpha(GpGraphics* graphics, GpImage* image, const RectF& rect, int alpha);
// Unscaled, at the rect's top-left (whole pixels) or centred on the rect.
void DrawImageAt(GpGraphics* graphics, GpImage* image, const RectF& rect, bool centred = false);
// Corners unscaled, edges stretched along the sides, centre stretched over the
// rest. centre is the picture's centre slice (x, y, width, height). With an
// alpha of 0..254 every piece is drawn at that alpha.
void NinePatch(GpGraphics* graphics, GpImage* image, const RectF& dest, const RectF& centre,
               std::optional<int> alpha = std::nullopt);
// A copy of that area of the bitmap, in the bitmap's pixel format.
GdipBitmap CloneImageArea(GpBitmap* image, const RectF& rect);

// Frame styles: 0 none, 1 sunken, 2 raised, 3 solid line (default colour
// RGB 100,100,100), 4 dashed (default black at alpha 120); any other value is
// itself the ARGB colour of a solid line.
enum : std::int32_t { kFrameNone = 0, kFrameSunken = 1, kFrameRaised = 2, kFrameSolid = 3, kFrameDashed = 4 };
void DrawFrame(GpGraphics* graphics, const RectF& rect, std::int32_t style,
               std::optional<Argb> colour = std::nullopt, float penWidth = 1.0f);
GdipPen MakePen(Argb colour, float width = 1.0f);
// Linear gradient over the rect: mode 0 horizontal, 1 vertical, 2 forward
// diagonal, 3 backward diagonal. Fills (left, top, width - 1, height - 1).
void FillGradient(GpGraphics* graphics, const RectF& rect, Argb from, Argb to, int mode = 1);
// Four arcs of corner x corner around the rect's outer pixels.
GdipPath RoundRectPath(const RectF& rect, float corner);
void ClipToPath(GpGraphics* graphics, GpPath* path, Gdiplus::CombineMode mode);
void FillRoundRect(GpGraphics* graphics, const RectF& rect, float corner, Argb colour);
void DrawRoundRect(GpGraphics* graphics, const RectF& rect, float corner, Argb colour,
                   Gdiplus::DashStyle dash = Gdiplus::DashStyleSolid, float penWidth = 1.0f);
void DrawLine(GpGraphics* graphics, Argb colour, float x1, float y1, float x2, float y2, float penWidth = 1.0f);
GdipRegion RegionFromHrgn(HRGN region);

// A soft white dot of 36 x 36 pixels centred on (x, y).
void DrawGlow(GpGraphics* graphics, float x, float y);
// Strips that fade from the colour (opaque at the rect's edge) to nothing
// inwards, on the chosen sides. A strip is size wide, or half the rect when
// the rect is not larger than size. The rect is first moved right and down by
// inset; the top and left strips start at its original corner.
struct FadeSides {
    bool top = true, left = true, bottom = true, right = true;
};
void FadeEdges(GpGraphics* graphics, const RectF& rect, Argb colour, float size = 100.0f,
               FadeSides sides = {}, float inset = 6.0f);
// Four outlines around the content rect, each a pixel further out and fainter.
void DrawShadow(GpGraphics* graphics, const RectF& content, int frameStyle, COLORREF colour);

}  // namespace stage

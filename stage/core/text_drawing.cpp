#include "stage/core/text_drawing.h"

#include <algorithm>
#include <cmath>

#include "stage/core/text_convert.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

Gdiplus::RectF toGdiplus(const RectF& r) { return {r.left, r.top, r.width, r.height}; }

void drawString(GpGraphics* graphics, const Gdiplus::RectF& layout, std::wstring_view text, GpFont* font,
                GpStringFormat* format, Argb colour) {
    GdipSolidBrush brush;
    gp::GdipCreateSolidFill(colour, brush.out());
    if (brush)
        gp::GdipDrawString(graphics, text.data(), INT(text.size()), font, &layout, format, brush.get());
}

// The picture's pixel seen over the background colour.
Argb sampleOver(GpBitmap* picture, int x, int y, Argb background) {
    ARGB pixel = 0;
    if (gp::GdipBitmapGetPixel(picture, x, y, &pixel) != Gdiplus::Ok) return background;
    const int a = AlphaOf(pixel);
    const auto mix = [a](int over, int under) { return Argb((over * a + under * (255 - a)) / 255); };
    return 0xFF000000u | mix(RedOf(pixel), RedOf(background)) << 16 | mix(GreenOf(pixel), GreenOf(background)) << 8 |
           mix(BlueOf(pixel), BlueOf(background));
}

}  // namespace

void DrawText(GpGraphics* graphics, const RectF& layout, std::wstring_view text, GpFont* font, Argb colour,
              GpStringFormat* format, int effect, Argb effectColour) {
    if (!graphics || !font || text.empty()) return;
    if (!effectColour) effectColour = IsColourDark(colour) ? MakeARGB(0xFFFFFF, 85) : MakeARGB(0, 75);
    const RectF at{std::trunc(layout.left), std::trunc(layout.top), std::trunc(layout.width),
                   std::trunc(layout.height)};
    if (effect == kTextEffectGlow) Glow(graphics, at, text, font, format, effectColour, 3);
    else if (effect == kTextEffectHalo) Glow(graphics, at, text, font, format, effectColour, 1);
    drawString(graphics, toGdiplus(at), text, font, format, colour);
}

bool IsColourDark(Argb colour) {
    const double luminance = 0.299 * RedOf(colour) + 0.587 * GreenOf(colour) + 0.114 * BlueOf(colour);
    return luminance < 192 - kEpsilon;
}

bool IsBackgroundDark(HWND window, const RectF& rect) {
    WindowHost* host = HostOfWindow(window);
    if (!host) return false;
    GpBitmap* picture = host->BackgroundImage();
    if (!picture) return IsColourDark(host->BackgroundColour());
    static constexpr float kAt[] = {0.2f, 0.5f, 0.8f};
    int dark = 0;
    for (float across : kAt)
        for (float down : kAt) {
            const int x = int(rect.left + across * rect.width), y = int(rect.top + down * rect.height);
            dark += IsColourDark(sampleOver(picture, x, y, host->BackgroundColour()));
        }
    return dark > 4;
}

Argb ContrastColour(HWND window, const RectF& rect, Argb colour) {
    return (colour & 0xFF000000u) | (IsBackgroundDark(window, rect) ? 0x00FFFFFFu : 0u);
}

bool MeasureString(GpGraphics* graphics, std::wstring_view text, GpFont* font, GpStringFormat* format,
                   const RectF& layout, RectF& bounds) {
    const Gdiplus::RectF area = toGdiplus(layout);
    Gdiplus::RectF box;
    if (!graphics || !font ||
        gp::GdipMeasureString(graphics, text.data(), INT(text.size()), font, &area, format, &box, nullptr,
                              nullptr) != Gdiplus::Ok)
        return false;
    bounds = {box.X, box.Y, box.Width, box.Height};
    return true;
}

bool MeasureRange(GpGraphics* graphics, std::wstring_view text, GpFont* font, GpStringFormat* format, int first,
                  int length, const RectF& layout, RectF& bounds, GdipRegion* keep) {
    if (!graphics || !font || !format) return false;
    const Gdiplus::CharacterRange range(first, length);
    GdipRegion region;
    gp::GdipCreateRegion(region.out());
    GpRegion* regions[] = {region.get()};
    const Gdiplus::RectF area = toGdiplus(layout);
    if (!region || gp::GdipSetStringFormatMeasurableCharacterRanges(format, 1, &range) != Gdiplus::Ok ||
        gp::GdipMeasureCharacterRanges(graphics, text.data(), INT(text.size()), font, area, format, 1, regions) !=
            Gdiplus::Ok)
        return false;
    Gdiplus::RectF box;
    if (gp::GdipGetRegionBounds(region.get(), graphics, &box) != Gdiplus::Ok) return false;
    bounds = {box.X, box.Y, box.Width, box.Height};
    if (keep) *keep = std::move(region);
    return true;
}

std::size_t WideLength(std::string_view ansi) { return ToUtf16(ansi).size(); }

}  // namespace stage

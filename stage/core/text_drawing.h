#pragma once
// Text services shared by every element that shows text: drawing with a glow
// behind the letters, measuring, and picking a text colour that stands out
// against the window background.
#include <windows.h>

#include <cstddef>
#include <string_view>

#include "stage/core/colour.h"
#include "stage/core/gdiplus_ptr.h"
#include "stage/core/geometry.h"

// The Win32 macro of the same name would rename ours.
#undef DrawText

namespace stage {

// Text effects.
enum : int {
    kTextEffectNone = 0,
    kTextEffectGlow = 3,  // soft glow, blurred by scaling down by 3 and up again
    kTextEffectHalo = 4,  // sharp one-pixel halo
};

// Draws the text in colour into the layout rectangle, whose values are cut
// to whole pixels first. With an effect, the glow goes underneath in
// effectColour; 0 picks a light glow (white, alpha 85) for dark text and a
// dark one (black, alpha 75) for light text.
void DrawText(GpGraphics* graphics, const RectF& layout, std::wstring_view text, GpFont* font, Argb colour,
              GpStringFormat* format, int effect = kTextEffectNone, Argb effectColour = 0);

// The text five times in colour, at its place and one pixel left, right, up
// and down, on a surface of the rectangle's size plus 7; that surface is
// scaled down by scale and drawn back over (left - 4, top - 4) at full size,
// which blurs it by as much as it was scaled down.
void Glow(GpGraphics* graphics, const RectF& rect, std::wstring_view text, GpFont* font, GpStringFormat* format,
          Argb colour, int scale);

// Luminance 0.299 R + 0.587 G + 0.114 B below 192; alpha is not looked at.
bool IsColourDark(Argb colour);

// Whether the window's background under the rectangle (window coordinates)
// is dark: with a background picture, more than four of nine samples (at
// 20, 50 and 80 percent across and down, window coordinates read as picture
// coordinates) are dark; samples are seen over the background colour, which
// also stands for a sample outside the picture. Without a picture, whether
// the background colour is dark. false for a window without a WindowHost.
bool IsBackgroundDark(HWND window, const RectF& rect);

// White over a dark background, else black, with the alpha of colour.
Argb ContrastColour(HWND window, const RectF& rect, Argb colour);

// The bounds the text takes when laid out in the rectangle (an empty
// rectangle: no limit). false when GDI+ cannot measure it.
bool MeasureString(GpGraphics* graphics, std::wstring_view text, GpFont* font, GpStringFormat* format,
                   const RectF& layout, RectF& bounds);

// The bounds of the characters [first, first + length) of the laid-out text.
// The format's measurable range is set to them. With keep, the region of the
// range is handed over too.
bool MeasureRange(GpGraphics* graphics, std::wstring_view text, GpFont* font, GpStringFormat* format, int first,
                  int length, const RectF& layout, RectF& bounds, GdipRegion* keep = nullptr);

// UTF-16 units of a code page 936 text.
std::size_t WideLength(std::string_view ansi);

}  // namespace stage

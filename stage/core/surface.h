#pragma once
// Element surfaces: 32-bit premultiplied ARGB bitmaps with graphics set up the
// way every framework drawing expects (anti-aliased shapes, anti-aliased
// grid-fitted text).
#include "stage/core/gdiplus_ptr.h"

namespace stage {

// width x height (each at least 1), fully transparent.
GdipBitmap CreateSurface(int width, int height);

// Graphics on an image, with the framework's smoothing and text settings.
GdipGraphics GraphicsFor(GpImage* image);

}  // namespace stage

#pragma once
// Graphics set up the way every framework drawing expects: anti-aliased
// shapes, anti-aliased grid-fitted text.
#include "stage/core/gdiplus_ptr.h"

namespace stage {

GdipGraphics GraphicsFor(GpImage* image);

}  // namespace stage

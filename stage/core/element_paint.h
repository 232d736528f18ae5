#pragma once
// The protocol by which an element class repaints its own surface:
//
//     PaintContext ctx;
//     if (BeginElementPaint(*this, ctx)) {
//         ... draw into ctx.graphics ...
//         EndElementPaint(*this, ctx);
//     }
//
// With commit (the default), Begin clears the paint rectangle (after keeping
// the old look as the transition snapshot when the element has a transition)
// and End brings the new look to the screen: queued at once, or through a
// transition of the element's frames and interval. Without commit the surface
// keeps its pixels and nothing reaches the screen; a class uses that to draw
// a transition frame of its own.
#include <windows.h>

#include <optional>

#include "stage/core/element_handle.h"
#include "stage/core/gdiplus_ptr.h"
#include "stage/core/geometry.h"

namespace stage {

class Element;

struct PaintSurfaces {
    ElementHandle host;
    HDC windowDC;
    HDC backBufferDC;
    GpGraphics* backBufferGraphics;
    GpBitmap* surface;  // the element's own
};

struct PaintContext {
    HWND window = nullptr;
    GpGraphics* graphics = nullptr;  // the element's surface graphics
    RectF rect;                      // paint rectangle, surface coordinates
    bool commit = false;
    PaintSurfaces surfaces{};
};

// false (and the class draws nothing) when the element has no window or host.
// The rectangle defaults to the whole surface.
bool BeginElementPaint(Element& element, PaintContext& ctx, std::optional<RectF> rect = std::nullopt,
                       bool commit = true);
void EndElementPaint(Element& element, PaintContext& ctx);

}  // namespace stage

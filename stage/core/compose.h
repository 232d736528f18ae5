#pragma once
// Composition: element surfaces put together over the window background in
// the back buffer, and the back buffer shown in the window. Surfaces are
// blended with GDI through the back buffer's DC; its clip region keeps each
// element inside the rectangle being recomposed, the inside of the frame and
// its parent.
#include <windows.h>

#include "stage/core/element_handle.h"
#include "stage/core/geometry.h"

namespace stage {

class WindowHost;

// Restores the rectangle from the background buffer and draws every element
// that overlaps it; with present, shows it. While painting is suspended the
// rectangle is only remembered for when painting resumes.
void RecomposeRect(WindowHost& host, const RectF& rect, bool present);

// Draws one sibling list (and the children of each element, clipped to it)
// in order, later siblings on top. Hidden elements are skipped with their
// subtree; a disabled element is drawn at half its alpha unless its class
// answers EV_QUERYDISABLEDLOOK; an element in a transition is drawn as its
// current transition frame.
void ComposeElements(WindowHost& host, ElementHandle first, const RectF& rect);

// Draws whole surfaces of one sibling list and their children onto target,
// no transitions; with notify each element first gets EV_PREPAINT (children
// always do).
void PaintTree(ElementHandle first, HDC target, bool notify);

// Shows the rectangle: copied to a plain window; a layered window is updated
// whole, whatever the rectangle.
void PresentRect(WindowHost& host, const RectF& rect);

}  // namespace stage

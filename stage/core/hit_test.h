#pragma once
// Which element is under a point.
#include "stage/core/element_handle.h"

namespace stage {

// Walks a sibling list from its last (topmost) element backwards. The first
// element that is visible (1), enabled and contains (x, y) wins, unless one of
// its children, tested the same way, does. Hidden and disabled elements hide
// their whole subtree. 0 when nothing is hit.
ElementHandle HitTest(ElementHandle last, float x, float y);

}  // namespace stage

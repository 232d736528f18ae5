#pragma once
// Finding elements of a class in one sibling list.
#include <windows.h>

#include "stage/core/element_handle.h"

namespace stage {

// Walks one sibling list, never its children: from the element after
// previous when previous is given, else from the first child of parent when
// parent is given, else from the window's first top-level element. Returns
// the first element of typeCode; with keepLooking false the first element
// reached, whatever its type. 0 when none.
ElementHandle FindElementOfType(HWND window, ElementHandle parent, ElementHandle previous, int typeCode,
                                bool keepLooking = true);

}  // namespace stage

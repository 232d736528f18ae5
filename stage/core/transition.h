#pragma once
// Element transitions: between a committed repaint and its last frame the
// compositor draws the element as a blend of its old look (the snapshot) and
// its new one (the surface). The transition timer of an element has the id
// handle + 1 and runs TransitionTick once per interval.
#include <windows.h>

#include "stage/core/gdiplus_ptr.h"
#include "stage/core/geometry.h"

namespace stage {

class Element;
class WindowHost;

// What EV_DRAWTRANSITION carries in lparam: a class that answers 1 or more
// has drawn the frame itself onto the back buffer.
struct TransitionFrameRecord {
    HDC backBufferDC;
    GpGraphics* backBufferGraphics;
    HDC scratchDC;
    GpGraphics* scratchGraphics;
    GpBitmap* surface;
    GpBitmap* snapshot;
    RectF bounds;
    float clipLeft;
    float clipTop;
};

void CALLBACK TransitionTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);

// The frame for the element's transition style: 0 cross-fade, 1 slide down,
// 2 up, 3 right, 4 left. clip is the box of the back buffer's clip region.
void DrawDefaultTransitionFrame(WindowHost& host, Element& element, const RECT& clip);

}  // namespace stage

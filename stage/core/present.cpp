#include "stage/core/compose.h"
#include "stage/core/window_host.h"

namespace stage {

void PresentRect(WindowHost& host, const RectF& rect) {
    if (host.PaintingSuspended()) return;
    DibSurface& back = host.BackBuffer();
    if (!back.Dc()) return;
    GdiFlush();
    if (!host.Layered()) {
        const RECT px = ClampedPixels(rect, back.Width(), back.Height());
        BitBlt(host.WindowDC(), px.left, px.top, px.right - px.left, px.bottom - px.top, back.Dc(), px.left,
               px.top, SRCCOPY);
        return;
    }
    SIZE size = host.Size();
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(host.Window(), nullptr, nullptr, &size, back.Dc(), &source, 0, &blend, ULW_ALPHA);
}

}  // namespace stage

#include "stage/core/transition.h"

#include "stage/core/compose.h"
#include "stage/core/dib_surface.h"
#include "stage/core/element.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

// The old look with the back buffer behind it, and the new look with the
// same behind it on the scratch surface, mixed by a constant alpha of
// alpha x frame / frames.
void crossFade(WindowHost& host, Element& element, const RECT& clip) {
    DibSurface& back = host.BackBuffer();
    DibSurface& scratch = ScratchSurface();
    const int width = clip.right - clip.left, height = clip.bottom - clip.top;
    if (width <= 0 || height <= 0 || clip.right > scratch.Width() || clip.bottom > scratch.Height()) return;
    const int alpha = element.Alpha();
    const int x = int(element.CurrentBounds().left), y = int(element.CurrentBounds().top);
    BitBlt(scratch.Dc(), clip.left, clip.top, width, height, back.Dc(), clip.left, clip.top, SRCCOPY);
    BlendOnto(back.Dc(), x, y, element.SnapshotDib(), alpha);
    BlendOnto(scratch.Dc(), x, y, element.SurfaceDib(), alpha);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0,
                              BYTE(alpha * element.TransitionFrame() / element.TransitionFrames()), 0};
    AlphaBlend(back.Dc(), clip.left, clip.top, width, height, scratch.Dc(), clip.left, clip.top, width, height,
               blend);
}

// The old look slides out of the element's bounds while the new one slides in
// right behind it, both unscaled and at full opacity.
void slide(HDC target, Element& element, int style) {
    const RectF& b = element.CurrentBounds();
    const int frame = element.TransitionFrame(), frames = element.TransitionFrames();
    const bool vertical = style == 1 || style == 2;
    const int size = int(vertical ? b.height : b.width);
    const int offset = frame * int((vertical ? b.height : b.width) / float(frames));
    const int sign = (style == 1 || style == 3) ? 1 : -1;
    const int oldAt = sign * offset, newAt = oldAt - sign * size;
    const int x = int(b.left), y = int(b.top);
    // Whatever else is being recomposed, the slide stays inside the element.
    SaveDC(target);
    IntersectClipRect(target, x, y, x + int(b.width), y + int(b.height));
    if (vertical) {
        BlendOnto(target, x, y + oldAt, element.SnapshotDib(), 255);
        BlendOnto(target, x, y + newAt, element.SurfaceDib(), 255);
    } else {
        BlendOnto(target, x + oldAt, y, element.SnapshotDib(), 255);
        BlendOnto(target, x + newAt, y, element.SurfaceDib(), 255);
    }
    RestoreDC(target, -1);
}

}  // namespace

void DrawDefaultTransitionFrame(WindowHost& host, Element& element, const RECT& clip) {
    const int style = element.TransitionStyle();
    if (style >= 1 && style <= 4) slide(host.BackBuffer().Dc(), element, style);
    else crossFade(host, element, clip);
}

void CALLBACK TransitionTimerProc(HWND window, UINT, UINT_PTR timerId, DWORD) {
    Element* element = ResolveElement(ElementHandle(timerId - 1));
    if (element) element->TransitionTick();
    else KillTimer(window, timerId);
}

void Element::TransitionTick() {
    if (!handle_) return;
    ++transitionFrame_;
    if (WindowHost* host = Host()) RecomposeRect(*host, bounds_, true);
    if (transitionFrame_ < transitionFrames_) return;
    KillTimer(window_, TransitionTimerId(handle_));
    snapshot_.Release();
    transitionFrame_ = 0;
    transitionActive_ = false;
    SendEvent(EV_TRANSITIONEND, 0, 0);
}

}  // namespace stage

#include "stage/core/transition.h"

#include "stage/core/compose.h"
#include "stage/core/decode_image.h"
#include "stage/core/dib_surface.h"
#include "stage/core/drawing.h"
#include "stage/core/element.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

// The old look with the back buffer behind it, and the new look with the
// same behind it on the scratch surface, mixed by a constant alpha of
// alpha x frame / frames.
void crossFade(WindowHost& host, Element& element, const RectF& clip) {
    DibSurface& back = host.BackBuffer();
    DibSurface& scratch = ScratchSurface();
    const RECT px = ClampedPixels(clip, back.Width(), back.Height());
    const int width = px.right - px.left, height = px.bottom - px.top;
    if (width <= 0 || height <= 0 || px.right > scratch.Width() || px.bottom > scratch.Height()) return;
    const int alpha = element.Alpha();
    BitBlt(scratch.Dc(), px.left, px.top, width, height, back.Dc(), px.left, px.top, SRCCOPY);
    GdiFlush();
    if (element.Snapshot()) DrawImageAlpha(back.Graphics(), element.Snapshot(), element.CurrentBounds(), alpha);
    DrawImageAlpha(scratch.Graphics(), element.Surface(), element.CurrentBounds(), alpha);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0,
                              BYTE(alpha * element.TransitionFrame() / element.TransitionFrames()), 0};
    AlphaBlend(back.Dc(), px.left, px.top, width, height, scratch.Dc(), px.left, px.top, width, height, blend);
    GdiFlush();
}

void drawUnscaled(GpGraphics* graphics, GpBitmap* image, float left, float top) {
    if (image) gp::GdipDrawImageRect(graphics, image, left, top, float(ImageWidth(image)), float(ImageHeight(image)));
}

// The old look slides out of the element's bounds while the new one slides in
// right behind it.
void slide(GpGraphics* graphics, Element& element, int style) {
    const RectF& b = element.CurrentBounds();
    const int frame = element.TransitionFrame(), frames = element.TransitionFrames();
    const bool vertical = style == 1 || style == 2;
    const float size = vertical ? b.height : b.width;
    const float offset = float(frame * int(size / float(frames)));
    const float sign = (style == 1 || style == 3) ? 1.0f : -1.0f;
    const float oldAt = sign * offset, newAt = oldAt - sign * size;
    // Whatever else is being recomposed, the slide stays inside the element.
    GdipRegion saved;
    gp::GdipCreateRegion(saved.out());
    gp::GdipGetClip(graphics, saved.get());
    gp::GdipSetClipRect(graphics, b.left, b.top, b.width, b.height, Gdiplus::CombineModeIntersect);
    if (vertical) {
        drawUnscaled(graphics, element.Snapshot(), b.left, b.top + oldAt);
        drawUnscaled(graphics, element.Surface(), b.left, b.top + newAt);
    } else {
        drawUnscaled(graphics, element.Snapshot(), b.left + oldAt, b.top);
        drawUnscaled(graphics, element.Surface(), b.left + newAt, b.top);
    }
    gp::GdipSetClipRegion(graphics, saved.get(), Gdiplus::CombineModeReplace);
}

}  // namespace

void DrawDefaultTransitionFrame(WindowHost& host, Element& element, const RectF& clip) {
    const int style = element.TransitionStyle();
    if (style >= 1 && style <= 4) slide(host.BackBuffer().Graphics(), element, style);
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
    snapshot_.reset();
    transitionFrame_ = 0;
    transitionActive_ = false;
    SendEvent(EV_TRANSITIONEND, 0, 0);
}

}  // namespace stage

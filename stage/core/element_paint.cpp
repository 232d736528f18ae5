#include "stage/core/element_paint.h"

#include "stage/core/compose.h"
#include "stage/core/decode_image.h"
#include "stage/core/drawing.h"
#include "stage/core/element.h"
#include "stage/core/stage_messages.h"
#include "stage/core/transition.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

RectF wholeSurface(GpBitmap* surface) {
    return MakeRect(0, 0, ImageWidth(surface), ImageHeight(surface));
}

void clearToTransparent(GpGraphics* graphics, const RectF& rect) {
    gp::GdipSetClipRect(graphics, rect.left, rect.top, rect.width, rect.height, Gdiplus::CombineModeReplace);
    gp::GdipGraphicsClear(graphics, 0);
    gp::GdipResetClip(graphics);
}

}  // namespace

bool BeginElementPaint(Element& element, PaintContext& ctx, std::optional<RectF> rect, bool commit) {
    WindowHost* host = element.Host();
    if (!element.window_ || !host || !element.graphics_) return false;
    ctx.window = element.window_;
    ctx.graphics = element.graphics_.get();
    ctx.rect = rect.value_or(wholeSurface(element.surface_.get()));
    ctx.commit = commit;
    ctx.surfaces = {host->Handle(), host->WindowDC(), host->BackBuffer().Dc(), host->BackBuffer().Graphics(),
                    element.surface_.get()};
    if (commit) {
        element.snapshot_.reset();
        if (!host->PaintingSuspended() && element.transitionInterval_ && element.transitionFrames_) {
            // A transition still running ends here, shown complete, and what
            // it ended on becomes the old look of the next one.
            KillTimer(element.window_, TransitionTimerId(element.handle_));
            element.transitionFrame_ = element.transitionFrames_;
            element.transitionActive_ = false;
            RecomposeRect(*host, element.bounds_, true);
            element.snapshot_ = CloneImageArea(element.surface_.get(), ctx.rect);
        }
        clearToTransparent(ctx.graphics, ctx.rect);
    }
    element.OnBeginPaint(ctx);
    return true;
}

void EndElementPaint(Element& element, PaintContext& ctx) {
    element.OnEndPaint(ctx);
    if (!ctx.commit || !element.transitionsOn_ || element.visible_ != 1 || !element.handle_) return;
    if (!element.transitionInterval_ || !element.transitionFrames_) {
        SendMessageW(element.window_, WM_STAGE_INVALIDATE, 0, LPARAM(&element.bounds_));
        return;
    }
    element.transitionFrame_ = 0;
    element.transitionActive_ = true;
    element.SendEvent(EV_TRANSITIONSTART, 0, 0);
    SetTimer(element.window_, TransitionTimerId(element.handle_), UINT(element.transitionInterval_),
             TransitionTimerProc);
}

}  // namespace stage

#include "stage/core/element_paint.h"

#include "stage/core/compose.h"
#include "stage/core/element.h"
#include "stage/core/stage_messages.h"
#include "stage/core/transition.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

// The paint rectangle of the surface, copied.
void takeSnapshot(const DibSurface& surface, const RECT& area, DibSurface& snapshot) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0 || !snapshot.Create(surface.Dc(), width, height, false)) return;
    GdiFlush();
    BitBlt(snapshot.Dc(), 0, 0, width, height, surface.Dc(), area.left, area.top, SRCCOPY);
    GdiFlush();
}

}  // namespace

bool BeginElementPaint(Element& element, PaintContext& ctx, std::optional<RectF> rect, bool commit) {
    WindowHost* host = element.Host();
    if (!element.window_ || !host || !element.Graphics()) return false;
    DibSurface& surface = element.surface_;
    ctx.window = element.window_;
    ctx.graphics = surface.Graphics();
    ctx.rect = rect.value_or(MakeRect(0, 0, surface.Width(), surface.Height()));
    ctx.commit = commit;
    ctx.surfaces = {host->Handle(), host->WindowDC(), host->BackBuffer().Dc(), host->BackBuffer().Graphics(),
                    surface.Bitmap()};
    if (commit) {
        const RECT area = ClampedPixels(ctx.rect, surface.Width(), surface.Height());
        element.snapshot_.Release();
        if (!host->PaintingSuspended() && element.transitionInterval_ && element.transitionFrames_) {
            // A transition still running ends here, shown complete, and what
            // it ended on becomes the old look of the next one.
            KillTimer(element.window_, TransitionTimerId(element.handle_));
            element.transitionFrame_ = element.transitionFrames_;
            element.transitionActive_ = false;
            RecomposeRect(*host, element.bounds_, true);
            takeSnapshot(surface, area, element.snapshot_);
        }
        surface.Fill(area, 0);
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

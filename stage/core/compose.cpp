#include "stage/core/compose.h"

#include "stage/core/drawing.h"
#include "stage/core/element.h"
#include "stage/core/element_events.h"
#include "stage/core/stage_messages.h"
#include "stage/core/transition.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

// The clip of the graphics, kept to be put back after drawing children.
class SavedClip {
public:
    explicit SavedClip(GpGraphics* graphics) : graphics_(graphics) {
        gp::GdipCreateRegion(region_.out());
        gp::GdipGetClip(graphics, region_.get());
    }
    ~SavedClip() { gp::GdipSetClipRegion(graphics_, region_.get(), Gdiplus::CombineModeReplace); }
    SavedClip(const SavedClip&) = delete;
    SavedClip& operator=(const SavedClip&) = delete;

private:
    GpGraphics* graphics_;
    GdipRegion region_;
};

void clipTo(GpGraphics* graphics, const RectF& r) {
    gp::GdipSetClipRect(graphics, r.left, r.top, r.width, r.height, Gdiplus::CombineModeIntersect);
}

// The element's alpha, halved for a disabled element whose class leaves the
// disabled look to the compositor.
int composedAlpha(Element& element) {
    const int alpha = element.Alpha();
    if (!element.Disabled()) return alpha;
    return DispatchEvent(element.GetHandle(), EV_QUERYDISABLEDLOOK, 0, 1) == -1 ? alpha / 2 : alpha;
}

void composeOne(WindowHost& host, Element& element, GpGraphics* graphics) {
    if (element.Disabled() || !element.TransitionRunning()) {
        DrawImageAlpha(graphics, element.Surface(), element.CurrentBounds(), composedAlpha(element));
        return;
    }
    Gdiplus::RectF visible;
    gp::GdipGetVisibleClipBounds(graphics, &visible);
    const RectF clip{visible.X, visible.Y, visible.Width, visible.Height};
    DibSurface& back = host.BackBuffer();
    DibSurface& scratch = ScratchSurface();
    TransitionFrameRecord record{back.Dc(),        back.Graphics(),        scratch.Dc(),
                                 scratch.Graphics(), element.Surface(),    element.Snapshot(),
                                 element.CurrentBounds(), clip.left, clip.top};
    if (DispatchEvent(element.GetHandle(), EV_DRAWTRANSITION, 0, LPARAM(&record)) < 1)
        DrawDefaultTransitionFrame(host, element, clip);
}

}  // namespace

void ComposeElements(WindowHost& host, ElementHandle first, const RectF& rect, GpGraphics* graphics) {
    for (Element* element = ResolveElement(first); element;
         element = ResolveElement(element->NextSibling())) {
        if (element->Visible() != 1 || !Overlaps(element->CurrentBounds(), rect)) continue;
        composeOne(host, *element, graphics);
        if (!element->Children().first) continue;
        SavedClip saved(graphics);
        clipTo(graphics, element->CurrentBounds());
        ComposeElements(host, element->Children().first, rect, graphics);
    }
}

void PaintTree(ElementHandle first, GpGraphics* graphics, bool notify) {
    for (Element* element = ResolveElement(first); element;
         element = ResolveElement(element->NextSibling())) {
        if (element->Visible() != 1) continue;
        if (notify) DispatchEvent(element->GetHandle(), EV_PREPAINT, 0, 0);
        DrawImageAlpha(graphics, element->Surface(), element->CurrentBounds(), composedAlpha(*element));
        if (!element->Children().first) continue;
        SavedClip saved(graphics);
        clipTo(graphics, element->CurrentBounds());
        PaintTree(element->Children().first, graphics, true);
    }
}

void RecomposeRect(WindowHost& host, const RectF& rect, bool present) {
    if (host.PaintingSuspended()) {
        host.Defer(rect);
        return;
    }
    DibSurface& back = host.BackBuffer();
    GpGraphics* graphics = back.Graphics();
    if (!graphics) return;
    if (GpRegion* clip = host.ElementClip()) {
        gp::GdipSetClipRegion(graphics, clip, Gdiplus::CombineModeReplace);
        clipTo(graphics, rect);
    } else {
        gp::GdipSetClipRect(graphics, rect.left, rect.top, rect.width, rect.height, Gdiplus::CombineModeReplace);
    }
    const RECT px = ClampedPixels(rect, back.Width(), back.Height());
    BitBlt(back.Dc(), px.left, px.top, px.right - px.left, px.bottom - px.top, host.BackgroundBuffer().Dc(),
           px.left, px.top, SRCCOPY);
    GdiFlush();
    ComposeElements(host, host.TopLevel().first, rect, graphics);
    gp::GdipResetClip(graphics);
    if (present) PresentRect(host, rect);
}

}  // namespace stage

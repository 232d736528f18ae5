#include "stage/core/compose.h"

#include "stage/core/drawing.h"
#include "stage/core/element.h"
#include "stage/core/element_events.h"
#include "stage/core/stage_messages.h"
#include "stage/core/transition.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

// Narrows the DC's clip to an element for its children; the clip before is
// back when this goes.
class ClipToElement {
public:
    ClipToElement(HDC dc, const RectF& bounds) : dc_(dc) {
        SaveDC(dc);
        const RECT r = EnclosingRect(bounds);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    ~ClipToElement() { RestoreDC(dc_, -1); }
    ClipToElement(const ClipToElement&) = delete;
    ClipToElement& operator=(const ClipToElement&) = delete;

private:
    HDC dc_;
};

// The element's alpha, halved for a disabled element whose class leaves the
// disabled look to the compositor.
int composedAlpha(Element& element) {
    const int alpha = element.Alpha();
    if (!element.Disabled()) return alpha;
    return DispatchEvent(element.GetHandle(), EV_QUERYDISABLEDLOOK, 0, 1) == -1 ? alpha / 2 : alpha;
}

void drawSurface(HDC target, Element& element, int alpha) {
    const RectF& b = element.CurrentBounds();
    BlendOnto(target, int(b.left), int(b.top), element.SurfaceDib(), alpha);
}

// A class drawing its own transition frame draws with GDI+ on the back
// buffer's graphics: give that the clip the DC has, for the time it draws.
bool classDrawsFrame(WindowHost& host, Element& element, const RECT& clip) {
    DibSurface& back = host.BackBuffer();
    DibSurface& scratch = ScratchSurface();
    GdiRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetClipRgn(back.Dc(), region.get()) == 1) {
        GdipRegion shape = RegionFromHrgn(region.get());
        gp::GdipSetClipRegion(back.Graphics(), shape.get(), Gdiplus::CombineModeReplace);
    }
    TransitionFrameRecord record{back.Dc(),     back.Graphics(),        scratch.Dc(),
                                 scratch.Graphics(), element.Surface(), element.Snapshot(),
                                 element.CurrentBounds(), float(clip.left), float(clip.top)};
    const LRESULT answer = DispatchEvent(element.GetHandle(), EV_DRAWTRANSITION, 0, LPARAM(&record));
    gp::GdipResetClip(back.Graphics());
    GdiFlush();
    return answer >= 1;
}

void composeOne(WindowHost& host, Element& element) {
    HDC dc = host.BackBuffer().Dc();
    if (element.Disabled() || !element.TransitionRunning()) {
        drawSurface(dc, element, composedAlpha(element));
        return;
    }
    RECT clip{};
    GetClipBox(dc, &clip);
    if (!classDrawsFrame(host, element, clip)) DrawDefaultTransitionFrame(host, element, clip);
}

}  // namespace

void ComposeElements(WindowHost& host, ElementHandle first, const RectF& rect) {
    for (Element* element = ResolveElement(first); element;
         element = ResolveElement(element->NextSibling())) {
        if (element->Visible() != 1 || !Overlaps(element->CurrentBounds(), rect)) continue;
        composeOne(host, *element);
        if (!element->Children().first) continue;
        ClipToElement clip(host.BackBuffer().Dc(), element->CurrentBounds());
        ComposeElements(host, element->Children().first, rect);
    }
}

void PaintTree(ElementHandle first, HDC target, bool notify) {
    for (Element* element = ResolveElement(first); element;
         element = ResolveElement(element->NextSibling())) {
        if (element->Visible() != 1) continue;
        if (notify) DispatchEvent(element->GetHandle(), EV_PREPAINT, 0, 0);
        drawSurface(target, *element, composedAlpha(*element));
        if (!element->Children().first) continue;
        ClipToElement clip(target, element->CurrentBounds());
        PaintTree(element->Children().first, target, true);
    }
}

void RecomposeRect(WindowHost& host, const RectF& rect, bool present) {
    if (host.PaintingSuspended()) {
        host.Defer(rect);
        return;
    }
    DibSurface& back = host.BackBuffer();
    HDC dc = back.Dc();
    if (!dc) return;
    const RECT px = ClampedPixels(rect, back.Width(), back.Height());
    GdiFlush();
    BitBlt(dc, px.left, px.top, px.right - px.left, px.bottom - px.top, host.BackgroundBuffer().Dc(), px.left,
           px.top, SRCCOPY);
    SelectClipRgn(dc, host.ElementClip());
    IntersectClipRect(dc, px.left, px.top, px.right, px.bottom);
    ComposeElements(host, host.TopLevel().first, rect);
    SelectClipRgn(dc, nullptr);
    GdiFlush();
    if (present) PresentRect(host, rect);
}

}  // namespace stage

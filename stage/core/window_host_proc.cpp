// WindowHost::WindowProc: what a framework window does with each message.
#include <memory>

#include "stage/core/compose.h"
#include "stage/core/element_events.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {

LRESULT WindowHost::passOn(UINT message, WPARAM wparam, LPARAM lparam) {
    return CallWindowProcW(previousProc_ ? previousProc_ : DefWindowProcW, window_, message, wparam, lparam);
}

LRESULT WindowHost::onPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    const RECT& r = ps.rcPaint;
    GdiFlush();
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, backBuffer_.Dc(), r.left, r.top, SRCCOPY);
    EndPaint(window_, &ps);
    return 0;
}

// An element moved: its old and its new area are recomposed. While painting
// is suspended the areas wait for painting to resume; a sender on another
// thread is told to ask again instead.
LRESULT WindowHost::onStageMoved(ElementHandle handle, bool recompose) {
    DispatchEvent(handle, WM_STAGE_MOVED, handle, recompose ? 1 : 0);
    Element* element = ResolveElement(handle);
    if (!recompose || !element) return 1;
    if (suspended_ && InSendMessage()) return 0;
    const RectF& before = element->PreviousBounds();
    const RectF& after = element->CurrentBounds();
    if (Overlaps(before, after)) {
        // One pass over both areas draws what two would, at half the cost.
        RecomposeRect(*this, Union(before, after), true);
    } else {
        RecomposeRect(*this, before, true);
        RecomposeRect(*this, after, true);
    }
    return 1;
}

LRESULT WindowHost::WindowProc(UINT message, WPARAM wparam, LPARAM lparam) {
    // Payloads are freed whatever becomes of the message.
    std::unique_ptr<EventBlock> block;
    std::unique_ptr<RectF> ownedRect;
    if (message == WM_STAGE_EVENT) block.reset(reinterpret_cast<EventBlock*>(lparam));
    if (message == WM_STAGE_INVALIDATE && (wparam & kInvalidateOwnsRect))
        ownedRect.reset(reinterpret_cast<RectF*>(lparam));

    if (messageHook_) {
        const LRESULT answer = messageHook_(window_, message, wparam, lparam);
        if (answer != -1) return answer;
    }
    switch (message) {
    case WM_DESTROY: {
        const WNDPROC previous = previousProc_;
        const HWND window = window_;
        OnDestroy();
        return CallWindowProcW(previous ? previous : DefWindowProcW, window, message, wparam, lparam);
    }
    case WM_SIZE:
        OnSize(wparam);
        break;
    case WM_PAINT:
        return onPaint();
    case WM_NCCALCSIZE:
        if (wparam) return 0;  // the client area is the whole window
        break;
    case WM_NCACTIVATE:
        return 1;
    case WM_TIMER:
        DispatchEvent(ElementHandle(wparam), WM_TIMER, wparam, lparam);
        return 0;
    case WM_STAGE_PRESENT:
        if (Layered()) Present();
        return 0;
    case WM_STAGE_INVALIDATE: {
        const int kind = int(wparam & ~kInvalidateOwnsRect);
        if (lparam) InvalidateRect(*reinterpret_cast<const RectF*>(lparam), kind);
        if (kind == 1) return 0;
        break;
    }
    case WM_STAGE_MOVED:
        return onStageMoved(ElementHandle(wparam), lparam == 1);
    case WM_STAGE_EVENT:
        return block ? DispatchEvent(ElementHandle(wparam), block->code, block->wparam, block->lparam) : 0;
    default:
        break;
    }
    return passOn(message, wparam, lparam);
}

}  // namespace stage

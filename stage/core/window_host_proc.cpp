// WindowHost::WindowProc: what a framework window does with each message.
#include <memory>
#include <utility>

#include "stage/core/compose.h"
#include "stage/core/stage_window.h"
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

// The title follows the window text.
LRESULT WindowHost::onSetText(WPARAM wparam, LPARAM lparam) {
    const LRESULT result = passOn(WM_SETTEXT, wparam, lparam);
    if ((captionFlags_ & kCaptionTitle) && result == TRUE && titleElement_)
        titleElement_->TextW(lparam ? reinterpret_cast<LPCWSTR>(lparam) : L"");
    return result;
}

// Deactivated, the window lets go of the pointer: the hovered element is
// left (and forgotten, so the pointer's return enters it again) and a press
// ends without a click.
void WindowHost::onActivate(WPARAM wparam, LPARAM lparam) {
    if (LOWORD(wparam) != WA_INACTIVE) {
        if (focus_.pressed) sendEvent(focus_.pressed, EV_SETFOCUS, wparam, lparam);
        return;
    }
    sendEvent(std::exchange(focus_.hovered, 0), EV_MOUSELEAVE, 0, 0);
    if (!focus_.captured) return;
    sendEvent(focus_.pressed, EV_KILLFOCUS, 0, 0);
    if (GetCapture() == window_) ReleaseCapture();
    focus_.captured = false;
}

void WindowHost::onSetCursor() {
    Element* hovered = ResolveElement(focus_.hovered);
    SetCursor(hovered && hovered->Cursor() ? hovered->Cursor() : defaultCursor_);
}

// Maximized, the window covers the work area with its shadow margin outside
// it; it never gets narrower than its caption buttons and title need.
void WindowHost::fillMinMaxInfo(MINMAXINFO& info) const {
    const RECT area = WorkArea();  // left, top, width, height
    info.ptMaxSize = {area.right + 14, area.bottom + 14};
    info.ptMaxPosition = {area.left - 7, area.top - 7};
    if (!captionFlags_) {
        info.ptMinTrackSize = {21, 20};
        return;
    }
    const int close = (captionFlags_ & kCaptionClose) ? 11 : 0;
    info.ptMinTrackSize = {int(captionButtons_.size()) * 28 + close + 35 + 1, 38};
}

void WindowHost::onStyleChanged(WPARAM which, const STYLESTRUCT& styles) {
    constexpr DWORD kFrame = WS_DLGFRAME | WS_BORDER;
    if (which == WPARAM(GWL_STYLE) && (styles.styleNew & kFrame))
        SetWindowLongPtrW(window_, GWL_STYLE, LONG_PTR(styles.styleNew & ~kFrame));
}

void WindowHost::trackLeave() {
    if (tracking_) return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
    tracking_ = TrackMouseEvent(&track);
}

// The pointer left the window. A press keeps the capture until its release,
// which is then handled (leave, no click) even outside the window.
void WindowHost::onMouseLeave() {
    tracking_ = false;
    if (focus_.captured) return;
    if (GetCapture() == window_) ReleaseCapture();
    const ElementHandle hovered = std::exchange(focus_.hovered, 0);
    if (!hovered) return;
    sendEvent(hovered, EV_MOUSELEAVE, 0, 0);
    notify(HostCallback::MouseLeave, hovered, 0, 0);
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
    case WM_ACTIVATE:
        onActivate(wparam, lparam);
        break;
    case WM_SETTEXT:
        return onSetText(wparam, lparam);
    case WM_CLOSE:
        // The close effect plays here once window effects exist.
        ShowWindow(window_, SW_HIDE);
        break;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wparam) != window_) break;
        onSetCursor();
        return TRUE;
    case WM_GETMINMAXINFO:
        fillMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lparam));
        return 0;
    case WM_STYLECHANGED:
        onStyleChanged(wparam, *reinterpret_cast<const STYLESTRUCT*>(lparam));
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
    case WM_SYSCHAR:
        if (OnSysChar(wparam, lparam)) return 0;
        break;
    case WM_KEYDOWN:
        OnKeyDown(wparam, lparam);
        break;
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_IME_COMPOSITION:
    case WM_COMMAND:
    case WM_MOUSEWHEEL:
        DispatchEvent(focus_.focused, message, wparam, lparam);
        break;
    case WM_MOUSEMOVE:
        trackLeave();
        OnMouse(message, wparam, lparam);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        OnMouse(message, wparam, lparam);
        break;
    case WM_LBUTTONDBLCLK:
        // Elements see a double-click as a second press, marked.
        SendMessageW(window_, WM_LBUTTONDOWN, kDoubleClickMark, lparam);
        return 0;
    case WM_MOUSELEAVE:
        onMouseLeave();
        break;
    case WM_STAGE_SETFOCUS:
        if (lparam) SetFocus(ElementHandle(lparam), false);
        return 0;
    case WM_STAGE_SETHOTKEY:
        return SetHotkey(ElementHandle(wparam), UINT(lparam));
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

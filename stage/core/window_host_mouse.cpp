// WindowHost mouse input: which element the pointer is over, which one holds
// the press, clicks, double-clicks, and moving and sizing the window from
// empty space and the border.
#include <windowsx.h>

#include <utility>

#include "stage/core/call_routine.h"
#include "stage/core/element_events.h"
#include "stage/core/hit_test.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

constexpr int kCaptionHeight = 30;  // a double-click above this on empty space maximizes

// A border zone: the sizing edge (WMSZ_*, 0 = not on the border) and its cursor.
struct SizingZone {
    int edge;
    LPCWSTR cursor;
};

SizingZone sizingZoneAt(int x, int y, SIZE size) {
    const int fromRight = size.cx - x, fromBottom = size.cy - y;
    if (y < 8) {
        if (x < 10) return {WMSZ_TOPLEFT, IDC_SIZENWSE};
        if (fromRight < 10) return {WMSZ_TOPRIGHT, IDC_SIZENESW};
        return {WMSZ_TOP, IDC_SIZENS};
    }
    if (fromBottom >= 10) {
        if (x < 8) return {WMSZ_LEFT, IDC_SIZEWE};
        if (fromRight < 10) return {WMSZ_RIGHT, IDC_SIZEWE};
        return {0, nullptr};
    }
    if (x < 10) return {WMSZ_BOTTOMLEFT, IDC_SIZENESW};
    if (fromRight < 10) return {WMSZ_BOTTOMRIGHT, IDC_SIZENWSE};
    return {WMSZ_BOTTOM, IDC_SIZENS};
}

// The client point of a mouse message in screen coordinates, as the
// non-client and system commands want it.
LPARAM screenPoint(HWND window, LPARAM lparam) {
    POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
    ClientToScreen(window, &at);
    return MAKELPARAM(at.x, at.y);
}

ElementHandle hitAt(const SiblingList& topLevel, LPARAM lparam) {
    return HitTest(topLevel.last, float(GET_X_LPARAM(lparam)), float(GET_Y_LPARAM(lparam)));
}

}  // namespace

LRESULT WindowHost::sendEvent(ElementHandle element, UINT code, WPARAM wparam, LPARAM lparam) {
    Element* target = ResolveElement(element);
    return target ? target->SendEvent(code, wparam, lparam) : 0;
}

void WindowHost::notify(HostCallback which, ElementHandle element, WPARAM wparam, LPARAM lparam) {
    Element* target = ResolveElement(element);
    CallRoutine(callbacks_[size_t(which)], window_, element, wparam, lparam, target ? target->TypeCode() : 0);
}

ElementCallback WindowHost::SetCallback(HostCallback which, ElementCallback callback) {
    if (which >= HostCallback::Count) return nullptr;
    return callbacks_[size_t(which)] = callback;
}

void WindowHost::OnMouse(UINT message, WPARAM wparam, LPARAM lparam) {
    if (suspended_ || OnSizingBorder(message, lparam)) return;
    if (focus_.captured) {
        capturedMouse(message, wparam, lparam);
        return;
    }
    const ElementHandle hit = hitAt(topLevel_, lparam);
    if (hit != focus_.hovered) leave(focus_.hovered, wparam, lparam, hit);
    switch (message) {
    case WM_LBUTTONDOWN:
        leftDown(hit, wparam, lparam);
        break;
    case WM_RBUTTONDOWN:
        notify(HostCallback::RightDown, hit, wparam, lparam);
        break;
    case WM_RBUTTONUP:
        notify(HostCallback::RightUp, hit, wparam, lparam);
        break;
    case WM_MOUSEMOVE:
        if (hit != focus_.hovered) enter(hit, wparam, lparam);
        break;
    default:
        break;
    }
    DispatchEvent(hit, message, wparam, lparam);
    focus_.hovered = ResolveElement(hit) ? hit : 0;
}

// The pressed element gets every mouse message until the left button comes
// up; it is clicked only when the button comes up over it.
void WindowHost::capturedMouse(UINT message, WPARAM wparam, LPARAM lparam) {
    const ElementHandle pressed = focus_.pressed;
    DispatchEvent(pressed, message, pressed, lparam);
    if (message != WM_LBUTTONUP) return;
    notify(HostCallback::MouseUp, pressed, wparam, lparam);
    if (GetCapture() == window_) ReleaseCapture();
    const ElementHandle hit = hitAt(topLevel_, lparam);
    if (hit == pressed) {
        sendEvent(pressed, EV_CLICK, pressed, lparam);
        notify(HostCallback::Click, pressed, wparam, lparam);
    } else {
        leave(pressed, wparam, lparam, hit);
        enter(hit, wparam, lparam);
    }
    focus_.captured = false;
    focus_.pressed = 0;
    focus_.hovered = ResolveElement(hit) ? hit : 0;
}

void WindowHost::leftDown(ElementHandle hit, WPARAM wparam, LPARAM lparam) {
    const bool doubleClick = wparam == kDoubleClickMark;
    ::SetFocus(window_);
    const bool maximizable = captionFlags_ & kCaptionMaximize;
    Element* element = ResolveElement(hit);
    if (!element) {
        if (!doubleClick && draggable_) startMove(lparam);
        else if (doubleClick && maximizable && GET_Y_LPARAM(lparam) < kCaptionHeight) toggleMaximize(lparam);
        return;
    }
    if (element->SendEvent(EV_QUERYPRESS, 0, 0) != -1 || element->Focusable()) {
        press(hit, wparam, lparam);
        return;
    }
    // The title bar's text maximizes like empty caption space; toggling
    // already hands the press to the system's move loop.
    const bool onTitle = titleElement_ && hit == titleElement_->GetHandle() && (captionFlags_ & kCaptionTitle);
    if (doubleClick && onTitle && maximizable) toggleMaximize(lparam);
    else if (draggable_) startMove(lparam);
}

void WindowHost::press(ElementHandle element, WPARAM wparam, LPARAM lparam) {
    focus_.captured = true;
    focus_.pressed = element;
    notify(HostCallback::MouseDown, element, wparam, lparam);
    Element* target = ResolveElement(element);
    if (target && target->Focusable() && focus_.focused != element) {
        const ElementHandle old = focus_.focused;
        focus_.focused = element;
        focus_.keyboardFocus = 0;
        if (old) {
            sendEvent(old, EV_KILLFOCUS, wparam, element);
            notify(HostCallback::KillFocus, old, wparam, lparam);
        }
        sendEvent(element, EV_SETFOCUS, wparam, old);
        notify(HostCallback::SetFocus, element, wparam, lparam);
    }
    if (wparam == kDoubleClickMark) notify(HostCallback::DoubleClick, element, wparam, lparam);
    // A handler may have destroyed the element meanwhile (ForgetElement
    // ended the press then): no capture for nobody.
    if (focus_.captured) SetCapture(window_);
}

void WindowHost::enter(ElementHandle element, WPARAM wparam, LPARAM lparam) {
    sendEvent(element, EV_MOUSEENTER, wparam, focus_.hovered);
    notify(HostCallback::MouseEnter, element, wparam, lparam);
    SetTooltip(element);
}

// Only a visible element is told that the pointer left it.
void WindowHost::leave(ElementHandle element, WPARAM wparam, LPARAM lparam, ElementHandle now) {
    Element* target = ResolveElement(element);
    if (!target || target->Visible() != 1) return;
    sendEvent(element, EV_MOUSELEAVE, wparam, now);
    notify(HostCallback::MouseLeave, element, wparam, lparam);
}

void WindowHost::toggleMaximize(LPARAM lparam) {
    PostMessageW(window_, WM_SYSCOMMAND, IsZoomed(window_) ? SC_RESTORE : SC_MAXIMIZE, 0);
    startMove(lparam);
}

// The system's move loop takes the pointer until the button comes up.
void WindowHost::startMove(LPARAM lparam) {
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, screenPoint(window_, lparam));
}

bool WindowHost::OnSizingBorder(UINT message, LPARAM lparam) {
    if ((message != WM_MOUSEMOVE && message != WM_LBUTTONDOWN) || !resizable_ || focus_.captured ||
        IsZoomed(window_))
        return false;
    const SizingZone zone = sizingZoneAt(GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam), size_);
    if (!zone.edge) return false;
    SetCursor(LoadCursorW(nullptr, zone.cursor));
    sendEvent(std::exchange(focus_.hovered, 0), EV_MOUSELEAVE, 0, 0);
    if (message == WM_LBUTTONDOWN) SendMessageW(window_, WM_SYSCOMMAND, SC_SIZE + zone.edge, screenPoint(window_, lparam));
    return true;
}

}  // namespace stage

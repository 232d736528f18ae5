#include "stage/core/window_routing.h"

#include <memory>

#include "stage/core/element_events.h"
#include "stage/core/geometry.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

// Nobody will handle the message: free what it carries.
void dropPayload(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_STAGE_EVENT) delete reinterpret_cast<EventBlock*>(lparam);
    if (message == WM_STAGE_INVALIDATE && (wparam & kInvalidateOwnsRect)) delete reinterpret_cast<RectF*>(lparam);
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (WindowHost* host = HostOfWindow(window)) return host->WindowProc(message, wparam, lparam);
    dropPayload(message, wparam, lparam);
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

WNDPROC RouteToHost(HWND window) {
    return reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(&hostProc)));
}

void StopRouting(HWND window, WNDPROC previous) {
    if (previous && GetWindowLongPtrW(window, GWLP_WNDPROC) == LONG_PTR(&hostProc))
        SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(previous));
}

}  // namespace stage

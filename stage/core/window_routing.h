#pragma once
// How a framework window's messages reach its WindowHost: one shared window
// procedure replaces the window's own and finds the host through the
// Vw_Wnd_Control property, which holds the host's handle. No per-window code
// is generated, so no memory is ever both writable and executable.
#include <windows.h>

namespace stage {

// Installs the shared procedure; returns the one it replaced.
WNDPROC RouteToHost(HWND window);
// Puts the replaced procedure back.
void StopRouting(HWND window, WNDPROC previous);

}  // namespace stage

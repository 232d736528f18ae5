#pragma once
// Asks the desktop compositor to blur what lies behind a window. Acts only
// on systems of major version 6 (where the compositor offers it), for a
// framed, layered window; true when desktop composition is on.
#include <windows.h>

namespace stage {

bool BlurBehind(HWND window, RECT area, int corner, int frameStyle, int windowAlpha);

}  // namespace stage

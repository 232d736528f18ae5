#pragma once
// Framework start-up: the process-wide resources every element relies on.
// StageStartup runs once, before the first framework window exists, and is
// never undone; what it makes lives until the process ends.
//
// Start-up steps, in order: GDI+; the operating system's major version; the
// default font (default_font.h); the arrow cursor; the caption-button skin
// (caption_skin.h); the Vw_Stage window class. The menu code adds the edit
// box's context menu as the last step when it exists.
#include <windows.h>

#include "stage/core/gdiplus_ptr.h"

namespace stage {

// Safe to call again: later calls do nothing.
void StageStartup();

int OsMajorVersion();
GpFont* DefaultFont();
GpBitmap* CaptionSkin();  // 729 x 20
HCURSOR ArrowCursor();
HICON ClassIcon();        // the program's icon resource 129, or 0

}  // namespace stage

#pragma once
// Event codes and framework window messages. Events below 10240 are the
// Windows message numbers themselves; the framework's own start at 10240.
#include <windows.h>

namespace stage {

enum : UINT {
    EV_SETFOCUS = 10240,
    EV_KILLFOCUS = 10241,
    EV_MOUSEENTER = 10242,
    EV_MOUSELEAVE = 10243,
    EV_CLICK = 10244,
    EV_RESIZED = 10245,
    EV_HIDDEN = 10246,
    EV_SHOWN = 10247,
    EV_DRAWTRANSITION = 10248,
    EV_GROUPSELECT = 10249,  // a control's own notification to its siblings
    EV_QUERYPRESS = 10250,
    EV_QUERYDISABLEDLOOK = 10254,
    EV_QUERYFOCUS = 10260,
    EV_ALPHACHANGED = 10261,
    EV_PREPAINT = 10262,
    EV_TRANSITIONSTART = 10263,
    EV_TRANSITIONEND = 10264,
};

// Window messages the framework sends or posts to a framework window.
enum : UINT {
    WM_STAGE_SETFOCUS = 10240,    // lparam = element to focus
    WM_STAGE_SETHOTKEY = 10251,   // wparam = element, lparam = character code
    WM_STAGE_PRESENT = 10253,     // present the whole back buffer (layered window)
    WM_STAGE_INVALIDATE = 10256,  // wparam = kind, lparam = const RectF*
    WM_STAGE_MOVED = 10257,       // wparam = element, lparam = 1 to recompose
    WM_STAGE_EVENT = 10258,       // wparam = element, lparam = EventBlock*
};

// Set in the kind of a posted WM_STAGE_INVALIDATE: the rectangle is a heap
// copy that the receiver deletes. A sent one points at the sender's memory.
inline constexpr WPARAM kInvalidateOwnsRect = 0x10000;

// The wparam with which a synthesized double-click arrives as a second
// WM_LBUTTONDOWN.
inline constexpr WPARAM kDoubleClickMark = 10086;

// Type codes with framework-wide meaning.
inline constexpr int kTypeTitleButton = 1;  // never takes keyboard focus
inline constexpr int kTypePanel = 21;       // owns only a 1 x 1 surface

}  // namespace stage

#pragma once
// WindowHost: turns an ordinary top-level window into a framework window and
// owns everything drawn in it: back buffer, background, caption, element
// tree, focus, hover and capture.
//
// Where things go:
// * window_host.cpp            Attach, detaching (OnDestroy), OnSize,
//                              LayoutCaption and the small property operations.
// * window_host_proc.cpp       WindowProc: the message table. Messages reach
//                              the right host through the Vw_Wnd_Control
//                              property (window_routing.h), never through
//                              generated code.
// * window_host_tooltip.cpp    the tooltip window and SetTooltip.
// * background.cpp, background_fade.cpp, compose.cpp, present.cpp,
//   redraw_queue.cpp           rendering: SetBackground, the fade-in of a new
//                              background, composition, presenting, the
//                              redraw queue.
// * Still to come, in window_host_input.cpp: OnMouse, OnSizingBorder,
//   OnKeyDown, OnSysChar, SetHotkey, SetFocus and the element callbacks
//   (onMouseDown ... onKillFocus, with their setters), with their cases
//   (mouse, keyboard, WM_ACTIVATE, WM_SETCURSOR, WM_GETMINMAXINFO,
//   WM_SETTEXT, WM_CLOSE, WM_MOUSELEAVE, WM_STAGE_SETFOCUS,
//   WM_STAGE_SETHOTKEY) added to WindowProc's switch. They work on
//   FocusState below. ForgetElement is where every reference to a destroyed
//   element is dropped: anything new that names elements (the hotkey table)
//   is cleared there too.
// * The caption (icon element, title TextElement whose tag is its handle + 2
//   in decimal, caption buttons) is made in Attach where the comment marks
//   it, into iconElement_, titleElement_ and captionButtons_; LayoutCaption
//   already places whatever is there, and OnDestroy releases it.
// * Show, the close effect and blur behind for Show use blur_behind.h; the
//   open and close effects come with their own files.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "stage/core/colour.h"
#include "stage/core/dib_surface.h"
#include "stage/core/element.h"
#include "stage/core/gdi_handles.h"
#include "stage/core/redraw_queue.h"

namespace stage {

inline constexpr wchar_t kHostProperty[] = L"Vw_Wnd_Control";
inline constexpr Argb kNoColour = 0xFFFFFFFF;  // -1: MakeARGB never makes it

// Caption flags.
enum : int {
    kCaptionIcon = 1,
    kCaptionTitle = 2,
    kCaptionClose = 4,
    kCaptionMaximize = 8,
    kCaptionMinimize = 16,
    kCaptionShadow = 512,    // always set by Attach: the drawn shadow of layered windows
    kCaptionStandard = 1024, // add the standard set (icon, title, close, max, min)
};

struct AttachOptions {
    std::span<const std::uint8_t> backgroundImage;  // picture file bytes; empty = none
    Argb backgroundColour = kNoColour;
    std::optional<int> captionFlags;  // not given: the standard set
    int windowAlpha = -1;             // -1 = not layered
    int imageMode = 0;                // 0 natural size, 1 stretched, 2 centred
    int frameStyle = 7;               // 0 square, 1 none, other rounded
    int reservedOption = 1;
    std::optional<bool> resizable;    // default: the window has the thick-frame style
    bool draggable = true;
    bool fadeImageEdges = true;
    std::optional<bool> blurBehind;   // default: on for system major version 6
    RECT nineGrid{};                  // centre slice of the picture; empty = none
    HWND backgroundSource = nullptr;  // a framework window whose background is borrowed
};

// Which elements have the keyboard focus, the pointer and the capture.
struct FocusState {
    ElementHandle focused = 0;
    ElementHandle hovered = 0;
    ElementHandle pressed = 0;
    bool captured = false;            // pressed holds the mouse capture
    ElementHandle keyboardFocus = 0;  // focused, when the keyboard or a program moved it there
};

using PaintBackgroundCallback = void (*)(HWND window, GpGraphics* graphics, int width, int height);
using MessageHook = LRESULT (*)(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
using SizeCallback = void (*)(HWND window, int width, int height);

class WindowHost {
public:
    WindowHost() = default;
    ~WindowHost();
    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    // The window's messages, after the message hook (-1 from it = go on).
    LRESULT WindowProc(UINT message, WPARAM wparam, LPARAM lparam);
    // kind 0 queued, 1 at once, 2 queued in front.
    void InvalidateRect(const RectF& rect, int kind);
    // Re-registers the element's tooltip; no text = the element's tip text.
    void SetTooltip(ElementHandle element, std::optional<std::string_view> text = std::nullopt);
    // One step of the fade-in of a new background.
    void FadeTick();
    void OnDestroy();
    void OnSize(WPARAM sizeKind);
    bool Attach(HWND window, const AttachOptions& options = {});
    bool Draggable(std::optional<bool> value = std::nullopt);
    int FrameStyle(std::optional<int> value = std::nullopt);
    // Renders background, frame and shadow, lays out the caption and paints
    // every element. image: new picture bytes (not given: keep the current
    // one); colour: replaces the background colour unless kNoColour; mode 0
    // presents at once, 1 fades the new look in, other values do not present;
    // quiet: elements get no EV_PREPAINT.
    void SetBackground(std::optional<std::span<const std::uint8_t>> image,
                       std::optional<Argb> colour, int mode, bool quiet);
    void LayoutCaption();
    void SetShadowColour(COLORREF colour);
    // The whole window when no rectangle is given.
    void Present(std::optional<RectF> rect = std::nullopt);
    void SetDefaultCursor(HCURSOR cursor) { defaultCursor_ = cursor; }
    void SetDefaultCursor(LPCWSTR systemCursorId);
    PaintBackgroundCallback SetPaintBackgroundCallback(PaintBackgroundCallback callback);
    MessageHook SetMessageHook(MessageHook hook);
    SizeCallback SetSizeCallback(SizeCallback callback);

    // For the framework.
    ElementHandle Handle() const { return handle_; }
    HWND Window() const { return window_; }
    bool PaintingSuspended() const { return suspended_; }
    void SuspendPainting() { suspended_ = true; }
    // Recomposes whatever was asked for while painting was suspended.
    void ResumePainting();
    // Remember an area to recompose once painting resumes.
    void Defer(const RectF& rect);
    SiblingList& TopLevel() { return topLevel_; }
    FocusState& Focus() { return focus_; }
    // Drops every reference the host holds to an element that is going away.
    void ForgetElement(ElementHandle element);
    DibSurface& BackBuffer() { return backBuffer_; }
    DibSurface& BackgroundBuffer() { return background_; }
    HDC WindowDC() const { return windowDc_.get(); }
    // The inside of the frame, where elements may draw; 0 without a frame.
    HRGN ElementClip() const { return elementClip_.get(); }
    RedrawQueue& Redraws() { return redrawQueue_; }
    int WindowAlpha() const { return windowAlpha_; }
    bool Layered() const { return windowAlpha_ != -1; }
    SIZE Size() const { return size_; }
    int CaptionFlags() const { return captionFlags_; }
    Argb BackgroundColour() const { return backgroundColour_; }
    GpBitmap* BackgroundImage() const { return backgroundImage_.get(); }
    HCURSOR DefaultCursor() const { return defaultCursor_; }
    bool Resizable() const { return resizable_; }
    HWND TooltipWindow() const { return tooltip_; }

private:
    void applyStyles(const AttachOptions& options);
    bool createBuffers();
    void releaseBuffers();
    void detach();
    void drainPostedMessages();
    // SetBackground, step by step (background.cpp).
    void takeBackground(std::optional<std::span<const std::uint8_t>> image, std::optional<Argb> colour);
    void renderFramedBackground();
    void drawBackgroundImage();
    void drawFrameAndShadow();
    void applyWindowRegion();
    void setElementClip();
    void keepOldLook();
    void startFade();
    // WindowProc pieces (window_host_proc.cpp).
    LRESULT onPaint();
    LRESULT onStageMoved(ElementHandle element, bool recompose);
    LRESULT passOn(UINT message, WPARAM wparam, LPARAM lparam);
    // Tooltip (window_host_tooltip.cpp).
    void createTooltip();
    void destroyTooltip();

    HWND window_ = nullptr;
    ElementHandle handle_ = 0;
    WNDPROC previousProc_ = nullptr;
    FocusState focus_;
    bool suspended_ = false;
    WindowDc windowDc_;
    DibSurface backBuffer_;
    DibSurface background_;
    HWND backgroundSource_ = nullptr;
    GdipBitmap backgroundImage_;
    Argb backgroundColour_ = kNoColour;
    SiblingList topLevel_;
    int captionFlags_ = 0;
    HWND tooltip_ = nullptr;
    ElementHandle tooltipElement_ = 0;  // whose tip the tooltip's one tool shows
    std::wstring tooltipText_;
    int frameStyle_ = 7;
    int windowAlpha_ = -1;
    int imageMode_ = 0;
    COLORREF shadowColour_ = 0;
    bool resizable_ = false;
    bool draggable_ = true;
    bool fadeImageEdges_ = true;
    SIZE size_{};
    GdiRegion elementClip_;
    bool blurBehind_ = false;
    int reservedOption_ = 1;
    HCURSOR defaultCursor_ = nullptr;
    RECT nineGrid_{};
    DibSurface fadeBuffer_;
    int fadeAlpha_ = 0;
    std::vector<std::unique_ptr<Element>> captionButtons_;
    std::unique_ptr<Element> iconElement_;
    std::unique_ptr<Element> titleElement_;
    RedrawQueue redrawQueue_;
    PaintBackgroundCallback onPaintBackground_ = nullptr;
    MessageHook messageHook_ = nullptr;
    SizeCallback onSize_ = nullptr;
    std::vector<RectF> deferred_;  // asked for while painting was suspended
};

// The WindowHost of a framework window, or 0.
WindowHost* HostOfWindow(HWND window);

}  // namespace stage

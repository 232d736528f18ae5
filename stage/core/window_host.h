#pragma once
// WindowHost: turns an ordinary top-level window into a framework window and
// owns everything drawn in it: back buffer, background, caption, element
// tree, focus, hover and capture.
//
// Where things go:
// * window_host.cpp            Attach, detaching (OnDestroy), OnSize, Show
//                              and the small property operations.
// * window_host_proc.cpp       WindowProc: the message table. Messages reach
//                              the right host through the Vw_Wnd_Control
//                              property (window_routing.h), never through
//                              generated code.
// * window_host_mouse.cpp      OnMouse and OnSizingBorder: hover, press,
//                              capture, click, dragging and sizing the window.
// * window_host_keyboard.cpp   OnKeyDown (Tab, Enter, Space), OnSysChar and
//                              SetHotkey (Alt + mnemonic), SetFocus.
// * window_host_caption.cpp    the caption: icon element, title TextElement
//                              (tag = its handle + 2 in decimal) and caption
//                              buttons (caption_parts.h), made in Attach and
//                              placed by LayoutCaption.
// * window_host_tooltip.cpp    the tooltip window and SetTooltip.
// * background.cpp, background_fade.cpp, compose.cpp, present.cpp,
//   redraw_queue.cpp           rendering: SetBackground, the fade-in of a new
//                              background, composition, presenting, the
//                              redraw queue.
// Focus, hover, press and capture live in FocusState below. ForgetElement is
// where every reference to a destroyed element is dropped, the hotkey table's
// included.
// Show makes the window appear at once and WM_CLOSE only hides it: the open
// and close effects (SetCloseEffect keeps the close one) come with their own
// files.
#include <windows.h>

#include <array>
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
#include "stage/core/text_element.h"

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
// Called with the element the event is about (0 for none) and its type code.
using ElementCallback = void (*)(HWND window, ElementHandle element, WPARAM wparam, LPARAM lparam, int typeCode);

// The element callbacks of a host, in the order of their setters.
enum class HostCallback {
    MouseDown,
    MouseUp,
    Click,
    DoubleClick,
    RightDown,
    RightUp,
    MouseLeave,
    MouseEnter,
    SetFocus,
    KillFocus,
    Count,
};

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
    // Alt + character: clicks the first visible, enabled element registered
    // for it (either case); true when it did.
    bool OnSysChar(WPARAM character, LPARAM lparam);
    // The focused element first; then Tab moves the focus, Enter and Space click.
    void OnKeyDown(WPARAM key, LPARAM lparam);
    void OnDestroy();
    void OnSize(WPARAM sizeKind);
    // Registers (or, with 0, removes) the element's mnemonic character.
    int SetHotkey(ElementHandle element, UINT character);
    void OnMouse(UINT message, WPARAM wparam, LPARAM lparam);
    // A mouse move or press on the resizing border; true when it was one.
    bool OnSizingBorder(UINT message, LPARAM lparam);
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
    // Refused for an element that is disabled, hidden, not focusable, a
    // caption button or focused already.
    void SetFocus(ElementHandle element, bool byKeyboard);
    // The whole window when no rectangle is given.
    void Present(std::optional<RectF> rect = std::nullopt);
    // Shows the window, with blur behind when that is on. (The open effect
    // and its duration are not played yet: the window appears at once.)
    void Show(int effect = 0, int duration = 200);
    void SetCloseEffect(int effect) { closeEffect_ = effect; }
    void SetDefaultCursor(HCURSOR cursor) { defaultCursor_ = cursor; }
    void SetDefaultCursor(LPCWSTR systemCursorId);
    PaintBackgroundCallback SetPaintBackgroundCallback(PaintBackgroundCallback callback);
    MessageHook SetMessageHook(MessageHook hook);
    SizeCallback SetSizeCallback(SizeCallback callback);
    ElementCallback SetCallback(HostCallback which, ElementCallback callback);

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
    int CloseEffect() const { return closeEffect_; }
    TextElement* Title() const { return titleElement_.get(); }
    Element* CaptionIcon() const { return iconElement_.get(); }
    const std::vector<std::unique_ptr<Element>>& CaptionButtons() const { return captionButtons_; }

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
    LRESULT onSetText(WPARAM wparam, LPARAM lparam);
    void onActivate(WPARAM wparam, LPARAM lparam);
    void onSetCursor();
    void fillMinMaxInfo(MINMAXINFO& info) const;
    void onStyleChanged(WPARAM which, const STYLESTRUCT& styles);
    void trackLeave();
    void onMouseLeave();
    // Mouse (window_host_mouse.cpp).
    void capturedMouse(UINT message, WPARAM wparam, LPARAM lparam);
    void leftDown(ElementHandle hit, WPARAM wparam, LPARAM lparam);
    void press(ElementHandle element, WPARAM wparam, LPARAM lparam);
    void enter(ElementHandle element, WPARAM wparam, LPARAM lparam);
    void leave(ElementHandle element, WPARAM wparam, LPARAM lparam, ElementHandle now);
    void toggleMaximize(LPARAM lparam);
    void startMove(LPARAM lparam);
    // Keyboard (window_host_keyboard.cpp).
    void tabToNext();
    void clickFocused();
    // Caption (window_host_caption.cpp).
    void createCaption();
    void createTitle();
    // The element's SendEvent; 0 when there is no such element.
    LRESULT sendEvent(ElementHandle element, UINT code, WPARAM wparam, LPARAM lparam);
    void notify(HostCallback which, ElementHandle element, WPARAM wparam, LPARAM lparam);
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
    std::unique_ptr<TextElement> titleElement_;
    RedrawQueue redrawQueue_;
    PaintBackgroundCallback onPaintBackground_ = nullptr;
    MessageHook messageHook_ = nullptr;
    SizeCallback onSize_ = nullptr;
    std::vector<RectF> deferred_;  // asked for while painting was suspended
    // Mnemonics: Alt + character clicks the element.
    struct Hotkey {
        ElementHandle element;
        UINT character;
    };
    std::vector<Hotkey> accelTable_;
    std::array<ElementCallback, size_t(HostCallback::Count)> callbacks_{};
    bool tracking_ = false;  // leave tracking requested for the pointer
    int closeEffect_ = 0;
};

// The WindowHost of a framework window, or 0.
WindowHost* HostOfWindow(HWND window);

}  // namespace stage

// WindowHost: attaching to a window, detaching, resizing, and the small
// property operations.
#include "stage/core/window_host.h"

#include <vector>

#include "settings/message_pump.h"
#include "stage/core/blur_behind.h"
#include "stage/core/call_routine.h"
#include "stage/core/compose.h"
#include "stage/core/element_events.h"
#include "stage/core/stage_messages.h"
#include "stage/core/stage_startup.h"
#include "stage/core/window_routing.h"

namespace stage {
namespace {

constexpr size_t kDeferredLimit = 32;  // beyond this, the whole window is simpler

SIZE windowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

WindowHost* HostOfWindow(HWND window) {
    if (!window) return nullptr;
    WindowHost* host = ResolveHost(ElementHandle(reinterpret_cast<UINT_PTR>(GetPropW(window, kHostProperty))));
    return host && host->Window() == window ? host : nullptr;
}

WindowHost::~WindowHost() {
    if (window_) OnDestroy();
    ReleaseHandle(handle_);
}

void WindowHost::applyStyles(const AttachOptions& options) {
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    const bool given = options.captionFlags.has_value();
    int flags = options.captionFlags.value_or(0);
    if (!given || flags != 0) style |= WS_SYSMENU;
    if (!given || (flags & kCaptionStandard)) {
        flags |= kCaptionIcon | kCaptionTitle | kCaptionClose;
        if (style & WS_MAXIMIZEBOX) flags |= kCaptionMaximize;
        if (style & WS_MINIMIZEBOX) flags |= kCaptionMinimize;
    }
    captionFlags_ = flags | kCaptionShadow;
    style |= WS_POPUP;
    style &= ~LONG_PTR(WS_THICKFRAME | WS_DLGFRAME | WS_BORDER);
    if (!(captionFlags_ & kCaptionMinimize)) style &= ~LONG_PTR(WS_MINIMIZEBOX);
    if (!(captionFlags_ & kCaptionMaximize)) style &= ~LONG_PTR(WS_MAXIMIZEBOX);
    SetWindowLongPtrW(window_, GWL_STYLE, style);
}

bool WindowHost::createBuffers() {
    const bool back = backBuffer_.Create(windowDc_.get(), size_.cx, size_.cy, true);
    const bool background = background_.Create(windowDc_.get(), size_.cx, size_.cy, false);
    GrowScratchSurface(size_.cx, size_.cy);
    return back && background;
}

void WindowHost::releaseBuffers() {
    backBuffer_.Release();
    background_.Release();
    fadeBuffer_.Release();
}

bool WindowHost::Attach(HWND window, const AttachOptions& options) {
    if (!window || !IsWindow(window) || window_ || HostOfWindow(window)) return false;
    if (!handle_) handle_ = RegisterHandle(this);
    if (!handle_) return false;
    window_ = window;
    const bool thickFrame = GetWindowLongPtrW(window, GWL_STYLE) & WS_THICKFRAME;
    windowAlpha_ = options.windowAlpha;
    imageMode_ = options.imageMode;
    fadeImageEdges_ = options.fadeImageEdges;
    frameStyle_ = options.frameStyle;
    reservedOption_ = options.reservedOption;
    resizable_ = options.resizable.value_or(thickFrame);
    blurBehind_ = options.blurBehind ? (*options.blurBehind && windowAlpha_ != -1) : OsMajorVersion() == 6;
    nineGrid_ = options.nineGrid;
    if (options.backgroundSource) backgroundSource_ = options.backgroundSource;
    applyStyles(options);
    SetPropW(window, kHostProperty, reinterpret_cast<HANDLE>(UINT_PTR(handle_)));
    defaultCursor_ = ArrowCursor();
    Draggable(options.draggable);
    size_ = windowSize(window);
    windowDc_ = WindowDc(window);
    createBuffers();
    if (Layered()) SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    redrawQueue_.Init(this);
    previousProc_ = RouteToHost(window);
    SuspendPainting();
    createCaption();
    deferred_.clear();  // SetBackground below paints everything anyway
    ResumePainting();
    std::optional<std::span<const std::uint8_t>> image;
    if (!options.backgroundImage.empty()) image = options.backgroundImage;
    SetBackground(image, options.backgroundColour, -1, false);
    if (Layered()) Present();
    createTooltip();
    if (resizable_) SetWindowLongPtrW(window, GWL_STYLE, GetWindowLongPtrW(window, GWL_STYLE) | WS_THICKFRAME);
    // The frame changed: let the window recompute (to nothing) its non-client area.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

void WindowHost::OnDestroy() {
    if (!previousProc_) return;
    SuspendPainting();
    StopRouting(window_, previousProc_);
    previousProc_ = nullptr;
    KillTimer(window_, handle_);  // a fade-in still running
    redrawQueue_.Clear();
    for (ElementHandle next = topLevel_.first; Element* element = ResolveElement(next);) {
        next = element->NextSibling();
        element->Destroy();
    }
    captionButtons_.clear();
    iconElement_.reset();
    titleElement_.reset();
    elementClip_.reset();
    backgroundImage_.reset();
    accelTable_.clear();
    tracking_ = false;
    destroyTooltip();
    if (focus_.captured && GetCapture() == window_) ReleaseCapture();
    focus_ = {};
    topLevel_ = {};
    captionFlags_ = 0;
    releaseBuffers();
    windowDc_.reset();
    RemovePropW(window_, kHostProperty);
    drainPostedMessages();
    deferred_.clear();
    window_ = nullptr;
    suspended_ = false;
}

// Invalidations and events posted to the window but not yet handled carry
// memory that only the host frees.
void WindowHost::drainPostedMessages() {
    MSG msg;
    while (PeekMessageW(&msg, window_, WM_STAGE_INVALIDATE, WM_STAGE_INVALIDATE, PM_REMOVE | PM_NOYIELD))
        if (msg.wParam & kInvalidateOwnsRect) delete reinterpret_cast<RectF*>(msg.lParam);
    while (PeekMessageW(&msg, window_, WM_STAGE_EVENT, WM_STAGE_EVENT, PM_REMOVE | PM_NOYIELD))
        delete reinterpret_cast<EventBlock*>(msg.lParam);
}

void WindowHost::OnSize(WPARAM sizeKind) {
    if (sizeKind == SIZE_MINIMIZED || !window_) return;
    const SIZE size = windowSize(window_);
    if (size.cx == size_.cx && size.cy == size_.cy) return;
    size_ = size;
    CallRoutine(onSize_, window_, int(size.cx), int(size.cy));
    createBuffers();
    SetBackground(std::nullopt, backgroundColour_, 0, true);
}

void WindowHost::ForgetElement(ElementHandle element) {
    if (!element) return;
    if (focus_.pressed == element) {
        focus_.pressed = 0;
        if (focus_.captured && GetCapture() == window_) ReleaseCapture();
        focus_.captured = false;
    }
    if (focus_.focused == element) focus_.focused = 0;
    if (focus_.hovered == element) focus_.hovered = 0;
    if (focus_.keyboardFocus == element) focus_.keyboardFocus = 0;
    if (tooltipElement_ == element) SetTooltip(element, "");
    std::erase_if(accelTable_, [element](const Hotkey& h) { return h.element == element; });
}

void WindowHost::ResumePainting() {
    suspended_ = false;
    std::vector<RectF> pending;
    pending.swap(deferred_);
    for (const RectF& rect : pending) redrawQueue_.Request(rect, 0);
}

void WindowHost::Defer(const RectF& rect) {
    if (deferred_.size() >= kDeferredLimit) deferred_.assign(1, MakeRect(0, 0, size_.cx, size_.cy));
    else deferred_.push_back(rect);
}

void WindowHost::InvalidateRect(const RectF& rect, int kind) { redrawQueue_.Request(rect, kind); }

void WindowHost::Present(std::optional<RectF> rect) {
    if (window_) PresentRect(*this, rect.value_or(MakeRect(0, 0, size_.cx, size_.cy)));
}

bool WindowHost::Draggable(std::optional<bool> value) {
    if (value) draggable_ = *value;
    return draggable_;
}

int WindowHost::FrameStyle(std::optional<int> value) {
    if (value) frameStyle_ = *value;
    return frameStyle_;
}

void WindowHost::Show(int, int) {
    // What is waiting (invalidations above all) is done before the window appears.
    settings::pumpPendingMessages();
    if (!window_) return;
    if (blurBehind_) BlurBehind(window_, {6, 6, size_.cx - 5, size_.cy - 5}, 6, frameStyle_, windowAlpha_);
    ShowWindow(window_, SW_SHOWNORMAL);
}

void WindowHost::SetShadowColour(COLORREF colour) { shadowColour_ = colour == COLORREF(-1) ? 0 : colour; }

void WindowHost::SetDefaultCursor(LPCWSTR systemCursorId) {
    defaultCursor_ = LoadCursorW(nullptr, systemCursorId);
}

PaintBackgroundCallback WindowHost::SetPaintBackgroundCallback(PaintBackgroundCallback callback) {
    return onPaintBackground_ = callback;
}

MessageHook WindowHost::SetMessageHook(MessageHook hook) { return messageHook_ = hook; }

SizeCallback WindowHost::SetSizeCallback(SizeCallback callback) { return onSize_ = callback; }

}  // namespace stage

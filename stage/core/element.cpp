// Element lifecycle: creation, surfaces, destruction.
#include "stage/core/element.h"

#include "stage/core/element_paint.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {

Element::Element(const Element& other)
    : visible_(other.visible_),
      disabled_(other.disabled_),
      focusable_(other.focusable_),
      transitionsOn_(other.transitionsOn_),
      cursor_(other.cursor_),
      eventTable_(other.eventTable_ ? std::make_unique<EventTable>(*other.eventTable_) : nullptr),
      bounds_(other.bounds_),
      tipText_(other.tipText_),
      tag_(other.tag_),
      typeCode_(other.typeCode_),
      alpha_(other.alpha_),
      transitionInterval_(other.transitionInterval_),
      previousBounds_(other.previousBounds_),
      transitionFrames_(other.transitionFrames_),
      transitionStyle_(other.transitionStyle_) {}

Element::~Element() { Destroy(); }

std::unique_ptr<Element> Element::Clone() const { return std::unique_ptr<Element>(new Element(*this)); }

LRESULT Element::HandleMessage(UINT, WPARAM, LPARAM) { return -1; }

WindowHost* Element::Host() const { return ResolveHost(host_); }

ElementHandle Element::Create(HWND window, const RectF& bounds, int typeCode, int visible,
                              const ElementOptions& options) {
    if (handle_) return handle_;
    WindowHost* host = HostOfWindow(window);
    if (!host) return 0;
    handle_ = RegisterHandle(this);
    if (!handle_) return 0;
    window_ = window;
    host_ = host->Handle();
    parent_ = 0;
    append(host->TopLevel());
    return finishCreate(bounds, typeCode, visible, options);
}

ElementHandle Element::Create(ElementHandle parent, const RectF& bounds, int typeCode, int visible,
                              const ElementOptions& options) {
    if (handle_) return handle_;
    Element* parentElement = ResolveElement(parent);
    if (!parentElement) return 0;
    WindowHost* host = HostOfWindow(parentElement->window_);
    if (!host || host->Handle() != parentElement->host_) return 0;
    handle_ = RegisterHandle(this);
    if (!handle_) return 0;
    window_ = parentElement->window_;
    host_ = parentElement->host_;
    SetParent(parent);
    return finishCreate(bounds, typeCode, visible, options);
}

ElementHandle Element::finishCreate(const RectF& bounds, int typeCode, int visible,
                                    const ElementOptions& options) {
    const ElementHandle handle = handle_;
    bounds_ = bounds;
    previousBounds_ = bounds;
    cursor_ = options.cursorId ? LoadCursorW(nullptr, options.cursorId) : nullptr;
    tipText_.clear();
    alpha_ = 255;
    typeCode_ = typeCode;
    visible_ = visible;
    focusable_ = options.focusable;
    disabled_ = false;
    transitionsOn_ = true;
    createSurface();
    transitionInterval_ = options.transitionInterval;
    transitionFrames_ = options.transitionFrames;
    transitionStyle_ = options.transitionStyle;
    transitionFrame_ = 0;
    SendEvent(WM_CREATE, WPARAM(Surface()), LPARAM(Graphics()));
    SendEvent(WM_PAINT, WPARAM(Surface()), LPARAM(Graphics()));
    return handle;
}

void Element::createSurface() {
    if (typeCode_ == kTypePanel) surface_.Create(nullptr, 1, 1, true);
    else surface_.Create(nullptr, int(bounds_.width), int(bounds_.height), true);
}

void Element::Destroy() {
    if (!handle_ || !host_) return;
    const ElementHandle handle = handle_;
    visible_ = 0;
    Invalidate();
    // Children first, each with its own subtree; each unlinks itself.
    for (ElementHandle next = children_.first; Element* child = ResolveElement(next);) {
        next = child->nextSibling_;
        child->Destroy();
    }
    HandleMessage(WM_DESTROY, 0, 0);
    KillTimer(window_, TransitionTimerId(handle));
    KillTimer(window_, ElementTimerId(handle));
    if (WindowHost* host = Host()) host->ForgetElement(handle);
    Unlink();
    ReleaseHandle(handle);
    window_ = nullptr;
    handle_ = parent_ = host_ = 0;
    visible_ = 0;
    disabled_ = false;
    focusable_ = false;
    transitionsOn_ = false;
    cursor_ = nullptr;
    eventTable_.reset();
    bounds_ = previousBounds_ = {};
    tipText_.clear();
    tag_.clear();
    typeCode_ = 0;
    children_ = {};
    prevSibling_ = nextSibling_ = 0;
    transitionFrame_ = transitionInterval_ = transitionFrames_ = transitionStyle_ = 0;
    transitionActive_ = false;
    surface_.Release();
    snapshot_.Release();
    alpha_ = 0;
    bindScratch_ = 0;
}

}  // namespace stage

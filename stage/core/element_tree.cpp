// The element tree: sibling lists, re-parenting, z-order and moving.
#include <thread>

#include "stage/core/element.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {

SiblingList* Element::siblingList() {
    if (parent_) {
        Element* parent = ResolveElement(parent_);
        return parent ? &parent->children_ : nullptr;
    }
    WindowHost* host = Host();
    return host ? &host->TopLevel() : nullptr;
}

// Appends the element to list as its last (and, in an empty list, first).
void Element::append(SiblingList& list) {
    prevSibling_ = list.last;
    nextSibling_ = 0;
    if (Element* last = ResolveElement(list.last)) last->nextSibling_ = handle_;
    list.last = handle_;
    if (!list.first) list.first = handle_;
}

void Element::SetParent(HWND window) {
    if (window == window_) SetParent(ElementHandle(0));
}

void Element::SetParent(ElementHandle parent) {
    if (!handle_ || parent == parent_) return;
    if (parent) {
        // Only an element of the same window, and never one of our own
        // subtree: that would cut the subtree off in a loop.
        Element* parentElement = ResolveElement(parent);
        if (!parentElement || parentElement->host_ != host_) return;
        for (Element* up = parentElement; up; up = ResolveElement(up->parent_))
            if (up == this) return;
    }
    Unlink();
    parent_ = parent;
    if (SiblingList* list = siblingList()) append(*list);
    Invalidate();
}

void Element::Unlink() {
    SiblingList* list = siblingList();
    if (!list) return;
    // An element that is in no list only has its own links cleared.
    const bool linked = prevSibling_ != 0 || list->first == handle_;
    if (linked) {
        if (list->first == handle_) list->first = nextSibling_;
        if (list->last == handle_) list->last = prevSibling_;
        if (Element* prev = ResolveElement(prevSibling_)) prev->nextSibling_ = nextSibling_;
        if (Element* next = ResolveElement(nextSibling_)) next->prevSibling_ = prevSibling_;
    }
    prevSibling_ = nextSibling_ = 0;
}

void Element::SetZOrder(int position, bool redraw) {
    if (!handle_) return;
    Unlink();
    SiblingList* list = siblingList();
    if (!list) return;
    if (position == 2) {
        // First in the list: painted first, beneath its siblings.
        nextSibling_ = list->first;
        if (Element* first = ResolveElement(list->first)) first->prevSibling_ = handle_;
        list->first = handle_;
        if (!list->last) list->last = handle_;
    } else {
        append(*list);
    }
    if (redraw) Invalidate();
}

void Element::shiftDescendants(float dx, float dy) {
    for (Element* child = ResolveElement(children_.first); child;
         child = ResolveElement(child->nextSibling_)) {
        child->bounds_.left += dx;
        child->bounds_.top += dy;
        child->shiftDescendants(dx, dy);
    }
}

void Element::Move(std::optional<float> left, std::optional<float> top, std::optional<float> width,
                   std::optional<float> height, bool redraw) {
    const RectF next{left.value_or(bounds_.left), top.value_or(bounds_.top),
                     width.value_or(bounds_.width), height.value_or(bounds_.height)};
    if (NearlyEqual(next, bounds_)) return;
    previousBounds_ = bounds_;
    bounds_ = next;
    shiftDescendants(next.left - previousBounds_.left, next.top - previousBounds_.top);
    const bool resized =
        !NearlyEqual(next.width, previousBounds_.width) || !NearlyEqual(next.height, previousBounds_.height);
    if (resized && typeCode_ != kTypePanel && handle_) {
        createSurface();
        SendEvent(EV_RESIZED, WPARAM(int(next.width)), LPARAM(int(next.height)));
        SendEvent(WM_PAINT, WPARAM(int(next.width)), LPARAM(int(next.height)));
    }
    notifyMoved(redraw && visible_ == 1);
}

// The host recomposes the old and the new area. It declines while its
// painting is suspended only when asked from another thread; that thread
// asks again every millisecond for as long as the window lives. On the
// window's own thread the host never declines (it keeps the areas for when
// painting resumes), so no wait there can last forever.
void Element::notifyMoved(bool recompose) {
    const ElementHandle handle = handle_;
    const HWND window = window_;
    if (!handle || !window) return;
    const bool ownThread = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
    while (SendMessageW(window, WM_STAGE_MOVED, handle, recompose ? 1 : 0) != 1) {
        if (ownThread || !IsWindow(window) || ResolveElement(handle) != this) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace stage

#include "stage/core/element_events.h"

#include <memory>

#include "stage/core/element.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {

LRESULT DispatchEvent(ElementHandle handle, UINT code, WPARAM wparam, LPARAM lparam) {
    Element* element = ResolveElement(handle);
    if (!element) return 0;
    const LRESULT result = element->HandleMessage(code, wparam, lparam);
    // The class may have destroyed the element; handlers are only for the living.
    element = ResolveElement(handle);
    if (!element || !element->Events()) return result;
    if (EventHandler handler = element->Events()->Find(code, wparam))
        handler(EventArgs{element->GetParent(), handle, code, wparam, lparam});
    return result;
}

namespace {

// Only a window with a WindowHost frees the block it is sent.
bool hasHost(HWND window) { return window && GetPropW(window, kHostProperty) != nullptr; }

}  // namespace

LRESULT Element::SendEvent(UINT code, WPARAM wparam, LPARAM lparam) {
    if (!handle_ || !hasHost(window_)) return 0;
    auto block = std::make_unique<EventBlock>(EventBlock{code, wparam, lparam});
    return SendMessageW(window_, WM_STAGE_EVENT, handle_, LPARAM(block.release()));
}

void Element::PostEvent(UINT code, WPARAM wparam, LPARAM lparam) {
    if (!handle_ || !hasHost(window_)) return;
    auto block = std::make_unique<EventBlock>(EventBlock{code, wparam, lparam});
    if (PostMessageW(window_, WM_STAGE_EVENT, handle_, LPARAM(block.get()))) block.release();
}

void Element::SetEventHandler(UINT code, EventHandler handler) {
    if (!eventTable_) eventTable_ = std::make_unique<EventTable>();
    eventTable_->Set(code, handler);
}

bool Element::HasFocus() {
    const LRESULT answer = SendEvent(EV_QUERYFOCUS, 0, 0);
    if (answer != -1) return answer == 1;
    WindowHost* host = Host();
    return host && handle_ && host->Focus().focused == handle_;
}

}  // namespace stage

// WindowHost keyboard input: keys go to the focused element first; Tab then
// moves the focus along the top-level elements, Enter and Space click, and
// Alt + a mnemonic character clicks the element registered for it.
#include <algorithm>

#include "stage/core/element_events.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

UINT upperCase(UINT character) {
    return UINT(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(UINT_PTR(WORD(character))))));
}

bool clickable(Element* element) { return element && element->Visible() == 1 && !element->Disabled(); }

// What Tab may move the focus to.
bool takesTabFocus(Element* element) {
    return clickable(element) && element->Focusable() && element->TypeCode() != kTypeTitleButton;
}

}  // namespace

void WindowHost::OnKeyDown(WPARAM key, LPARAM lparam) {
    if (focus_.focused && DispatchEvent(focus_.focused, WM_KEYDOWN, key, lparam) != -1) return;
    if (key == VK_TAB) tabToNext();
    else if (key == VK_RETURN || key == VK_SPACE) clickFocused();
}

// From the top-level element that holds the focus (or the first one), the
// next top-level element that can take it, wrapping around once at most:
// nested elements and caption buttons never get the focus this way.
void WindowHost::tabToNext() {
    Element* start = ResolveElement(focus_.focused ? focus_.focused : topLevel_.first);
    while (start && start->GetParent()) start = ResolveElement(start->GetParent());
    if (!start) return;
    size_t count = 0;
    for (Element* e = ResolveElement(topLevel_.first); e; e = ResolveElement(e->NextSibling())) ++count;
    Element* candidate = start;
    for (size_t step = 0; step < count; ++step) {
        candidate = ResolveElement(candidate->NextSibling());
        if (!candidate) candidate = ResolveElement(topLevel_.first);
        if (!candidate) return;
        if (takesTabFocus(candidate)) {
            SetFocus(candidate->GetHandle(), true);
            return;
        }
    }
}

void WindowHost::clickFocused() {
    const ElementHandle focused = focus_.focused;
    if (!clickable(ResolveElement(focused))) return;
    sendEvent(focused, EV_CLICK, 0, 0);
    notify(HostCallback::Click, focused, 0, 0);
}

bool WindowHost::OnSysChar(WPARAM character, LPARAM lparam) {
    if (focus_.focused) DispatchEvent(focus_.focused, WM_SYSCHAR, character, lparam);
    const UINT wanted = upperCase(UINT(character));
    for (size_t i = 0; i < accelTable_.size(); ++i) {
        const Hotkey hotkey = accelTable_[i];  // a copy: the click may change the table
        if (upperCase(hotkey.character) != wanted || !clickable(ResolveElement(hotkey.element))) continue;
        sendEvent(hotkey.element, EV_CLICK, 0, 0);
        notify(HostCallback::Click, hotkey.element, character, lparam);
        return true;
    }
    return false;
}

int WindowHost::SetHotkey(ElementHandle element, UINT character) {
    const auto entry = std::find_if(accelTable_.begin(), accelTable_.end(),
                                    [element](const Hotkey& h) { return h.element == element; });
    if (entry == accelTable_.end()) {
        if (character) accelTable_.push_back({element, character});
    } else if (character) {
        entry->character = character;
    } else {
        accelTable_.erase(entry);
    }
    return 1;
}

void WindowHost::SetFocus(ElementHandle element, bool byKeyboard) {
    Element* target = ResolveElement(element);
    if (!target || !takesTabFocus(target) || focus_.focused == element) return;
    const ElementHandle old = focus_.focused;
    focus_.focused = element;
    focus_.keyboardFocus = 0;
    sendEvent(old, EV_KILLFOCUS, 0, element);
    if (byKeyboard) focus_.keyboardFocus = element;
    sendEvent(element, EV_SETFOCUS, 0, old);
}

}  // namespace stage

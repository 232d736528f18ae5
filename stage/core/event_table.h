#pragma once
// EventTable: per element, the handler the application registered for each
// event code. A code appears once; registering it again replaces the handler.
#include <windows.h>

#include <utility>
#include <vector>

#include "stage/core/element_handle.h"

namespace stage {

// What a handler receives. parent is 0 for an element without a parent
// element; the design's two calling forms, (element, code, wparam, lparam)
// and (parent, element, code, wparam, lparam), are the two cases of it.
struct EventArgs {
    ElementHandle parent;
    ElementHandle element;
    UINT code;
    WPARAM wparam;
    LPARAM lparam;
};
using EventHandler = void (*)(const EventArgs&);

class EventTable {
public:
    void Set(UINT code, EventHandler handler);
    // The handler of the first entry that matches, in registration order. An
    // entry for 515 (double-click) also matches 513 (left button down) with
    // the double-click mark in wparam. May return a null handler: an entry
    // with handler 0 matches but is never called.
    EventHandler Find(UINT code, WPARAM wparam) const;
    bool Empty() const { return entries_.empty(); }

private:
    std::vector<std::pair<UINT, EventHandler>> entries_;
};

}  // namespace stage

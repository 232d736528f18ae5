#include "stage/core/event_table.h"

#include "stage/core/stage_messages.h"

namespace stage {

void EventTable::Set(UINT code, EventHandler handler) {
    for (auto& entry : entries_) {
        if (entry.first == code) {
            entry.second = handler;
            return;
        }
    }
    entries_.emplace_back(code, handler);
}

EventHandler EventTable::Find(UINT code, WPARAM wparam) const {
    const bool doubleClick = code == WM_LBUTTONDOWN && wparam == kDoubleClickMark;
    for (const auto& [entryCode, handler] : entries_) {
        if (entryCode == code || (doubleClick && entryCode == WM_LBUTTONDBLCLK)) return handler;
    }
    return nullptr;
}

}  // namespace stage

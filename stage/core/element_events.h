#pragma once
// Delivering events to elements.
#include <windows.h>

#include "stage/core/element_handle.h"

namespace stage {

// What WM_STAGE_EVENT carries in lparam: allocated by the sender, freed by the
// window host that dispatches it.
struct EventBlock {
    UINT code;
    WPARAM wparam;
    LPARAM lparam;
};

// HandleMessage of the element, then the first matching handler of its
// EventTable; returns what HandleMessage returned (0 for no element).
LRESULT DispatchEvent(ElementHandle element, UINT code, WPARAM wparam, LPARAM lparam);

}  // namespace stage

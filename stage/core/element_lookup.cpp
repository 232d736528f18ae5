#include "stage/core/element_lookup.h"

#include "stage/core/element.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

ElementHandle startOf(HWND window, ElementHandle parent, ElementHandle previous) {
    if (previous) {
        const Element* element = ResolveElement(previous);
        return element ? element->NextSibling() : 0;
    }
    if (parent) {
        const Element* element = ResolveElement(parent);
        return element ? element->Children().first : 0;
    }
    WindowHost* host = HostOfWindow(window);
    return host ? host->TopLevel().first : 0;
}

}  // namespace

ElementHandle FindElementOfType(HWND window, ElementHandle parent, ElementHandle previous, int typeCode,
                                bool keepLooking) {
    for (const Element* element = ResolveElement(startOf(window, parent, previous)); element;
         element = ResolveElement(element->NextSibling())) {
        if (!keepLooking || element->TypeCode() == typeCode) return element->GetHandle();
    }
    return 0;
}

}  // namespace stage

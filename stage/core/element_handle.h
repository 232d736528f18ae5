#pragma once
// ElementHandle: the 32-bit name of one element (or one WindowHost) for its
// whole life. Tree links, window messages, timer ids and event handlers carry
// handles, never object addresses, so a message that arrives after its
// element is gone finds nothing instead of freed memory.
//
// A handle is (generation << 22) | (slot << 2): a slot of the handle table
// plus a generation that changes every time the slot is reused, so an old
// handle never resolves to a newer object. The low two bits are always zero:
// handle + 1 (transition timer) and handle + 2 (the title element's tag) never
// name another element. Resolution is one array access and one compare.
// Everything runs on the GUI thread; the table takes no lock.
#include <cstdint>

namespace stage {

using ElementHandle = std::uint32_t;

class Element;
class WindowHost;

ElementHandle RegisterHandle(Element* element);
ElementHandle RegisterHandle(WindowHost* host);
// The handle resolves to nothing from now on; its slot is reused last.
void ReleaseHandle(ElementHandle handle);

// 0 for 0, a released handle, or a handle of the other kind.
Element* ResolveElement(ElementHandle handle);
WindowHost* ResolveHost(ElementHandle handle);

}  // namespace stage

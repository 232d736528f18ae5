#include "stage/core/element_handle.h"

#include <deque>
#include <vector>

namespace stage {
namespace {

enum class Kind : std::uint8_t { Free, Element, Host };

struct Cell {
    void* object = nullptr;
    std::uint32_t generation = 0;
    Kind kind = Kind::Free;
};

constexpr std::uint32_t kSlotBits = 20;
constexpr std::uint32_t kGenerationLimit = 1u << 10;

struct Table {
    std::vector<Cell> cells;
    // Freed slots are reused oldest first, so a stale handle stays dead for
    // as long as possible even before the generation check.
    std::deque<std::uint32_t> freeSlots;
};

Table& table() {
    static Table t;
    return t;
}

ElementHandle encode(std::uint32_t slot, std::uint32_t generation) {
    return (generation << (kSlotBits + 2)) | (slot << 2);
}

ElementHandle registerObject(void* object, Kind kind) {
    Table& t = table();
    std::uint32_t slot;
    if (!t.freeSlots.empty() && (t.cells.size() >= (1u << kSlotBits) || t.freeSlots.size() > 64)) {
        slot = t.freeSlots.front();
        t.freeSlots.pop_front();
    } else if (t.cells.size() < (1u << kSlotBits)) {
        slot = std::uint32_t(t.cells.size());
        t.cells.emplace_back();
    } else {
        return 0;  // a million live elements: refuse rather than alias
    }
    Cell& cell = t.cells[slot];
    cell.generation = cell.generation % (kGenerationLimit - 1) + 1;  // 1 .. 1023, never 0
    cell.object = object;
    cell.kind = kind;
    return encode(slot, cell.generation);
}

void* resolve(ElementHandle handle, Kind kind) {
    if (handle == 0 || (handle & 3) != 0) return nullptr;
    const std::uint32_t slot = (handle >> 2) & ((1u << kSlotBits) - 1);
    const Table& t = table();
    if (slot >= t.cells.size()) return nullptr;
    const Cell& cell = t.cells[slot];
    if (cell.kind != kind || encode(slot, cell.generation) != handle) return nullptr;
    return cell.object;
}

}  // namespace

ElementHandle RegisterHandle(Element* element) { return registerObject(element, Kind::Element); }
ElementHandle RegisterHandle(WindowHost* host) { return registerObject(host, Kind::Host); }

void ReleaseHandle(ElementHandle handle) {
    Table& t = table();
    const std::uint32_t slot = (handle >> 2) & ((1u << kSlotBits) - 1);
    if (handle == 0 || slot >= t.cells.size()) return;
    Cell& cell = t.cells[slot];
    if (cell.kind == Kind::Free || encode(slot, cell.generation) != handle) return;
    cell.object = nullptr;
    cell.kind = Kind::Free;
    t.freeSlots.push_back(slot);
}

Element* ResolveElement(ElementHandle handle) {
    return static_cast<Element*>(resolve(handle, Kind::Element));
}

WindowHost* ResolveHost(ElementHandle handle) {
    return static_cast<WindowHost*>(resolve(handle, Kind::Host));
}

}  // namespace stage

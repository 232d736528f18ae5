#pragma once
// ElementRef<T>: names an element made by someone else and reaches its
// operations through the handle. BindWrapper points a reference at an
// existing element for a while and keeps what it named before in the
// element's bind-scratch field; UnbindWrapper gives it back.
//
//     ElementRef<TextElement> title;
//     if (BindWrapper(handle, title)) {
//         title->AutoContrast(false);
//         UnbindWrapper(handle, title);
//     }
#include "stage/core/element.h"

namespace stage {

template <class T>
class ElementRef {
public:
    ElementRef() = default;
    explicit ElementRef(ElementHandle handle) : handle_(handle) {}

    // 0 when the element is gone or is not a T.
    T* get() const { return dynamic_cast<T*>(ResolveElement(handle_)); }
    T* operator->() const { return get(); }
    explicit operator bool() const { return get() != nullptr; }
    ElementHandle& Cell() { return handle_; }

private:
    ElementHandle handle_ = 0;
};

template <class T>
bool BindWrapper(ElementHandle element, ElementRef<T>& ref) {
    Element* target = ResolveElement(element);
    if (!dynamic_cast<T*>(target)) return false;
    target->BindScratch() = ref.Cell();
    ref.Cell() = element;
    return true;
}

template <class T>
void UnbindWrapper(ElementHandle element, ElementRef<T>& ref) {
    Element* target = ResolveElement(element);
    if (!target || ref.Cell() != element) return;
    ref.Cell() = target->BindScratch();
    target->BindScratch() = 0;
}

}  // namespace stage

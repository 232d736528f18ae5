#include "stage/core/hit_test.h"

#include "stage/core/element.h"

namespace stage {

ElementHandle HitTest(ElementHandle last, float x, float y) {
    for (Element* element = ResolveElement(last); element;
         element = ResolveElement(element->PrevSibling())) {
        if (element->Visible() != 1 || element->Disabled() || !Contains(element->CurrentBounds(), x, y))
            continue;
        if (const ElementHandle child = HitTest(element->Children().last, x, y)) return child;
        return element->GetHandle();
    }
    return 0;
}

}  // namespace stage

#include "stage/core/geometry.h"

#include <algorithm>
#include <cmath>

namespace stage {

RECT EnclosingRect(const RectF& r) {
    return {LONG(std::floor(r.left)), LONG(std::floor(r.top)),
            LONG(std::ceil(r.right())), LONG(std::ceil(r.bottom()))};
}

RectF Union(const RectF& a, const RectF& b) {
    const float left = std::min(a.left, b.left), top = std::min(a.top, b.top);
    return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

RECT ClampedPixels(const RectF& r, int width, int height) {
    RECT px = EnclosingRect(r);
    px.left = std::clamp<LONG>(px.left, 0, width);
    px.right = std::clamp<LONG>(px.right, px.left, width);
    px.top = std::clamp<LONG>(px.top, 0, height);
    px.bottom = std::clamp<LONG>(px.bottom, px.top, height);
    return px;
}

}  // namespace stage

#pragma once
// Rectangles inside the framework are four floats (left, top, width, height)
// in client coordinates of the window, nested elements included. Geometry is
// compared with a tolerance of 1e-7 so that values that only differ by
// rounding noise count as equal.
#include <windows.h>

namespace stage {

inline constexpr double kEpsilon = 1e-7;

struct RectF {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    float right() const { return left + width; }
    float bottom() const { return top + height; }
};

inline bool NearlyEqual(double a, double b) { return a - b <= kEpsilon && b - a <= kEpsilon; }

inline bool NearlyEqual(const RectF& a, const RectF& b) {
    return NearlyEqual(a.left, b.left) && NearlyEqual(a.top, b.top) &&
           NearlyEqual(a.width, b.width) && NearlyEqual(a.height, b.height);
}

// Builds a bounds rectangle from integers.
inline RectF MakeRect(int left, int top, int width, int height) {
    return {float(left), float(top), float(width), float(height)};
}

// Adds the four values to left, top, width and height.
inline void OffsetRect(float dx, float dy, float dw, float dh, RectF& rect) {
    rect.left += dx;
    rect.top += dy;
    rect.width += dw;
    rect.height += dh;
}

// Strict overlap: rectangles that only touch do not overlap.
inline bool Overlaps(const RectF& a, const RectF& b) {
    return a.left + kEpsilon < b.right() && b.left + kEpsilon < a.right() &&
           a.top + kEpsilon < b.bottom() && b.top + kEpsilon < a.bottom();
}

// The smallest rectangle holding both.
RectF Union(const RectF& a, const RectF& b);

// left <= x < right and top <= y < bottom.
inline bool Contains(const RectF& r, float x, float y) {
    return x + kEpsilon >= r.left && x + kEpsilon < r.right() &&
           y + kEpsilon >= r.top && y + kEpsilon < r.bottom();
}

// The smallest pixel rectangle (left, top, right, bottom) that covers r.
RECT EnclosingRect(const RectF& r);

// The part of r inside (0, 0, width, height), as whole pixels; empty when r
// lies outside.
RECT ClampedPixels(const RectF& r, int width, int height);

}  // namespace stage

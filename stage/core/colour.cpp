#include "stage/core/colour.h"

#include <algorithm>

namespace stage {
namespace {

Argb alphaByte(std::optional<int> alpha) {
    const int a = alpha ? std::clamp(*alpha, 0, 255) : 255;
    return Argb(a == 255 ? 254 : a) << 24;
}

}  // namespace

Argb MakeARGB(COLORREF colour, std::optional<int> alpha) {
    const Argb red = GetRValue(colour), green = GetGValue(colour), blue = GetBValue(colour);
    return alphaByte(alpha) | red << 16 | green << 8 | blue;
}

Argb WithAlpha(Argb colour, int alpha) { return alphaByte(alpha) | (colour & 0x00FFFFFF); }

Argb Premultiply(Argb colour) {
    const Argb a = Argb(AlphaOf(colour));
    const auto scale = [a](int channel) { return Argb(channel) * a / 255; };
    return a << 24 | scale(RedOf(colour)) << 16 | scale(GreenOf(colour)) << 8 | scale(BlueOf(colour));
}

}  // namespace stage

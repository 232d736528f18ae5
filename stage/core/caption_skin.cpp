#include "stage/core/caption_skin.h"

namespace stage {
namespace {

// Generated at build time from the picture in assets/.
constexpr std::uint8_t kCaptionSkin[] = {
#include "caption_skin.inc"
};

}  // namespace

std::span<const std::uint8_t> CaptionSkinPng() {
    // An empty picture is one zero byte: C++ has no empty arrays.
    return sizeof kCaptionSkin > 1 ? std::span(kCaptionSkin) : std::span<const std::uint8_t>();
}

}  // namespace stage

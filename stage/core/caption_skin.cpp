#include "stage/core/caption_skin.h"

namespace stage {
namespace {

// Generated at build time from assets/stage/caption-skin.png-nosig.
constexpr std::uint8_t kCaptionSkin[] = {
#include "caption_skin.inc"
};

}  // namespace

std::span<const std::uint8_t> CaptionSkinPng() { return kCaptionSkin; }

}  // namespace stage

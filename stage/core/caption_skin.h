#pragma once
// The caption-button skin the program carries: a 729 x 20 PNG with alpha,
// stored without its 8-byte signature (DecodeImage puts it back). The bytes
// are made in assets/ and built into the program by stage/core/CMakeLists.txt.
// (The caption buttons cut their glyphs from the decoded skin, CaptionSkin().)
#include <cstdint>
#include <span>

namespace stage {

std::span<const std::uint8_t> CaptionSkinPng();

}  // namespace stage

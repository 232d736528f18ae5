// Img.dll: the host's four fixed pictures, handed out by number (1 to 4).
//
// The pictures are made in assets/ and built in as constant data. At load
// the library copies them into its own list, which lives until it is
// unloaded, so an address once handed out stays valid and the same.
#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "plugins/searchkit/length_prefixed_blob.h"

namespace {

#include "kImgLogo.inc"
#include "kImgBanner.inc"
#include "kImgChatButton.inc"
#include "kImgHelpIcon.inc"

using Picture = std::vector<std::uint8_t>;

template <std::size_t N>
Picture copyOf(const searchkit::LengthPrefixedBlob<N>& blob) {
    return Picture(blob.bytes, blob.bytes + blob.length);
}

// Index 1 is the first entry.
const std::vector<Picture> pictures{copyOf(kImgLogo), copyOf(kImgBanner), copyOf(kImgChatButton),
                                    copyOf(kImgHelpIcon)};

// The picture of a 1-based index, or nothing outside 1 to 4.
std::span<const std::uint8_t> pictureAt(std::int32_t index) {
    if (index < 1 || std::size_t(index) > pictures.size()) return {};
    return pictures[index - 1];
}

}  // namespace

extern "C" const std::uint8_t* __stdcall ImgUrl(std::int32_t index) {
    return pictureAt(index).data();
}

extern "C" std::int32_t __stdcall ImgLength(std::int32_t index) {
    return std::int32_t(pictureAt(index).size());
}

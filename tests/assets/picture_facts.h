#pragma once
// What GDI+ makes of a picture file, for the tests of the shipped pictures:
// its kind, size, pixel format and pixels; and the directory of an icon file.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace picture_facts {

enum class Kind { Other, Png, Icon };

struct Picture {
    Kind kind = Kind::Other;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;   // ARGB, not premultiplied, row by row

    uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
    int alpha(int x, int y) const { return int(at(x, y) >> 24); }
    int red(int x, int y) const { return int(at(x, y) >> 16 & 0xFF); }
    int green(int x, int y) const { return int(at(x, y) >> 8 & 0xFF); }
    int blue(int x, int y) const { return int(at(x, y) & 0xFF); }
};

// Nothing when GDI+ cannot decode the bytes.
std::optional<Picture> decode(std::span<const uint8_t> bytes);
std::optional<Picture> decode(std::string_view bytes);

// The 8 bytes every PNG file begins with.
inline constexpr std::string_view kPngSignature{"\x89PNG\r\n\x1a\n", 8};

// The stored format of a PNG file, from its header chunk (GDI+ may report a
// palette picture as 32-bit ARGB once decoded).
struct PngHeader {
    int width = 0;
    int height = 0;
    int bitDepth = 0;
    int colourType = 0;  // 2 truecolour, 3 palette, 6 truecolour with alpha
};
inline constexpr int kTruecolour = 2, kPalette = 3, kTruecolourAlpha = 6;

std::optional<PngHeader> pngHeader(std::string_view bytes);

struct IconImage {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::string file;  // a one-image icon file of just this image
};

// The images of an icon file in stored order; empty when it is not one.
std::vector<IconImage> iconImages(std::string_view bytes);

// A file under assets/ in the source tree, or nothing when it cannot be read.
std::optional<std::string> assetBytes(std::wstring_view relativePath);

}  // namespace picture_facts

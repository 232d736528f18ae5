#pragma once
// A picture file made in memory: a 24-bit bottom-up BMP whose pixels come
// from a function, for pictures a program or test draws itself and hands to
// whatever takes picture files (GDI+ decodes it like any other).
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace tools {

// pixelAt(x, y) -> COLORREF, x and y from the top-left.
template <class PixelAt>
std::vector<std::uint8_t> bmpPicture(int width, int height, PixelAt pixelAt) {
    const int stride = (width * 3 + 3) & ~3;
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    std::vector<std::uint8_t> bytes(offset + size_t(stride) * size_t(height));
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfSize = DWORD(bytes.size());
    file.bfOffBits = offset;
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bytes.data() + offset + size_t(height - 1 - y) * size_t(stride);
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixelAt(x, y);
            row[x * 3] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
    }
    return bytes;
}

}  // namespace tools

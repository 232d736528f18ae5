#include "tests/assets/picture_facts.h"

#include <windows.h>
#include <objidl.h>
#include <shlwapi.h>
#include <gdiplus.h>

#include <memory>

#include "tests/support/test_support.h"

namespace picture_facts {
namespace {

namespace gp = Gdiplus::DllExports;

// GDI+ for the whole test program, started on first use.
void startGdiplus() {
    static const ULONG_PTR token = [] {
        ULONG_PTR t = 0;
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&t, &input, nullptr);
        return t;
    }();
    (void)token;
}

struct ImageDeleter {
    void operator()(Gdiplus::GpImage* image) const { gp::GdipDisposeImage(image); }
};
struct StreamDeleter {
    void operator()(IStream* stream) const { stream->Release(); }
};

Kind kindOf(Gdiplus::GpImage* image) {
    GUID format{};
    gp::GdipGetImageRawFormat(image, &format);
    if (IsEqualGUID(format, Gdiplus::ImageFormatPNG)) return Kind::Png;
    if (IsEqualGUID(format, Gdiplus::ImageFormatIcon)) return Kind::Icon;
    return Kind::Other;
}

std::vector<uint32_t> argbPixels(Gdiplus::GpBitmap* bitmap, int width, int height) {
    std::vector<uint32_t> pixels(size_t(width) * height);
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    data.Width = width;
    data.Height = height;
    data.Stride = width * 4;
    data.PixelFormat = PixelFormat32bppARGB;
    data.Scan0 = pixels.data();
    if (gp::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                               PixelFormat32bppARGB, &data) != Gdiplus::Ok)
        return {};
    gp::GdipBitmapUnlockBits(bitmap, &data);
    return pixels;
}

uint32_t littleEndian(std::string_view bytes, size_t at, size_t width) {
    uint32_t value = 0;
    for (size_t i = 0; i < width; ++i) value |= uint32_t(uint8_t(bytes[at + i])) << (8 * i);
    return value;
}

uint32_t bigEndian(std::string_view bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value = value << 8 | uint8_t(bytes[at + i]);
    return value;
}

}  // namespace

std::optional<Picture> decode(std::span<const uint8_t> bytes) {
    startGdiplus();
    std::unique_ptr<IStream, StreamDeleter> stream(SHCreateMemStream(bytes.data(), UINT(bytes.size())));
    if (!stream) return std::nullopt;
    Gdiplus::GpBitmap* raw = nullptr;
    if (gp::GdipCreateBitmapFromStream(stream.get(), &raw) != Gdiplus::Ok || !raw) return std::nullopt;
    std::unique_ptr<Gdiplus::GpImage, ImageDeleter> image(raw);
    Picture picture;
    UINT width = 0, height = 0;
    gp::GdipGetImageWidth(raw, &width);
    gp::GdipGetImageHeight(raw, &height);
    picture.kind = kindOf(raw);
    picture.width = int(width);
    picture.height = int(height);
    picture.pixels = argbPixels(raw, picture.width, picture.height);
    if (picture.pixels.empty()) return std::nullopt;
    return picture;
}

std::optional<Picture> decode(std::string_view bytes) {
    return decode(std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

std::optional<PngHeader> pngHeader(std::string_view bytes) {
    // Signature, then the IHDR chunk: length 13, type, width, height, depth, colour type.
    if (bytes.size() < 26 || !bytes.starts_with(kPngSignature) || bytes.substr(12, 4) != "IHDR") return std::nullopt;
    return PngHeader{int(bigEndian(bytes, 16)), int(bigEndian(bytes, 20)), uint8_t(bytes[24]), uint8_t(bytes[25])};
}

std::vector<IconImage> iconImages(std::string_view bytes) {
    // ICONDIR (reserved 0, type 1, count), then 16-byte entries.
    if (bytes.size() < 6 || littleEndian(bytes, 0, 2) != 0 || littleEndian(bytes, 2, 2) != 1) return {};
    const size_t count = littleEndian(bytes, 4, 2);
    if (bytes.size() < 6 + 16 * count) return {};
    std::vector<IconImage> images;
    for (size_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        const uint32_t size = littleEndian(bytes, entry + 8, 4);
        const uint32_t offset = littleEndian(bytes, entry + 12, 4);
        if (offset > bytes.size() || size > bytes.size() - offset) return {};
        IconImage image;
        image.width = uint8_t(bytes[entry]) ? uint8_t(bytes[entry]) : 256;
        image.height = uint8_t(bytes[entry + 1]) ? uint8_t(bytes[entry + 1]) : 256;
        image.bitCount = int(littleEndian(bytes, entry + 6, 2));
        // The same entry in a one-entry directory, its image right behind it.
        std::string single(bytes.substr(0, 4));
        single += std::string("\x01\x00", 2);
        single += bytes.substr(entry, 12);
        single += std::string("\x16\x00\x00\x00", 4);  // offset 6 + 16
        single += bytes.substr(offset, size);
        image.file = std::move(single);
        images.push_back(std::move(image));
    }
    return images;
}

std::optional<std::string> assetBytes(std::wstring_view relativePath) {
    std::wstring path = ASSETS_DIR;
    path += L"/";
    path += relativePath;
    return testing_support::readFileBytes(path);
}

}  // namespace picture_facts

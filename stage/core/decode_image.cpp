#include "stage/core/decode_image.h"

#include <cstring>

namespace stage {
namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// A stream over a movable, zeroed global block holding [signature] + bytes;
// releasing the stream frees the block.
StreamPtr streamOver(std::span<const std::uint8_t> bytes, bool addSignature) {
    const size_t prefix = addSignature ? sizeof kPngSignature : 0;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, prefix + bytes.size());
    if (!memory) return nullptr;
    auto* data = static_cast<std::uint8_t*>(GlobalLock(memory));
    if (!data) {
        GlobalFree(memory);
        return nullptr;
    }
    if (prefix) std::memcpy(data, kPngSignature, prefix);
    std::memcpy(data + prefix, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    return StreamPtr(stream);
}

// The picture drawn into a new 32-bit ARGB bitmap of its size.
GdipBitmap copyToBitmap(GpImage* image) {
    GdipBitmap bitmap;
    const int width = ImageWidth(image), height = ImageHeight(image);
    if (gp::GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, bitmap.out()) !=
        Gdiplus::Ok)
        return {};
    GdipGraphics graphics;
    if (gp::GdipGetImageGraphicsContext(bitmap.get(), graphics.out()) != Gdiplus::Ok) return {};
    gp::GdipDrawImageRectI(graphics.get(), image, 0, 0, width, height);
    return bitmap;
}

}  // namespace

DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, bool addSignature, bool keepStream) {
    DecodedImage result;
    if (bytes.empty()) return result;
    result.stream = streamOver(bytes, addSignature);
    if (!result.stream) return {};
    if (gp::GdipLoadImageFromStream(result.stream.get(), result.image.out()) != Gdiplus::Ok) return {};
    if (keepStream) return result;
    GdipBitmap copy = copyToBitmap(result.get());
    DecodedImage detached;
    detached.image.reset(copy.release());
    return detached;  // the loaded image, then the stream and memory, go with result
}

int ImageWidth(GpImage* image) {
    UINT width = 0;
    if (image) gp::GdipGetImageWidth(image, &width);
    return int(width);
}

int ImageHeight(GpImage* image) {
    UINT height = 0;
    if (image) gp::GdipGetImageHeight(image, &height);
    return int(height);
}

}  // namespace stage

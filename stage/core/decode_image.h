#pragma once
// Pictures from bytes (PNG, ICO, GIF, JPEG, BMP: whatever GDI+ decodes).
#include <cstdint>
#include <memory>
#include <span>

#include "stage/core/gdiplus_ptr.h"

namespace stage {

struct StreamRelease {
    void operator()(IStream* stream) const { stream->Release(); }
};
using StreamPtr = std::unique_ptr<IStream, StreamRelease>;

// A decoded picture. Without keepStream it is a 32-bit ARGB bitmap that owns
// its pixels. With keepStream it is the image GDI+ decoded from a stream over
// global memory (frames of an animated picture stay selectable); the stream
// and its memory live exactly as long as the image and go after it.
struct DecodedImage {
    StreamPtr stream;  // declared first: released after the image
    GdipImage image;

    GpImage* get() const { return image.get(); }
    explicit operator bool() const { return bool(image); }
    // The owned bitmap of a picture decoded without keepStream.
    GdipBitmap TakeBitmap() { return GdipBitmap(static_cast<GpBitmap*>(image.release())); }
};

// Empty or undecodable bytes give an empty result. addSignature puts the
// 8-byte PNG signature in front of the bytes (pictures stored without it).
DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, bool addSignature = false,
                         bool keepStream = false);

int ImageWidth(GpImage* image);
int ImageHeight(GpImage* image);

}  // namespace stage

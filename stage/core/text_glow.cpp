// Glow: a halo of the text in another colour, sharp or blurred.
//
// The text is drawn once with GDI+; its four one-pixel shifts, the mixing of
// the five copies and the scaling down and up are done here on the pixels,
// and GDI+ only draws the finished halo onto the target, unscaled, where the
// target's clip applies. Drawing the text five times and scaling with GDI+
// gives the same picture, but under Wine it took 8.8 ms for a 280 x 30
// label against about 1.5 ms this way (bench/stage_text_bench.cpp).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "stage/core/graphics_settings.h"
#include "stage/core/text_drawing.h"

namespace stage {
namespace {

// Premultiplied ARGB pixels of our own that GDI+ can draw into and from.
class Pixels {
public:
    Pixels(int width, int height)
        : width_(std::max(width, 1)), height_(std::max(height, 1)), data_(size_t(width_) * size_t(height_), 0) {
        gp::GdipCreateBitmapFromScan0(width_, height_, width_ * 4, PixelFormat32bppPARGB,
                                      reinterpret_cast<BYTE*>(data_.data()), bitmap_.out());
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    GpBitmap* Bitmap() const { return bitmap_.get(); }
    // 0 (clear) outside.
    std::uint32_t At(int x, int y) const {
        return x < 0 || y < 0 || x >= width_ || y >= height_ ? 0 : data_[size_t(y) * size_t(width_) + size_t(x)];
    }
    std::uint32_t& operator()(int x, int y) { return data_[size_t(y) * size_t(width_) + size_t(x)]; }

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> data_;  // before the bitmap: it goes after it
    GdipBitmap bitmap_;
};

std::uint32_t alphaAt(const Pixels& p, int x, int y) { return p.At(x, y) >> 24; }

// The colour at that alpha, premultiplied.
std::uint32_t shade(Argb colour, std::uint32_t alpha) {
    const auto channel = [alpha](int value) { return std::uint32_t(value) * alpha / 255; };
    return alpha << 24 | channel(RedOf(colour)) << 16 | channel(GreenOf(colour)) << 8 | channel(BlueOf(colour));
}

// Five copies of the text in one colour, at its place and shifted one pixel
// left, right, up and down, laid over each other: what stays uncovered is
// the product of what each copy leaves uncovered.
void spread(const Pixels& text, Argb colour, Pixels& out) {
    static constexpr int kShifts[5][2] = {{0, 0}, {-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    constexpr std::uint64_t kClearOfFour = 255ull * 255 * 255 * 255;
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            std::uint64_t clear = 1;
            for (const auto& s : kShifts) clear *= 255 - alphaAt(text, x + s[0], y + s[1]);
            const std::uint32_t alpha = 255 - std::uint32_t(clear / kClearOfFour);
            out(x, y) = alpha ? shade(colour, alpha) : 0;
        }
}

// Each pixel of the smaller picture is the mean of a scale x scale block.
void shrink(const Pixels& big, int scale, Pixels& small) {
    const std::uint32_t area = std::uint32_t(scale * scale);
    for (int y = 0; y < small.Height(); ++y)
        for (int x = 0; x < small.Width(); ++x) {
            std::uint32_t sum[4] = {};
            for (int dy = 0; dy < scale; ++dy)
                for (int dx = 0; dx < scale; ++dx) {
                    const std::uint32_t p = big.At(x * scale + dx, y * scale + dy);
                    for (int c = 0; c < 4; ++c) sum[c] += (p >> (8 * c)) & 0xFF;
                }
            small(x, y) = (sum[3] / area) << 24 | (sum[2] / area) << 16 | (sum[1] / area) << 8 | sum[0] / area;
        }
}

// The small picture stretched over the big one, each pixel mixed from the
// four nearest small pixels (centres aligned; clear beyond the edges).
void stretch(const Pixels& small, Pixels& big) {
    // Where each column and row falls in the small picture: the small pixel
    // before it and the weight (of 256) of the one after.
    struct Tap {
        int before;
        std::uint32_t weight;
    };
    const auto taps = [](int bigSize, int smallSize) {
        auto result = std::vector<Tap>(size_t(bigSize));
        const float step = float(smallSize) / float(bigSize);
        for (int i = 0; i < bigSize; ++i) {
            const float at = (float(i) + 0.5f) * step - 0.5f;
            const int before = int(std::floor(at));
            result[size_t(i)] = {before, std::uint32_t((at - float(before)) * 256)};
        }
        return result;
    };
    const std::vector<Tap> columns = taps(big.Width(), small.Width()), rows = taps(big.Height(), small.Height());
    for (int y = 0; y < big.Height(); ++y) {
        const auto [y0, wy] = rows[size_t(y)];
        for (int x = 0; x < big.Width(); ++x) {
            const auto [x0, wx] = columns[size_t(x)];
            const std::uint32_t p00 = small.At(x0, y0), p10 = small.At(x0 + 1, y0);
            const std::uint32_t p01 = small.At(x0, y0 + 1), p11 = small.At(x0 + 1, y0 + 1);
            std::uint32_t out = 0;
            for (int c = 0; c < 32; c += 8) {
                const std::uint32_t top = ((p00 >> c) & 0xFF) * (256 - wx) + ((p10 >> c) & 0xFF) * wx;
                const std::uint32_t bottom = ((p01 >> c) & 0xFF) * (256 - wx) + ((p11 >> c) & 0xFF) * wx;
                out |= ((top * (256 - wy) + bottom * wy) >> 16) << c;
            }
            big(x, y) = out;
        }
    }
}

}  // namespace

void Glow(GpGraphics* graphics, const RectF& rect, std::wstring_view text, GpFont* font, GpStringFormat* format,
          Argb colour, int scale) {
    if (!graphics || !font || text.empty()) return;
    const int width = int(rect.width) + 7, height = int(rect.height) + 7;
    Pixels letters(width, height), halo(width, height);
    GdipGraphics canvas = GraphicsFor(letters.Bitmap());
    if (!canvas || !halo.Bitmap()) return;
    DrawText(canvas.get(), {4, 4, rect.width, rect.height}, text, font, colour, format);
    canvas.reset();
    spread(letters, colour, halo);
    if (scale > 1) {
        // Scaled down and stretched back up, the halo comes out blurred.
        Pixels small(width / scale, height / scale);
        shrink(halo, scale, small);
        stretch(small, halo);
    }
    gp::GdipDrawImageRect(graphics, halo.Bitmap(), rect.left - 4, rect.top - 4, float(width), float(height));
}

}  // namespace stage

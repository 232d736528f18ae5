// Drawing primitives, drawn on a bare surface and read back pixel by pixel.
#include "stage/core/drawing.h"
#include "tests/stage/core/stage_test_support.h"

namespace stagetest {
namespace {

namespace gp = Gdiplus::DllExports;

// A transparent surface to draw on, read back as premultiplied 0xAARRGGBB.
class Canvas {
public:
    Canvas(int width, int height) {
        surface.Create(nullptr, width, height, true);
        graphics = surface.Graphics();
        bitmap = surface.Bitmap();
    }
    std::uint32_t Pixel(int x, int y) const { return surface.Pixel(x, y); }
    int Alpha(int x, int y) const { return int(Pixel(x, y) >> 24); }
    DibSurface surface;
    GpGraphics* graphics = nullptr;
    GpBitmap* bitmap = nullptr;
};

TEST(MakeARGB, SwapsRedAndBlueAndWritesFullOpacityAs254) {
    struct Case {
        COLORREF colour;
        std::optional<int> alpha;
        Argb expected;
    };
    const Case cases[] = {
        {RGB(255, 255, 255), 255, 0xFEFFFFFF},
        {RGB(255, 255, 255), 0, 0x00FFFFFF},
        {RGB(255, 255, 255), std::nullopt, 0xFEFFFFFF},
        {RGB(1, 2, 3), 128, 0x80010203},
        {RGB(0xC0, 0x60, 0x00), 254, 0xFEC06000},
    };
    for (const Case& c : cases) EXPECT_EQ(MakeARGB(c.colour, c.alpha), c.expected) << std::hex << c.colour;
    EXPECT_EQ(WithAlpha(0x12345678, 255), 0xFE345678u);
    EXPECT_EQ(WithAlpha(0x12345678, 7), 0x07345678u);
}

TEST(DrawImageAlpha, FullAlphaAnd254TakeDifferentPathsToNearlyTheSamePicture) {
    Canvas source(10, 10);
    gp::GdipGraphicsClear(source.graphics, 0xFFFF0000);
    Canvas plain(10, 10), matrix(10, 10), half(10, 10);
    DrawImageAlpha(plain.graphics, source.bitmap, MakeRect(0, 0, 10, 10), 255);
    DrawImageAlpha(matrix.graphics, source.bitmap, MakeRect(0, 0, 10, 10), 254);
    DrawImageAlpha(half.graphics, source.bitmap, MakeRect(0, 0, 10, 10), 128);
    EXPECT_TRUE(PixelNear(plain.Pixel(5, 5), 0xFFFF0000, 1));
    EXPECT_TRUE(PixelNear(matrix.Pixel(5, 5), 0xFEFE0000, 1));
    EXPECT_TRUE(PixelNear(half.Pixel(5, 5), 0x80800000, 2));
}

TEST(DrawImageAt, CentresRoundingToTheNearestPixel) {
    Canvas image(5, 5), canvas(12, 12);
    gp::GdipGraphicsClear(image.graphics, 0xFF00FF00);
    DrawImageAt(canvas.graphics, image.bitmap, MakeRect(0, 0, 10, 10), true);  // left 2.5 -> 3
    EXPECT_EQ(canvas.Alpha(2, 5), 0);
    EXPECT_EQ(canvas.Alpha(3, 5), 255);
    EXPECT_EQ(canvas.Alpha(7, 5), 255);
    EXPECT_EQ(canvas.Alpha(8, 5), 0);
}

TEST(NinePatch, KeepsCornersAndStretchesEdgesAndCentre) {
    // A 30 x 30 picture of nine 10 x 10 cells, each its own colour.
    Canvas cells(30, 30);
    Argb colours[3][3];
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            colours[row][col] = 0xFF000000 | Argb(40 + row * 80) << 16 | Argb(40 + col * 80) << 8 | 0x10;
            GdipSolidBrush brush;
            gp::GdipCreateSolidFill(colours[row][col], brush.out());
            gp::GdipSetSmoothingMode(cells.graphics, Gdiplus::SmoothingModeNone);
            gp::GdipFillRectangleI(cells.graphics, brush.get(), col * 10, row * 10, 10, 10);
        }
    Canvas canvas(100, 60);
    NinePatch(canvas.graphics, cells.bitmap, MakeRect(0, 0, 100, 60), MakeRect(10, 10, 10, 10));
    struct Probe {
        int x, y, row, col;
    };
    const Probe probes[] = {{2, 2, 0, 0},  {97, 2, 0, 2}, {2, 57, 2, 0},  {97, 57, 2, 2},
                            {50, 2, 0, 1}, {2, 30, 1, 0}, {50, 30, 1, 1}, {97, 30, 1, 2}};
    for (const Probe& p : probes)
        EXPECT_TRUE(PixelNear(canvas.Pixel(p.x, p.y), colours[p.row][p.col], 2)) << p.x << "," << p.y;
    EXPECT_TRUE(PixelNear(canvas.Pixel(9, 9), colours[0][0], 2)) << "corners keep their 10 pixels";
}

TEST(DrawFrame, AStyleThatIsAColourDrawsASolidRectangleInIt) {
    Canvas canvas(20, 20);
    DrawFrame(canvas.graphics, MakeRect(2, 2, 10, 8), std::int32_t(0x80FF0000));
    EXPECT_TRUE(PixelNear(canvas.Pixel(2, 5), 0x80800000)) << "left edge";
    EXPECT_TRUE(PixelNear(canvas.Pixel(11, 5), 0x80800000)) << "right edge: width - 1";
    EXPECT_TRUE(PixelNear(canvas.Pixel(6, 9), 0x80800000)) << "bottom edge: height - 1";
    EXPECT_EQ(canvas.Pixel(6, 5), 0u) << "not filled";
    EXPECT_EQ(canvas.Alpha(12, 5), 0);
}

TEST(DrawFrame, NamedStylesUseTheirOwnColours) {
    Canvas none(20, 20), solid(20, 20), sunken(20, 20);
    DrawFrame(none.graphics, MakeRect(2, 2, 10, 8), kFrameNone);
    DrawFrame(solid.graphics, MakeRect(2, 2, 10, 8), kFrameSolid);
    DrawFrame(sunken.graphics, MakeRect(2, 2, 10, 8), kFrameSunken);
    EXPECT_EQ(none.Pixel(2, 5), 0u);
    EXPECT_TRUE(PixelNear(solid.Pixel(2, 5), 0xFE636363));
    EXPECT_TRUE(PixelNear(sunken.Pixel(2, 5), 0xA0000000)) << "sunken: dark left line";
    EXPECT_GT(sunken.Alpha(11, 5), 100) << "and a light right one";
    EXPECT_EQ(sunken.Pixel(11, 5) & 0xFF, (sunken.Pixel(11, 5) >> 8) & 0xFF);
}

TEST(FadeEdges, ARectNarrowerThanTwiceTheSizeUsesHalfItsWidth) {
    Canvas narrow(120, 320), wide(320, 320);
    FadeEdges(narrow.graphics, MakeRect(0, 0, 60, 300), MakeARGB(RGB(0, 0, 255)));
    FadeEdges(wide.graphics, MakeRect(0, 0, 300, 300), MakeARGB(RGB(0, 0, 255)));
    // Half-way down, away from the top and bottom strips: the left strip is
    // [0, 30), the right one [36, 67) (moved in by the inset of 6).
    EXPECT_GT(narrow.Alpha(1, 150), 200);
    EXPECT_LT(narrow.Alpha(28, 150), 40);
    EXPECT_EQ(narrow.Alpha(33, 150), 0);
    EXPECT_GT(narrow.Alpha(64, 150), 200);
    EXPECT_GT(wide.Alpha(33, 150), 100) << "a wide rect has strips of the full size";
}

TEST(RoundRectPath, SpansTheRectsOuterPixels) {
    for (float corner : {0.0f, 6.0f}) {
        GdipPath path = RoundRectPath(MakeRect(10, 20, 50, 30), corner);
        Gdiplus::RectF bounds;
        gp::GdipGetPathWorldBounds(path.get(), &bounds, nullptr, nullptr);
        EXPECT_NEAR(bounds.X, 10, 0.01) << corner;
        EXPECT_NEAR(bounds.Y, 20, 0.01) << corner;
        EXPECT_NEAR(bounds.Width, 49, 0.01) << corner;
        EXPECT_NEAR(bounds.Height, 29, 0.01) << corner;
    }
}

TEST(FillGradient, RunsFromTheFirstColourToTheSecondAndLeavesTheLastRow) {
    Canvas canvas(10, 40);
    FillGradient(canvas.graphics, MakeRect(0, 0, 10, 40), 0xFFFF0000, 0xFF0000FF);
    const std::uint32_t top = canvas.Pixel(5, 0), bottom = canvas.Pixel(5, 38);
    EXPECT_GT((top >> 16) & 0xFF, 230u);
    EXPECT_GT(bottom & 0xFF, 220u);
    EXPECT_EQ(canvas.Alpha(5, 39), 0) << "fills height - 1";
}

TEST(DrawShadow, FourRingsFadingOutwards) {
    Canvas canvas(80, 60);
    DrawShadow(canvas.graphics, MakeRect(10, 10, 50, 30), 0, RGB(0, 0, 0));
    const int expected[] = {45, 25, 10, 5};
    for (int ring = 0; ring < 4; ++ring) EXPECT_NEAR(canvas.Alpha(30, 10 - ring), expected[ring], 3) << ring;
    EXPECT_EQ(canvas.Alpha(30, 5), 0);
    EXPECT_EQ(canvas.Alpha(30, 20), 0) << "nothing inside";
}

TEST(DibSurface, FillsRegionsAndScalesAlphaOnItsPixels) {
    Canvas canvas(40, 30);
    GdiRegion round(CreateRoundRectRgn(5, 5, 35, 25, 12, 12));
    canvas.surface.Fill(round.get(), Premultiply(0x80FF0000));
    EXPECT_EQ(canvas.Pixel(20, 15), 0x80800000u);
    EXPECT_EQ(canvas.Pixel(5, 5), 0u) << "a rounded corner stays empty";
    EXPECT_EQ(canvas.Pixel(4, 15), 0u);
    canvas.surface.ScaleAlpha(128);
    EXPECT_EQ(canvas.Pixel(20, 15), 0x40400000u);
}

TEST(DrawGlow, IsBrightestInTheMiddle) {
    Canvas canvas(60, 60);
    DrawGlow(canvas.graphics, 30, 30);
    EXPECT_GT(canvas.Alpha(30, 30), 200);
    EXPECT_LT(canvas.Alpha(30, 14), 90);
    EXPECT_EQ(canvas.Alpha(5, 5), 0);
}

}  // namespace
}  // namespace stagetest

// Text services and the text element, read back from the pixels of surfaces:
// colours, glow, automatic contrast over pictures, layout, text changes with
// and without animation, fonts, formats and measuring.
#include <algorithm>
#include <climits>
#include <string>

#include "stage/core/text_drawing.h"
#include "stage/core/text_element.h"
#include "stage/core/text_format.h"
#include "tests/stage/core/stage_test_support.h"
#include "tools/picture_bytes.h"

namespace stagetest {
namespace {

// Rows of a surface that hold any drawn pixel.
struct InkRows {
    int top = INT_MAX;
    int bottom = -1;
};

InkRows inkRows(const DibSurface& surface) {
    InkRows rows;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.Pixel(x, y) >> 24) {
                rows.top = std::min(rows.top, y);
                rows.bottom = std::max(rows.bottom, y);
            }
    return rows;
}

// The most opaque pixel of a surface (premultiplied).
std::uint32_t strongestPixel(const DibSurface& surface) {
    std::uint32_t best = 0;
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if ((surface.Pixel(x, y) >> 24) > (best >> 24)) best = surface.Pixel(x, y);
    return best;
}

int redOf(std::uint32_t pixel) { return int((pixel >> 16) & 0xFF); }
int alphaOf(std::uint32_t pixel) { return int(pixel >> 24); }

TEST(TextColour, DarkMeansALuminanceBelow192) {
    struct Case {
        Argb colour;
        bool dark;
    };
    const Case cases[] = {
        {0xFE000000, true},  {0xFEFFFFFF, false}, {0xFEBFBFBF, true},   // grey 191
        {0xFEC0C0C0, false},                                            // grey 192
        {0xFE00FF00, true},  {0xFEFFFF00, false}, {0x00000000, true},   // alpha is not looked at
    };
    for (const Case& c : cases) EXPECT_EQ(IsColourDark(c.colour), c.dark) << std::hex << c.colour;
}

class TextDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        font = CreateFontByName(std::wstring_view(L"no such family"), 24.0f, Gdiplus::FontStyleBold);
        ASSERT_TRUE(font);
        format.CreateFormat(kFormatNoWrap);
    }
    static void Canvas(DibSurface& surface) { surface.Create(nullptr, 90, 50, true); }

    GdipFont font;
    TextFormat format;
    const RectF layout = MakeRect(10, 10, 70, 30);
};

// The automatic glow is light behind dark text and dark behind light text.
// An invisible text (alpha 0) leaves only the glow on the surface.
TEST_F(TextDrawing, TheAutomaticGlowColourOpposesTheTextColour) {
    struct Case {
        Argb text;
        bool whiteGlow;
    };
    for (const Case c : {Case{0x00000000, true}, Case{0x00FFFFFF, false}}) {
        DibSurface surface;
        Canvas(surface);
        DrawText(surface.Graphics(), layout, L"HI", font.get(), c.text, format.FormatHandle(), kTextEffectHalo);
        const std::uint32_t glow = strongestPixel(surface);
        ASSERT_GT(alphaOf(glow), 60);
        EXPECT_NEAR(redOf(glow), c.whiteGlow ? alphaOf(glow) : 0, 3) << std::hex << glow;
    }
}

// Distance (in pixels, either axis) from each glow pixel to the nearest
// pixel of the text itself: a sharp halo stays within one pixel, a soft glow
// spreads further.
int farthestSpread(const DibSurface& text, const DibSurface& glow) {
    int farthest = 0;
    for (int y = 0; y < glow.Height(); ++y)
        for (int x = 0; x < glow.Width(); ++x) {
            if (alphaOf(glow.Pixel(x, y)) <= 16) continue;
            int nearest = 99;
            for (int dy = -6; dy <= 6; ++dy)
                for (int dx = -6; dx <= 6; ++dx)
                    if (alphaOf(text.Pixel(x + dx, y + dy)) > 0) nearest = std::min(nearest, std::max(std::abs(dx), std::abs(dy)));
            farthest = std::max(farthest, nearest);
        }
    return farthest;
}

TEST_F(TextDrawing, GlowAtScaleOneIsASharpHaloAtScaleThreeASoftOne) {
    DibSurface text, sharp, soft;
    for (DibSurface* s : {&text, &sharp, &soft}) Canvas(*s);
    DrawText(text.Graphics(), layout, L"HI", font.get(), 0xFFFFFFFF, format.FormatHandle());
    Glow(sharp.Graphics(), layout, L"HI", font.get(), format.FormatHandle(), 0xFFFFFFFF, 1);
    Glow(soft.Graphics(), layout, L"HI", font.get(), format.FormatHandle(), 0xFFFFFFFF, 3);
    ASSERT_GT(alphaOf(strongestPixel(text)), 200);
    EXPECT_LE(farthestSpread(text, sharp), 1);
    EXPECT_GE(farthestSpread(text, soft), 3);
    EXPECT_GT(alphaOf(strongestPixel(sharp)), 240) << "the halo is solid";
    int halfTones = 0;  // the blur leaves many pixels between clear and solid
    for (int y = 0; y < soft.Height(); ++y)
        for (int x = 0; x < soft.Width(); ++x) halfTones += alphaOf(soft.Pixel(x, y)) > 16 && alphaOf(soft.Pixel(x, y)) < 200;
    int sharpHalfTones = 0;
    for (int y = 0; y < sharp.Height(); ++y)
        for (int x = 0; x < sharp.Width(); ++x)
            sharpHalfTones += alphaOf(sharp.Pixel(x, y)) > 16 && alphaOf(sharp.Pixel(x, y)) < 200;
    EXPECT_GT(halfTones, 2 * sharpHalfTones);
}

TEST_F(TextDrawing, MeasuringCountsWholeTextsAndCharacterRanges) {
    DibSurface surface;
    Canvas(surface);
    RectF whole, first;
    ASSERT_TRUE(MeasureString(surface.Graphics(), L"WWW", font.get(), format.FormatHandle(), RectF{}, whole));
    GdipRegion region;
    ASSERT_TRUE(MeasureRange(surface.Graphics(), L"WWW", font.get(), format.FormatHandle(), 0, 1, MakeRect(0, 0, 200, 40),
                             first, &region));
    EXPECT_GT(first.width, 5.0f);
    EXPECT_LT(first.width * 2, whole.width);
    EXPECT_TRUE(region) << "the range's region was handed over";
    EXPECT_EQ(WideLength("\xD6\xD0\xCE\xC4" "abc"), 5u) << "two Chinese characters and three letters";
}

TEST(TextFormatWrapper, SettingsReadBackAndACopyIsIndependent) {
    TextFormat format;
    ASSERT_TRUE(format.CreateFormat(kFormatNoWrap));
    EXPECT_EQ(format.Align(1), 1);
    EXPECT_EQ(format.Trimming(Gdiplus::StringTrimmingEllipsisCharacter), 3);
    EXPECT_EQ(format.HotkeyPrefix(1), 1);
    EXPECT_EQ(format.Flags(), kFormatNoWrap);
    TextFormat copy(format);
    ASSERT_NE(copy.FormatHandle(), format.FormatHandle());
    copy.Align(2);
    EXPECT_EQ(copy.Trimming(), 3);
    EXPECT_EQ(format.Align(), 1);
    TextFormat lent(format.FormatHandle(), false);
    lent.DeleteFormat();  // not its to delete
    EXPECT_EQ(format.Align(), 1);
}

int paints = 0, starts = 0, ends = 0;
std::vector<int> transitionFrames;
void countPaint(const EventArgs&) { ++paints; }
void countStart(const EventArgs&) { ++starts; }
void countEnd(const EventArgs&) { ++ends; }
void recordFrame(const EventArgs& args) {
    if (auto* e = ResolveElement(args.element)) transitionFrames.push_back(e->TransitionFrame());
}

class Label : public ::testing::Test {
protected:
    void SetUp() override {
        paints = starts = ends = 0;
        transitionFrames.clear();
    }
    TextElement& Make(const RectF& bounds, std::string_view text, TextOptions options = {}) {
        label.CreateText(w.window, bounds, text, options);
        PumpMessages();
        return label;
    }
    const DibSurface& Surface() const { return label.SurfaceDib(); }

    HostWindow w{240, 160};
    TextElement label;
};

TEST_F(Label, TheSameTextWithoutAnimationDoesNotRepaint) {
    Make(MakeRect(10, 10, 120, 24), "abc");
    label.SetEventHandler(WM_PAINT, countPaint);
    EXPECT_EQ(label.Text("abc"), "abc");
    EXPECT_EQ(paints, 0);
    label.Text("abd");
    EXPECT_EQ(paints, 1);
    label.Text("abd", TextAnimation{});
    EXPECT_EQ(paints, 2) << "an animated change always repaints";
}

TEST_F(Label, AnAnimatedChangeRunsOneTransitionThenTransitionsAreOffAgain) {
    Make(MakeRect(10, 10, 120, 24), "before");
    label.SetEventHandler(EV_TRANSITIONSTART, countStart);
    label.SetEventHandler(EV_TRANSITIONEND, countEnd);
    label.SetEventHandler(EV_DRAWTRANSITION, recordFrame);
    TextAnimation slide;
    slide.style = 2;
    label.Text("after", slide);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(label.TransitionFrames(), 5);
    EXPECT_EQ(label.TransitionInterval(), 60);
    EXPECT_EQ(label.TransitionStyle(), 2);
    ASSERT_TRUE(PumpUntil([] { return ends > 0; }));
    // Frames drawn as transition frames (any frame may be drawn more than once).
    transitionFrames.erase(std::unique(transitionFrames.begin(), transitionFrames.end()), transitionFrames.end());
    EXPECT_EQ(transitionFrames, (std::vector<int>{1, 2, 3, 4})) << "five ticks, the fifth shows the new text";
    EXPECT_EQ(label.TransitionFrames(), 0);
    EXPECT_EQ(label.TransitionInterval(), 0);
    label.Text("plain");
    PumpMessages();
    EXPECT_EQ(starts, 1) << "a plain change after it runs no transition";
    EXPECT_EQ(ends, 1);
}

// The label spans x 20..180 and y 40..70 of a picture of the window's size;
// its samples lie at x = 52, 100, 148 and y = 46, 55, 64.
TEST(AutoContrast, TheTextIsWhiteWhenMoreThanFourOfNineSamplesAreDark) {
    struct Case {
        const char* picture;
        bool (*dark)(int x, int y);
        bool white;
    };
    const Case cases[] = {
        {"all dark", [](int, int) { return true; }, true},
        {"all light", [](int, int) { return false; }, false},
        {"five dark", [](int x, int y) { return x < 60 || (x < 120 && y < 62); }, true},
        {"four dark", [](int x, int y) { return x < 120 && y < 62; }, false},
        {"three dark", [](int x, int) { return x < 70; }, false},
    };
    for (const Case& c : cases) {
        const std::vector<std::uint8_t> picture = tools::bmpPicture(
            240, 160, [&c](int x, int y) { return c.dark(x, y) ? RGB(20, 30, 60) : RGB(230, 235, 240); });
        AttachOptions options = HostWindow::DefaultOptions();
        options.backgroundImage = picture;
        HostWindow w(240, 160, options);
        TextOptions text;
        text.autoContrast = true;
        TextElement label;
        label.CreateText(w.window, MakeRect(20, 40, 160, 30), "Contrast", text);
        const std::uint32_t ink = strongestPixel(label.SurfaceDib());
        ASSERT_GT(alphaOf(ink), 150) << c.picture;
        EXPECT_NEAR(redOf(ink), c.white ? alphaOf(ink) : 0, 4) << c.picture;
        EXPECT_EQ(IsBackgroundDark(w.window, label.CurrentBounds()), c.white) << c.picture;
    }
}

TEST(AutoContrast, WithoutAPictureTheBackgroundColourDecides) {
    HostWindow dark;  // navy
    AttachOptions light = HostWindow::DefaultOptions();
    light.backgroundColour = MakeARGB(RGB(240, 240, 230));
    HostWindow bright(200, 150, light);
    EXPECT_TRUE(IsBackgroundDark(dark.window, MakeRect(10, 10, 50, 20)));
    EXPECT_FALSE(IsBackgroundDark(bright.window, MakeRect(10, 10, 50, 20)));
    EXPECT_FALSE(IsBackgroundDark(nullptr, MakeRect(10, 10, 50, 20))) << "no host, not dark";
    EXPECT_EQ(ContrastColour(dark.window, MakeRect(10, 10, 50, 20), 0x80123456), 0x80FFFFFFu);
    EXPECT_EQ(ContrastColour(bright.window, MakeRect(10, 10, 50, 20), 0x80123456), 0x80000000u);
}

TEST_F(Label, VerticalAlignmentPlacesASingleLine) {
    Make(MakeRect(10, 10, 120, 60), "Ag");
    int tops[3];
    for (int align = 0; align < 3; ++align) {
        label.VerticalAlign(align);
        tops[align] = inkRows(Surface()).top;
    }
    EXPECT_LT(tops[0], tops[1]);
    EXPECT_LT(tops[1], tops[2]);
    label.VerticalAlign(1);
    const InkRows centred = inkRows(Surface());
    EXPECT_NEAR(centred.top, 60 - 1 - centred.bottom, 4) << "as much room above as below";
}

TEST_F(Label, WordWrapBreaksLinesAndSwitchesTheFormat) {
    TextOptions options;
    options.wordWrap = true;
    Make(MakeRect(10, 10, 90, 100), "one two three four five six", options);
    EXPECT_EQ(label.FormatFlags(), kFormatWordWrap);
    const InkRows wrapped = inkRows(Surface());
    EXPECT_GT(wrapped.bottom - wrapped.top, 20) << "more than one line";
    label.WordWrap(false);
    EXPECT_EQ(label.FormatFlags(), kFormatNoWrap);
    const InkRows single = inkRows(Surface());
    EXPECT_LT(single.bottom - single.top, 16) << "one line";
}

TEST_F(Label, AGradientFillsTheLabelFromOneColourToTheOther) {
    TextOptions options;
    options.gradientMode = 0;
    options.gradientColour1 = 0xFEFF0000;
    options.gradientColour2 = 0xFE0000FF;
    Make(MakeRect(10, 10, 100, 20), "", options);
    EXPECT_TRUE(PixelNear(Surface().Pixel(1, 10), 0xFEFC0002, 8));
    EXPECT_TRUE(PixelNear(Surface().Pixel(97, 10), 0xFE0200FC, 8));
}

// The dashed frame shows only while the keyboard (or a program) gave the
// focus, not after a click.
TEST_F(Label, AFocusableLabelShowsTheKeyboardFocus) {
    Make(MakeRect(10, 10, 100, 24), "focus");
    label.Focusable(true);
    const auto frameShown = [this] {
        int drawn = 0;
        for (int x = 0; x < 100; ++x) drawn += alphaOf(Surface().Pixel(x, 0)) > 0;
        return drawn > 20;
    };
    EXPECT_FALSE(frameShown());
    w.host->SetFocus(label.GetHandle(), true);
    EXPECT_TRUE(frameShown());
    ColourElement other;
    other.Create(w.window, MakeRect(150, 10, 20, 20), 50, 1);
    w.host->SetFocus(other.GetHandle(), true);
    EXPECT_FALSE(frameShown());
    SendMessageW(w.window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(w.window, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_EQ(w.host->Focus().focused, label.GetHandle());
    EXPECT_FALSE(frameShown()) << "focused by the mouse";
}

TEST_F(Label, FontsAreReCreatedKeepingWhatIsNotChanged) {
    TextOptions options;
    options.fontSize = 14;
    Make(MakeRect(10, 10, 120, 30), "font", options);
    const std::string family = label.FontName();
    EXPECT_EQ(family, FamilyNameOf(DefaultFont())) << "no name given: the default family";
    EXPECT_FLOAT_EQ(label.FontSize(20), 20.0f);
    EXPECT_EQ(label.FontStyle(Gdiplus::FontStyleBold), Gdiplus::FontStyleBold);
    EXPECT_FLOAT_EQ(label.FontSize(), 20.0f);
    EXPECT_EQ(label.FontName("no such family"), family) << "an unknown family falls back";
    EXPECT_EQ(label.FontStyle(), Gdiplus::FontStyleBold);
    EXPECT_GT(label.MeasuredHeight(), 18);
}

TEST_F(Label, ReleasingTheFontNeverDeletesTheSharedDefaultFont) {
    for (int i = 0; i < 3; ++i) {
        TextElement shared;
        shared.CreateText(w.window, MakeRect(10, 10, 80, 20), "x");
        EXPECT_EQ(shared.Font(), DefaultFont());
        shared.ReleaseFont();
    }
    Gdiplus::REAL size = 0;
    ASSERT_EQ(Gdiplus::DllExports::GdipGetFontSize(DefaultFont(), &size), Gdiplus::Ok);
    EXPECT_FLOAT_EQ(size, 12.0f);
    Make(MakeRect(10, 10, 80, 20), "still here");
    EXPECT_GT(label.MeasuredWidth(), 20);
}

}  // namespace
}  // namespace stagetest

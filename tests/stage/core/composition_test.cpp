// Composition read back from the pixels of the back buffer (and, for
// presenting, from the screen): z-order, hiding, disabled look, clipping,
// transitions.
#include "stage/core/compose.h"
#include "stage/core/transition.h"
#include "tests/stage/core/stage_test_support.h"

namespace stagetest {
namespace {

// Opaque colours as MakeARGB makes them, and as they sit in the back buffer
// (premultiplied by 254 / 255).
constexpr Argb kRed = 0xFEFF0000, kGreen = 0xFE00FF00, kBlue = 0xFE0000FF;
constexpr std::uint32_t kRedPixel = 0xFEFE0000, kGreenPixel = 0xFE00FE00, kBluePixel = 0xFE0000FE;
constexpr std::uint32_t kBackgroundPixel = 0xFE00007F;

class Composition : public ::testing::Test {
protected:
    // Puts e on the window, or under parent, and lets the window compose it.
    void Place(ColourElement& e, const RectF& bounds, ElementHandle parent = 0) {
        if (parent) e.Create(parent, bounds, 50, 1);
        else e.Create(w.window, bounds, 50, 1);
        PumpMessages();
    }
    HostWindow w{200, 150};
};

TEST_F(Composition, LaterSiblingsAreDrawnOnTop) {
    ColourElement red(kRed), green(kGreen);
    Place(red, MakeRect(20, 20, 40, 40));
    Place(green, MakeRect(40, 40, 40, 40));
    EXPECT_TRUE(PixelNear(w.Pixel(30, 30), kRedPixel));
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), kGreenPixel));
    EXPECT_TRUE(PixelNear(w.Pixel(100, 100), kBackgroundPixel));
    green.SetZOrder(2);
    PumpMessages();
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), kRedPixel));
    EXPECT_TRUE(PixelNear(w.Pixel(70, 70), kGreenPixel));
}

TEST_F(Composition, AHiddenElementIsSkippedWithItsSubtree) {
    ColourElement parent(kRed), child(kGreen);
    Place(parent, MakeRect(20, 20, 60, 60));
    Place(child, MakeRect(30, 30, 20, 20), parent.GetHandle());
    ASSERT_TRUE(PixelNear(w.Pixel(35, 35), kGreenPixel));
    parent.Visible(2);  // anything but 1 hides
    PumpMessages();
    EXPECT_TRUE(PixelNear(w.Pixel(25, 25), kBackgroundPixel));
    EXPECT_TRUE(PixelNear(w.Pixel(35, 35), kBackgroundPixel)) << "the child goes with its parent";
}

TEST_F(Composition, ADisabledElementIsHalfTransparentUnlessItsClassDrawsItsOwnLook) {
    ColourElement plain(kRed), ownLook(kRed);
    plain.Create(w.window, MakeRect(20, 20, 30, 30), 50, 1);
    ownLook.Create(w.window, MakeRect(100, 20, 30, 30), 50, 1);
    ownLook.disabledLookAnswer = 0;
    plain.Disabled(true);
    ownLook.Disabled(true);
    PumpMessages();
    // Red at alpha 127 over navy.
    EXPECT_TRUE(PixelNear(w.Pixel(30, 30), 0xFE7E0040));
    EXPECT_TRUE(PixelNear(w.Pixel(110, 30), kRedPixel));
}

TEST_F(Composition, ChildrenAreClippedToTheirParent) {
    ColourElement parent(kRed), child(kGreen);
    Place(parent, MakeRect(20, 20, 40, 40));
    Place(child, MakeRect(50, 50, 40, 40), parent.GetHandle());
    EXPECT_TRUE(PixelNear(w.Pixel(55, 55), kGreenPixel));
    EXPECT_TRUE(PixelNear(w.Pixel(70, 70), kBackgroundPixel)) << "outside the parent";
}

TEST_F(Composition, ElementsStayInsideTheFrame) {
    ColourElement e(kRed);
    e.Create(w.window, MakeRect(0, 0, 40, 40), 50, 1);
    PumpMessages();
    EXPECT_TRUE(PixelNear(w.Pixel(10, 10), kRedPixel));
    EXPECT_EQ(w.Pixel(6, 20) & 0xFFFF0000u, w.host->BackgroundBuffer().Pixel(6, 20) & 0xFFFF0000u)
        << "the frame line is not painted over";
    EXPECT_EQ(w.Pixel(2, 20), 0u) << "outside the frame nothing is drawn";
}

TEST_F(Composition, ADestroyedElementsAreaIsRestored) {
    auto e = std::make_unique<ColourElement>(kRed);
    e->Create(w.window, MakeRect(20, 20, 40, 40), 50, 1);
    PumpMessages();
    ASSERT_TRUE(PixelNear(w.Pixel(30, 30), kRedPixel));
    e.reset();
    PumpMessages();
    EXPECT_TRUE(PixelNear(w.Pixel(30, 30), kBackgroundPixel));
}

TEST_F(Composition, ARepaintWithoutTransitionFramesShowsAtOnce) {
    ColourElement e(kRed);
    e.Create(w.window, MakeRect(20, 20, 40, 40), 50, 1, {.transitionInterval = 60});
    PumpMessages();
    e.SetColour(kBlue);
    EXPECT_EQ(e.Count(EV_TRANSITIONSTART), 0);
    EXPECT_TRUE(PixelNear(w.Pixel(30, 30), kBluePixel)) << "recomposed before any message is handled";
}

// Transitions driven frame by frame: the timer interval is far too long to
// fire during the test, the frames are stepped by hand.
class Transitions : public Composition {
protected:
    void Start(int style, int frames = 4) {
        e.Create(w.window, MakeRect(40, 40, 40, 40), 50, 1);
        PumpMessages();
        e.TransitionStyle(style);
        e.SetTransition(frames, 600000);
        e.SetColour(kBlue);
    }
    ColourElement e{kRed};
};

TEST_F(Transitions, CrossFadeFrameShowsTheNewLookAtAlphaTimesFrameOverFrames) {
    Start(0);
    EXPECT_EQ(e.Count(EV_TRANSITIONSTART), 1);
    w.host->Present();
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), kRedPixel)) << "frame 0 is the old look";
    e.TransitionTick();
    e.TransitionTick();
    // Blue over red with constant alpha 255 x 2 / 4 = 127.
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), 0xFE7F007E));
    e.TransitionTick();
    e.TransitionTick();
    EXPECT_EQ(e.Count(EV_TRANSITIONEND), 1);
    EXPECT_EQ(e.TransitionFrame(), 0);
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), kBluePixel));
    w.host->InvalidateRect(MakeRect(0, 0, 200, 150), 0);
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), kBluePixel)) << "a finished transition stays finished";
}

TEST_F(Transitions, SlidesMoveTheOldLookOutAndTheNewOneIn) {
    struct Case {
        int style;
        int x, y;          // a point that shows the new look at frame 1
        int oldX, oldY;    // and one that still shows the old one
    };
    // Element at (40, 40) size 40; frames 4: each frame moves 10 pixels.
    const Case cases[] = {
        {1, 50, 45, 50, 55},  // down: the new look comes in from the top
        {2, 50, 75, 50, 65},  // up: from the bottom
        {3, 45, 50, 55, 50},  // right: from the left
        {4, 75, 50, 65, 50},  // left: from the right
    };
    for (const Case& c : cases) {
        ColourElement slider(kRed);
        slider.Create(w.window, MakeRect(40, 40, 40, 40), 50, 1);
        slider.TransitionStyle(c.style);
        slider.SetTransition(4, 600000);
        slider.SetColour(kBlue);
        slider.TransitionTick();
        EXPECT_TRUE(PixelNear(w.Pixel(c.x, c.y), kBluePixel)) << "style " << c.style;
        EXPECT_TRUE(PixelNear(w.Pixel(c.oldX, c.oldY), kRedPixel)) << "style " << c.style;
        EXPECT_TRUE(PixelNear(w.Pixel(c.x < 60 ? 35 : 85, 50), kBackgroundPixel)) << "nothing outside the element";
        slider.Destroy();
        PumpMessages();
    }
}

TEST_F(Transitions, ANewRepaintEndsTheRunningTransitionFirst) {
    Start(0);
    e.TransitionTick();  // red -> blue, a quarter in
    e.SetColour(kGreen);  // ends it (blue) and starts blue -> green
    EXPECT_EQ(e.Count(EV_TRANSITIONSTART), 2);
    e.TransitionTick();
    e.TransitionTick();
    const std::uint32_t mid = w.Pixel(50, 50);
    EXPECT_LE((mid >> 16) & 0xFF, 3u) << "no red left: the old transition was shown complete";
    EXPECT_TRUE(PixelNear(mid, 0xFE007E7F));
}

TEST_F(Transitions, TheTimerRunsATransitionToItsEnd) {
    e.Create(w.window, MakeRect(40, 40, 40, 40), 50, 1);
    e.SetTransition(3, 10);
    e.SetColour(kBlue);
    ASSERT_TRUE(PumpUntil([&] { return e.Count(EV_TRANSITIONEND) == 1; }));
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), kBluePixel));
    EXPECT_EQ(e.Snapshot(), nullptr);
}

TEST_F(Transitions, AClassMayDrawItsOwnFrame) {
    class OwnFrames : public ColourElement {
    public:
        using ColourElement::ColourElement;
        LRESULT HandleMessage(UINT code, WPARAM wparam, LPARAM lparam) override {
            const LRESULT r = ColourElement::HandleMessage(code, wparam, lparam);
            if (code != EV_DRAWTRANSITION) return r;
            const auto* frame = reinterpret_cast<const TransitionFrameRecord*>(lparam);
            Gdiplus::DllExports::GdipGraphicsClear(frame->backBufferGraphics, 0xFE00FF00);
            return 1;
        }
    };
    OwnFrames own(kRed);
    own.Create(w.window, MakeRect(40, 40, 40, 40), 50, 1);
    own.SetTransition(4, 600000);
    own.SetColour(kBlue);
    own.TransitionTick();
    EXPECT_TRUE(PixelNear(w.Pixel(50, 50), kGreenPixel));
}

// The queue joins requests made while it is being worked off.
TEST_F(Composition, RequestsDuringProcessingJoinTheQueue) {
    class Requester : public ColourElement {
    public:
        using ColourElement::ColourElement;
        LRESULT HandleMessage(UINT code, WPARAM wparam, LPARAM lparam) override {
            if (code == EV_QUERYDISABLEDLOOK && Host()) {
                idleDuringCompose = Host()->Redraws().IsIdle();
                if (!requested) {
                    requested = true;
                    Host()->InvalidateRect(MakeRect(150, 100, 10, 10), 0);
                }
            }
            return ColourElement::HandleMessage(code, wparam, lparam);
        }
        bool idleDuringCompose = true;
        bool requested = false;
    };
    Requester r(kRed);
    r.Create(w.window, MakeRect(20, 20, 20, 20), 50, 1);
    r.Disabled(true);
    PumpMessages();
    r.requested = false;
    r.idleDuringCompose = true;
    w.host->InvalidateRect(MakeRect(20, 20, 20, 20), 0);
    EXPECT_FALSE(r.idleDuringCompose);
    EXPECT_TRUE(r.requested);
    EXPECT_TRUE(w.host->Redraws().IsIdle());
}

TEST_F(Composition, PaintTreeNotifiesUnlessQuiet) {
    ColourElement parent(kRed), child(kGreen);
    parent.Create(w.window, MakeRect(20, 20, 60, 60), 50, 1);
    child.Create(parent.GetHandle(), MakeRect(30, 30, 20, 20), 50, 1);
    w.host->SetBackground(std::nullopt, std::nullopt, 0, true);
    EXPECT_EQ(parent.Count(EV_PREPAINT), 0);
    EXPECT_EQ(child.Count(EV_PREPAINT), 1) << "children are always told";
    w.host->SetBackground(std::nullopt, std::nullopt, 0, false);
    EXPECT_EQ(parent.Count(EV_PREPAINT), 1);
    EXPECT_TRUE(PixelNear(w.Pixel(35, 35), kGreenPixel));
}

// What reached the screen at a point of the window. The display is updated
// asynchronously, so a colour that should arrive is waited for; Xvfb shows
// layered windows blended over the black root window.
std::uint32_t screenPixel(HWND window, int x, int y) {
    RECT r;
    GetWindowRect(window, &r);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, r.left + x, r.top + y);
    ReleaseDC(nullptr, screen);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

bool screenShows(HWND window, int x, int y, std::uint32_t colour) {
    return PumpUntil([&] { return screenPixel(window, x, y) == colour; });
}

// Paints two squares straight into the back buffer, bypassing composition.
void markBackBuffer(WindowHost& host) {
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    const RECT a{20, 20, 40, 40}, b{120, 80, 140, 100};
    FillRect(host.BackBuffer().Dc(), &a, green);
    FillRect(host.BackBuffer().Dc(), &b, green);
    for (int y = 20; y < 100; ++y)
        for (int x = 20; x < 140; ++x) host.BackBuffer().Bits()[y * host.BackBuffer().Width() + x] |= 0xFF000000;
    DeleteObject(green);
}

TEST(Presenting, APlainWindowShowsOnlyTheRectangle) {
    HostWindow w(200, 150);
    w.host->Present();
    markBackBuffer(*w.host);
    ASSERT_TRUE(screenShows(w.window, 130, 90, 0x00007Fu));
    PresentRect(*w.host, MakeRect(20, 20, 20, 20));
    ASSERT_TRUE(screenShows(w.window, 30, 30, 0x00FF00u));
    EXPECT_EQ(screenPixel(w.window, 130, 90), 0x00007Fu) << "the other square was not presented";
}

TEST(Presenting, ALayeredWindowShowsTheWholeWindow) {
    AttachOptions options = HostWindow::DefaultOptions();
    options.windowAlpha = 255;
    HostWindow w(200, 150, options);
    w.host->Present();
    markBackBuffer(*w.host);
    ASSERT_TRUE(screenShows(w.window, 130, 90, 0x00007Fu));
    PresentRect(*w.host, MakeRect(20, 20, 20, 20));
    ASSERT_TRUE(screenShows(w.window, 30, 30, 0x00FF00u));
    EXPECT_TRUE(screenShows(w.window, 130, 90, 0x00FF00u)) << "a layered window is updated whole";
}

}  // namespace
}  // namespace stagetest

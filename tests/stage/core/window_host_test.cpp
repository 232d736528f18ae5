// The window host's rendering side: attaching, SetBackground step by step,
// the fade-in, resizing, tooltips and detaching.
#include <windows.h>
#include <commctrl.h>

#include "tests/stage/core/stage_test_support.h"

namespace stagetest {
namespace {

constexpr std::uint8_t kFramedRed[] = {
#include "framed_red.inc"
};
constexpr Argb kRed = 0xFEFF0000, kBlue = 0xFE0000FF;
constexpr std::uint32_t kRedPixel = 0xFEFE0000, kBluePixel = 0xFE0000FE;

AttachOptions withImage(int imageMode) {
    AttachOptions o = HostWindow::DefaultOptions();
    o.backgroundColour = kNoColour;
    o.backgroundImage = kFramedRed;
    o.imageMode = imageMode;
    return o;
}

TEST(Attach, RefusesNoWindowAndAWindowThatAlreadyHasAHost) {
    WindowHost host;
    EXPECT_FALSE(host.Attach(nullptr));
    EXPECT_FALSE(host.Attach(HWND(0x12345)));
    HostWindow w;
    EXPECT_FALSE(host.Attach(w.window));
    EXPECT_FALSE(w.host->Attach(w.window));
}

TEST(Attach, StripsTheSystemFrameAndAddsTheStandardCaptionFlags) {
    StageWindowOptions wo;
    wo.style |= WS_THICKFRAME | WS_CAPTION;
    HWND window = CreateStageWindow("framed", wo);
    WindowHost host;
    ASSERT_TRUE(host.Attach(window));
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_THICKFRAME) << "put back: the window stays resizable";
    EXPECT_TRUE(host.Resizable());
    EXPECT_EQ(host.CaptionFlags(), 1 | 2 | 4 | 8 | 16 | 512);
    EXPECT_EQ(GetPropW(window, kHostProperty), reinterpret_cast<HANDLE>(UINT_PTR(host.Handle())));
    RECT client, outer;
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    EXPECT_EQ(client.right, outer.right - outer.left) << "no non-client area";
    DestroyWindow(window);
    EXPECT_EQ(host.Window(), nullptr) << "detached with the window";
}

TEST(SetBackground, ThePicturesAverageColourLeavesOutTheFirstRowAndColumn) {
    HostWindow w(200, 150, withImage(1));
    // 34 red pixels and one blue: (247, 0, 7).
    EXPECT_EQ(w.host->BackgroundColour(), MakeARGB(RGB(247, 0, 7)));
    EXPECT_TRUE(PixelNear(w.Pixel(100, 80), kRedPixel)) << "stretched over the content";
    w.host->SetBackground(std::nullopt, kBlue, 0, false);
    EXPECT_EQ(w.host->BackgroundColour(), kBlue) << "a given colour wins";
}

TEST(SetBackground, ImageModesPlaceThePicture) {
    HostWindow natural(200, 150, withImage(0)), centred(200, 150, withImage(2));
    EXPECT_TRUE(PixelNear(natural.Pixel(8, 8), kRedPixel)) << "natural size at (5, 5)";
    EXPECT_FALSE(PixelNear(natural.Pixel(50, 50), kRedPixel)) << "and nothing beyond it";
    EXPECT_TRUE(PixelNear(centred.Pixel(100, 76), kRedPixel)) << "centred: (96, 72) to (104, 78)";
}

TEST(SetBackground, ARoundedFrameLeavesTheCornersEmptyAndClipsTheWindow) {
    AttachOptions o = HostWindow::DefaultOptions();
    o.frameStyle = 7;
    HostWindow w(200, 150, o);
    EXPECT_EQ(w.Pixel(2, 2), 0u);
    EXPECT_EQ(w.Pixel(7, 7) >> 24, 0xFEu) << "inside the frame";
    EXPECT_TRUE(PixelNear(w.Pixel(100, 75), 0xFE00007F));
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(w.window, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 2, 2));
    EXPECT_TRUE(PtInRegion(region, 100, 75));
    DeleteObject(region);
}

TEST(SetBackground, ALayeredWindowIsDrawnAtItsAlphaWithAShadow) {
    AttachOptions o = HostWindow::DefaultOptions();
    o.windowAlpha = 128;
    HostWindow w(200, 150, o);
    EXPECT_TRUE(GetWindowLongPtrW(w.window, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_NEAR(int(w.Pixel(100, 75) >> 24), 128, 2);
    EXPECT_NEAR(int(w.Pixel(4, 75) >> 24), 25, 3) << "second shadow ring";
    EXPECT_NEAR(int(w.Pixel(2, 75) >> 24), 5, 3) << "last shadow ring";
    EXPECT_EQ(w.Pixel(1, 75), 0u);
    HostWindow plain;
    EXPECT_EQ(plain.Pixel(4, 75), 0u) << "no drawn shadow on a plain window";
}

std::vector<std::pair<int, int>> painted;
void paintBackground(HWND, GpGraphics* graphics, int width, int height) {
    painted.emplace_back(width, height);
    Gdiplus::DllExports::GdipGraphicsClear(graphics, 0xFE00FF00);
}

TEST(SetBackground, ThePaintCallbackDrawsIntoTheBackground) {
    HostWindow w;
    painted.clear();
    w.host->SetPaintBackgroundCallback(paintBackground);
    w.host->SetBackground(std::nullopt, std::nullopt, 0, false);
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(painted[0], std::make_pair(200, 150));
    EXPECT_TRUE(PixelNear(w.host->BackgroundBuffer().Pixel(50, 50), 0xFE00FE00));
}

// The fade-in keeps painting suspended for five ticks; what changes
// meanwhile shows once it is over.
TEST(SetBackground, FadesInAndShowsWhatChangedMeanwhile) {
    HostWindow w;
    ColourElement e(kRed);
    e.Create(w.window, MakeRect(20, 20, 30, 30), 50, 1);
    PumpMessages();
    w.host->SetBackground(std::nullopt, MakeARGB(RGB(0, 128, 0)), 1, true);
    EXPECT_TRUE(w.host->PaintingSuspended());
    e.SetColour(kBlue);
    ASSERT_TRUE(PumpUntil([&] { return !w.host->PaintingSuspended(); }));
    EXPECT_TRUE(PixelNear(w.Pixel(30, 30), kBluePixel));
    EXPECT_TRUE(PixelNear(w.Pixel(100, 100), 0xFE007F00));
}

int sizeCalls = 0;
void onSize(HWND, int width, int height) {
    ++sizeCalls;
    EXPECT_EQ(width, 300);
    EXPECT_EQ(height, 220);
}

TEST(OnSize, RecreatesTheBuffersAndRendersTheBackgroundAgain) {
    HostWindow w;
    sizeCalls = 0;
    w.host->SetSizeCallback(onSize);
    SetWindowPos(w.window, nullptr, 0, 0, 300, 220, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages();
    EXPECT_EQ(sizeCalls, 1);
    EXPECT_EQ(w.host->BackBuffer().Width(), 300);
    EXPECT_EQ(w.host->BackgroundBuffer().Height(), 220);
    EXPECT_TRUE(PixelNear(w.Pixel(250, 180), 0xFE00007F));
    GrowScratchSurface(10, 10);
    EXPECT_GE(ScratchSurface().Width(), 300) << "the scratch surface never shrinks";
}

int toolCount(WindowHost& host) { return int(SendMessageW(host.TooltipWindow(), TTM_GETTOOLCOUNT, 0, 0)); }

TEST(Tooltip, FollowsTheElementAndGoesWithIt) {
    HostWindow w;
    auto e = std::make_unique<ColourElement>();
    e->Create(w.window, MakeRect(20, 20, 30, 30), 50, 1);
    ASSERT_NE(w.host->TooltipWindow(), nullptr);
    e->TipText("\xCC\xE1\xCA\xBE", true);  // "提示"
    EXPECT_EQ(toolCount(*w.host), 1);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    wchar_t text[16] = {};
    tool.lpszText = text;
    SendMessageW(w.host->TooltipWindow(), TTM_ENUMTOOLSW, 0, LPARAM(&tool));
    EXPECT_STREQ(text, L"提示");
    EXPECT_EQ(tool.rect.left, 20);
    EXPECT_EQ(tool.rect.bottom, 50);
    e.reset();
    EXPECT_EQ(toolCount(*w.host), 0);
}

TEST(Detach, DeletingTheHostGivesTheWindowBack) {
    HWND window = CreateStageWindow("plain again");
    auto host = std::make_unique<WindowHost>();
    ASSERT_TRUE(host->Attach(window));
    ColourElement e;
    const ElementHandle id = e.Create(window, MakeRect(20, 20, 30, 30), 50, 1);
    e.Invalidate();  // left in the queue: freed by the host, not leaked
    host.reset();
    EXPECT_EQ(GetPropW(window, kHostProperty), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), LONG_PTR(GetClassLongPtrW(window, GCLP_WNDPROC)));
    EXPECT_EQ(ResolveElement(id), nullptr) << "its elements were destroyed";
    EXPECT_TRUE(IsWindow(window));
    PumpMessages();
    DestroyWindow(window);
}

}  // namespace
}  // namespace stagetest

// Framework start-up and the shared utilities: windows, fonts, text, pictures.
#include <cstring>

#include "stage/core/call_routine.h"
#include "stage/core/decode_image.h"
#include "stage/core/default_font.h"
#include "stage/core/fonts.h"
#include "stage/core/text_convert.h"
#include "tests/stage/core/stage_test_support.h"

namespace stagetest {
namespace {

namespace gp = Gdiplus::DllExports;

// 8 x 6: a white first row and column around red, one blue pixel at (7, 5).
constexpr std::uint8_t kFramedRed[] = {
#include "framed_red.inc"
};

// The desktop work area, changed for one test and put back afterwards.
class MovedWorkArea {
public:
    explicit MovedWorkArea(RECT area) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &saved_, 0);
        SystemParametersInfoW(SPI_SETWORKAREA, 0, &area, 0);
    }
    ~MovedWorkArea() { SystemParametersInfoW(SPI_SETWORKAREA, 0, &saved_, 0); }

private:
    RECT saved_{};
};

TEST(CreateStageWindow, WithoutASizeIs380By250CentredInTheWorkArea) {
    MovedWorkArea moved({100, 60, 1100, 900});
    const RECT area = WorkArea();
    ASSERT_EQ(area.left, 100);
    ASSERT_EQ(area.top, 60);
    ASSERT_EQ(area.right, 1000) << "as left, top, width, height";
    ASSERT_EQ(area.bottom, 840);
    HWND window = CreateStageWindow("centred");
    ASSERT_NE(window, nullptr);
    RECT r;
    GetWindowRect(window, &r);
    EXPECT_EQ(r.right - r.left, 380);
    EXPECT_EQ(r.bottom - r.top, 250);
    EXPECT_EQ(r.left, 100 + (1000 - 380) / 2);
    EXPECT_EQ(r.top, 60 + (840 - 250) / 2);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & kStageWindowStyle, LONG_PTR(kStageWindowStyle));
    wchar_t title[32];
    GetWindowTextW(window, title, 32);
    EXPECT_STREQ(title, L"centred");
    DestroyWindow(window);
}

TEST(StageStartup, RegistersTheWindowClassAndDecodesTheCaptionSkin) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), kStageClassName, &wc));
    EXPECT_EQ(wc.style, UINT(CS_DBLCLKS));
    EXPECT_EQ(wc.hCursor, ArrowCursor());
    ASSERT_NE(CaptionSkin(), nullptr);
    EXPECT_EQ(ImageWidth(CaptionSkin()), 729);
    EXPECT_EQ(ImageHeight(CaptionSkin()), 20);
    EXPECT_GT(OsMajorVersion(), 0);
    StageStartup();  // a second start-up changes nothing
    EXPECT_EQ(ImageWidth(CaptionSkin()), 729);
}

// The first family of the chain that this system has is the default font's;
// on a machine with a CJK family (the test machines have WenQuanYi Zen Hei)
// that is never a Latin-only face.
TEST(DefaultFont, IsTheFirstFamilyOfTheChainThatExists) {
    ASSERT_NE(DefaultFont(), nullptr);
    const std::vector<std::wstring> chain = DefaultFontCandidates();
    ASSERT_EQ(chain.front(), L"宋体");
    auto first = std::find_if(chain.begin(), chain.end(), [](const std::wstring& n) { return FontFamilyExists(n); });
    ASSERT_NE(first, chain.end());
    GdipFont expected = CreateFontByName(std::wstring_view(*first), 12);
    EXPECT_EQ(FamilyNameOf(DefaultFont()), FamilyNameOf(expected.get()));
    EXPECT_LT(first - chain.begin(), 11) << "a CJK family, not the caption font";
    float size = 0;
    gp::GdipGetFontSize(DefaultFont(), &size);
    EXPECT_FLOAT_EQ(size, 12.0f);
}

TEST(CreateFontByName, AnUnknownFamilyFallsBackToTheDefaultFontsFamily) {
    GdipFont font = CreateFontByName(std::string_view("No Such Family 7"), 20.0f, 1);
    ASSERT_TRUE(font);
    EXPECT_EQ(FamilyNameOf(font.get()), FamilyNameOf(DefaultFont()));
    float size = 0;
    INT style = 0;
    gp::GdipGetFontSize(font.get(), &size);
    gp::GdipGetFontStyle(font.get(), &style);
    EXPECT_FLOAT_EQ(size, 20.0f);
    EXPECT_EQ(style, 1);
}

// The tests run with LANG=C.UTF-8, where the system code page is not 936.
TEST(TextConversion, UsesCodePage936WhateverTheSystemCodePage) {
    const std::string ansi = "\xD6\xD0\xCE\xC4 ok";  // "中文 ok"
    EXPECT_EQ(ToUtf16(ansi), L"中文 ok");
    EXPECT_EQ(FromUtf16(L"中文 ok"), ansi);
    EXPECT_EQ(ToUtf16(""), L"");
    EXPECT_EQ(FromUtf16(L""), "");
    EXPECT_EQ(ToUtf16("caf\xE9", 1252), L"café") << "another code page when asked for";
}

TEST(DecodeImage, APictureWithoutItsSignatureNeedsTheFlag) {
    const std::span<const std::uint8_t> whole(kFramedRed);
    const std::span<const std::uint8_t> bare = whole.subspan(8);
    EXPECT_TRUE(DecodeImage(whole));
    EXPECT_FALSE(DecodeImage(bare));
    DecodedImage image = DecodeImage(bare, true);
    ASSERT_TRUE(image);
    EXPECT_EQ(ImageWidth(image.get()), 8);
    EXPECT_EQ(ImageHeight(image.get()), 6);
    EXPECT_FALSE(DecodeImage({}));
}

TEST(DecodeImage, DetachedPicturesAreArgbBitmapsAndKeptOnesReadTheirStream) {
    DecodedImage detached = DecodeImage(kFramedRed);
    ASSERT_TRUE(detached);
    EXPECT_EQ(detached.stream, nullptr);
    Gdiplus::PixelFormat format = 0;
    gp::GdipGetImagePixelFormat(detached.get(), &format);
    EXPECT_EQ(format, PixelFormat32bppARGB);
    Gdiplus::ARGB colour = 0;
    gp::GdipBitmapGetPixel(static_cast<GpBitmap*>(detached.get()), 3, 3, &colour);
    EXPECT_EQ(colour, 0xFFFF0000u);

    DecodedImage kept = DecodeImage(kFramedRed, false, true);
    ASSERT_TRUE(kept);
    EXPECT_NE(kept.stream, nullptr);
    UINT frames = 0;
    GUID dimension = Gdiplus::FrameDimensionPage;
    EXPECT_EQ(gp::GdipImageGetFrameCount(kept.get(), &dimension, &frames), Gdiplus::Ok);
    EXPECT_EQ(ImageWidth(kept.get()), 8);
}

int addThree(int a, int b, int c) { return a + b + c; }
void nothing() {}

TEST(CallRoutine, CallsWhatIsThereAndAnswersZeroForNothing) {
    EXPECT_EQ(CallRoutine(&addThree, 1, 2, 3), 6);
    int (*none)(int, int, int) = nullptr;
    EXPECT_EQ(CallRoutine(none, 1, 2, 3), 0);
    void (*noneVoid)() = nullptr;
    CallRoutine(noneVoid);
    CallRoutine(&nothing);
}

}  // namespace
}  // namespace stagetest

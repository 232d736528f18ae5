// stagedemo: one framework window showing what the window host and the text
// element draw: the frame and shadow of a layered window, the caption, and
// labels with a soft glow, a sharp halo, automatic contrast over the
// background picture, word wrap, a gradient, a keyboard-focus frame and a
// text that changes with a transition every second or so. Runs until the
// window is closed.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "stage/core/stage_startup.h"
#include "stage/core/stage_window.h"
#include "stage/core/text_convert.h"
#include "stage/core/text_drawing.h"
#include "stage/core/text_element.h"
#include "stage/core/window_host.h"
#include "tools/picture_bytes.h"

namespace {

using namespace stage;

constexpr int kWidth = 600, kHeight = 400;
constexpr COLORREF kPaper = RGB(236, 241, 247);
constexpr COLORREF kInk = RGB(40, 52, 70);

// Dusk at the left, day at the right, with a quick change in the middle so
// that labels on either side sit clearly on dark or on light.
std::vector<std::uint8_t> skyPicture() {
    constexpr int width = 590, height = 210;
    return tools::bmpPicture(width, height, [](int x, int y) {
        const double t = std::clamp((double(x) / (width - 1) - 0.35) / 0.3, 0.0, 1.0);
        const double day = t * t * (3 - 2 * t);
        const double low = 0.12 * double(y) / (height - 1);  // a little lighter towards the ground
        const auto mix = [&](int dusk, int noon) {
            const double value = dusk + (noon - dusk) * day;
            return BYTE(std::lround(value + (255 - value) * low));
        };
        return RGB(mix(16, 206), mix(34, 224), mix(84, 246));
    });
}

struct Demo {
    HWND window = nullptr;
    WindowHost host;
    std::vector<std::unique_ptr<TextElement>> labels;
    TextElement* changing = nullptr;
    int changes = 0;

    TextElement& add(const RectF& bounds, std::wstring_view text, const TextOptions& options) {
        labels.push_back(std::make_unique<TextElement>());
        labels.back()->CreateText(window, bounds, FromUtf16(text), options);
        return *labels.back();
    }
};

Demo* demo = nullptr;

LRESULT quitWithWindow(HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return -1;
}

void CALLBACK changeText(HWND, UINT, UINT_PTR, DWORD) {
    if (!demo || !demo->changing) return;
    ++demo->changes;
    TextAnimation animation;
    animation.style = demo->changes % 2 ? 2 : 0;  // slide up, then cross-fade
    demo->changing->TextW(L"动画标签 · 第 " + std::to_wstring(demo->changes + 1) + L" 次", animation);
}

TextOptions font(float size, int style = 0) {
    TextOptions options;
    options.fontSize = size;
    options.fontStyle = style;
    return options;
}

void addLabels(Demo& d) {
    TextOptions glow = font(22, Gdiplus::FontStyleBold);
    glow.textColour = MakeARGB(0xFFFFFF);
    glow.textEffect = kTextEffectGlow;
    glow.effectColour = MakeARGB(RGB(90, 190, 255), 230);
    d.add(MakeRect(22, 44, 280, 36), L"柔和光晕 Soft glow", glow);

    TextOptions halo = font(20, Gdiplus::FontStyleBold);
    halo.textColour = MakeARGB(RGB(20, 50, 110));
    halo.textEffect = kTextEffectHalo;
    halo.effectColour = MakeARGB(0xFFFFFF, 230);
    halo.align = 2;
    d.add(MakeRect(318, 44, 262, 36), L"清晰描边 Sharp halo", halo);

    TextOptions contrast = font(15);
    contrast.autoContrast = true;
    d.add(MakeRect(22, 96, 250, 26), L"自动对比：暗处用白字", contrast);
    contrast.align = 2;
    d.add(MakeRect(330, 96, 250, 26), L"自动对比：亮处用黑字", contrast);

    TextOptions line;
    line.gradientMode = 0;
    line.gradientColour1 = line.gradientColour2 = MakeARGB(RGB(186, 198, 214));
    d.add(MakeRect(20, 226, 560, 2), L"", line);

    TextOptions wrap = font(13);
    wrap.textColour = MakeARGB(kInk);
    wrap.wordWrap = true;
    wrap.borderStyle = 1;
    d.add(MakeRect(20, 240, 300, 112),
          L"自动换行：这段文字比标签宽得多，会在汉字之间和英文单词之间折到下一行。"
          L" Word wrap keeps a long sentence inside its label, breaking between words.",
          wrap);

    TextOptions bar = font(14, Gdiplus::FontStyleBold);
    bar.textColour = MakeARGB(0xFFFFFF);
    bar.gradientMode = 0;
    bar.gradientColour1 = MakeARGB(RGB(38, 110, 190));
    bar.gradientColour2 = MakeARGB(RGB(36, 168, 160));
    bar.align = 1;
    d.add(MakeRect(340, 240, 240, 30), L"渐变背景 Gradient", bar);

    TextOptions changing = font(15);
    changing.textColour = MakeARGB(kInk);
    changing.borderStyle = 3;
    changing.align = 1;
    d.changing = &d.add(MakeRect(340, 282, 240, 30), L"动画标签 · 第 1 次", changing);

    TextOptions focus = font(13);
    focus.textColour = MakeARGB(kInk, 200);
    focus.align = 1;
    TextElement& focused = d.add(MakeRect(340, 324, 240, 26), L"键盘焦点（虚线框）", focus);
    focused.Focusable(true);
    d.host.SetFocus(focused.GetHandle(), true);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    StageStartup();
    StageWindowOptions windowOptions;
    windowOptions.width = kWidth;
    windowOptions.height = kHeight;
    Demo d;
    demo = &d;
    d.window = CreateStageWindow(FromUtf16(L"舞台演示 · Stage demo"), windowOptions);
    if (!d.window) return 1;
    const std::vector<std::uint8_t> sky = skyPicture();
    AttachOptions attach;
    attach.backgroundImage = sky;
    attach.backgroundColour = MakeARGB(kPaper);
    attach.captionFlags = kCaptionIcon | kCaptionTitle | kCaptionClose | kCaptionMaximize | kCaptionMinimize;
    attach.windowAlpha = 255;
    if (!d.host.Attach(d.window, attach)) return 1;
    d.host.SetMessageHook(quitWithWindow);
    addLabels(d);
    d.host.Show();
    SetTimer(nullptr, 0, 1200, changeText);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    demo = nullptr;
    return 0;
}

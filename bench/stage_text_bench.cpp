// Costs of text in the framework: drawing one label's text onto a surface
// plain, with the soft glow (scale 3) and with the sharp halo (scale 1), and
// a whole label repaint (text drawn, recomposed and presented) for the kinds
// of label a window shows. Needs a display (run it under Xvfb through
// cmake/wine-run.sh with a session up).
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_timing.h"
#include "stage/core/fonts.h"
#include "stage/core/stage_startup.h"
#include "stage/core/stage_window.h"
#include "stage/core/text_drawing.h"
#include "stage/core/text_element.h"
#include "stage/core/text_format.h"
#include "stage/core/window_host.h"
#include "tools/picture_bytes.h"

namespace {

using namespace stage;
using bench::microsecondsPerCall;

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void drawingCosts() {
    DibSurface surface;
    surface.Create(nullptr, 300, 40, true);
    GdipFont font = CreateFontByName(std::wstring_view(L"no such family"), 22.0f, Gdiplus::FontStyleBold);
    TextFormat format;
    format.CreateFormat(kFormatNoWrap);
    const RectF layout = MakeRect(4, 4, 280, 30);
    const std::wstring text = L"柔和光晕 Soft glow";
    std::printf("DrawText of a 22 px bold label, 280 x 30, onto a premultiplied surface:\n");
    for (const auto& [name, effect] : {std::pair{"plain          ", kTextEffectNone},
                                       std::pair{"soft glow (3)  ", kTextEffectGlow},
                                       std::pair{"sharp halo (4) ", kTextEffectHalo}}) {
        const double us = microsecondsPerCall(7, 40, [&](int) {
            surface.Clear();
            DrawText(surface.Graphics(), layout, text, font.get(), 0xFEFFFFFF, format.FormatHandle(), effect);
        });
        std::printf("  %s %8.1f us\n", name, us);
    }
}

struct Case {
    const char* name;
    RectF bounds;
    TextOptions options;
};

void repaintCosts() {
    StageWindowOptions windowOptions;
    windowOptions.width = 600;
    windowOptions.height = 400;
    HWND window = CreateStageWindow("bench", windowOptions);
    const std::vector<std::uint8_t> sky =
        tools::bmpPicture(590, 200, [](int x, int) { return x < 300 ? RGB(20, 40, 90) : RGB(220, 230, 245); });
    AttachOptions attach;
    attach.backgroundImage = sky;
    attach.backgroundColour = MakeARGB(RGB(236, 241, 247));
    attach.captionFlags = 1 | 2 | 4 | 8 | 16;
    WindowHost host;
    host.Attach(window, attach);
    ShowWindow(window, SW_SHOWNOACTIVATE);

    std::vector<Case> cases;
    cases.push_back({"12 px label, 200 x 24          ", MakeRect(20, 230, 200, 24), {}});
    TextOptions glow;
    glow.fontSize = 22;
    glow.textEffect = kTextEffectGlow;
    cases.push_back({"22 px soft glow, 280 x 36      ", MakeRect(20, 44, 280, 36), glow});
    glow.textEffect = kTextEffectHalo;
    cases.push_back({"22 px sharp halo, 280 x 36     ", MakeRect(300, 44, 280, 36), glow});
    TextOptions contrast;
    contrast.autoContrast = true;
    cases.push_back({"auto contrast on the picture   ", MakeRect(20, 96, 250, 26), contrast});
    TextOptions wrap;
    wrap.wordWrap = true;
    wrap.fontSize = 13;
    cases.push_back({"13 px word wrap, 300 x 112     ", MakeRect(20, 260, 300, 112), wrap});
    std::printf("Repaint of a label on a 600 x 400 window (drawn, recomposed, presented):\n");
    for (Case& c : cases) {
        TextElement label;
        label.CreateText(window, c.bounds, "\xC8\xE1\xBA\xCD\xB9\xE2\xD4\xCE Soft glow with some more words to wrap",
                         c.options);
        pump();
        const double us = microsecondsPerCall(7, 40, [&](int) { label.Repaint(); });
        std::printf("  %s %8.1f us\n", c.name, us);
    }
    DestroyWindow(window);
    pump();
}

}  // namespace

int main() {
    StageStartup();
    drawingCosts();
    repaintCosts();
    return 0;
}

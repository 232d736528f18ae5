// Composition costs of the framework on a 1000 x 750 window with 50 elements:
// recomposing and presenting one caption-button rectangle, one full
// SetBackground, and moving a 100-element subtree. Needs a display (run it
// under Xvfb through cmake/wine-run.sh with a session up).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "bench/bench_timing.h"
#include "stage/core/element.h"
#include "stage/core/element_paint.h"
#include "stage/core/stage_startup.h"
#include "stage/core/stage_window.h"
#include "stage/core/window_host.h"

namespace {

using namespace stage;
using bench::microsecondsPerCall;

class Block : public Element {
public:
    explicit Block(Argb colour) : colour_(colour) {}
    ~Block() override { Destroy(); }
    LRESULT HandleMessage(UINT code, WPARAM, LPARAM) override {
        if (code != WM_PAINT) return -1;
        PaintContext ctx;
        if (BeginElementPaint(*this, ctx)) {
            Gdiplus::DllExports::GdipGraphicsClear(ctx.graphics, colour_);
            EndElementPaint(*this, ctx);
        }
        return -1;
    }

private:
    Argb colour_;
};

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

struct Scene {
    HWND window = nullptr;
    WindowHost host;
    std::vector<std::unique_ptr<Block>> blocks;
    std::unique_ptr<Block> subtreeRoot;
    std::vector<std::unique_ptr<Block>> subtree;
};

// 50 top-level elements in a grid, plus a 100-element subtree (a parent and
// 99 children) for the moving figure, hidden until then.
void build(Scene& scene, int windowAlpha) {
    StageWindowOptions options;
    options.width = 1000;
    options.height = 750;
    scene.window = CreateStageWindow("bench", options);
    AttachOptions attach;
    attach.backgroundColour = MakeARGB(RGB(30, 90, 160));
    attach.captionFlags = 0;
    attach.windowAlpha = windowAlpha;
    scene.host.Attach(scene.window, attach);
    ShowWindow(scene.window, SW_SHOWNOACTIVATE);
    for (int i = 0; i < 50; ++i) {
        auto block = std::make_unique<Block>(MakeARGB(RGB(20 * (i % 10), 200, 5 * i), 200));
        block->Create(scene.window, MakeRect(20 + (i % 10) * 95, 60 + (i / 10) * 130, 90, 120), 50, 1);
        scene.blocks.push_back(std::move(block));
    }
    scene.subtreeRoot = std::make_unique<Block>(MakeARGB(RGB(240, 240, 240), 230));
    scene.subtreeRoot->Create(scene.window, MakeRect(100, 100, 300, 200), 50, 0);
    for (int i = 0; i < 99; ++i) {
        auto child = std::make_unique<Block>(MakeARGB(RGB(200, 2 * i, 40), 254));
        child->Create(scene.subtreeRoot->GetHandle(), MakeRect(105 + (i % 11) * 27, 105 + (i / 11) * 21, 25, 19), 50, 1);
        scene.subtree.push_back(std::move(child));
    }
    pump();
}

void report(const char* kind, int windowAlpha) {
    Scene scene;
    build(scene, windowAlpha);
    // Where the first caption button of a framework window sits.
    const RectF button = MakeRect(1000 - 5 - 12 - 28, 7, 28, 19);
    const double recompose =
        microsecondsPerCall(9, 200, [&](int) { scene.host.InvalidateRect(button, 1); });
    const double background = microsecondsPerCall(5, 10, [&](int) {
        scene.host.SetBackground(std::nullopt, std::nullopt, 0, false);
    });
    scene.subtreeRoot->Visible(1);
    pump();
    const double move = microsecondsPerCall(5, 200, [&](int i) {
        scene.subtreeRoot->Move(100.0f + float(i % 2), 100.0f);
    });
    std::printf("%s window 1000 x 750, 50 elements:\n", kind);
    std::printf("  recompose + present a 28 x 19 caption-button rectangle: %8.1f us\n", recompose);
    std::printf("  full SetBackground:                                     %8.2f ms\n", background / 1000);
    std::printf("  1,000 Moves of a visible 100-element subtree (300 x 200): %6.1f ms (%.0f us each)\n",
                move, move);
    DestroyWindow(scene.window);
    pump();
}

}  // namespace

int main() {
    StageStartup();
    report("plain", -1);
    report("layered", 255);
    return 0;
}

#pragma once
// Shared pieces of the framework-core tests: start-up, a framework window
// with its host, an element that paints itself one colour and keeps a log of
// its events, and pixel checks.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "stage/core/element.h"
#include "stage/core/element_paint.h"
#include "stage/core/stage_messages.h"
#include "stage/core/stage_startup.h"
#include "stage/core/stage_window.h"
#include "stage/core/window_host.h"
#include "stage/core/fonts.h"

namespace stagetest {

using namespace stage;

// Handles what is waiting in the thread's queue, timers and posted
// invalidations included, and returns when nothing is left.
inline void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Runs the message loop until done() holds or the time-out passes; false on
// time-out.
template <class Done>
bool PumpUntil(Done done, std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

// An element that fills its surface with one colour and logs every event.
class ColourElement : public Element {
public:
    explicit ColourElement(Argb colour = 0) : colour_(colour) {}
    ~ColourElement() override { Destroy(); }

    void SetColour(Argb colour) {
        colour_ = colour;
        Repaint();
    }
    LRESULT HandleMessage(UINT code, WPARAM wparam, LPARAM lparam) override {
        events.push_back({code, wparam, lparam});
        if (code == WM_PAINT) {
            PaintContext ctx;
            if (BeginElementPaint(*this, ctx)) {
                Gdiplus::DllExports::GdipGraphicsClear(ctx.graphics, colour_);
                EndElementPaint(*this, ctx);
            }
        }
        if (code == EV_QUERYDISABLEDLOOK) return disabledLookAnswer;
        return -1;
    }
    int Count(UINT code) const {
        int n = 0;
        for (const auto& e : events) n += e.code == code;
        return n;
    }

    struct Logged {
        UINT code;
        WPARAM wparam;
        LPARAM lparam;
    };
    std::vector<Logged> events;
    LRESULT disabledLookAnswer = -1;

private:
    Argb colour_;
};

// A shown framework window of the given size with a host attached. Frame
// style 0 (square frame, no rounded corners) unless the options say else;
// no caption.
class HostWindow {
public:
    explicit HostWindow(int width = 200, int height = 150, AttachOptions options = DefaultOptions(),
                        int x = 40, int y = 40) {
        StageWindowOptions w;
        w.width = width;
        w.height = height;
        w.x = x;
        w.y = y;
        window = CreateStageWindow("test", w);
        host = std::make_unique<WindowHost>();
        host->Attach(window, options);
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
        PumpMessages();
    }
    ~HostWindow() {
        if (IsWindow(window)) DestroyWindow(window);
        PumpMessages();
    }
    static AttachOptions DefaultOptions() {
        AttachOptions o;
        o.backgroundColour = kBackground;
        o.captionFlags = 0;
        o.frameStyle = 0;
        return o;
    }
    std::uint32_t Pixel(int x, int y) const { return host->BackBuffer().Pixel(x, y); }

    static constexpr Argb kBackground = 0xFE000080;  // navy, as MakeARGB makes it
    HWND window = nullptr;
    std::unique_ptr<WindowHost> host;
};

// Channel-wise comparison of premultiplied 0xAARRGGBB pixels.
inline ::testing::AssertionResult PixelNear(std::uint32_t actual, std::uint32_t expected, int tolerance = 3) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = int((actual >> shift) & 0xFF), e = int((expected >> shift) & 0xFF);
        if (std::abs(a - e) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "pixel 0x" << actual << ", expected 0x" << expected;
    }
    return ::testing::AssertionSuccess();
}

// GDI+ and the window class, once for the whole program.
class StageEnvironment : public ::testing::Environment {
public:
    void SetUp() override { StageStartup(); }
};

}  // namespace stagetest

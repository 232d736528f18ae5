// The fade-in of a new background: five steps of 50 ms blend the new back
// buffer over the old look; painting stays suspended until the last one.
#include <algorithm>

#include "stage/core/window_host.h"

namespace stage {
namespace {

constexpr UINT kFadeStepMs = 50;
constexpr int kFadeStep = 51;

void CALLBACK fadeTimerProc(HWND window, UINT, UINT_PTR timerId, DWORD) {
    if (WindowHost* host = ResolveHost(ElementHandle(timerId))) host->FadeTick();
    else KillTimer(window, timerId);
}

}  // namespace

// A layered window fades over its previous look; a plain one over the screen.
void WindowHost::keepOldLook() {
    if (!fadeBuffer_.Create(nullptr, size_.cx, size_.cy, false)) return;
    GdiFlush();
    BitBlt(fadeBuffer_.Dc(), 0, 0, size_.cx, size_.cy, backBuffer_.Dc(), 0, 0, SRCCOPY);
}

void WindowHost::startFade() {
    SuspendPainting();
    fadeAlpha_ = 0;
    SetTimer(window_, handle_, kFadeStepMs, fadeTimerProc);
}

void WindowHost::FadeTick() {
    if (!window_) return;
    HDC target = windowDc_.get();
    SIZE size = size_;
    if (Layered() && fadeBuffer_.Dc()) {
        target = fadeBuffer_.Dc();
        POINT origin{0, 0};
        BLENDFUNCTION perPixel{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        UpdateLayeredWindow(window_, nullptr, nullptr, &size, target, &origin, 0, &perPixel, ULW_ALPHA);
    }
    fadeAlpha_ = std::min(fadeAlpha_ + kFadeStep, 255);
    GdiFlush();
    const BLENDFUNCTION constant{AC_SRC_OVER, 0, BYTE(fadeAlpha_), 0};
    AlphaBlend(target, 0, 0, size.cx, size.cy, backBuffer_.Dc(), 0, 0, size.cx, size.cy, constant);
    if (fadeAlpha_ < 255) return;
    KillTimer(window_, handle_);
    fadeBuffer_.Release();
    ResumePainting();
    if (Layered()) Present();
}

}  // namespace stage

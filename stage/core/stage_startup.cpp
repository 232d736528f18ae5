#include "stage/core/stage_startup.h"

#include "stage/core/caption_skin.h"
#include "stage/core/decode_image.h"
#include "stage/core/default_font.h"
#include "stage/core/stage_window.h"

namespace stage {
namespace {

struct Globals {
    bool started = false;
    ULONG_PTR gdiplusToken = 0;
    int osMajorVersion = 0;
    GdipFont defaultFont;
    GdipBitmap captionSkin;
    HCURSOR arrowCursor = nullptr;
    HICON classIcon = nullptr;
};

// Never destroyed: GDI+ objects must not be released after GDI+ may be gone.
Globals& globals() {
    static Globals* g = new Globals;
    return *g;
}

// The version the system reports for itself, not the one a manifest or a
// compatibility layer makes GetVersionEx report.
int readOsMajorVersion() {
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (rtlGetVersion && rtlGetVersion(&info) == 0) return int(info.dwMajorVersion);
    return 0;
}

}  // namespace

void StageStartup() {
    Globals& g = globals();
    if (g.started) return;
    g.started = true;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&g.gdiplusToken, &input, nullptr);
    g.osMajorVersion = readOsMajorVersion();
    g.defaultFont = CreateDefaultFont();
    g.arrowCursor = LoadCursorW(nullptr, IDC_ARROW);
    g.classIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(129));
    g.captionSkin = DecodeImage(CaptionSkinPng(), true).TakeBitmap();
    RegisterStageClass();
}

int OsMajorVersion() { return globals().osMajorVersion; }
GpFont* DefaultFont() { return globals().defaultFont.get(); }
GpBitmap* CaptionSkin() { return globals().captionSkin.get(); }
HCURSOR ArrowCursor() { return globals().arrowCursor; }
HICON ClassIcon() { return globals().classIcon; }

}  // namespace stage

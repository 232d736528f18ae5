// The tooltip of a framework window: one tool, moved to whichever element's
// tip is shown.
#include <windows.h>
#include <commctrl.h>

#include "stage/core/text_convert.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

constexpr UINT_PTR kToolId = 1;

TTTOOLINFOW toolFor(HWND window) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = kToolId;
    tool.hinst = GetModuleHandleW(nullptr);
    return tool;
}

}  // namespace

void WindowHost::createTooltip() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    SetWindowPos(tooltip_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 1024);
}

void WindowHost::destroyTooltip() {
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    tooltipElement_ = 0;
    tooltipText_.clear();
}

void WindowHost::SetTooltip(ElementHandle element, std::optional<std::string_view> text) {
    Element* target = ResolveElement(element);
    if (!element || !tooltip_) return;
    TTTOOLINFOW tool = toolFor(window_);
    SendMessageW(tooltip_, TTM_DELTOOLW, 0, LPARAM(&tool));
    tooltipElement_ = 0;
    tooltipText_ = text ? ToUtf16(*text) : target ? ToUtf16(target->TipText()) : std::wstring();
    if (tooltipText_.empty() || !target) return;
    const RectF& b = target->CurrentBounds();
    tool.rect = {LONG(b.left), LONG(b.top), LONG(b.right()), LONG(b.bottom())};
    tool.lpszText = tooltipText_.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, LPARAM(&tool));
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, LPARAM(&tool));
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, LPARAM(&tool));
    tooltipElement_ = element;
}

}  // namespace stage

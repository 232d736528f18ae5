// The caption of a framework window: the window icon, the title text and
// the caption buttons, made when the host attaches and placed whenever the
// background is rendered.
#include <string>

#include "stage/core/caption_parts.h"
#include "stage/core/stage_window.h"
#include "stage/core/text_drawing.h"
#include "stage/core/window_host.h"

namespace stage {
namespace {

std::wstring windowText(HWND window) {
    std::wstring text(size_t(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(window, text.data(), int(text.size()))));
    return text;
}

}  // namespace

// Made with painting suspended: SetBackground paints them all afterwards.
void WindowHost::createCaption() {
    if (captionFlags_ & kCaptionIcon)
        iconElement_ = CreateCaptionIcon(window_, MakeRect(11, 11, 16, 16), WindowIcon(window_, false));
    if (captionFlags_ & kCaptionTitle) createTitle();
    int x = size_.cx - 12;
    for (const int kind : kCaptionButtonKinds) {
        if (!(captionFlags_ & kind)) continue;
        x -= CaptionButtonWidth(kind);
        if (auto button = CreateCaptionButton(window_, MakeRect(x, 7, CaptionButtonWidth(kind), 19), kind))
            captionButtons_.push_back(std::move(button));
    }
}

// The window text, white, with a soft glow, black or white as the background
// under it asks; LayoutCaption gives it its width.
void WindowHost::createTitle() {
    TextOptions options;
    options.textColour = MakeARGB(0xFFFFFF, 250);
    options.gradientMode = 0;
    options.autoContrast = true;
    options.trimming = Gdiplus::StringTrimmingEllipsisCharacter;
    options.textEffect = kTextEffectGlow;
    auto title = std::make_unique<TextElement>();
    if (!title->CreateText(window_, MakeRect(0, 9, 0, 18), "", options)) return;
    title->TextW(windowText(window_));
    title->Tag(std::to_string(title->GetHandle() + 2));
    titleElement_ = std::move(title);
}

void WindowHost::LayoutCaption() {
    if (!captionFlags_) return;
    float x = float(size_.cx - 5);
    if (captionFlags_ & kCaptionClose) x -= 12;
    for (const auto& button : captionButtons_) {
        x -= 28;
        button->Move(x, 7.0f, std::nullopt, std::nullopt, false);
    }
    if ((captionFlags_ & kCaptionTitle) && titleElement_) {
        const float left = (captionFlags_ & kCaptionIcon) ? 28.0f : 11.0f;
        titleElement_->Move(left, 10.0f, x - left, 20.0f);
    }
}

}  // namespace stage

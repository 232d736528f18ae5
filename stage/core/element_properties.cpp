// Element properties: each one operation that sets when given a value and
// returns the current one.
#include <algorithm>
#include <memory>

#include "stage/core/element.h"
#include "stage/core/stage_messages.h"
#include "stage/core/window_host.h"

namespace stage {

RectF Element::Bounds(std::optional<RectF> bounds) {
    if (bounds) Move(bounds->left, bounds->top, bounds->width, bounds->height, true);
    return bounds_;
}

int Element::Visible(std::optional<int> value) {
    if (value && *value != visible_) {
        visible_ = *value;
        SendEvent(visible_ ? EV_SHOWN : EV_HIDDEN, 0, 0);
        Invalidate();
    }
    return visible_;
}

bool Element::Disabled(std::optional<bool> value) {
    if (value && *value != disabled_) {
        disabled_ = *value;
        WindowHost* host = Host();
        if (host && handle_ && host->Focus().focused == handle_) {
            host->Focus().focused = 0;
            if (host->Focus().keyboardFocus == handle_) host->Focus().keyboardFocus = 0;
            PostEvent(EV_KILLFOCUS, 0, 0);
        }
        PostEvent(EV_MOUSELEAVE, 0, 0);
        Invalidate();
    }
    return disabled_;
}

bool Element::Focusable(std::optional<bool> value) {
    if (value) focusable_ = *value;
    return focusable_;
}

LRESULT Element::Repaint() { return SendEvent(WM_PAINT, 0, 0); }

void Element::Invalidate() {
    if (!window_) return;
    // The rectangle travels as a copy: by the time the message is handled
    // the element may have moved or be gone, and its old area must still be
    // recomposed.
    auto rect = std::make_unique<RectF>(bounds_);
    if (PostMessageW(window_, WM_STAGE_INVALIDATE, kInvalidateOwnsRect | 1, LPARAM(rect.get())))
        rect.release();
}

std::string Element::TipText(std::optional<std::string_view> text, bool applyNow) {
    if (text) {
        tipText_ = *text;
        if (applyNow) ShowTip(tipText_);
    }
    return tipText_;
}

void Element::ShowTip(std::string_view text) {
    if (WindowHost* host = Host()) host->SetTooltip(handle_, text);
}

int Element::Alpha(std::optional<int> value, bool redraw) {
    if (value) {
        alpha_ = std::clamp(*value, 0, 255);
        SendEvent(EV_ALPHACHANGED, 0, alpha_);
        if (redraw) Invalidate();
    }
    return alpha_;
}

int Element::SetTransition(std::optional<int> frames, std::optional<int> interval) {
    if (frames) transitionFrames_ = *frames;
    if (interval) transitionInterval_ = *interval;
    return transitionFrames_;
}

int Element::TransitionInterval(std::optional<int> value) {
    if (value) transitionInterval_ = *value;
    return transitionInterval_;
}

int Element::TransitionStyle(std::optional<int> value) {
    if (value) transitionStyle_ = *value;
    return transitionStyle_;
}

HCURSOR Element::Cursor(std::optional<HCURSOR> cursor) {
    if (cursor) cursor_ = *cursor;
    return cursor_;
}

HCURSOR Element::SystemCursor(LPCWSTR cursorId) { return cursor_ = LoadCursorW(nullptr, cursorId); }

std::string Element::Tag(std::optional<std::string_view> text) {
    if (text) tag_ = *text;
    return tag_;
}

float Element::Left(std::optional<float> value) {
    if (value && !NearlyEqual(*value, bounds_.left)) Move(*value);
    return bounds_.left;
}

float Element::Top(std::optional<float> value) {
    if (value && !NearlyEqual(*value, bounds_.top)) Move(std::nullopt, *value);
    return bounds_.top;
}

float Element::Width(std::optional<float> value) {
    if (value && !NearlyEqual(*value, bounds_.width)) Move(std::nullopt, std::nullopt, *value);
    return bounds_.width;
}

float Element::Height(std::optional<float> value) {
    if (value && !NearlyEqual(*value, bounds_.height)) Move(std::nullopt, std::nullopt, std::nullopt, *value);
    return bounds_.height;
}

}  // namespace stage

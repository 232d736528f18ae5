// TextElement: creation, events, measuring, text changes and painting.
#include "stage/core/text_element.h"

#include <cmath>

#include "stage/core/drawing.h"
#include "stage/core/element_paint.h"
#include "stage/core/stage_messages.h"
#include "stage/core/text_convert.h"
#include "stage/core/text_drawing.h"
#include "stage/core/window_host.h"

namespace stage {

std::unique_ptr<Element> TextElement::Clone() const { return std::unique_ptr<Element>(new TextElement(*this)); }

template <class Parent>
ElementHandle TextElement::create(Parent parent, const RectF& bounds, std::string_view text,
                                  const TextOptions& options) {
    if (GetHandle()) return GetHandle();
    font_ = ChooseFont(options.fontName, options.fontSize, options.fontStyle);
    format_.CreateFormat(kFormatNoWrap, 0, true);
    format_.Align(options.align);
    format_.Trimming(options.trimming);
    format_.HotkeyPrefix(0);
    if (options.wordWrap) format_.Flags(kFormatWordWrap);
    verticalAlign_ = 1;
    textColour_ = options.textColour;
    gradientMode_ = options.gradientMode;
    gradientColour1_ = options.gradientColour1;
    gradientColour2_ = options.gradientColour2;
    wordWrap_ = options.wordWrap;
    autoContrast_ = options.autoContrast;
    textEffect_ = options.textEffect;
    effectColour_ = options.effectColour;
    borderStyle_ = options.borderStyle;
    text_ = ToUtf16(text);
    ElementOptions element;
    element.focusable = false;
    return Create(parent, bounds, kTypeTextElement, options.visible, element);
}

ElementHandle TextElement::CreateText(HWND parent, const RectF& bounds, std::string_view text,
                                      const TextOptions& options) {
    return create(parent, bounds, text, options);
}

ElementHandle TextElement::CreateText(ElementHandle parent, const RectF& bounds, std::string_view text,
                                      const TextOptions& options) {
    return create(parent, bounds, text, options);
}

LRESULT TextElement::HandleMessage(UINT code, WPARAM wparam, LPARAM lparam) {
    const LRESULT first = PreHandleMessage(code, wparam, lparam);
    if (first != -1) return first;
    switch (code) {
    case WM_CREATE:
        Measure();
        OnCreate();
        break;
    case WM_DESTROY:
        text_.clear();
        effectColour_ = 0;
        ReleaseFont();
        format_.DeleteFormat();
        break;
    case WM_PAINT:
        Paint();
        break;
    case EV_SETFOCUS:
    case EV_KILLFOCUS:
        if (Focusable()) Paint();
        break;
    case EV_RESIZED:
        Measure();
        break;
    case EV_PREPAINT:
        if (autoContrast_) Paint();  // the background may have changed
        break;
    case EV_TRANSITIONEND:
        animateNext_ = false;
        animInterval_ = animFrames_ = 0;
        SetTransition(0, 0);
        break;
    default:
        break;
    }
    return -1;
}

void TextElement::Measure() {
    GpGraphics* graphics = Graphics();
    if (!graphics) return;
    const RectF& b = CurrentBounds();
    const RectF layout = wordWrap_ ? RectF{} : RectF{b.left, b.top, b.width, FontHeight(font_.get(), graphics)};
    RectF measured;
    if (!MeasureString(graphics, text_, font_.get(), format_.FormatHandle(), layout, measured)) measured = {};
    measuredWidth_ = int(std::lround(measured.width));
    measuredHeight_ = int(std::lround(measured.height));
}

void TextElement::setText(std::wstring text, std::optional<TextAnimation> animate) {
    if (animate) {
        animateNext_ = true;
        TransitionStyle(animate->style);
        animFrames_ = animate->frames;
        animInterval_ = animate->interval;
    } else {
        animateNext_ = false;
        if (text == text_) return;
    }
    text_ = std::move(text);
    relayout();
}

std::string TextElement::Text(std::optional<std::string_view> text, std::optional<TextAnimation> animate) {
    if (text) setText(ToUtf16(*text), animate);
    return FromUtf16(text_);
}

void TextElement::TextW(std::wstring_view text, std::optional<TextAnimation> animate) {
    setText(std::wstring(text), animate);
}

void TextElement::Paint() {
    if (animateNext_) SetTransition(animFrames_, animInterval_);
    PaintContext ctx;
    if (!BeginElementPaint(*this, ctx)) return;
    const RectF surface = ctx.rect;
    if (borderStyle_) DrawFrame(ctx.graphics, surface, borderStyle_);
    if (gradientMode_ != -1) FillGradient(ctx.graphics, surface, gradientColour1_, gradientColour2_, gradientMode_);
    if (!text_.empty()) drawText(ctx.graphics, surface);
    WindowHost* host = Host();
    if (host && host->Focus().keyboardFocus == GetHandle()) DrawFrame(ctx.graphics, surface, kFrameDashed);
    EndElementPaint(*this, ctx);
}

void TextElement::drawText(GpGraphics* graphics, const RectF& surface) {
    RectF area = surface;
    OffsetRect(2, 2, -4, -4, area);
    gp::GdipSetClipRect(graphics, area.left, area.top, area.width, area.height, Gdiplus::CombineModeReplace);
    const Argb colour = autoContrast_ ? ContrastColour(GetWindow(), CurrentBounds(), textColour_) : textColour_;
    RectF layout;
    if (wordWrap_) {
        layout = {area.left, area.top, area.width, surface.height + FontHeight(font_.get(), graphics) + 3};
    } else {
        const float measured = float(measuredHeight_);
        float top = area.top + 2;
        if (verticalAlign_ == 1) top = area.top + (area.height - measured) / 2;
        else if (verticalAlign_ == 2) top = area.top + area.height - measured - 2;
        layout = {area.left, top, area.width, measured};
    }
    OnBeforeDrawText(layout);
    DrawText(graphics, layout, text_, font_.get(), colour, format_.FormatHandle(), textEffect_, effectColour_);
    gp::GdipResetClip(graphics);
}

}  // namespace stage

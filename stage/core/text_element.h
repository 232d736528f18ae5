#pragma once
// TextElement (type code 3): a label that draws one text, optionally over a
// gradient, inside a border, with a glow, in a colour that follows the
// window background (auto contrast), and that can change its text with a
// transition. The window host makes one for the window title.
//
// The text is held as UTF-16; Text and CreateText exchange it as code page
// 936, TextW as UTF-16. Every setter stores its value and repaints.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "stage/core/colour.h"
#include "stage/core/element.h"
#include "stage/core/element_font.h"
#include "stage/core/text_format.h"

namespace stage {

inline constexpr int kTypeTextElement = 3;

// The optional arguments of CreateText.
struct TextOptions {
    Argb textColour = 0xD2000000;  // black at alpha 210
    int gradientMode = -1;         // -1 no fill; 0 horizontal, 1 vertical, 2, 3 diagonal
    Argb gradientColour1 = 0;      // 0: transparent
    Argb gradientColour2 = 0;
    bool wordWrap = false;
    bool autoContrast = false;
    // Any of the three given: a font of the element's own (family, 12 pixels,
    // regular, for what is not given); none: the shared default font.
    std::optional<std::string> fontName;  // code page 936
    std::optional<float> fontSize;        // pixels
    std::optional<int> fontStyle;         // GDI+ style bits
    int align = 0;                        // 0 near, 1 centre, 2 far
    int trimming = 0;                     // Gdiplus::StringTrimming
    int textEffect = 0;                   // 3 soft glow, 4 sharp halo
    Argb effectColour = 0;                // 0: automatic
    std::int32_t borderStyle = 0;         // a DrawFrame style
    int visible = 1;
};

// How an animated text change runs: the element's transition style
// (0 cross-fade, 1-4 slides), its frames and their interval.
struct TextAnimation {
    int style = 0;
    int frames = 5;
    int interval = 60;
};

class TextElement : public Element {
public:
    TextElement() = default;
    ~TextElement() override { Destroy(); }
    std::unique_ptr<Element> Clone() const override;

    LRESULT HandleMessage(UINT code, WPARAM wparam, LPARAM lparam) override;
    // Measures the text: unlimited with word wrap, else within the element's
    // width and one font height.
    void Measure();
    ElementHandle CreateText(HWND parent, const RectF& bounds, std::string_view text, const TextOptions& options = {});
    ElementHandle CreateText(ElementHandle parent, const RectF& bounds, std::string_view text,
                             const TextOptions& options = {});
    // Given a text: without animation an unchanged text is left alone (no
    // repaint); with animation the change always runs one transition, after
    // which the element has no transition again.
    std::string Text(std::optional<std::string_view> text = std::nullopt,
                     std::optional<TextAnimation> animate = std::nullopt);
    void TextW(std::wstring_view text, std::optional<TextAnimation> animate = std::nullopt);
    const std::wstring& WideText() const { return text_; }
    Argb TextColour(std::optional<Argb> value = std::nullopt);
    Argb EffectColour(std::optional<Argb> value = std::nullopt);
    Argb GradientColour1(std::optional<Argb> value = std::nullopt);
    Argb GradientColour2(std::optional<Argb> value = std::nullopt);
    int GradientMode(std::optional<int> value = std::nullopt);
    // The family name, code page 936; set re-creates the font keeping size and style.
    std::string FontName(std::optional<std::string_view> value = std::nullopt);
    int FontStyle(std::optional<int> value = std::nullopt);
    float FontSize(std::optional<float> value = std::nullopt);  // pixels
    int Trimming(std::optional<int> value = std::nullopt);
    int FormatFlags(std::optional<int> value = std::nullopt);
    // Set: the element takes the font over (the default font stays shared).
    GpFont* Font(std::optional<GpFont*> value = std::nullopt);
    // The element takes the format over, deleting its old one.
    void SetFormat(GpStringFormat* format);
    int Align(std::optional<int> value = std::nullopt);
    // Also switches the format between one line and wrapping.
    bool WordWrap(std::optional<bool> value = std::nullopt);
    int VerticalAlign(std::optional<int> value = std::nullopt);  // 0 top, 1 centre, 2 bottom
    int TextEffect(std::optional<int> value = std::nullopt);
    std::int32_t BorderStyle(std::optional<std::int32_t> value = std::nullopt);
    bool AutoContrast(std::optional<bool> value = std::nullopt);
    // Deletes the font unless it is the shared default font.
    void ReleaseFont() { font_.Release(); }
    void Paint();

    int MeasuredWidth() const { return measuredWidth_; }
    int MeasuredHeight() const { return measuredHeight_; }

protected:
    TextElement(const TextElement& other) = default;
    // Hooks for derived classes: the layout rectangle just before the text
    // is drawn; a look at each event first (-1 = go on); after creation.
    virtual void OnBeforeDrawText(RectF&) {}
    virtual LRESULT PreHandleMessage(UINT, WPARAM, LPARAM) { return -1; }
    virtual void OnCreate() {}

private:
    template <class Parent>
    ElementHandle create(Parent parent, const RectF& bounds, std::string_view text, const TextOptions& options);
    void setText(std::wstring text, std::optional<TextAnimation> animate);
    void drawText(GpGraphics* graphics, const RectF& surface);
    void relayout();  // Measure and Repaint
    // Stores the value (when given) and repaints.
    template <class T>
    T property(T& field, std::optional<T> value);

    ElementFont font_;
    std::wstring text_;
    Argb textColour_ = 0xD2000000;
    int gradientMode_ = -1;
    Argb gradientColour1_ = 0;
    Argb gradientColour2_ = 0;
    bool wordWrap_ = false;
    int verticalAlign_ = 1;
    int textEffect_ = 0;
    std::int32_t borderStyle_ = 0;
    bool autoContrast_ = false;
    Argb effectColour_ = 0;
    TextFormat format_;
    int measuredWidth_ = 0;
    int measuredHeight_ = 0;
    bool animateNext_ = false;
    int animInterval_ = 60;
    int animFrames_ = 5;
};

}  // namespace stage

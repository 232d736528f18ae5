// TextElement properties: each stores a given value and repaints.
#include "stage/core/text_element.h"

#include "stage/core/fonts.h"

namespace stage {

void TextElement::relayout() {
    Measure();
    Repaint();
}

template <class T>
T TextElement::property(T& field, std::optional<T> value) {
    if (value) {
        field = *value;
        Repaint();
    }
    return field;
}

Argb TextElement::TextColour(std::optional<Argb> value) { return property(textColour_, value); }
Argb TextElement::EffectColour(std::optional<Argb> value) { return property(effectColour_, value); }
Argb TextElement::GradientColour1(std::optional<Argb> value) { return property(gradientColour1_, value); }
Argb TextElement::GradientColour2(std::optional<Argb> value) { return property(gradientColour2_, value); }
int TextElement::GradientMode(std::optional<int> value) { return property(gradientMode_, value); }
int TextElement::VerticalAlign(std::optional<int> value) { return property(verticalAlign_, value); }
int TextElement::TextEffect(std::optional<int> value) { return property(textEffect_, value); }
std::int32_t TextElement::BorderStyle(std::optional<std::int32_t> value) { return property(borderStyle_, value); }
bool TextElement::AutoContrast(std::optional<bool> value) { return property(autoContrast_, value); }

std::string TextElement::FontName(std::optional<std::string_view> value) {
    if (value) {
        font_.Recreate(std::string(*value), std::nullopt, std::nullopt);
        relayout();
    }
    return FamilyNameOf(font_.get());
}

int TextElement::FontStyle(std::optional<int> value) {
    if (value) {
        font_.Recreate(std::nullopt, std::nullopt, *value);
        relayout();
    }
    return font_.Style();
}

float TextElement::FontSize(std::optional<float> value) {
    if (value) {
        font_.Recreate(std::nullopt, *value, std::nullopt);
        relayout();
    }
    return font_.Size();
}

GpFont* TextElement::Font(std::optional<GpFont*> value) {
    if (value) {
        font_.Adopt(*value);
        relayout();
    }
    return font_.get();
}

void TextElement::SetFormat(GpStringFormat* format) {
    format_ = TextFormat(format, true);
    relayout();
}

int TextElement::Trimming(std::optional<int> value) {
    const int trimming = format_.Trimming(value);
    if (value) Repaint();
    return trimming;
}

int TextElement::FormatFlags(std::optional<int> value) {
    const int flags = format_.Flags(value);
    if (value) Repaint();
    return flags;
}

int TextElement::Align(std::optional<int> value) {
    const int align = format_.Align(value);
    if (value) Repaint();
    return align;
}

bool TextElement::WordWrap(std::optional<bool> value) {
    if (value) {
        wordWrap_ = *value;
        format_.Flags(wordWrap_ ? kFormatWordWrap : kFormatNoWrap);
        relayout();
    }
    return wordWrap_;
}

}  // namespace stage

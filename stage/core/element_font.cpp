#include "stage/core/element_font.h"

#include <utility>

#include "stage/core/fonts.h"
#include "stage/core/stage_startup.h"

namespace stage {
namespace {

constexpr float kDefaultSize = 12.0f;

// A font of the same family as font.
GdipFont sameFamily(GpFont* font, float size, int style) {
    GdipFontFamily family;
    GdipFont result;
    if (font && gp::GdipGetFamily(font, family.out()) == Gdiplus::Ok)
        gp::GdipCreateFont(family.get(), size, style, Gdiplus::UnitPixel, result.out());
    return result;
}

}  // namespace

ElementFont::ElementFont() : font_(DefaultFont()) {}

ElementFont::ElementFont(const ElementFont& other) : font_(other.font_) {
    if (font_ && font_ != DefaultFont()) {
        font_ = nullptr;
        gp::GdipCloneFont(other.font_, &font_);
    }
}

ElementFont::ElementFont(ElementFont&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}

ElementFont& ElementFont::operator=(ElementFont&& other) noexcept {
    if (this != &other) Adopt(std::exchange(other.font_, nullptr));
    return *this;
}

void ElementFont::Release() {
    if (font_ && font_ != DefaultFont()) gp::GdipDeleteFont(font_);
    font_ = nullptr;
}

void ElementFont::Adopt(GpFont* font) {
    if (font == font_) return;
    Release();
    font_ = font;
}

float ElementFont::Size() const {
    Gdiplus::REAL size = kDefaultSize;
    if (font_) gp::GdipGetFontSize(font_, &size);
    return size;
}

int ElementFont::Style() const {
    INT style = 0;
    if (font_) gp::GdipGetFontStyle(font_, &style);
    return style;
}

void ElementFont::Recreate(std::optional<std::string> family, std::optional<float> size, std::optional<int> style) {
    const float newSize = size.value_or(Size());
    const int newStyle = style.value_or(Style());
    GdipFont font = family ? CreateFontByName(*family, newSize, newStyle) : sameFamily(font_, newSize, newStyle);
    if (font) Adopt(font.release());
}

ElementFont ChooseFont(const std::optional<std::string>& name, std::optional<float> size,
                       std::optional<int> style) {
    if (!name && !size && !style) return ElementFont();
    const float fontSize = size.value_or(kDefaultSize);
    GdipFont font = name ? CreateFontByName(*name, fontSize, style.value_or(0))
                         : sameFamily(DefaultFont(), fontSize, style.value_or(0));
    return font ? ElementFont(font.release()) : ElementFont();
}

float FontHeight(GpFont* font, GpGraphics* graphics) {
    Gdiplus::REAL height = 0;
    if (font) gp::GdipGetFontHeight(font, graphics, &height);
    return height;
}

}  // namespace stage

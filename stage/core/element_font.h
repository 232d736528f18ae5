#pragma once
// The font of a text-bearing element: either the shared framework default
// font, which nobody deletes, or a font the element owns.
#include <optional>
#include <string>

#include "stage/core/gdiplus_ptr.h"

namespace stage {

class ElementFont {
public:
    ElementFont();  // the default font
    // Takes the font over; the default font stays shared.
    explicit ElementFont(GpFont* font) : font_(font) {}
    ~ElementFont() { Release(); }
    // A copy owns a clone (or shares the default font).
    ElementFont(const ElementFont& other);
    ElementFont& operator=(const ElementFont&) = delete;
    ElementFont(ElementFont&& other) noexcept;
    ElementFont& operator=(ElementFont&& other) noexcept;

    GpFont* get() const { return font_; }
    // Deletes the font unless it is the default font; no font afterwards.
    void Release();
    // Releases the current font and takes this one over.
    void Adopt(GpFont* font);
    // The same font re-created with another family, size or style.
    void Recreate(std::optional<std::string> family, std::optional<float> size, std::optional<int> style);

    float Size() const;
    int Style() const;

private:
    GpFont* font_ = nullptr;
};

// The font a creator asks for: the default font when none of name, size and
// style is given, else a font of that family (the default family when the
// name is missing or unknown), size (12 pixels) and style (regular).
ElementFont ChooseFont(const std::optional<std::string>& name, std::optional<float> size,
                       std::optional<int> style);

// The line height of the font, in the graphics' units (pixels).
float FontHeight(GpFont* font, GpGraphics* graphics);

}  // namespace stage

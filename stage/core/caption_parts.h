#pragma once
// The elements of a window caption that belong to classes of their own: the
// window icon (an image element) and the caption buttons (TitleButton, type
// code 1, never focusable). The window host makes them through these two
// functions and owns what they return; LayoutCaption places them.
//
// Until those classes exist, both make plain elements with the creation
// settings of the class (type code, focusability, transition), which take
// their place in the caption, in hit testing and in Tab order but draw
// nothing: CreateCaptionButton is filled by the caption-button class,
// CreateCaptionIcon by the image element's CreateFromIcon.
#include <windows.h>

#include <memory>

#include "stage/core/element.h"

namespace stage {

// Kinds of caption button: the caption flag of each.
inline constexpr int kCaptionButtonKinds[] = {4, 8, 16, 32, 64, 128, 256};

// Width of a caption button of that kind.
inline constexpr int CaptionButtonWidth(int kind) { return kind == 4 ? 39 : 28; }

std::unique_ptr<Element> CreateCaptionButton(HWND window, const RectF& bounds, int kind);
std::unique_ptr<Element> CreateCaptionIcon(HWND window, const RectF& bounds, HICON icon);

}  // namespace stage

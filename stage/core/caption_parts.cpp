#include "stage/core/caption_parts.h"

#include "stage/core/stage_messages.h"

namespace stage {
namespace {

constexpr int kTypeImageElement = 4;

std::unique_ptr<Element> placeholder(HWND window, const RectF& bounds, int typeCode, const ElementOptions& options) {
    auto element = std::make_unique<Element>();
    if (!element->Create(window, bounds, typeCode, 1, options)) return nullptr;
    return element;
}

}  // namespace

std::unique_ptr<Element> CreateCaptionButton(HWND window, const RectF& bounds, int) {
    ElementOptions options;
    options.focusable = false;
    options.transitionInterval = 60;
    return placeholder(window, bounds, kTypeTitleButton, options);
}

std::unique_ptr<Element> CreateCaptionIcon(HWND window, const RectF& bounds, HICON) {
    ElementOptions options;
    options.focusable = false;
    return placeholder(window, bounds, kTypeImageElement, options);
}

}  // namespace stage

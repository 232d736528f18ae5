#include "stage/core/text_format.h"

#include <utility>

namespace stage {
namespace {

// One setting of the format: set when given, then read back.
template <class T>
int property(GpStringFormat* format, std::optional<int> value, GpStatus(WINGDIPAPI* set)(GpStringFormat*, T),
             GpStatus(WINGDIPAPI* get)(const GpStringFormat*, T*)) {
    if (!format) return 0;
    if (value) set(format, T(*value));
    T current{};
    get(format, &current);
    return int(current);
}

}  // namespace

TextFormat::TextFormat(const TextFormat& other) : owned_(true) {
    if (other.format_) gp::GdipCloneStringFormat(other.format_, &format_);
}

TextFormat::TextFormat(TextFormat&& other) noexcept
    : format_(std::exchange(other.format_, nullptr)), owned_(std::exchange(other.owned_, false)) {}

TextFormat& TextFormat::operator=(TextFormat&& other) noexcept {
    if (this != &other) {
        DeleteFormat();
        format_ = std::exchange(other.format_, nullptr);
        owned_ = std::exchange(other.owned_, false);
    }
    return *this;
}

void TextFormat::DeleteFormat() {
    if (format_ && owned_) gp::GdipDeleteStringFormat(format_);
    format_ = nullptr;
    owned_ = false;
}

bool TextFormat::CreateFormat(int flags, LANGID language, bool owned) {
    DeleteFormat();
    if (gp::GdipCreateStringFormat(flags, language, &format_) != Gdiplus::Ok) format_ = nullptr;
    owned_ = owned && format_;
    return format_ != nullptr;
}

int TextFormat::Align(std::optional<int> value) {
    return property<Gdiplus::StringAlignment>(format_, value, gp::GdipSetStringFormatAlign, gp::GdipGetStringFormatAlign);
}

int TextFormat::Trimming(std::optional<int> value) {
    return property<Gdiplus::StringTrimming>(format_, value, gp::GdipSetStringFormatTrimming,
                                             gp::GdipGetStringFormatTrimming);
}

int TextFormat::HotkeyPrefix(std::optional<int> value) {
    return property<INT>(format_, value, gp::GdipSetStringFormatHotkeyPrefix, gp::GdipGetStringFormatHotkeyPrefix);
}

int TextFormat::Flags(std::optional<int> value) {
    return property<INT>(format_, value, gp::GdipSetStringFormatFlags, gp::GdipGetStringFormatFlags);
}

}  // namespace stage

#pragma once
// TextFormat: one GDI+ string format (alignment, trimming, hot-key prefix,
// flags), deleted with the wrapper when the wrapper owns it. A wrapper that
// does not own its format only works on it: text elements lend theirs out
// that way.
#include <optional>

#include "stage/core/gdiplus_ptr.h"

namespace stage {

// String format flags the framework uses.
enum : int {
    kFormatNoFontFallback = 1024,
    kFormatMeasureTrailingSpaces = 2048,
    kFormatNoWrap = 4096,
    kFormatLineLimit = 8192,
    kFormatNoClip = 16384,
    // What a word-wrapping text draws with in place of kFormatNoWrap.
    kFormatWordWrap = kFormatNoFontFallback | kFormatMeasureTrailingSpaces | kFormatNoClip | kFormatLineLimit,
};

class TextFormat {
public:
    TextFormat() = default;
    TextFormat(GpStringFormat* format, bool owned) : format_(format), owned_(owned) {}
    ~TextFormat() { DeleteFormat(); }
    // A copy is an owned clone of the format.
    TextFormat(const TextFormat& other);
    TextFormat& operator=(const TextFormat&) = delete;
    TextFormat(TextFormat&& other) noexcept;
    TextFormat& operator=(TextFormat&& other) noexcept;

    // Deletes the format when owned; the wrapper is empty afterwards.
    void DeleteFormat();
    // A new format; an owned old one is deleted first.
    bool CreateFormat(int flags, LANGID language = 0, bool owned = true);
    // Each: given, set; the format's current value is returned either way.
    int Align(std::optional<int> value = std::nullopt);         // 0 near, 1 centre, 2 far
    int Trimming(std::optional<int> value = std::nullopt);      // Gdiplus::StringTrimming
    int HotkeyPrefix(std::optional<int> value = std::nullopt);  // 0 none, 1 show, 2 hide
    int Flags(std::optional<int> value = std::nullopt);
    GpStringFormat* FormatHandle() const { return format_; }

private:
    GpStringFormat* format_ = nullptr;
    bool owned_ = false;
};

}  // namespace stage

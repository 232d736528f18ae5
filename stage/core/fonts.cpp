#include "stage/core/fonts.h"

#include <string>

#include "stage/core/stage_startup.h"
#include "stage/core/text_convert.h"

namespace stage {
namespace {

GdipFontFamily familyNamed(std::wstring_view name) {
    const std::wstring terminated(name);
    GdipFontFamily family;
    gp::GdipCreateFontFamilyFromName(terminated.c_str(), nullptr, family.out());
    return family;
}

GdipFontFamily defaultFamily() {
    GdipFontFamily family;
    if (GpFont* fallback = DefaultFont()) gp::GdipGetFamily(fallback, family.out());
    return family;
}

}  // namespace

bool FontFamilyExists(std::wstring_view familyName) { return bool(familyNamed(familyName)); }

GdipFont CreateFontByName(std::wstring_view familyName, float size, int style) {
    GdipFontFamily family = familyNamed(familyName);
    if (!family) family = defaultFamily();
    GdipFont font;
    if (family) gp::GdipCreateFont(family.get(), size, style, Gdiplus::UnitPixel, font.out());
    return font;
}

GdipFont CreateFontByName(std::string_view familyName, float size, int style) {
    return CreateFontByName(std::wstring_view(ToUtf16(familyName)), size, style);
}

std::string FamilyNameOf(GpFont* font) {
    GdipFontFamily family;
    if (!font || gp::GdipGetFamily(font, family.out()) != Gdiplus::Ok) return {};
    WCHAR name[LF_FACESIZE] = {};
    gp::GdipGetFamilyName(family.get(), name, LANG_NEUTRAL);
    return FromUtf16(name);
}

std::wstring SystemFontFace(int kind) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return {};
    switch (kind) {
    case 1: return metrics.lfMenuFont.lfFaceName;
    case 3: return metrics.lfMessageFont.lfFaceName;
    default: return metrics.lfCaptionFont.lfFaceName;
    }
}

}  // namespace stage

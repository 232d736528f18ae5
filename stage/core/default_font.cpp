#include "stage/core/default_font.h"

#include "stage/core/fonts.h"

namespace stage {
namespace {

constexpr float kDefaultFontSize = 12.0f;

GdipFont fontOf(std::wstring_view family) {
    if (!FontFamilyExists(family)) return {};
    return CreateFontByName(family, kDefaultFontSize, 0);
}

}  // namespace

std::vector<std::wstring> DefaultFontCandidates() {
    std::vector<std::wstring> names = {
        L"宋体",            L"新宋体",            L"微软雅黑",           L"Microsoft YaHei",
        L"黑体",            L"SimHei",            L"Noto Sans CJK SC",  L"Source Han Sans SC",
        L"WenQuanYi Zen Hei", L"文泉驿正黑",      L"Droid Sans Fallback",
    };
    const std::wstring caption = SystemFontFace(2);
    if (!caption.empty() && caption != L"Tahoma") names.push_back(caption);
    return names;
}

GdipFont CreateDefaultFont() {
    for (const std::wstring& name : DefaultFontCandidates()) {
        if (GdipFont font = fontOf(name)) return font;
    }
    // The generic family is shared by GDI+ itself and is not ours to delete.
    GpFontFamily* generic = nullptr;
    GdipFont font;
    if (gp::GdipGetGenericFontFamilySansSerif(&generic) == Gdiplus::Ok)
        gp::GdipCreateFont(generic, kDefaultFontSize, 0, Gdiplus::UnitPixel, font.out());
    return font;
}

}  // namespace stage

#pragma once
// Fonts: creation by family name with fallback to the framework default
// font's family, and the face names the system uses for its own texts.
#include <string>
#include <string_view>

#include "stage/core/gdiplus_ptr.h"

namespace stage {

// Font of the family (a code page 936 name) at size pixels in the GDI+
// style (bold 1, italic 2, underline 4, strikeout 8). An unknown family falls
// back to the default font's family; empty only when even that fails.
GdipFont CreateFontByName(std::string_view familyName, float size, int style = 0);
// The same, for a name already in UTF-16.
GdipFont CreateFontByName(std::wstring_view familyName, float size, int style = 0);

// The font's family name as code page 936 text.
std::string FamilyNameOf(GpFont* font);

// Whether GDI+ knows a family of that name.
bool FontFamilyExists(std::wstring_view familyName);

// Face name of one of the system's non-client fonts: 1 menu, 2 caption,
// 3 message.
std::wstring SystemFontFace(int kind = 2);

}  // namespace stage

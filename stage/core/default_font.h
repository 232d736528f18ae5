#pragma once
// The framework default font: 12 pixels, regular, in the first family of a
// fixed chain that this system has.
#include <string>
#include <vector>

#include "stage/core/gdiplus_ptr.h"

namespace stage {

// The families tried, in order. "宋体" comes first, as on the systems the
// program was made for. Where it is missing, the text is still Chinese, so the
// next candidates are CJK families that other systems ship (the Windows
// families, then the common free ones, such as the WenQuanYi family found on
// Linux machines under Wine); only then the system's caption font (unless it
// is "Tahoma", which has no CJK glyphs) and last the generic sans-serif.
std::vector<std::wstring> DefaultFontCandidates();

GdipFont CreateDefaultFont();

}  // namespace stage

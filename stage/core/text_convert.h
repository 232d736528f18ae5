#pragma once
// Text crosses into GDI+ and the window API as UTF-16; the logic holds code
// page 936 bytes. The code page is always named, never CP_ACP, so the text is
// right whatever the system's own code page is.
#include <windows.h>

#include <string>
#include <string_view>

namespace stage {

inline constexpr UINT kLogicCodePage = 936;

std::wstring ToUtf16(std::string_view ansi, UINT codePage = kLogicCodePage);
std::string FromUtf16(std::wstring_view text, UINT codePage = kLogicCodePage);

}  // namespace stage

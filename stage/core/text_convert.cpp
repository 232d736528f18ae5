#include "stage/core/text_convert.h"

namespace stage {

std::wstring ToUtf16(std::string_view ansi, UINT codePage) {
    if (ansi.empty()) return {};
    const int length = MultiByteToWideChar(codePage, 0, ansi.data(), int(ansi.size()), nullptr, 0);
    std::wstring out(size_t(length > 0 ? length : 0), L'\0');
    if (length > 0) MultiByteToWideChar(codePage, 0, ansi.data(), int(ansi.size()), out.data(), length);
    return out;
}

std::string FromUtf16(std::wstring_view text, UINT codePage) {
    if (text.empty()) return {};
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(codePage, 0, text.data(), int(text.size()), out.data(), length, nullptr, nullptr);
    return out;
}

}  // namespace stage

// Conversions between code page 936, UTF-16 and UTF-8, and the URL encoder.
// Code page 936 is named outright: the results must not follow the system locale.
#include "plugins/searchkit/text_functions.h"

#include <algorithm>

namespace searchkit {
namespace {

constexpr UINT kCodePage936 = 936;

std::wstring toUtf16(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring out(size, L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), out.data(), size);
    return out;
}

std::string fromUtf16(UINT codePage, std::wstring_view text) {
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string out(size, '\0');
    WideCharToMultiByte(codePage, 0, text.data(), length, out.data(), size, nullptr, nullptr);
    return out;
}

bool isCombiningMark(wchar_t c) {
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x1AB0 && c <= 0x1AFF) || (c >= 0x1DC0 && c <= 0x1DFF) ||
           (c >= 0x20D0 && c <= 0x20FF) || (c >= 0xFE20 && c <= 0xFE2F);
}

// Composite-character checking: a base character followed by a combining mark
// becomes its precomposed form before code page 936 is chosen for it. The
// WC_COMPOSITECHECK flag does the same but costs twenty times the whole
// conversion under Wine, so the text is composed here, and only when it holds
// a combining mark at all.
std::wstring composed(std::wstring text) {
    if (std::none_of(text.begin(), text.end(), isCombiningMark)) return text;
    const int length = static_cast<int>(text.size());
    const int size = NormalizeString(NormalizationC, text.data(), length, nullptr, 0);
    if (size <= 0) return text;
    std::wstring out(size, L'\0');
    const int written = NormalizeString(NormalizationC, text.data(), length, out.data(), size);
    if (written <= 0) return text;
    out.resize(written);
    return out;
}

std::string upToFirstZero(std::string text) {
    if (const size_t zero = text.find('\0'); zero != std::string::npos) text.resize(zero);
    return text;
}

bool isUnreserved(unsigned char c) {
    return c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::wstring textToUtf16(std::string_view text) { return toUtf16(kCodePage936, text); }

std::string utf16ToText(std::wstring_view text) { return fromUtf16(kCodePage936, text); }

ByteString ansiToUtf8(std::string_view text) {
    if (text.empty()) return {};
    return gbkToUtf8(text) + '\0';
}

std::string utf8ToText(std::string_view bytes) {
    return upToFirstZero(utf16ToText(composed(toUtf16(CP_UTF8, bytes))));
}

std::string gbkToUtf8(std::string_view text) { return fromUtf16(CP_UTF8, textToUtf16(text)); }

std::string urlEncode(std::string_view text, bool keepUnreserved, bool convertToUtf8First) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const std::string bytes = convertToUtf8First ? gbkToUtf8(text) : std::string(text);
    std::string out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (keepUnreserved && isUnreserved(byte)) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

}  // namespace searchkit

#include "tools/console.h"

#include <windows.h>

namespace tools {
namespace {

constexpr UINT kCodePage936 = 936;

void writeTo(DWORD stream, std::wstring_view text) {
    const HANDLE handle = GetStdHandle(stream);
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(handle, &mode)) {
        WriteConsoleW(handle, text.data(), DWORD(text.size()), &written, nullptr);
        return;
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), utf8.data(), size, nullptr, nullptr);
    WriteFile(handle, utf8.data(), DWORD(utf8.size()), &written, nullptr);
}

}  // namespace

std::string toCodePage936(std::wstring_view text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(kCodePage936, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    WideCharToMultiByte(kCodePage936, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::wstring fromCodePage936(std::string_view text) {
    if (text.empty()) return {};
    const int size = MultiByteToWideChar(kCodePage936, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring out(size_t(size), L'\0');
    MultiByteToWideChar(kCodePage936, 0, text.data(), int(text.size()), out.data(), size);
    return out;
}

void printLine(std::wstring_view text) {
    std::wstring line(text);
    line += L'\n';
    writeTo(STD_OUTPUT_HANDLE, line);
}

void printError(std::wstring_view text) { writeTo(STD_ERROR_HANDLE, text); }

}  // namespace tools

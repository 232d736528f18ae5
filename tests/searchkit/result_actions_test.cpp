// Result actions: which links the shell may open, and what the clipboard gets.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "plugins/searchkit/result_actions.h"

namespace {

struct LinkCase {
    const char* name;
    std::string target;
    bool web;
};

class WebLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(WebLink, OnlyPlainWebAddressesGoToTheShell) {
    EXPECT_EQ(searchkit::isWebLink(GetParam().target), GetParam().web) << GetParam().target;
}

INSTANTIATE_TEST_SUITE_P(Cases, WebLink, ::testing::Values(
    LinkCase{"http", "http://pan.example.test/s/1abc", true},
    LinkCase{"https_with_query", "https://example.test/a?b=1&c=2#d", true},
    LinkCase{"scheme_in_capitals", "HTTP://EXAMPLE.TEST/", true},
    LinkCase{"chinese_path", "http://example.test/\xD6\xD0\xCE\xC4", true},
    LinkCase{"file_url", "file:///C:/windows/system32/cmd.exe", false},
    LinkCase{"unc_path", "\\\\server\\share\\run.exe", false},
    LinkCase{"program", "cmd.exe", false},
    LinkCase{"javascript", "javascript:alert(1)", false},
    LinkCase{"magnet", "magnet:?xt=urn:btih:0123", false},
    LinkCase{"custom_scheme", "thunder://QUFaWg==", false},
    LinkCase{"scheme_without_slashes", "http:cmd.exe", false},
    LinkCase{"leading_blank", " http://example.test/", false},
    LinkCase{"quote_breaks_out", "http://x/\" --profile \"c:\\", false},
    LinkCase{"blank_inside", "http://x/ a", false},
    LinkCase{"line_break_inside", "http://x/\r\nb", false},
    LinkCase{"empty", "", false}),
    [](const auto& info) { return std::string(info.param.name); });

LRESULT CALLBACK plainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

class Clipboard : public ::testing::Test {
protected:
    void SetUp() override {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = plainProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ClipboardTestOwner";
        RegisterClassExW(&windowClass);
        owner = CreateWindowExW(0, L"ClipboardTestOwner", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(owner, nullptr);
    }
    void TearDown() override { DestroyWindow(owner); }

    template <class Char>
    std::basic_string<Char> read(UINT format, size_t& blockSize) {
        std::basic_string<Char> text;
        if (!OpenClipboard(owner)) return text;
        if (HANDLE data = GetClipboardData(format)) {
            blockSize = GlobalSize(data);
            text = static_cast<const Char*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }

    HWND owner = nullptr;
};

TEST_F(Clipboard, HoldsTheBytesAndTheUnicodeText) {
    // 中文 plus a link: code page 936 bytes in, whatever the system's own code page.
    searchkit::copyToClipboard("\xD6\xD0\xCE\xC4 http://x/", owner);
    size_t ansiSize = 0, wideSize = 0;
    EXPECT_EQ(read<char>(CF_TEXT, ansiSize), "\xD6\xD0\xCE\xC4 http://x/");
    EXPECT_GE(ansiSize, 15u);
    EXPECT_EQ(read<wchar_t>(CF_UNICODETEXT, wideSize), L"中文 http://x/");
    EXPECT_GE(wideSize, 13u * sizeof(wchar_t));
}

TEST_F(Clipboard, EmptyTextIsStillACopy) {
    searchkit::copyToClipboard("something", owner);
    searchkit::copyToClipboard("", owner);
    size_t size = 0;
    EXPECT_EQ(read<wchar_t>(CF_UNICODETEXT, size), L"");
}

}  // namespace

#pragma once
// Drives an embedded plug-in window like a user, on the thread that owns it:
// typing, Enter, the search button, right clicks on rows; and reads it back
// through the controls' own messages: status line, list rows and cells,
// column widths. It notes every status text and every row count the window
// was given, in order, so a test can check the whole course of a search.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace harness {

// Handles this thread's messages until `done` holds; false after `timeoutMs`.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 30000);
// Handles every message waiting for this thread.
void pumpWaiting();

class PluginWindow {
public:
    explicit PluginWindow(HWND window);
    ~PluginWindow();
    PluginWindow(const PluginWindow&) = delete;
    PluginWindow& operator=(const PluginWindow&) = delete;

    HWND window() const { return window_; }
    HWND keywordBox() const { return keyword_; }
    HWND searchButton() const { return button_; }
    HWND statusLine() const { return status_; }
    HWND list() const { return list_; }

    void typeKeyword(const std::wstring& keyword);  // replaces what the box held
    void pressEnter();
    void clickSearch();
    void selectRow(int row);
    void clearSelection();
    // A right click inside the list: on the row's place, or below the rows for -1.
    void rightClick(int row);

    std::wstring status() const;
    // Waits until the window has been given a status text that ends with
    // `tail` since the last forget().
    bool waitForStatusEnding(const std::wstring& tail, DWORD timeoutMs = 30000);

    int rowCount() const;
    std::wstring cell(int row, int column) const;
    int columnCount() const;
    int columnWidth(int column) const;
    std::wstring columnTitle(int column) const;
    RECT rectOf(HWND control) const;  // in the window's client coordinates

    // Everything noted since the last forget().
    std::vector<std::wstring> statusTexts() const { return statusTexts_; }
    std::vector<int> rowCounts() const { return rowCounts_; }
    void forget();

private:
    static LRESULT CALLBACK spy(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);

    HWND window_, keyword_ = nullptr, button_ = nullptr, status_ = nullptr, list_ = nullptr;
    std::vector<std::wstring> statusTexts_;
    std::vector<int> rowCounts_;
};

// Clipboard texts: the CF_TEXT bytes and the CF_UNICODETEXT text.
std::string clipboardBytes();
std::wstring clipboardText();
void setClipboardText(HWND owner, const std::wstring& text);

}  // namespace harness

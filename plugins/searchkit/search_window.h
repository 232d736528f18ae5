#pragma once
// SearchWindow: the plug-in's one window, a keyword box, a search button, the
// result list and a status line. The host re-parents it into a tab page and
// sizes it; the window lays its controls out on every size change.
//
// The search worker changes the button, the status line and the list's row
// count through the calls below; each is a message the window's own thread
// handles, so the worker needs no lock.
#include <windows.h>

#include <atomic>
#include <string>
#include <string_view>

#include "plugins/searchkit/plugin_table.h"
#include "plugins/searchkit/virtual_list.h"

namespace searchkit {

class SearchWindow {
public:
    static constexpr int kWidth = 735, kHeight = 502;

    explicit SearchWindow(const PluginTable& table) : table_(table) {}
    SearchWindow(const SearchWindow&) = delete;
    SearchWindow& operator=(const SearchWindow&) = delete;

    // Creates the window, hidden, with its controls laid out; when it exists
    // already, the same window. Null when the window cannot be created.
    HWND create();

    const PluginTable& table() const { return table_; }
    VirtualList& list() { return list_; }
    const VirtualList& list() const { return list_; }
    HWND window() const { return window_; }
    HWND keywordBox() const { return keyword_; }
    HWND searchButton() const { return button_; }
    HWND statusLine() const { return status_; }

    std::string keyword() const;
    bool searchEnabled() const;
    void setSearchEnabled(bool enabled);
    void setStatus(std::string_view text);

    // Written by the page-count prompt's accept, read and reset by each search.
    std::atomic<int> requestedPages{0};

    // The SearchWindow object behind a window this class created, else null.
    static SearchWindow* from(HWND window);

private:
    struct Layout;
    Layout layout(int width, int height) const;
    void createControls();
    void runCreationSteps();
    void onSize(int width, int height);
    void onCommand(int id, int notification);
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK keywordBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                           DWORD_PTR self);

    const PluginTable& table_;
    VirtualList list_;
    HWND window_ = nullptr;
    HWND keyword_ = nullptr;
    HWND button_ = nullptr;
    HWND status_ = nullptr;
    bool created_ = false;  // size changes before the creation steps leave everything alone
};

}  // namespace searchkit

#pragma once
// VirtualList: the system's report-view list in owner-data mode. The control
// keeps only a row count and asks a callback for each cell it shows, so a
// search with thousands of hits costs nothing until rows come into view.
//
// Callbacks live on the windows as named properties, and the list's parent is
// subclassed once by a router that answers the display-info requests (ANSI and
// Unicode) and passes click notifications to their handlers. Everything except
// setRowCount runs on the thread that owns the windows.
#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace searchkit {

// One cell the control asks for. Image and item data travel both ways.
struct CellRequest {
    int32_t row;
    int32_t column;
    int32_t image;
    int32_t itemData;
};

// A fill callback writes the cell text, NUL-terminated, into a zero-filled
// buffer of kCellBufferSize bytes; a text therefore holds at most 1023 bytes.
inline constexpr size_t kCellBufferSize = 1024;
using FillCallback = void (*)(CellRequest* request, char* buffer);
// Called with the list window that reported the click.
using ClickHandler = void (*)(HWND list);

// Copies `text` into a fill buffer, cut to 1023 bytes without splitting a
// double-byte character, and NUL-terminates it.
void writeCellText(char* buffer, std::string_view text);

class VirtualList {
public:
    VirtualList() = default;
    VirtualList(const VirtualList&) = delete;
    VirtualList& operator=(const VirtualList&) = delete;

    // False when this object already has a live window or `parent` is no window.
    bool create(HWND parent, int left, int top, int width, int height, bool hideHeaders = false);
    void move(int left, int top, int width, int height, bool repaint);

    // With apply, switch the style on or off; the result says whether it is on now.
    bool setFullRowSelect(bool on, bool apply);
    bool setGridLines(bool on, bool apply);
    bool setSingleSelect(bool on, bool apply);

    enum Alignment { left = 0, centre = 1, right = 2 };
    static constexpr int kAppend = -1;
    // Title in code page 936. Returns the new column's index, -1 on failure.
    int insertColumn(std::string_view title, int width = 50, Alignment alignment = left, int position = kAppend);
    void setColumnWidth(int column, int width);

    // The one operation another thread may call: the control applies it on its own thread.
    void setRowCount(int rows);
    int rowCount() const { return rows_; }

    // The first selected row, or -1 (also whenever single selection is off).
    int selectedRow() const;
    // The text the fill callback gives for a cell, asked directly rather than
    // through the control; empty outside the row count or without a callback.
    std::string cellText(int row, int column) const;

    void setFillCallback(FillCallback callback);
    void setRightClickHandler(ClickHandler handler);

    HWND window() const { return list_; }
    HWND header() const { return header_; }

private:
    HWND list_ = nullptr;
    HWND header_ = nullptr;
    std::atomic<int> rows_{0};
};

}  // namespace searchkit

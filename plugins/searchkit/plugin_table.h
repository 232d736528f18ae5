#pragma once
// The values that make one search plug-in what it is. Both plug-in libraries
// are built from the same toolkit and differ only in their PluginTable.
// Texts are code page 936.
#include <windows.h>

#include <span>

#include "plugins/searchkit/virtual_list.h"

namespace searchkit {

class SearchWindow;

struct ListColumn {
    const char* title;
    int width;  // at creation
};

// What a menu entry does with one cell of the selected row.
enum class RowAction {
    copy,     // to the clipboard
    open,     // with the shell, web links only
    nothing,  // reads the selection and leaves everything as it is
};

struct MenuEntry {
    const char* text;
    RowAction action;
    int column;
};

struct PluginTable {
    const char* title;
    const unsigned char* icon;  // P of a length-prefixed blob holding an icon file
    std::span<const ListColumn> columns;
    // Columns whose width follows the window: W / trackedDivisor, truncated.
    std::span<const int> trackedColumns;
    double trackedDivisor;
    std::span<const MenuEntry> menu;
    UINT emptyKeywordIcon;  // MB_ICONINFORMATION or MB_ICONERROR
    FillCallback fillCell;
    void (*search)(SearchWindow& window);  // runs on a worker thread
};

}  // namespace searchkit

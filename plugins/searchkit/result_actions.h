#pragma once
// What the user can do with a row after a search: a menu on right click with
// copy and open entries acting on the selected row. Texts are code page 936.
#include <windows.h>

#include <string_view>

#include "plugins/searchkit/plugin_table.h"

namespace searchkit {

// Entry i of the plug-in's menu arrives as WM_COMMAND with this id + i.
inline constexpr int kFirstMenuEntryId = 2001;

// The right-click handler of the result list: the menu at the mouse pointer,
// only while no search runs.
void onListRightClick(HWND list);

// The entry's action on its column of the selected row; nothing without a selection.
void runMenuEntry(const SearchWindow& window, const MenuEntry& entry);

// Puts the text on the clipboard as CF_TEXT (code page 936 bytes, as other
// programs of the platform expect) and as CF_UNICODETEXT, so a reader on a
// system with another code page still gets the right characters. Quiet: a
// busy clipboard keeps what it had.
void copyToClipboard(std::string_view text, HWND owner);

// Only http:// and https:// addresses with nothing that could break out of
// the browser's command line. A page may carry file: links, UNC paths or
// program names; the shell would open those too.
bool isWebLink(std::string_view target);
// The shell's "open" verb on a web link; anything else is refused quietly.
void openWithShell(std::string_view target);

}  // namespace searchkit

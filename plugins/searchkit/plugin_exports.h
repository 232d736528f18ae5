#pragma once
// The contract between the host and a search plug-in library: four exports,
// standard Windows calling convention, undecorated names (the .def file of
// each library maps them). Each library links plugin_exports.cpp in as an
// object and defines thisPlugin() once.
#include <windows.h>

#include "plugins/searchkit/search_window.h"

namespace searchkit {

// The text the host must hand to korvel_Search, byte for byte.
inline constexpr char kHandshake[] = "748.9302";

// The plug-in's one window object, which lives as long as the library.
SearchWindow& thisPlugin();

}  // namespace searchkit

extern "C" {
// The window handle of the plug-in's window, created by the first call with
// the right handshake; 0 for any other text, an empty one or a null pointer.
HWND __stdcall korvel_Search(const char* handshake);
// Title text, code page 936, constant data of the library.
const char* __stdcall korvel_SearchTitle();
// P of the icon blob: the value 1 at P - 8, the icon file's length at P - 4.
const unsigned char* __stdcall korvel_SearchIco();
int __stdcall korvel_SearchNum();
}

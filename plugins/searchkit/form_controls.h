#pragma once
// What the plug-in's own forms (the search window and the page-count prompt)
// are made of: plain Win32 child controls carrying code page 936 texts, all
// in one font that shows Chinese text.
#include <windows.h>

#include <string>
#include <string_view>

namespace searchkit {

struct Placement {
    int left, top, width, height;
};

// The library these forms belong to (each plug-in registers its own classes).
HINSTANCE thisModule();

// Registers a window class of this library with the forms' background; the
// atom, or 0 when it could not be registered.
ATOM registerFormClass(const wchar_t* className, WNDPROC proc);

// A child control of `parent` with the forms' font; `text` in code page 936.
HWND createControl(HWND parent, const wchar_t* className, std::string_view text, DWORD style, DWORD exStyle,
                   const Placement& place, int id);

// Gives a control the forms' font (the list and its header have their own otherwise).
void useFormFont(HWND control);

void setWindowText(HWND window, std::string_view text);
std::string windowText(HWND window);

// A child's rectangle in its parent's client coordinates.
RECT childRect(HWND child);

}  // namespace searchkit

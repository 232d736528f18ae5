#pragma once
// Loads a search plug-in the way the host does: by full path, a probe that
// loads and unloads the library once, then each export bound by name with the
// library staying loaded, the handshake, and the plug-in's window embedded as
// a child of the host's window.
#include <windows.h>

#include <string>

namespace harness {

// Load the library, look the name up, unload it again.
bool probeExport(const std::wstring& path, const char* name);

// What a host takes from a search plug-in.
struct LoadedPlugin {
    bool probed = false;
    HMODULE module = nullptr;
    std::string title;  // code page 936 bytes, copied at once
    std::string icon;   // the icon file, copied using the length at P - 4
    uint32_t iconWordAtMinus8 = 0;
    using SearchEntry = HWND(__stdcall*)(const char*);
    SearchEntry search = nullptr;
    int(__stdcall* searchNum)() = nullptr;
};

// Probes for the title export, then binds title, icon and search entry by name.
LoadedPlugin loadPlugin(const std::wstring& path);

// The installed plug-in library of that file name (APP_DIR).
std::wstring installedPlugin(const wchar_t* fileName);

// A top-level window standing in for the host's main window.
class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND window() const { return window_; }
    // Re-parents `plugin` as the host does: parent, pop-up bit off and child
    // bit on, moved and sized with repainting, shown.
    void embed(HWND plugin, int left, int top, int width, int height);

private:
    HWND window_ = nullptr;
};

}  // namespace harness

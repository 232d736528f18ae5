#include "tests/plugins/harness/plugin_library.h"

#include <cstring>

#include "tests/support/test_support.h"

namespace harness {
namespace {

HMODULE loadByFullPath(const std::wstring& path) {
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

// GetProcAddress gives every export one type; the caller knows the real one.
template <class Function>
Function bindExport(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// A length-prefixed blob: the value 1 at P - 8 and the length at P - 4.
void copyBlob(const unsigned char* p, LoadedPlugin& plugin) {
    uint32_t length = 0;
    std::memcpy(&plugin.iconWordAtMinus8, p - 8, 4);
    std::memcpy(&length, p - 4, 4);
    plugin.icon.assign(reinterpret_cast<const char*>(p), length);
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool probeExport(const std::wstring& path, const char* name) {
    HMODULE module = loadByFullPath(path);
    if (!module) return false;
    const bool found = GetProcAddress(module, name) != nullptr;
    FreeLibrary(module);
    return found;
}

LoadedPlugin loadPlugin(const std::wstring& path) {
    LoadedPlugin plugin;
    plugin.probed = probeExport(path, "korvel_SearchTitle");
    if (!plugin.probed) return plugin;
    plugin.module = loadByFullPath(path);
    auto title = bindExport<const char*(__stdcall*)()>(plugin.module, "korvel_SearchTitle");
    auto icon = bindExport<const unsigned char*(__stdcall*)()>(plugin.module, "korvel_SearchIco");
    plugin.search = bindExport<LoadedPlugin::SearchEntry>(plugin.module, "korvel_Search");
    plugin.searchNum = bindExport<int(__stdcall*)()>(plugin.module, "korvel_SearchNum");
    if (title) plugin.title = title();
    if (icon) copyBlob(icon(), plugin);
    return plugin;
}

std::wstring installedPlugin(const wchar_t* fileName) {
    return testing_support::appDirectory() + L"\\" + fileName;
}

HostWindow::HostWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = hostProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TestHostWindow";
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassExW(&windowClass);
    window_ = CreateWindowExW(0, L"TestHostWindow", L"test host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 800,
                              600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWNORMAL);
}

HostWindow::~HostWindow() {
    DestroyWindow(window_);
}

void HostWindow::embed(HWND plugin, int left, int top, int width, int height) {
    SetParent(plugin, window_);
    const LONG_PTR style = GetWindowLongPtrW(plugin, GWL_STYLE);
    const LONG_PTR child = (style & ~static_cast<LONG_PTR>(WS_POPUP)) | WS_CHILD;
    if (child != style) SetWindowLongPtrW(plugin, GWL_STYLE, child);
    MoveWindow(plugin, left, top, width, height, TRUE);
    ShowWindow(plugin, SW_SHOWNORMAL);
}

}  // namespace harness

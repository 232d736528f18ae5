#include "plugins/searchkit/plugin_exports.h"

#include <objbase.h>

#include <cstring>

using searchkit::thisPlugin;

HWND __stdcall korvel_Search(const char* handshake) {
    if (!handshake || std::strcmp(handshake, searchkit::kHandshake) != 0) return nullptr;
    // The shell calls behind the menu want COM on the window's thread. Here,
    // unlike at library load, the loader lock is not held.
    static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    (void)com;
    return thisPlugin().create();
}

const char* __stdcall korvel_SearchTitle() {
    return thisPlugin().table().title;
}

const unsigned char* __stdcall korvel_SearchIco() {
    return thisPlugin().table().icon;
}

int __stdcall korvel_SearchNum() {
    return 0;
}

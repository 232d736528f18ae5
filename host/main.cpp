// searchhost: the program entry.
#include <windows.h>

#include "host/host_main.h"
#include "host/host_state.h"
#include "stage/core/stage_startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // Libraries come from the system folder or by full path, never from the
    // current directory or PATH.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    host::createHostState();
    stage::StageStartup();  // GDI+, default font, window class: before any window
    host::hostMain();
    return 0;  // the exit routine runs as the program ends
}

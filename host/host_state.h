#pragma once
// Everything the host holds from start-up to exit. Created empty when the
// program starts, filled once by hostMain, released by exitRoutine.
#include <windows.h>

#include <vector>

#include "host/host_settings.h"

namespace host {

struct HostState {
    HostSettings settings;
    HWND mainWindow = nullptr;
    std::vector<HWND> pluginWindows;  // one per search plug-in, in tab order
    int clientSize[2] = {0, 0};       // last size reported to the size callback
};

HostState& hostState();
// Creates the empty state and registers exitRoutine to run when the program ends.
void createHostState();
// Releases the host's objects. Destroys no window and unloads no library: the
// system reclaims them with the process.
void exitRoutine();

}  // namespace host

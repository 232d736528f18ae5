#include "host/host_main.h"

#include <windows.h>

#include "host/host_state.h"
#include "settings/encrypted_file.h"
#include "settings/read_setting.h"

namespace host {

void terminateNow() {
    TerminateProcess(GetCurrentProcess(), kStartRefusedExitCode);
    ExitProcess(kStartRefusedExitCode);  // not reached
}

int runMessageLoop() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0 && got != -1) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return got == -1 ? -1 : int(msg.wParam);
}

void hostMain() {
    const std::wstring settingsFile = settings::settingsFilePath();
    if (!settings::fileExists(settingsFile)) terminateNow();
    std::optional<HostSettings> read = readHostSettings(settingsFile);
    if (!read) terminateNow();
    HostState& state = hostState();
    state.settings = std::move(*read);
    // The main window, the plug-ins, the window handlers and showing the
    // window come here, in that order, as the framework grows them.
    runMessageLoop();
}

}  // namespace host

// settings_crash_writer FILE EVENT: saves FILE over and over until it is
// killed, each save with the next generation number beside a large entry.
// Signals EVENT once the first save is done.
#include <windows.h>

#include <string>

#include "settings/read_setting.h"
#include "settings/settings_store.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return 2;
    settings::SettingsStore store;
    if (!store.open(argv[1], settings::settingsPassword)) return 1;
    // Enough text that a save takes a while.
    store.writeText("A", "padding", std::string(200000, 'p'));
    for (unsigned generation = 0;; ++generation) {
        const std::string value = std::to_string(generation);
        store.writeText("A", "generation", value);
        if (generation == 0) {
            const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
            SetEvent(ready);
            CloseHandle(ready);
        }
    }
}

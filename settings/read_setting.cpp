#include "read_setting.h"

#include <windows.h>

#include <algorithm>

#include "settings_store.h"

namespace settings {

std::wstring runDirectory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring settingsFilePath() { return runDirectory() + L"\\Main"; }

Bytes readSetting(std::string_view section, std::string_view key) {
    return readSettingFrom(settingsFilePath(), section, key);
}

Bytes readSettingFrom(const std::wstring& settingsFile, std::string_view section, std::string_view key) {
    SettingsStore store;
    store.open(settingsFile, settingsPassword);
    Bytes value = store.readBytes(section, key, {});
    store.close();
    return value;
}

std::string settingText(const Bytes& bytes) {
    const auto end = std::find(bytes.begin(), bytes.end(), uint8_t(0));
    return std::string(bytes.begin(), end);
}

int32_t settingInt(const Bytes& bytes) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4 && i < bytes.size(); ++i) value |= uint32_t(bytes[i]) << (8 * i);
    return int32_t(value);
}

}  // namespace settings

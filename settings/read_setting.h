#pragma once
// How the host and the button plug-in read their configuration: one call per
// value, each opening and closing the settings file "Main" beside the running
// program.
#include <cstdint>
#include <string>
#include <string_view>

#include "base64.h"

namespace settings {

// The fixed password of the settings file: seven 8-bit characters.
inline constexpr std::string_view settingsPassword{"\xa7\x52\xd9\x18\x6c\xf0\x2b", 7};
// The one section the delivered programs read.
inline constexpr std::string_view kMainSection = "MyMainWindowsDate";

// Directory of the running executable, without a trailing backslash.
std::wstring runDirectory();
std::wstring settingsFilePath();

// The Base64-decoded value, or no bytes when the key (or the file) is missing.
Bytes readSetting(std::string_view section, std::string_view key);
// The same from a given settings file (a missing file is created empty).
Bytes readSettingFrom(const std::wstring& settingsFile, std::string_view section, std::string_view key);

// A text setting is its bytes up to the first zero byte.
std::string settingText(const Bytes& bytes);
// A 32-bit setting is its first four bytes, little-endian, zero-extended.
int32_t settingInt(const Bytes& bytes);

}  // namespace settings

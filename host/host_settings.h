#pragma once
// The window settings the host reads at start-up, checked and corrected.
#include <cstdint>
#include <optional>
#include <string>

namespace host {

struct HostSettings {
    std::string windowTitle;    // WindowsTitle: window text and single-instance name
    int32_t windowColour = 0;   // WindowsColour, 0x00BBGGRR
    int32_t captionFlags = 0;   // WindowsButton
    int32_t openEffect = 0;     // WindowsCgiStart
    int32_t closeEffect = 0;    // WindowsCgiExit
    int32_t minWidth = 0;       // WindowsWidth, at least 800 (else 1000)
    int32_t minHeight = 0;      // WindowsHeight, at least 600 (else 750)
    std::string actionCaption;  // WindowsButton1
};

// Reads the settings from `settingsFile` in their fixed order, one file open
// per value. No value when start-up cannot go on: an empty title or action
// caption, or a colour or caption flags of 0.
std::optional<HostSettings> readHostSettings(const std::wstring& settingsFile);

}  // namespace host

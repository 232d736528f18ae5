#include "host/host_settings.h"

#include "settings/read_setting.h"

namespace host {
namespace {

constexpr int32_t kSmallestWidth = 800, kDefaultWidth = 1000;
constexpr int32_t kSmallestHeight = 600, kDefaultHeight = 750;

}  // namespace

std::optional<HostSettings> readHostSettings(const std::wstring& settingsFile) {
    auto read = [&](std::string_view key) {
        return settings::readSettingFrom(settingsFile, settings::kMainSection, key);
    };
    HostSettings s;
    s.windowTitle = settings::settingText(read("WindowsTitle"));
    s.windowColour = settings::settingInt(read("WindowsColour"));
    s.captionFlags = settings::settingInt(read("WindowsButton"));
    s.openEffect = settings::settingInt(read("WindowsCgiStart"));
    s.closeEffect = settings::settingInt(read("WindowsCgiExit"));
    s.minWidth = settings::settingInt(read("WindowsWidth"));
    s.minHeight = settings::settingInt(read("WindowsHeight"));
    s.actionCaption = settings::settingText(read("WindowsButton1"));

    if (s.windowTitle.empty() || s.windowColour == 0 || s.captionFlags == 0 || s.actionCaption.empty())
        return std::nullopt;
    if (s.minWidth < kSmallestWidth) s.minWidth = kDefaultWidth;
    if (s.minHeight < kSmallestHeight) s.minHeight = kDefaultHeight;
    return s;
}

}  // namespace host

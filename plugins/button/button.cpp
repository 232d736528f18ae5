// Button.dll: one extra button for the host, a picture and what a click does.
//
// A click opens the address stored under WindowsGroup in the settings file
// beside the running program. The setting is read afresh on every click, so
// a changed file takes effect without restarting the host.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "plugins/searchkit/length_prefixed_blob.h"
#include "settings/read_setting.h"

namespace {

#include "kJoinGroupPicture.inc"

std::wstring fromCodePage936(std::string_view text) {
    const int length = MultiByteToWideChar(936, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(936, 0, text.data(), int(text.size()), wide.data(), length);
    return wide;
}

}  // namespace

// The picture (a 90 x 22 PNG), with its length in the word before it.
extern "C" const unsigned char* __stdcall korvel_ButtonIco1() {
    return kJoinGroupPicture.bytes;
}

extern "C" void __stdcall korvel_Button1() {
    const std::string address =
        settings::settingText(settings::readSetting(settings::kMainSection, "WindowsGroup"));
    // Asking the shell to open an empty name can show a folder window; with no
    // address configured a click does nothing.
    if (address.empty()) return;
    ShellExecuteW(nullptr, L"open", fromCodePage936(address).c_str(), nullptr, L"", SW_SHOWNORMAL);
}

// Host start-up: which settings files let searchhost run, and the size rules.
#include <gtest/gtest.h>

#include <windows.h>

#include "host/host_main.h"
#include "host/host_settings.h"
#include "settings/read_setting.h"
#include "settings/settings_store.h"
#include "tests/support/test_support.h"

using settings::Bytes;
using testing_support::TempDir;

namespace {

Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }
Bytes int32(uint32_t v) { return {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}; }

struct Setting {
    const char* key;
    Bytes value;
};

std::vector<Setting> validSettings() {
    return {{"WindowsTitle", text("\xd7\xca\xd4\xb4\xcb\xd1\xcb\xf7")},  // "资源搜索"
            {"WindowsColour", int32(0x00be6e26)},
            {"WindowsButton", int32(31)},
            {"WindowsCgiStart", int32(2)},
            {"WindowsCgiExit", int32(5)},
            {"WindowsWidth", int32(1024)},
            {"WindowsHeight", int32(700)},
            {"WindowsButton1", text("\xb0\xef\xd6\xfa")}};  // "帮助"
}

// Writes `values` into a settings file; a key whose value is absent is left out.
void writeSettings(const std::wstring& path, const std::vector<Setting>& values) {
    settings::SettingsStore store;
    ASSERT_TRUE(store.open(path, settings::settingsPassword));
    for (const Setting& s : values) ASSERT_EQ(store.writeBytes(settings::kMainSection, s.key, s.value), 1);
}

std::vector<Setting> validWith(const char* key, std::optional<Bytes> value) {
    std::vector<Setting> values;
    for (Setting s : validSettings()) {
        if (std::string_view(s.key) != key) values.push_back(s);
        else if (value) values.push_back({s.key, *value});
    }
    return values;
}

// Starts the installed searchhost in `folder`, asks it to quit as soon as its
// thread has a message queue, and returns its exit code.
DWORD runHost(const std::wstring& folder) {
    std::wstring commandLine = testing_support::quoteArgument(folder + L"\\searchhost.exe");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process))
        return DWORD(-1);
    // Until the host has read a setting its thread has no queue to post to.
    const DWORD deadline = GetTickCount() + 30000;
    while (!PostThreadMessageW(process.dwThreadId, WM_QUIT, 0, 0) &&
           WaitForSingleObject(process.hProcess, 10) == WAIT_TIMEOUT && GetTickCount() < deadline) {
    }
    if (WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 998);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

}  // namespace

struct StartCase {
    const char* name;
    std::optional<std::vector<Setting>> settings;  // none: no Main at all
    bool runs;
};

class HostStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(HostStart, RunsOnlyWithCompleteSettings) {
    const StartCase& c = GetParam();
    TempDir dir;
    ASSERT_TRUE(testing_support::copyInstallation(dir.path()));
    if (c.settings) writeSettings(dir.file(L"Main"), *c.settings);
    EXPECT_EQ(runHost(dir.path()), c.runs ? 0u : host::kStartRefusedExitCode);
}

INSTANTIATE_TEST_SUITE_P(SettingsChecks, HostStart, ::testing::Values(
    StartCase{"complete", validSettings(), true},
    StartCase{"no_settings_file", std::nullopt, false},
    StartCase{"none_of_the_keys", std::vector<Setting>{{"Other", text("x")}}, false},
    StartCase{"title_missing", validWith("WindowsTitle", std::nullopt), false},
    StartCase{"title_empty", validWith("WindowsTitle", Bytes{}), false},
    StartCase{"title_only_a_zero_byte", validWith("WindowsTitle", Bytes{0, 'x'}), false},
    StartCase{"colour_missing", validWith("WindowsColour", std::nullopt), false},
    StartCase{"colour_black", validWith("WindowsColour", int32(0)), false},
    StartCase{"caption_flags_missing", validWith("WindowsButton", std::nullopt), false},
    StartCase{"caption_flags_zero", validWith("WindowsButton", int32(0)), false},
    StartCase{"action_caption_missing", validWith("WindowsButton1", std::nullopt), false},
    StartCase{"action_caption_empty", validWith("WindowsButton1", Bytes{}), false},
    StartCase{"action_caption_one_blank", validWith("WindowsButton1", text(" ")), true},
    StartCase{"effects_and_size_missing", [] {
        auto v = validWith("WindowsCgiStart", std::nullopt);
        for (const char* k : {"WindowsCgiExit", "WindowsWidth", "WindowsHeight"})
            std::erase_if(v, [&](const Setting& s) { return std::string_view(s.key) == k; });
        return v;
    }(), true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HostStart, AFileThatIsNotASettingsFileStopsTheHost) {
    TempDir dir;
    ASSERT_TRUE(testing_support::copyInstallation(dir.path()));
    ASSERT_TRUE(testing_support::writeFileBytes(dir.file(L"Main"), "[MyMainWindowsDate]\r\nWindowsTitle=eA==\r\n"));
    EXPECT_EQ(runHost(dir.path()), host::kStartRefusedExitCode);
}

TEST(HostSettings, ReadsEveryValueAndCorrectsTooSmallSizes) {
    struct Case { uint32_t width, height; int32_t minWidth, minHeight; };
    const Case cases[] = {
        {799, 599, 1000, 750}, {800, 600, 800, 600}, {1920, 1080, 1920, 1080}, {0, 0, 1000, 750},
        {0xffffffff, 0xffffffff, 1000, 750},  // -1 is below the minimum too
    };
    for (const Case& c : cases) {
        TempDir dir;
        auto values = validWith("WindowsWidth", int32(c.width));
        std::erase_if(values, [](const Setting& s) { return std::string_view(s.key) == "WindowsHeight"; });
        values.push_back({"WindowsHeight", int32(c.height)});
        writeSettings(dir.file(L"Main"), values);
        const auto read = host::readHostSettings(dir.file(L"Main"));
        ASSERT_TRUE(read);
        EXPECT_EQ(read->minWidth, c.minWidth) << c.width;
        EXPECT_EQ(read->minHeight, c.minHeight) << c.height;
        EXPECT_EQ(read->windowTitle, "\xd7\xca\xd4\xb4\xcb\xd1\xcb\xf7");
        EXPECT_EQ(read->windowColour, 0x00be6e26);
        EXPECT_EQ(read->captionFlags, 31);
        EXPECT_EQ(read->openEffect, 2);
        EXPECT_EQ(read->closeEffect, 5);
        EXPECT_EQ(read->actionCaption, "\xb0\xef\xd6\xfa");
    }
}

// Button.dll as the host uses it: its picture behind a length-prefixed block,
// and a click that opens the WindowsGroup address from the settings file
// beside the running program (here: this test program), read anew each time.
//
// The addresses under test are small batch files in a temporary folder: the
// shell's "open" runs them, and each leaves a marker file, so the test sees
// exactly what a click opened without starting a browser.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "settings/read_setting.h"
#include "settings/settings_store.h"
#include "tests/assets/picture_facts.h"
#include "tests/support/loaded_library.h"
#include "tests/support/test_support.h"

using testing_support::fileExistsAt;
using testing_support::readFileBytes;
using testing_support::TempDir;

namespace {

using PictureExport = const unsigned char*(__stdcall*)();
using ActionExport = void(__stdcall*)();

std::string toCodePage936(const std::wstring& text) {
    const int length = WideCharToMultiByte(936, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(length, '\0');
    WideCharToMultiByte(936, 0, text.data(), int(text.size()), bytes.data(), length, nullptr, nullptr);
    return bytes;
}

// Waits on a change notification of the folder until the file is there.
bool waitForFile(const std::wstring& folder, const std::wstring& file, DWORD timeoutMs) {
    const HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    if (change == INVALID_HANDLE_VALUE) return false;
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool found = fileExistsAt(file);
    while (!found) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline || WaitForSingleObject(change, DWORD(deadline - now)) != WAIT_OBJECT_0) break;
        found = fileExistsAt(file);
        FindNextChangeNotification(change);
    }
    FindCloseChangeNotification(change);
    return found || fileExistsAt(file);
}

class ButtonPlugin : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(button_) << "Button.dll did not load";
        picture_ = button_.get<PictureExport>("korvel_ButtonIco1");
        click_ = button_.get<ActionExport>("korvel_Button1");
        ASSERT_TRUE(picture_ && click_) << "undecorated exports missing";
        DeleteFileW(mainFile_.c_str());
    }
    void TearDown() override { DeleteFileW(mainFile_.c_str()); }

    // A settings file beside this program holding the given values.
    void writeMain(std::initializer_list<std::pair<const char*, std::string>> values) {
        settings::SettingsStore store;
        ASSERT_TRUE(store.open(mainFile_, settings::settingsPassword));
        for (const auto& [key, value] : values)
            store.writeBytes(settings::kMainSection, key, settings::Bytes(value.begin(), value.end()));
        store.close();
    }

    // A batch file that leaves `marker` behind when the shell opens it. The
    // marker is written under another name first, so it appears complete.
    std::wstring markerScript(const std::wstring& name, const std::wstring& marker) {
        const std::wstring script = scripts_.file(name);
        const std::string target = toCodePage936(marker);
        testing_support::writeFileBytes(script, "@echo opened>\"" + target + ".part\"\r\n@move /y \"" + target +
                                                    ".part\" \"" + target + "\">nul\r\n");
        return script;
    }

    testing_support::LoadedLibrary button_{testing_support::appDirectory() + L"\\Button.dll"};
    PictureExport picture_ = nullptr;
    ActionExport click_ = nullptr;
    const std::wstring mainFile_ = testing_support::testProgramDirectory() + L"\\Main";
    TempDir scripts_;
};

TEST_F(ButtonPlugin, PictureIsTheJoinGroupPngBehindItsLength) {
    const unsigned char* p = picture_();
    ASSERT_NE(p, nullptr);
    std::uint32_t words[2];
    std::memcpy(words, p - 8, sizeof words);
    EXPECT_EQ(words[0], 1u);
    ASSERT_EQ(words[1], 1827u);
    const std::string bytes(reinterpret_cast<const char*>(p), words[1]);
    EXPECT_EQ(bytes, picture_facts::assetBytes(L"button/join-group.png").value_or(""));
    const auto header = picture_facts::pngHeader(bytes);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->colourType, picture_facts::kPalette);
    EXPECT_EQ(header->bitDepth, 8);
    const auto decoded = picture_facts::decode(bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->kind, picture_facts::Kind::Png);
    EXPECT_EQ(decoded->width, 90);
    EXPECT_EQ(decoded->height, 22);
    EXPECT_EQ(picture_(), p) << "the block moved";
    MEMORY_BASIC_INFORMATION page{};
    ASSERT_NE(VirtualQuery(p - 8, &page, sizeof page), 0u);
    EXPECT_EQ(page.Protect, DWORD(PAGE_READONLY)) << "not in the library's constant data";
}

TEST_F(ButtonPlugin, OffersExactlyOneButton) {
    EXPECT_EQ(button_.get<PictureExport>("korvel_ButtonIco2"), nullptr);
    EXPECT_EQ(button_.get<ActionExport>("korvel_Button2"), nullptr);
}

TEST_F(ButtonPlugin, ClickWithoutSettingsFileCreatesAnEmptyOne) {
    ASSERT_FALSE(fileExistsAt(mainFile_));
    click_();
    ASSERT_TRUE(fileExistsAt(mainFile_));
    settings::SettingsStore store;
    ASSERT_TRUE(store.open(mainFile_, settings::settingsPassword));
    std::vector<std::string> sections;
    EXPECT_EQ(store.listSections(sections), 0);
}

TEST_F(ButtonPlugin, ClickWithoutTheKeyChangesNothing) {
    writeMain({{"WindowsTitle", "title"}});
    const auto before = readFileBytes(mainFile_);
    click_();
    EXPECT_EQ(readFileBytes(mainFile_), before);
}

TEST_F(ButtonPlugin, EveryClickOpensTheAddressTheFileHoldsThen) {
    const std::wstring first = scripts_.file(L"first.txt"), second = scripts_.file(L"second.txt");
    writeMain({{"WindowsGroup", toCodePage936(markerScript(L"first.bat", first))}});
    click_();
    ASSERT_TRUE(waitForFile(scripts_.path(), first, 30000)) << "the first address was not opened";
    EXPECT_FALSE(fileExistsAt(second));

    // A Chinese name shows the address is read as code page 936, whatever
    // the system's own code page is.
    writeMain({{"WindowsGroup", toCodePage936(markerScript(L"\u52a0\u5165\u7fa4\u804a.bat", second))}});
    click_();
    EXPECT_TRUE(waitForFile(scripts_.path(), second, 30000)) << "the changed address was not opened";
}

}  // namespace

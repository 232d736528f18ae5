// What reaches the disk: the enciphered form, files that are not ours, re-keying,
// copies, and a writer killed at any moment.
#include <gtest/gtest.h>

#include "tests/settings/store_fixture.h"

using testing_support::fileExistsAt;
using testing_support::readFileBytes;
using testing_support::writeFileBytes;

namespace {

const std::string kText = "        \r\n[MyMainWindowsDate]\r\nWindowsTitle=dGl0bGU=\r\n";

size_t filesIn(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    size_t n = 0;
    if (search == INVALID_HANDLE_VALUE) return 0;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++n;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return n;
}

}  // namespace

TEST_F(StoreFile, OnlyTheFirstEightBytesAreStoredInTheClear) {
    givenText(kText);
    const std::string stored = *readFileBytes(path());
    EXPECT_EQ(stored.substr(0, 8), "        ");
    EXPECT_EQ(stored.find("MyMainWindowsDate"), std::string::npos);
    EXPECT_EQ(stored.find("dGl0bGU"), std::string::npos);
    EXPECT_EQ(storedText(), kText);

    givenText(kText);
    EXPECT_NE(*readFileBytes(path()), stored) << "every save draws a fresh salt";
    EXPECT_EQ(filesIn(dir.path()), 1u) << "no temporary file is left behind";
}

TEST_F(StoreFile, ShortFilesAreAllClearText) {
    for (std::string text : {std::string(""), std::string("[A]"), std::string("        ")}) {
        givenText(text);
        EXPECT_EQ(*readFileBytes(path()), text);
        EXPECT_EQ(storedText(), text);
    }
}

TEST_F(StoreFile, FilesThatAreNotOursReadAsDefaultsAndAreNeverWrittenBack) {
    givenText(kText);
    const std::string good = *readFileBytes(path());
    std::string flipped = good;
    flipped[20] ^= 0x10;
    const std::string cases[] = {
        good.substr(0, good.size() - 1),             // truncated
        good.substr(0, 20),                          // truncated into the salt
        flipped,                                     // corrupted
        "        \r\n[MyMainWindowsDate]\r\nWindowsTitle=dGl0bGU=\r\n",  // a plain INI file
        std::string(5000, '\xff'),                   // anything else
    };
    for (const std::string& bytes : cases) {
        ASSERT_TRUE(writeFileBytes(path(), bytes));
        EXPECT_FALSE(store.open(path(), settings::settingsPassword));
        EXPECT_EQ(store.readText("MyMainWindowsDate", "WindowsTitle", "d"), "");
        EXPECT_EQ(store.writeText("MyMainWindowsDate", "WindowsTitle", "x"), 0);
        EXPECT_TRUE(settings::readSettingFrom(path(), "MyMainWindowsDate", "WindowsTitle").empty());
        EXPECT_EQ(*readFileBytes(path()), bytes) << "the file is left exactly as it was";
    }
}

TEST_F(StoreFile, AnotherPasswordDoesNotOpenTheFile) {
    givenText(kText);
    EXPECT_FALSE(store.open(path(), "another"));
    EXPECT_TRUE(store.open(path(), settings::settingsPassword));
}

TEST_F(StoreFile, RekeyRewritesUnderTheNewPasswordWithTheHeaderLine) {
    givenText("[A]\r\nk=v\r\n");
    openStore();
    ASSERT_TRUE(store.rekey("new password"));
    EXPECT_EQ(store.readText("A", "k", ""), "v") << "the store is open on the rewritten file";
    EXPECT_EQ(storedText(), "<unreadable>") << "the old password no longer opens it";
    auto reread = settings::EncryptedFile::open(path(), "new password", 8);
    ASSERT_TRUE(reread);
    EXPECT_EQ(reread->text(), "        \r\n[A]\r\nk=v\r\n");
    EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST_F(StoreFile, SaveCopyLeavesTheSourceOpen) {
    givenText("        \r\n[A]\r\nk=v\r\n");
    openStore();
    ASSERT_TRUE(store.saveCopy(dir.file(L"Copy"), "copy password"));
    auto copy = settings::EncryptedFile::open(dir.file(L"Copy"), "copy password", 8);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->text(), "        \r\n[A]\r\nk=v\r\n");
    EXPECT_EQ(store.writeText("A", "j", "w"), 1);
    EXPECT_EQ(storedText(), "        \r\n[A]\r\nk=v\r\nj=w\r\n");
}

// A writer process is killed at random moments while it saves the file over
// and over; the file must always open and hold one whole save.
TEST_F(StoreFile, SurvivesAWriterKilledAtAnyMoment) {
    const std::wstring writer = testing_support::testProgramDirectory() + L"\\settings_crash_writer.exe";
    ASSERT_TRUE(fileExistsAt(writer));
    srand(12345);
    int generationsSeen = 0;
    for (int round = 0; round < 12; ++round) {
        const std::wstring ready = L"settings-writer-ready-" + std::to_wstring(GetCurrentProcessId());
        const HANDLE readyEvent = CreateEventW(nullptr, TRUE, FALSE, ready.c_str());
        std::wstring commandLine = testing_support::quoteArgument(writer) + L" " + testing_support::quoteArgument(path()) + L" " + ready;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                   &startup, &process));
        ASSERT_EQ(WaitForSingleObject(readyEvent, 30000), WAIT_OBJECT_0);
        // Fault injection, not synchronisation: the kill lands at a random point.
        Sleep(DWORD(rand() % 40));
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        CloseHandle(readyEvent);

        settings::SettingsStore check;
        ASSERT_TRUE(check.open(path(), settings::settingsPassword)) << "round " << round;
        const std::string generation = check.readText("A", "generation", "");
        EXPECT_FALSE(generation.empty()) << "round " << round;
        EXPECT_EQ(check.readText("A", "padding", ""), std::string(200000, 'p')) << "round " << round;
        generationsSeen += generation != "0";
    }
    EXPECT_GT(generationsSeen, 0) << "the writer got some saves done";
}

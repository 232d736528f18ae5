// The settings tool, run as a program: what it prints, what it writes, and
// that wrong arguments leave the file alone.
#include <gtest/gtest.h>

#include "settings/read_setting.h"
#include "settings/settings_store.h"
#include "tests/support/test_support.h"

using settings::Bytes;
using testing_support::quoteArgument;
using testing_support::readFileBytes;

namespace {

class SettingsTool : public ::testing::Test {
protected:
    testing_support::ProcessResult tool(const std::wstring& arguments) {
        const std::wstring exe = testing_support::appDirectory() + L"\\settingstool.exe";
        return testing_support::runProcess(quoteArgument(exe) + L" " + arguments);
    }
    std::wstring file() const { return quoteArgument(path()); }
    std::wstring path() const { return dir.file(L"Main"); }

    testing_support::TempDir dir;
};

}  // namespace

TEST_F(SettingsTool, SetsAndGetsEveryKindOfValue) {
    struct Case {
        const char* key;
        const wchar_t* type;
        const wchar_t* value;
        Bytes stored;
        std::string printed;  // UTF-8, as a pipe receives it
    };
    const Case cases[] = {
        {"Title", L"text", L"资源搜索", {0xd7, 0xca, 0xd4, 0xb4, 0xcb, 0xd1, 0xcb, 0xf7}, "资源搜索\n"},
        {"Colour", L"int", L"0x00BE6E26", {0x26, 0x6e, 0xbe, 0x00}, "12480038\n"},
        {"Negative", L"int", L"-2", {0xfe, 0xff, 0xff, 0xff}, "-2\n"},
        {"Raw", L"hex", L"00ff10", {0x00, 0xff, 0x10}, "00ff10\n"},
    };
    for (const Case& c : cases) {
        const std::wstring key(c.key, c.key + strlen(c.key));
        const auto set = tool(file() + L" set MyMainWindowsDate " + key + L" " + c.type + L" " + quoteArgument(c.value));
        EXPECT_EQ(set.exitCode, 0u) << set.output;
        EXPECT_EQ(settings::readSettingFrom(path(), "MyMainWindowsDate", c.key), c.stored) << c.key;
        const auto get = tool(file() + L" get MyMainWindowsDate " + key + L" " + c.type);
        EXPECT_EQ(get.exitCode, 0u);
        EXPECT_EQ(get.output, c.printed);
    }
    EXPECT_EQ(tool(file() + L" keys MyMainWindowsDate").output, "Title\nColour\nNegative\nRaw\n");
    EXPECT_EQ(tool(file() + L" sections").output, "MyMainWindowsDate\n");
    EXPECT_EQ(tool(file() + L" get MyMainWindowsDate Title").output, "资源搜索\n") << "text is the default";
}

TEST_F(SettingsTool, DeletesAndRekeys) {
    ASSERT_EQ(tool(file() + L" set S a text 1").exitCode, 0u);
    ASSERT_EQ(tool(file() + L" set S b text 2").exitCode, 0u);
    EXPECT_EQ(tool(file() + L" delete S a").exitCode, 0u);
    EXPECT_EQ(tool(file() + L" keys S").output, "b\n");
    EXPECT_EQ(tool(file() + L" delete S a").exitCode, 1u) << "a missing key is reported";

    EXPECT_EQ(tool(file() + L" rekey 0102").exitCode, 0u);
    EXPECT_EQ(tool(file() + L" get S b").exitCode, 1u) << "the old password no longer opens it";
    EXPECT_EQ(tool(L"--password 0102 " + file() + L" get S b").output, "2\n");
}

TEST_F(SettingsTool, WrongArgumentsPrintUsageAndTouchNothing) {
    ASSERT_EQ(tool(file() + L" set S k text v").exitCode, 0u);
    const std::string before = *readFileBytes(path());
    const wchar_t* wrong[] = {
        L"",
        L"FILE",
        L"FILE frobnicate",
        L"FILE keys",
        L"FILE get S",
        L"FILE get S k float",
        L"FILE set S k text",
        L"FILE set S k int twelve",
        L"FILE set S k int 0x1FFFFFFFF",
        L"FILE set S k hex 0g",
        L"FILE set S k hex 123",
        L"FILE delete S",
        L"FILE rekey",
        L"FILE rekey xyz",
        L"--password FILE sections",
    };
    for (const wchar_t* arguments : wrong) {
        std::wstring line = arguments;
        if (const size_t at = line.find(L"FILE"); at != std::wstring::npos) line.replace(at, 4, file());
        const auto result = tool(line);
        EXPECT_EQ(result.exitCode, 2u) << std::string(line.begin(), line.end());
        EXPECT_NE(result.output.find("usage:"), std::string::npos);
    }
    EXPECT_EQ(*readFileBytes(path()), before);
}

TEST_F(SettingsTool, ReadingAMissingOrForeignFileFailsWithoutWriting) {
    const auto missing = tool(file() + L" sections");
    EXPECT_EQ(missing.exitCode, 1u);
    EXPECT_FALSE(testing_support::fileExistsAt(path())) << "reading does not create the file";

    ASSERT_TRUE(testing_support::writeFileBytes(path(), "[S]\r\nk=dg==\r\n and more plain text"));
    for (const wchar_t* arguments : {L" sections", L" get S k", L" set S k text v"}) {
        const auto result = tool(file() + arguments);
        EXPECT_EQ(result.exitCode, 1u);
        EXPECT_NE(result.output.find("cannot read"), std::string::npos) << result.output;
    }
    EXPECT_EQ(*readFileBytes(path()), "[S]\r\nk=dg==\r\n and more plain text");
}

#pragma once
// Small helpers shared by the test programs: a private temporary folder, whole
// files, and running a program to completion with its output captured.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace testing_support {

// A fresh folder under %TEMP%, removed with everything in it at the end.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::wstring& path() const { return path_; }
    std::wstring file(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

private:
    std::wstring path_;
};

std::optional<std::string> readFileBytes(const std::wstring& path);
bool writeFileBytes(const std::wstring& path, std::string_view bytes);
bool fileExistsAt(const std::wstring& path);

// The folder of the running test program, and the installation folder under test.
std::wstring testProgramDirectory();
std::wstring appDirectory();
// Copies the installation's programs and libraries (not its Main) into `folder`.
bool copyInstallation(const std::wstring& folder);

struct ProcessResult {
    bool started = false;
    bool finished = false;  // false when it had to be killed at the time-out
    DWORD exitCode = 0;
    std::string output;     // standard output and standard error, as bytes
};

// Runs `commandLine` in `workingDir` and waits up to `timeoutMs` for it to end.
ProcessResult runProcess(const std::wstring& commandLine, const std::wstring& workingDir = L"",
                         DWORD timeoutMs = 30000);

// "a b" -> "\"a b\"": one argument for a command line.
std::wstring quoteArgument(std::wstring_view argument);

}  // namespace testing_support

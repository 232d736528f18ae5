#include "tests/support/test_support.h"

#include <shellapi.h>

#include <thread>
#include <vector>

namespace testing_support {

TempDir::TempDir() {
    wchar_t base[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, base);
    static unsigned counter = 0;
    for (;;) {
        path_ = std::wstring(base) + L"searchhost-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(counter++);
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    }
}

TempDir::~TempDir() {
    // SHFileOperation wants a double-zero-terminated list.
    std::wstring from = path_;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NO_UI;
    SHFileOperationW(&op);
}

std::optional<std::string> readFileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

bool writeFileBytes(const std::wstring& path, std::string_view bytes) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    const bool ok = bytes.empty() || (WriteFile(file, bytes.data(), DWORD(bytes.size()), &put, nullptr) &&
                                      put == bytes.size());
    CloseHandle(file);
    return ok;
}

bool fileExistsAt(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring testProgramDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path, n);
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

std::wstring appDirectory() {
    // ctest hands over the Unix path; Wine maps it through drive Z:.
    wchar_t value[4096];
    const DWORD n = GetEnvironmentVariableW(L"APP_DIR", value, 4096);
    if (n == 0 || n >= 4096) return {};
    std::wstring dir(value, n);
    if (!dir.empty() && dir[0] == L'/') {
        for (wchar_t& c : dir)
            if (c == L'/') c = L'\\';
        dir = L"Z:" + dir;
    }
    return dir;
}

bool copyInstallation(const std::wstring& folder) {
    const std::wstring from = appDirectory();
    bool copiedAny = false;
    for (const wchar_t* pattern : {L"\\*.exe", L"\\*.dll"}) {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((from + pattern).c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            const std::wstring name = found.cFileName;
            if (!CopyFileW((from + L"\\" + name).c_str(), (folder + L"\\" + name).c_str(), FALSE)) {
                FindClose(search);
                return false;
            }
            copiedAny = true;
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return copiedAny;
}

std::wstring quoteArgument(std::wstring_view argument) { return L"\"" + std::wstring(argument) + L"\""; }

ProcessResult runProcess(const std::wstring& commandLine, const std::wstring& workingDir, DWORD timeoutMs) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return result;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    std::wstring mutableLine = commandLine;
    result.started = CreateProcessW(nullptr, mutableLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                    workingDir.empty() ? nullptr : workingDir.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    if (!result.started) {
        CloseHandle(readEnd);
        return result;
    }
    // Drain the pipe on a thread so a talkative child never blocks on it.
    std::thread reader([&] {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) result.output.append(buffer, got);
    });
    result.finished = WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!result.finished) TerminateProcess(process.hProcess, 999);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &result.exitCode);
    reader.join();
    CloseHandle(readEnd);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

}  // namespace testing_support

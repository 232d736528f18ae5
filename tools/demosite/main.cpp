// demosite [port]: the demo site on 127.0.0.1 until the console is closed or
// Ctrl+C is pressed. Without a port it takes the one the demo build of the
// plug-ins talks to.
#include <windows.h>

#include <cwchar>
#include <string>

#include "tools/console.h"
#include "tools/demosite/demo_site.h"
#include "tools/loopback/loopback_server.h"

namespace {

HANDLE stopEvent;

BOOL WINAPI onConsoleEvent(DWORD) {
    SetEvent(stopEvent);
    return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const unsigned long port = argc > 1 ? std::wcstoul(argv[1], nullptr, 10) : DEMO_SITE_PORT;
    if (port == 0 || port > 65535) {
        tools::printError(L"usage: demosite [port]\n");
        return 2;
    }
    const std::string host = "127.0.0.1:" + std::to_string(port);
    loopback::LoopbackServer server(
        [host](const loopback::Request& request) { return demosite::answerDemoRequest(request, host); },
        static_cast<unsigned short>(port));
    if (!server.listening()) {
        tools::printError(L"demosite: port " + std::to_wstring(port) + L" is not free\n");
        return 1;
    }
    stopEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    tools::printLine(L"演示站点: http://" + std::wstring(host.begin(), host.end()) + L"/ (Ctrl+C ends it)");
    WaitForSingleObject(stopEvent, INFINITE);
    server.stop();
    return 0;
}

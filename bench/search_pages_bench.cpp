// A cloud-disk search of 100 result pages (1,000 hits) from a loopback engine,
// through Nimbra.dll loaded as the host loads it and driven like a user:
// milliseconds from accepting the page-count prompt to the end status text,
// and how that splits into fetching (until the engine served the last page),
// matching (cutting, cleaning and the pattern over all pages) and the list
// update (the new row count). The list's first paint, which produces the
// cells on screen, follows the end status and is shown on its own.
// Run under a display: cmake/wine-session.sh start BUILD; cmake/wine-run.sh BUILD search_pages_bench.exe
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "tests/plugins/harness/plugin_session.h"
#include "tools/demosite/site_pages.h"

namespace {

constexpr int kPages = 100, kRuns = 7;

LONGLONG now() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double milliseconds(LONGLONG from, LONGLONG to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to - from) / static_cast<double>(frequency.QuadPart);
}

// When the engine finished answering its last page.
std::mutex served;
LONGLONG lastPageServed = 0;

// 101 pages announced, so asking for 100 fetches pages 2 to 100; ten hits a page.
loopback::Response engine(const loopback::Request& request) {
    if (request.target == "/") return loopback::Response::text(demosite::engineHomePage("T"));
    const size_t at = request.target.find("&first=");
    const int first = at == std::string::npos ? 1 : std::atoi(request.target.c_str() + at + 7);
    std::vector<demosite::EngineHit> hits;
    for (int n = first; n < first + 10; ++n)
        hits.push_back({"http://pan.example.test/s/1abcdefgh" + std::to_string(n), "h=\"ID=SERP," + std::to_string(n) + "\"",
                        "<strong>bench</strong> result &amp; title number " + std::to_string(n)});
    loopback::Response response = loopback::Response::text(demosite::engineResultPage("bench", "1,010", hits));
    std::lock_guard lock(served);
    lastPageServed = now();
    return response;
}

// Times the list's new row count and the status texts, on the window's thread.
struct Clock {
    LONGLONG rowCountIn = 0, rowCountOut = 0, endStatus = 0;
};

LRESULT CALLBACK timeList(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* clock = reinterpret_cast<Clock*>(data);
    if (message != LVM_SETITEMCOUNT || wParam == 0) return DefSubclassProc(window, message, wParam, lParam);
    clock->rowCountIn = now();
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    clock->rowCountOut = now();
    return result;
}

LRESULT CALLBACK timeStatus(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    if (message == WM_SETTEXT && std::wstring(reinterpret_cast<const wchar_t*>(lParam)).ends_with(L"采集完成！"))
        reinterpret_cast<Clock*>(data)->endStatus = now();
    return DefSubclassProc(window, message, wParam, lParam);
}

struct Figures {
    double total, fetching, matching, listUpdate, paint;
    int rows;
};

Figures runOnce(harness::PluginSession& session) {
    Clock clock;
    harness::PluginWindow& ui = *session.ui;
    SetWindowSubclass(ui.list(), timeList, 7, reinterpret_cast<DWORD_PTR>(&clock));
    SetWindowSubclass(ui.statusLine(), timeStatus, 7, reinterpret_cast<DWORD_PTR>(&clock));
    const harness::SearchOutcome outcome = session.search(
        L"bench", {{harness::Answer::ok, L""}, {harness::Answer::typePages, std::to_wstring(kPages)}}, engine,
        L"采集完成！");
    RemoveWindowSubclass(ui.list(), timeList, 7);
    RemoveWindowSubclass(ui.statusLine(), timeStatus, 7);
    // The rows on screen are produced when the list paints.
    const LONGLONG paintStart = now();
    InvalidateRect(ui.list(), nullptr, TRUE);
    UpdateWindow(ui.list());
    const double paint = milliseconds(paintStart, now());
    if (!outcome.ended || outcome.seen.size() < 2) return {};
    const LONGLONG accepted = outcome.seen[1].answeredAt;
    return {milliseconds(accepted, clock.endStatus),
            milliseconds(accepted, lastPageServed),
            milliseconds(lastPageServed, clock.rowCountIn),
            milliseconds(clock.rowCountIn, clock.rowCountOut),
            paint,
            ui.rowCount()};
}

void print(const char* label, const Figures& f) {
    std::printf("%-8s total %6.1f ms | fetching %6.1f ms (%4.1f%%) | matching %5.1f ms (%4.1f%%) | "
                "list update %5.1f ms (%4.1f%%) | then first paint %5.1f ms | rows %d\n",
                label, f.total, f.fetching, 100 * f.fetching / f.total, f.matching, 100 * f.matching / f.total,
                f.listUpdate, 100 * f.listUpdate / f.total, f.paint, f.rows);
}

double median(std::vector<Figures> runs, double Figures::*figure) {
    std::sort(runs.begin(), runs.end(), [figure](const Figures& a, const Figures& b) { return a.*figure < b.*figure; });
    return runs[runs.size() / 2].*figure;
}

}  // namespace

int wmain() {
    if (GetEnvironmentVariableW(L"APP_DIR", nullptr, 0) == 0) {
        wchar_t exe[MAX_PATH];
        GetModuleFileNameW(nullptr, exe, MAX_PATH);
        std::wstring dir(exe);
        dir.resize(dir.find_last_of(L'\\'));
        SetEnvironmentVariableW(L"APP_DIR", (dir + L"\\..\\app").c_str());
    }
    harness::PluginSession session(L"Nimbra.dll");
    if (!session.window || !session.site.listening()) {
        std::fprintf(stderr, "Nimbra.dll not loaded, or the demo port %u is taken\n", harness::sitePort());
        return 1;
    }
    std::printf("Nimbra search of %d result pages (%d hits) from loopback, prompt accepted -> end status:\n",
                kPages, kPages * 10);
    std::vector<Figures> runs;
    for (int run = 1; run <= kRuns; ++run) {
        runs.push_back(runOnce(session));
        print(("run " + std::to_string(run)).c_str(), runs.back());
    }
    print("median", {median(runs, &Figures::total), median(runs, &Figures::fetching), median(runs, &Figures::matching),
                     median(runs, &Figures::listUpdate), median(runs, &Figures::paint), runs.back().rows});
    return 0;
}

// The result list with 100,000 rows: owner data, so only the cells on screen
// are ever produced. Prints the time to match the hits, to give the list its
// row count and paint it, to jump to the last row, and how many cells were
// asked for each time.
// Run under a display: cmake/wine-session.sh start BUILD; cmake/wine-run.sh BUILD result_list_bench.exe
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "plugins/searchkit/regex_service.h"
#include "plugins/searchkit/result_cells.h"
#include "plugins/searchkit/virtual_list.h"

namespace {

constexpr int kRows = 100000;
constexpr int kGroupOfColumn[] = {0, 3, 1};

searchkit::RegexService matches;
int cellsAsked = 0;

void fillCell(searchkit::CellRequest* request, char* buffer) {
    ++cellsAsked;
    searchkit::fillFromMatches(matches, kGroupOfColumn, *request, buffer);
}

double millisecondsSince(LONGLONG start) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start) / static_cast<double>(frequency.QuadPart);
}

LONGLONG start() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

LRESULT CALLBACK plainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = plainProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ResultListBench";
    RegisterClassExW(&windowClass);
    return CreateWindowExW(0, L"ResultListBench", L"bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 784, 452,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

void paint(HWND list) {
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
}

}  // namespace

int main() {
    HWND window = makeWindow();
    searchkit::VirtualList list;
    if (!window || !list.create(window, 8, 61, 765, 365)) {
        std::fprintf(stderr, "no window (is there a display?)\n");
        return 1;
    }
    list.setFullRowSelect(true, true);
    list.setGridLines(true, true);
    list.setSingleSelect(true, true);
    list.insertColumn("No", 60);
    list.insertColumn("Title", 340);
    list.insertColumn("Link", 340);
    list.setFillCallback(fillCell);

    std::string page;
    for (int n = 1; n <= kRows; ++n)
        page += "<h2><a href=\"http://pan.example.test/s/1abcdefgh" + std::to_string(n) + "\" h=\"ID=SERP," +
                std::to_string(n) + "\">result title number " + std::to_string(n) + "</a></h2>\n";
    LONGLONG t = start();
    matches.runSearch("<h2><a href=\"(.*?)\" (.*?)>(.*?)</a></h2>", page);
    std::printf("matching %d hits (%.1f MB of page text): %.1f ms, %d matches\n", kRows,
                static_cast<double>(page.size()) / (1 << 20), millisecondsSince(t), matches.matchCount());

    t = start();
    list.setRowCount(matches.matchCount());
    paint(list.window());
    std::printf("row count %d and first paint: %.1f ms, %d cells produced\n", list.rowCount(), millisecondsSince(t),
                cellsAsked);

    cellsAsked = 0;
    t = start();
    SendMessageW(list.window(), LVM_ENSUREVISIBLE, kRows - 1, FALSE);
    paint(list.window());
    std::printf("jump to the last row and paint: %.1f ms, %d cells produced; last row reads \"%s\"\n",
                millisecondsSince(t), cellsAsked, list.cellText(kRows - 1, 1).c_str());
    DestroyWindow(window);
    return 0;
}

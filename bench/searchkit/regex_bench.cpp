// How long the cloud-disk search's matching takes: runSearch over about
// 1.5 MB of collected result-page text holding 5,000 hits, then every group of
// every match read back, as the result list does when it shows all rows.
// Printed for the system's COM component and for our own engine.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "plugins/searchkit/regex_service.h"
#include "plugins/searchkit/text_functions.h"

namespace {

using searchkit::RegexEngine;
using searchkit::RegexService;

constexpr int kHits = 5'000;
constexpr int kRounds = 5;
const std::string kCloudPattern = "<h2><a href=\"(.*?)\" (.*?)>(.*?)</a></h2>";

// One hit as the engine's result list carries it, with the markup around it.
std::string hit(int i) {
    const std::string n = std::to_string(i);
    return "<li class=\"b_algo\"><h2><a href=\"http://share.example/s/" + n + "AbCdEf\" target=\"_blank\" h=\"ID=SERP," +
           n + "\">Shared folder " + n + " - " + searchkit::utf8ToText("电影合集") +
           "</a></h2><div class=\"b_caption\"><p>Files shared publicly, size 1.2 GB, uploaded by user " + n +
           ", with a short description that pads the hit like a real one.</p></div></li>\r\n";
}

double elapsedMs(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// Best and median of kRounds runs; -1 when the engine cannot run here.
void measure(const char* name, RegexEngine engine, const std::string& page) {
    std::vector<double> times;
    size_t bytesRead = 0;
    for (int round = 0; round < kRounds; ++round) {
        RegexService service(engine);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        if (!service.runSearch(kCloudPattern, page)) {
            std::printf("%-26s not available\n", name);
            return;
        }
        bytesRead = 0;
        for (int m = 1; m <= service.matchCount(); ++m) {
            for (int g = 1; g <= 3; ++g) bytesRead += service.groupText(m, g).size();
        }
        QueryPerformanceCounter(&end);
        if (service.matchCount() != kHits) std::printf("%s: %d matches, expected %d\n", name, service.matchCount(), kHits);
        times.push_back(elapsedMs(start, end));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-26s best %7.1f ms   median %7.1f ms   (%zu group bytes read)\n", name, times.front(),
                times[times.size() / 2], bytesRead);
}

}  // namespace

int main() {
    std::string page;
    for (int i = 0; i < kHits; ++i) page += hit(i);
    std::printf("runSearch + every group of every match: %d hits, %.2f MB of page text, %d rounds\n", kHits,
                double(page.size()) / 1e6, kRounds);
    measure("COM VBScript.RegExp", RegexEngine::com, page);
    measure("own ECMAScript engine", RegexEngine::fallback, page);
    return 0;
}

// What the HTTP client costs over the plainest client: 50 sequential
// fetchText calls of 60 KB pages from the loopback server, against the same
// 50 requests made with raw Winsock (a fresh connection each, read to the end)
// in the same run. The two take turns request by request, so a busy machine
// slows both alike.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "plugins/searchkit/http_client.h"
#include "tools/loopback/loopback_server.h"
#include "tools/loopback/raw_client.h"

namespace {

constexpr int kRequests = 50;
constexpr int kRounds = 5;
constexpr size_t kPageBytes = 60 * 1024;

std::string page() {
    std::string text;
    for (int i = 0; text.size() < kPageBytes; ++i) text += "<li><a href=\"/item/" + std::to_string(i) + "\">item</a></li>\n";
    text.resize(kPageBytes);
    return text;
}

double nowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(counter.QuadPart) / double(frequency.QuadPart);
}

template <typename Fetch>
double timeRequest(Fetch fetch, int i) {
    const double start = nowMs();
    if (fetch(i) != kPageBytes) std::printf("request %d came back short\n", i);
    return nowMs() - start;
}

}  // namespace

int main() {
    const std::string body = page();
    loopback::LoopbackServer server([&](const loopback::Request&) { return loopback::Response::text(body); });
    if (!server.listening()) {
        std::printf("the loopback server could not listen\n");
        return 1;
    }
    auto viaClient = [&](int i) { return searchkit::fetchText(server.url("/page/" + std::to_string(i))).size(); };
    auto viaRaw = [&](int i) {
        const std::string bytes = loopback::rawExchange(server.port(), loopback::rawGetRequest("/page/" + std::to_string(i), server.port())).bytes;
        return bytes.size() - (bytes.find("\r\n\r\n") + 4);
    };
    viaClient(0);
    viaRaw(0);

    double client = 1e300, raw = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        double clientRound = 0, rawRound = 0;
        for (int i = 0; i < kRequests; ++i) {
            clientRound += timeRequest(viaClient, i);
            rawRound += timeRequest(viaRaw, i);
        }
        client = std::min(client, clientRound);
        raw = std::min(raw, rawRound);
    }
    std::printf("%d sequential requests of %zu KB pages, best of %d rounds\n", kRequests, kPageBytes / 1024, kRounds);
    std::printf("fetchText (WinINet)   %8.1f ms total  %6.2f ms each\n", client, client / kRequests);
    std::printf("raw Winsock client    %8.1f ms total  %6.2f ms each\n", raw, raw / kRequests);
    std::printf("ratio fetchText / raw %8.2f\n", client / raw);
    return 0;
}

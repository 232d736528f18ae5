#include "tools/demosite/demo_site.h"

#include <algorithm>
#include <cstdlib>

#include "tools/demosite/demo_results.h"
#include "tools/demosite/site_pages.h"

namespace demosite {
namespace {

constexpr std::string_view kToken = "3F9A1C27D04B4E8A9E61B2C5D7F0A4E3";

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The value of `name` in a query, undecoded; empty when absent.
std::string_view queryValue(std::string_view query, std::string_view name) {
    size_t at = 0;
    while (at < query.size()) {
        const size_t end = std::min(query.find('&', at), query.size());
        const std::string_view pair = query.substr(at, end - at);
        if (pair.size() > name.size() && pair.substr(0, name.size()) == name && pair[name.size()] == '=')
            return pair.substr(name.size() + 1);
        at = end + 1;
    }
    return {};
}

// The keyword of an engine query: q holds it before "+site%3a<share host>".
std::string engineKeyword(std::string_view q) {
    const size_t filter = q.find("+site%3a");
    return percentDecode(q.substr(0, filter));
}

loopback::Response engineResults(std::string_view query, std::string_view siteHost) {
    const std::string keyword = engineKeyword(queryValue(query, "q"));
    const std::string_view first = queryValue(query, "first");
    const int offset = first.empty() ? 1 : std::atoi(std::string(first).c_str());
    const auto hits = engineHits(keyword, siteHost, offset);
    return loopback::Response::text(engineResultPage(keyword, withThousands(engineResultCount(keyword)), hits));
}

// /search/<kw>.html is page 1, /search/<kw>/<i>-1.html page i.
loopback::Response magnetResults(std::string_view rest, std::string_view siteHost) {
    int page = 1;
    std::string_view encoded = rest;
    if (const size_t slash = rest.find('/'); slash != std::string_view::npos) {
        encoded = rest.substr(0, slash);
        page = std::atoi(std::string(rest.substr(slash + 1)).c_str());
    } else if (rest.ends_with(".html")) {
        encoded = rest.substr(0, rest.size() - 5);
    }
    const std::string keyword = percentDecode(encoded);
    const auto hits = magnetHits(keyword, siteHost, page);
    return loopback::Response::text(magnetPage(keyword, std::to_string(magnetResultCount(keyword)), hits));
}

loopback::Response landingPage(std::string_view what, std::string_view path) {
    return loopback::Response::text("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>" + std::string(what) +
                                    "</title></head><body><h1>" + std::string(what) + "</h1><p>" +
                                    escapeMarkup(path) + "</p><p>演示站点：此处没有真实文件。</p></body></html>\n");
}

loopback::Response notFound() {
    loopback::Response response = loopback::Response::text("<html><body>404 Not Found</body></html>\n");
    response.status = 404;
    response.reason = "Not Found";
    return response;
}

}  // namespace

std::string percentDecode(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const int high = text[i] == '%' && i + 2 < text.size() ? hexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

loopback::Response answerDemoRequest(const loopback::Request& request, std::string_view siteHost) {
    const std::string_view target = request.target;
    const size_t question = target.find('?');
    const std::string_view path = target.substr(0, question);
    const std::string_view query = question == std::string_view::npos ? "" : target.substr(question + 1);
    if (path == "/") return loopback::Response::text(engineHomePage(kToken));
    if (path == "/search" && !query.empty()) return engineResults(query, siteHost);
    if (path.starts_with("/search/")) return magnetResults(path.substr(8), siteHost);
    if (path.starts_with("/s/")) return landingPage("演示网盘分享", path);
    if (path.starts_with("/detail/")) return landingPage("演示磁力详情", path);
    return notFound();
}

}  // namespace demosite

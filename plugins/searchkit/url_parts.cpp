// Splitting a URL, or a bare host name, into host, port and path.
#include "plugins/searchkit/http_client.h"

namespace searchkit {

std::string urlHost(std::string_view url, bool keepPort) {
    std::string lowered = lowerCase(url);
    if (!lowered.ends_with('/')) lowered += '/';
    std::string_view scheme = "https://";
    if (!lowered.starts_with(scheme)) {
        scheme = "http://";
        if (!containsText(lowered, scheme)) lowered.insert(0, scheme);
    }
    std::string host = textBetweenExact(lowered, scheme, "/");
    if (const int colon = findText(host, ":"); !keepPort && colon > 0) host.resize(colon - 1);
    return host;
}

int urlPort(std::string_view url) {
    const std::string host = urlHost(url, true);
    const int colon = findTextReverse(host, ":");
    if (colon < 0) return lowerCase(url.substr(0, 5)) == "https" ? 443 : 80;
    return textToInt(std::string_view(host).substr(colon));
}

namespace {

int schemeLength(std::string_view url) {
    const std::string head = lowerCase(url.substr(0, 8));
    return head.starts_with("https://") ? 8 : head.starts_with("http://") ? 7 : 0;
}

}  // namespace

// The host is looked for after the scheme: a short host name such as "h"
// would otherwise be found inside "https" itself.
std::string urlPath(std::string_view url) {
    const int host = findText(url, urlHost(url), schemeLength(url) + 1, true);
    const int slash = findText(url, "/", host);
    return slash < 0 ? std::string("/") : std::string(url.substr(slash - 1));
}

}  // namespace searchkit

// The request rules of fetchBytes (see request_plan.h).
#include "plugins/searchkit/request_plan.h"

#include <wininet.h>

#include "plugins/searchkit/http_client.h"

namespace searchkit {
namespace {

std::string_view verbFor(int method) {
    switch (method) {
    case kPost: return "POST";
    case kHead: return "HEAD";
    default: return "GET";
    }
}

bool isSecure(std::string_view url) { return lowerCase(url.substr(0, 5)) == "https"; }

DWORD flagsFor(bool secure, bool cookieVariable, bool noRedirect) {
    DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;
    // With a cookie variable the caller carries the cookies: the system's store
    // is neither read nor written.
    if (cookieVariable) flags |= INTERNET_FLAG_NO_COOKIES;
    if (noRedirect) flags |= INTERNET_FLAG_NO_AUTO_REDIRECT;
    flags |= secure ? INTERNET_FLAG_SECURE : INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS;
    return flags;
}

}  // namespace

// Only the User-Agent line itself is read, up to its line break or the end of
// the text; a value running on into the next header line would put a line
// break into the agent string.
std::string userAgentFor(std::string_view headers) {
    constexpr std::string_view kMarker = "User-Agent:";
    const int at = findText(headers, kMarker, 1, true);
    if (at < 0) return std::string(kDefaultUserAgent);
    const std::string_view rest = headers.substr(at - 1 + kMarker.size());
    const int lineEnd = findText(rest, "\r\n");
    return trimSpaces(lineEnd > 0 ? rest.substr(0, lineEnd - 1) : rest);
}

std::string headerBlockFor(std::string_view headers, std::string_view url, std::string_view cookies) {
    std::string block(headers);
    if (block.empty())
        block = "Accept: */*";
    else if (!containsText(block, "Accept:"))
        block += "\r\nAccept: */*";
    if (!containsText(block, "Referer:")) block.append("\r\nReferer: ").append(url);
    if (!containsText(block, "Accept-Language:")) block += "\r\nAccept-Language: zh-cn";
    if (!containsText(block, "Content-Type:")) block += "\r\nContent-Type: application/x-www-form-urlencoded";
    if (!cookies.empty()) block.append("\r\nCookie: ").append(cookies);
    return block;
}

RequestPlan planRequest(const RequestInput& input) {
    RequestPlan plan;
    plan.verb = verbFor(input.method);
    plan.secure = isSecure(input.url);
    plan.userAgent = userAgentFor(input.headers);
    plan.host = urlHost(input.url);
    plan.port = urlPort(input.url);
    plan.path = urlPath(input.url);
    plan.flags = flagsFor(plan.secure, input.cookies != nullptr, input.noRedirect);
    plan.headerBlock = headerBlockFor(input.headers, input.url, input.cookies ? *input.cookies : "");
    if (plan.verb != "GET") plan.body = input.postBytes.empty() ? input.postText : input.postBytes;
    return plan;
}

}  // namespace searchkit

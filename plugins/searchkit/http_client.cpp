// fetchBytes and fetchText: one HTTP exchange over WinINet (see http_client.h).
#include "plugins/searchkit/http_client.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <optional>

#include "plugins/searchkit/cookie_jar.h"
#include "plugins/searchkit/internet_handle.h"
#include "plugins/searchkit/request_plan.h"

namespace searchkit {
namespace {

// Each InternetReadFile call has a fixed cost (large under Wine): 16 KiB reads
// keep a 60 KB page to four calls where 1 KiB reads took sixty.
constexpr DWORD kReadChunk = 16 * 1024;
// A raw response header block must fit this buffer, its terminating zero
// included, or no header and no cookie is taken from it.
constexpr size_t kHeaderBuffer = 5000;

InternetHandle openSession(const RequestPlan& plan, std::string_view proxy) {
    const std::wstring agent = textToUtf16(plan.userAgent);
    if (proxy.empty()) return InternetHandle(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    const std::wstring proxyList = textToUtf16(plan.secure ? std::string(proxy) : "http=" + std::string(proxy));
    return InternetHandle(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PROXY, proxyList.c_str(), L"", 0));
}

void setTime(HINTERNET handle, DWORD option, DWORD milliseconds) {
    InternetSetOptionW(handle, option, &milliseconds, sizeof milliseconds);
}

void applyTimeouts(HINTERNET handle, const FetchLimits& limits) {
    setTime(handle, INTERNET_OPTION_CONNECT_TIMEOUT, limits.connectMs);
    setTime(handle, INTERNET_OPTION_SEND_TIMEOUT, limits.sendMs);
    setTime(handle, INTERNET_OPTION_RECEIVE_TIMEOUT, limits.receiveMs);
}

InternetHandle openRequest(HINTERNET connection, const RequestPlan& plan) {
    const std::wstring verb = textToUtf16(plan.verb), path = textToUtf16(plan.path);
    return InternetHandle(
        HttpOpenRequestW(connection, verb.c_str(), path.c_str(), L"HTTP/1.1", nullptr, nullptr, plan.flags, 0));
}

bool sendRequest(HINTERNET request, const RequestPlan& plan) {
    const std::wstring headers = textToUtf16(plan.headerBlock);
    void* body = plan.body.empty() ? nullptr : const_cast<char*>(plan.body.data());
    return HttpSendRequestW(request, headers.c_str(), static_cast<DWORD>(headers.size()), body,
                            static_cast<DWORD>(plan.body.size()));
}

// Whether a status line came back. Wine reports a connection closed before
// any response as a successful send with an empty response.
bool hasResponse(HINTERNET request) {
    DWORD status = 0, size = sizeof status;
    return HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr) &&
           status != 0;
}

ByteString readBody(HINTERNET request, const FetchLimits& limits) {
    ByteString body;
    const ULONGLONG started = GetTickCount64();
    std::string chunk(kReadChunk, '\0');
    DWORD read = 0;
    while (body.size() < limits.maxBody && GetTickCount64() - started < limits.totalMs &&
           InternetReadFile(request, chunk.data(), kReadChunk, &read) && read > 0) {
        body.append(chunk.data(), std::min<size_t>(read, limits.maxBody - body.size()));
    }
    return body;
}

// The raw header block with every "Set-Cookie" in one letter case.
std::string responseHeaders(HINTERNET request) {
    DWORD size = 0;
    HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    std::wstring wide(size / sizeof(wchar_t) + 1, L'\0');
    if (size == 0 || !HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, wide.data(), &size, nullptr)) return {};
    wide.resize(size / sizeof(wchar_t));
    const std::string headers = utf16ToText(wide);
    if (headers.size() >= kHeaderBuffer) return {};
    return replaceText(headers, "Set-Cookie", "Set-Cookie", false);
}

struct Exchange {
    ByteString body;
    std::string headers;
};

// Opens, sends and reads; nullopt when a handle cannot be opened or no
// response came back (WinINet connects only when the request is sent, so this
// is where an unreachable or silent server shows). The handles are closed
// request first, then connection, then session.
std::optional<Exchange> exchange(const RequestPlan& plan, std::string_view proxy, const FetchLimits& limits) {
    const InternetHandle session = openSession(plan, proxy);
    if (!session) return std::nullopt;
    applyTimeouts(session.get(), limits);
    const InternetHandle connection(InternetConnectW(session.get(), textToUtf16(plan.host).c_str(),
                                                     static_cast<INTERNET_PORT>(plan.port), L"", L"",
                                                     INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return std::nullopt;
    const InternetHandle request = openRequest(connection.get(), plan);
    if (!request) return std::nullopt;
    applyTimeouts(request.get(), limits);
    if (!sendRequest(request.get(), plan) || !hasResponse(request.get())) return std::nullopt;
    Exchange result{readBody(request.get(), limits), {}};
    result.headers = responseHeaders(request.get());
    return result;
}

}  // namespace

ByteString fetchBytes(std::string_view url, int method, std::string_view postText, std::string* cookies,
                      std::string* returnedCookies, std::string* headers, std::string* returnedHeaders,
                      bool noRedirect, ByteString* postBytes, std::string_view proxy, const FetchLimits& limits) {
    const RequestPlan plan = planRequest({url, method, postText, cookies, headers ? *headers : std::string_view(),
                                          noRedirect, postBytes ? *postBytes : std::string_view()});
    std::optional<Exchange> result = exchange(plan, proxy, limits);
    if (!result) return {};

    if (headers) *headers = plan.headerBlock;
    if (postBytes && plan.verb != "GET") *postBytes = plan.body;
    if (returnedHeaders) *returnedHeaders = result->headers;
    std::string captured = captureCookies(result->headers);
    if (cookies) mergeCookies(*cookies, captured);
    if (returnedCookies) *returnedCookies = captured;
    return std::move(result->body);
}

std::string fetchText(std::string_view url, int method, std::string_view postText, std::string* cookies,
                      std::string* returnedCookies, std::string* headers, std::string* returnedHeaders,
                      bool noRedirect, ByteString* postBytes, std::string_view proxy, const FetchLimits& limits) {
    std::string ownCookies;
    return utf8ToText(fetchBytes(url, method, postText, cookies ? cookies : &ownCookies, returnedCookies, headers,
                                 returnedHeaders, noRedirect, postBytes, proxy, limits));
}

}  // namespace searchkit

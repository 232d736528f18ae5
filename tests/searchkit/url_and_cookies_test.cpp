// The parts of the HTTP client that need no server: URL splitting, the
// request the client plans (agent, flags, header block, body) and the cookie
// texts it captures and merges.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include "plugins/searchkit/cookie_jar.h"
#include "plugins/searchkit/http_client.h"
#include "plugins/searchkit/request_plan.h"

namespace searchkit {
namespace {

TEST(UrlParts, HostPortAndPath) {
    const struct {
        const char* url;
        const char* host;
        const char* hostWithPort;
        int port;
        const char* path;
    } cases[] = {
        {"www.example.com", "www.example.com", "www.example.com", 80, "/"},
        {"WWW.Example.COM/Search?q=X", "www.example.com", "www.example.com", 80, "/Search?q=X"},
        {"http://h.com:8080/a/b?c=d", "h.com", "h.com:8080", 8080, "/a/b?c=d"},
        {"https://h:8443/x?y=1", "h", "h:8443", 8443, "/x?y=1"},
        {"HTTPS://secure.example.com", "secure.example.com", "secure.example.com", 443, "/"},
        {"http://h.com/?u=http://x", "h.com", "h.com", 80, "/?u=http://x"},
        {"127.0.0.1:5000", "127.0.0.1", "127.0.0.1:5000", 5000, "/"},
        {"http://127.0.0.1:5000/search/%61.html", "127.0.0.1", "127.0.0.1:5000", 5000, "/search/%61.html"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(urlHost(c.url), c.host);
        EXPECT_EQ(urlHost(c.url, true), c.hostWithPort);
        EXPECT_EQ(urlPort(c.url), c.port);
        EXPECT_EQ(urlPath(c.url), c.path);
    }
}

RequestInput inputFor(std::string_view url) {
    RequestInput input;
    input.url = url;
    return input;
}

constexpr const char* kFourLines =
    "Accept: */*\r\nReferer: http://h/x\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";

TEST(RequestPlan, HeaderBlockAddsWhatTheCallerLeftOut) {
    EXPECT_EQ(headerBlockFor("", "http://h/x", ""), kFourLines);
    EXPECT_EQ(headerBlockFor("", "http://h/x", "a=1; b=2"), std::string(kFourLines) + "\r\nCookie: a=1; b=2");
    EXPECT_EQ(headerBlockFor("X-A: 1", "h", ""),
              "X-A: 1\r\nAccept: */*\r\nReferer: h\r\nAccept-Language: zh-cn\r\n"
              "Content-Type: application/x-www-form-urlencoded");
    // Each name is matched in exact letter case.
    EXPECT_EQ(headerBlockFor("Referer: r\r\nAccept: a\r\nAccept-Language: en\r\nContent-Type: t", "h", ""),
              "Referer: r\r\nAccept: a\r\nAccept-Language: en\r\nContent-Type: t");
    EXPECT_EQ(headerBlockFor("referer: r", "h", ""),
              "referer: r\r\nAccept: */*\r\nReferer: h\r\nAccept-Language: zh-cn\r\n"
              "Content-Type: application/x-www-form-urlencoded");
}

TEST(RequestPlan, UserAgentComesFromItsOwnHeaderLine) {
    EXPECT_EQ(userAgentFor(""), kDefaultUserAgent);
    EXPECT_EQ(userAgentFor("Accept: */*"), kDefaultUserAgent);
    EXPECT_EQ(userAgentFor("User-Agent: Probe/1"), "Probe/1");
    EXPECT_EQ(userAgentFor("Accept: x\r\nuser-agent:  Probe/2 \r\nX: y"), "Probe/2");
    // Last of several lines: the agent is its own value, never "x\r\nUser-Agent: ...".
    EXPECT_EQ(userAgentFor("Accept: x\r\nUser-Agent: Probe/3"), "Probe/3");
}

TEST(RequestPlan, FlagsFollowSchemeCookieVariableAndRedirects) {
    const std::string cookies;
    const DWORD always = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NEED_FILE;

    const RequestPlan secure = planRequest(inputFor("https://h:8443/x?y=1"));
    EXPECT_TRUE(secure.secure);
    EXPECT_EQ(secure.host, "h");
    EXPECT_EQ(secure.port, 8443);
    EXPECT_EQ(secure.path, "/x?y=1");
    EXPECT_EQ(secure.flags, always | INTERNET_FLAG_SECURE);

    EXPECT_EQ(planRequest(inputFor("h")).flags, always | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS);
    RequestInput input = inputFor("h");
    input.cookies = &cookies;
    input.noRedirect = true;
    EXPECT_EQ(planRequest(input).flags, always | INTERNET_FLAG_IGNORE_REDIRECT_TO_HTTPS | INTERNET_FLAG_NO_COOKIES |
                                            INTERNET_FLAG_NO_AUTO_REDIRECT);
}

TEST(RequestPlan, MethodAndBody) {
    const struct {
        int method;
        const char* postText;
        const char* postBytes;
        const char* verb;
        const char* body;
    } cases[] = {
        {kGet, "q=1", "", "GET", ""},
        {7, "q=1", "", "GET", ""},
        {kPost, "q=1", "", "POST", "q=1"},
        {kPost, "q=1", "raw", "POST", "raw"},
        {kHead, "q=1", "", "HEAD", "q=1"},
    };
    for (const auto& c : cases) {
        RequestInput input = inputFor("h");
        input.method = c.method;
        input.postText = c.postText;
        input.postBytes = c.postBytes;
        const RequestPlan plan = planRequest(input);
        EXPECT_EQ(plan.verb, c.verb);
        EXPECT_EQ(plan.body, c.body) << c.verb;
    }
}

TEST(CookieJar, CaptureTakesNameAndValueOfEverySetCookieLine) {
    EXPECT_EQ(captureCookies("HTTP/1.1 200 OK\r\nSet-Cookie: a=1; path=/\r\nX: y\r\nSet-Cookie: b=2\r\n\r\n"),
              "a=1; b=2");
    EXPECT_EQ(captureCookies("HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r\n"), "");
    EXPECT_EQ(captureCookies(""), "");
}

TEST(CookieJar, MergePutsNewCookiesFirstAndDropsDeletedOnes) {
    std::string cookies = "a=1; c=3", fresh = "a=9; b=deleted";
    EXPECT_EQ(mergeCookies(cookies, fresh), "a=9; c=3");
    EXPECT_EQ(cookies, "a=9; c=3");
    EXPECT_EQ(fresh, "a=9;b=deleted");

    const struct {
        const char* old;
        const char* fresh;
        const char* merged;
    } cases[] = {
        {"x=1; y=2", "y=3; z=4", "y=3; z=4; x=1"},
        {"", "a=1; b=2", "a=1; b=2"},
        {"a=1; b=2", "", "a=1; b=2"},
        {"a=1", "a=1; a=1", "a=1"},
        {"a = 1;\xa1\xa1" "b=2", "", "a=1; b=2"},
        {"flag; a=1", "a=2", "a=2; flag"},
        {"c=3", "c=deleted", ""},
    };
    for (const auto& c : cases) {
        std::string old = c.old, newer = c.fresh;
        EXPECT_EQ(mergeCookies(old, newer), c.merged) << c.old << " + " << c.fresh;
    }
}

TEST(CookieJar, DedupeKeepsFirstOccurrences) {
    EXPECT_EQ(dedupeEntries("a; b; a; c; b", "; "), "a; b; c");
    EXPECT_EQ(dedupeEntries("", "; "), "");
    EXPECT_EQ(dedupeEntries("a;b", "; "), "a;b");
}

}  // namespace
}  // namespace searchkit

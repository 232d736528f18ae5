// fetchBytes and fetchText against the loopback server: what the client
// sends (asserted on the requests the server recorded), what it makes of the
// answers, and how it behaves when the server fails, stalls or says too much.
#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <memory>

#include "plugins/searchkit/http_client.h"
#include "tools/loopback/loopback_server.h"

namespace searchkit {
namespace {

using loopback::Behaviour;
using loopback::LoopbackServer;
using loopback::Request;
using loopback::Response;

// Short enough that the failure cases finish quickly, long enough for a loaded machine.
constexpr FetchLimits kTestLimits{5'000, 5'000, 1'500, 20'000, size_t{32} << 20};

std::unique_ptr<LoopbackServer> serve(loopback::Handler handler) {
    auto server = std::make_unique<LoopbackServer>(std::move(handler));
    EXPECT_TRUE(server->listening());
    return server;
}

std::unique_ptr<LoopbackServer> serveText(std::string body) {
    return serve([body](const Request&) { return Response::text(body); });
}

Response withCookies(std::initializer_list<std::string> lines) {
    Response response = Response::text("ok");
    for (const std::string& line : lines) response.headers.push_back({"Set-Cookie", line});
    return response;
}

int headerCount(const Request& request, std::string_view name) {
    int count = 0;
    for (const loopback::Header& h : request.headers) count += loopback::sameHeaderName(h.name, name);
    return count;
}

// The call runs on its own thread so that a client that never returned would
// fail the test instead of hanging it.
template <typename Call>
auto finishes(Call call) {
    auto result = std::async(std::launch::async, call);
    EXPECT_EQ(result.wait_for(std::chrono::seconds(60)), std::future_status::ready) << "the fetch did not return";
    return result.get();
}

TEST(FetchBytes, BareHostIsAGetOfTheRoot) {
    const auto server = serveText("home");
    EXPECT_EQ(fetchText(server->hostAndPort()), "home");
    const std::vector<Request> requests = server->requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/");
    EXPECT_EQ(requests[0].version, "HTTP/1.1");
    EXPECT_TRUE(requests[0].body.empty());
}

TEST(FetchBytes, DefaultHeaderBlockIsExactlyFourLines) {
    const auto server = serveText("x");
    const std::string url = server->url("/search?q=%61&FORM=QBLH");
    std::string headers;
    fetchBytes(url, kGet, {}, nullptr, nullptr, &headers);
    EXPECT_EQ(headers, "Accept: */*\r\nReferer: " + url +
                           "\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded");
    const Request request = server->requests().at(0);
    EXPECT_EQ(request.target, "/search?q=%61&FORM=QBLH");
    EXPECT_EQ(request.header("Accept"), "*/*");
    EXPECT_EQ(request.header("Referer"), url);
    EXPECT_EQ(request.header("Accept-Language"), "zh-cn");
    EXPECT_EQ(request.header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)");
    EXPECT_FALSE(request.hasHeader("Cookie"));
}

TEST(FetchBytes, RefererIsAddedUnlessWrittenInExactCase) {
    const auto server = serveText("x");
    std::string exact = "Referer: http://r/";
    fetchBytes(server->url(), kGet, {}, nullptr, nullptr, &exact);
    EXPECT_EQ(headerCount(server->requests().at(0), "Referer"), 1);
    EXPECT_EQ(server->requests().at(0).header("Referer"), "http://r/");

    std::string lower = "referer: http://r/";
    fetchBytes(server->url(), kGet, {}, nullptr, nullptr, &lower);
    EXPECT_NE(lower.find("\r\nReferer: " + server->url()), std::string::npos) << lower;
}

TEST(FetchBytes, UserAgentFromTheHeaderText) {
    const auto server = serveText("x");
    std::string headers = "Accept: text/html\r\nUser-Agent: Probe/2.0";
    fetchBytes(server->url(), kGet, {}, nullptr, nullptr, &headers);
    EXPECT_EQ(server->requests().at(0).header("User-Agent"), "Probe/2.0");
    EXPECT_EQ(server->requests().at(0).header("Accept"), "text/html");
}

TEST(FetchBytes, CookiesCapturedInAnyLetterCaseWithoutACookieVariable) {
    const auto server = serve([](const Request&) {
        Response response = withCookies({"nocv_a=1; path=/"});
        response.headers.push_back({"set-cookie", "nocv_b=2"});
        return response;
    });
    std::string returned, rawHeaders;
    EXPECT_EQ(fetchBytes(server->url(), kGet, {}, nullptr, &returned, nullptr, &rawHeaders), "ok");
    EXPECT_EQ(returned, "nocv_a=1; nocv_b=2");
    EXPECT_NE(rawHeaders.find("\r\nSet-Cookie: nocv_b=2"), std::string::npos) << rawHeaders;
    EXPECT_TRUE(rawHeaders.starts_with("HTTP/1.1 200 OK\r\n")) << rawHeaders;
}

TEST(FetchBytes, WithACookieVariableTheCookiesAreSentAndMerged) {
    const auto server = serve([](const Request&) { return withCookies({"a=9; path=/", "b=deleted; path=/"}); });
    std::string cookies = "a=1; c=3", returned;
    fetchText(server->url(), kGet, {}, &cookies, &returned);
    EXPECT_EQ(server->requests().at(0).header("Cookie"), "a=1; c=3");
    EXPECT_EQ(cookies, "a=9; c=3");
    EXPECT_EQ(returned, "a=9;b=deleted");
}

TEST(FetchBytes, MergedReturnedCookiesLoseTheirSpaces) {
    const auto server = serve([](const Request&) { return withCookies({"a=1; path=/", "b=2"}); });
    std::string cookies, returned;
    fetchBytes(server->url(), kGet, {}, &cookies, &returned);
    EXPECT_EQ(returned, "a=1;b=2");
    EXPECT_EQ(cookies, "a=1; b=2");
}

// Without a cookie variable the system's cookie store keeps what the site set
// and sends it back; with one, that store is neither read nor written.
TEST(FetchBytes, TheSystemCookieStoreOnlyWithoutACookieVariable) {
    const auto server = serve([](const Request& request) {
        return request.target == "/set" ? withCookies({"store_probe=1; path=/"}) : Response::text("ok");
    });
    fetchBytes(server->url("/set"));
    fetchBytes(server->url("/plain"));
    fetchText(server->url("/variable"));
    std::string cookies = "mine=1";
    fetchBytes(server->url("/set"), kGet, {}, &cookies);
    const std::vector<Request> requests = server->requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_NE(requests[1].header("Cookie").find("store_probe=1"), std::string::npos);
    EXPECT_FALSE(requests[2].hasHeader("Cookie"));
    EXPECT_EQ(requests[3].header("Cookie"), "mine=1");
    EXPECT_EQ(cookies, "store_probe=1; mine=1");
}

struct Untouched {
    std::string cookies = "k=v; q=1";
    std::string returnedCookies = "before";
    std::string headers = "X-Probe: 1";
    std::string returnedHeaders = "before";
    ByteString postBytes;

    ByteString fetch(const std::string& url, int method = kGet) {
        return fetchBytes(url, method, "p=1", &cookies, &returnedCookies, &headers, &returnedHeaders, false, &postBytes,
                          {}, kTestLimits);
    }
    void expectUnchanged() const {
        EXPECT_EQ(cookies, "k=v; q=1");
        EXPECT_EQ(returnedCookies, "before");
        EXPECT_EQ(headers, "X-Probe: 1");
        EXPECT_EQ(returnedHeaders, "before");
        EXPECT_EQ(postBytes, "");
    }
};

TEST(FetchFailures, AFailedConnectionLeavesEverythingAsItWas) {
    std::string url;
    {
        LoopbackServer gone([](const Request&) { return Response::text("x"); });
        url = gone.url();
    }
    Untouched call;
    EXPECT_EQ(finishes([&] { return call.fetch(url, kPost); }), "");
    call.expectUnchanged();
}

TEST(FetchFailures, ADroppedConnectionGivesAnEmptyBody) {
    const auto server = serve([](const Request&) {
        Response response = withCookies({"a=1"});
        response.behaviour = Behaviour::drop;
        return response;
    });
    Untouched call;
    EXPECT_EQ(finishes([&] { return call.fetch(server->url()); }), "");
    EXPECT_GE(server->requestCount(), 1u);
    call.expectUnchanged();
}

TEST(FetchFailures, AStalledServerCostsNoMoreThanTheTimeOut) {
    const auto server = serve([](const Request&) {
        Response response;
        response.behaviour = Behaviour::stall;
        return response;
    });
    Untouched call;
    EXPECT_EQ(finishes([&] { return call.fetch(server->url()); }), "");
    EXPECT_EQ(server->requestCount(), 1u);
    call.expectUnchanged();
}

TEST(FetchFailures, ABodyCutShortKeepsWhatArrived) {
    const std::string full(200'000, 'b');
    for (const Behaviour behaviour : {Behaviour::dropMidBody, Behaviour::stallMidBody}) {
        const auto server = serve([&](const Request&) {
            Response response = Response::text(full);
            response.behaviour = behaviour;
            return response;
        });
        const ByteString body = finishes([&] { return fetchBytes(server->url(), kGet, {}, nullptr, nullptr, nullptr, nullptr, false, nullptr, {}, kTestLimits); });
        EXPECT_LT(body.size(), full.size());
        EXPECT_EQ(body, full.substr(0, body.size()));
    }
}

TEST(FetchLimits, ABodyOverTheCapIsCutThere) {
    std::string full;
    for (int i = 0; full.size() < 300'000; ++i) full += std::to_string(i) + ",";
    FetchLimits small = kTestLimits;
    small.maxBody = 100'000;
    for (const bool chunked : {false, true}) {
        const auto server = serve([&](const Request&) {
            Response response = Response::text(full);
            response.chunked = chunked;
            return response;
        });
        const ByteString body = fetchBytes(server->url(), kGet, {}, nullptr, nullptr, nullptr, nullptr, false, nullptr, {}, small);
        EXPECT_EQ(body, full.substr(0, small.maxBody)) << (chunked ? "chunked" : "with a length");
    }
}

TEST(FetchLimits, AHeaderBlockOver5000BytesIsNotCaptured) {
    for (const size_t padding : {size_t{3'000}, size_t{6'000}}) {
        const auto server = serve([&](const Request&) {
            Response response = withCookies({"big=1; path=/"});
            // Lines of a thousand bytes: Wine cuts a single header line at 4 KiB.
            for (size_t i = 0; i < padding / 1'000; ++i) response.headers.push_back({"X-Padding", std::string(1'000, 'p')});
            return response;
        });
        std::string cookies = "c=1", returned = "before", rawHeaders = "before";
        EXPECT_EQ(fetchBytes(server->url(), kGet, {}, &cookies, &returned, nullptr, &rawHeaders), "ok");
        if (padding < 5'000) {
            EXPECT_NE(rawHeaders.find("X-Padding"), std::string::npos);
            EXPECT_EQ(returned, "big=1");
            EXPECT_EQ(cookies, "big=1; c=1");
        } else {
            EXPECT_EQ(rawHeaders, "");
            EXPECT_EQ(returned, "");
            EXPECT_EQ(cookies, "c=1");
        }
    }
}

TEST(FetchBytes, ChunkedBodiesAndDelaysArriveWhole) {
    std::string full;
    for (int i = 0; i < 5'000; ++i) full += "line " + std::to_string(i) + "\n";
    const auto server = serve([&](const Request&) {
        Response response = Response::text(full);
        response.chunked = true;
        response.chunkSize = 777;
        response.delayMs = 300;
        return response;
    });
    EXPECT_EQ(fetchBytes(server->url(), kGet, {}, nullptr, nullptr, nullptr, nullptr, false, nullptr, {}, kTestLimits), full);
}

TEST(FetchBytes, PostSendsThePostTextAndFillsThePostBytes) {
    const auto server = serveText("posted");
    ByteString postBytes;
    EXPECT_EQ(fetchBytes(server->url("/form"), kPost, "q=1&r=2", nullptr, nullptr, nullptr, nullptr, false, &postBytes),
              "posted");
    ByteString given = "raw\0bytes";
    fetchBytes(server->url("/form"), kPost, "ignored", nullptr, nullptr, nullptr, nullptr, false, &given);
    fetchBytes(server->url("/head"), kHead);
    const std::vector<Request> requests = server->requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].method, "POST");
    EXPECT_EQ(requests[0].body, "q=1&r=2");
    EXPECT_EQ(postBytes, "q=1&r=2");
    EXPECT_EQ(requests[1].body, given);
    EXPECT_EQ(requests[2].method, "HEAD");
}

TEST(FetchBytes, RedirectsAreFollowedUnlessRefused) {
    const auto server = serve([](const Request& request) {
        if (request.target == "/b") return Response::text("final");
        Response moved = Response::text("moved");
        moved.status = 302;
        moved.reason = "Found";
        moved.headers.push_back({"Location", "/b"});
        return moved;
    });
    EXPECT_EQ(fetchBytes(server->url("/a"), kGet, {}, nullptr, nullptr, nullptr, nullptr, true), "moved");
    EXPECT_EQ(server->requestCount(), 1u);
    EXPECT_EQ(fetchBytes(server->url("/a")), "final");
    EXPECT_EQ(server->requestCount(), 3u);
}

TEST(FetchBytes, TheStatusCodeIsNotLookedAt) {
    const auto server = serve([](const Request&) {
        Response response = Response::text("missing");
        response.status = 404;
        response.reason = "Not Found";
        return response;
    });
    EXPECT_EQ(fetchBytes(server->url()), "missing");
}

TEST(FetchText, DecodesUtf8IntoCodePage936) {
    const auto server = serveText("\xe4\xb8\xad\xe6\x96\x87 ok");
    EXPECT_EQ(fetchText(server->url()), "\xd6\xd0\xce\xc4 ok");
}

}  // namespace
}  // namespace searchkit

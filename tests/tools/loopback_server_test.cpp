// The loopback server seen from the wire: a raw Winsock client sends bytes
// and reads back exactly what the server wrote, and the server's record of
// each request is compared with what was sent.
#include <gtest/gtest.h>

#include <chrono>
#include <future>

#include "tools/loopback/loopback_server.h"
#include "tools/loopback/raw_client.h"

namespace loopback {
namespace {

Response scripted(int status, std::string reason, std::vector<Header> headers, std::string body) {
    Response response;
    response.status = status;
    response.reason = std::move(reason);
    response.headers = std::move(headers);
    response.body = std::move(body);
    return response;
}

std::string headOf(const std::string& bytes) { return bytes.substr(0, bytes.find("\r\n\r\n") + 4); }

TEST(LoopbackServer, RecordsEachRequestAsSent) {
    LoopbackServer server([](const Request&) { return Response::text("ok"); });
    ASSERT_TRUE(server.listening());
    const std::string request =
        "POST /form?a=1 HTTP/1.1\r\nHost: x\r\nX-Case: Value  \r\ncookie: a=1; b=2\r\nContent-Length: 7\r\n"
        "Connection: close\r\n\r\nq=1&r=2";
    ASSERT_TRUE(rawExchange(server.port(), request).connected);
    ASSERT_TRUE(server.waitForRequests(1, 10'000));
    const Request got = server.requests().at(0);
    EXPECT_EQ(got.method, "POST");
    EXPECT_EQ(got.target, "/form?a=1");
    EXPECT_EQ(got.version, "HTTP/1.1");
    EXPECT_EQ(got.body, "q=1&r=2");
    EXPECT_EQ(got.head, request.substr(0, request.find("\r\n\r\n")));
    ASSERT_EQ(got.headers.size(), 5u);
    EXPECT_EQ(got.headers[2].name, "cookie");
    EXPECT_EQ(got.headers[2].value, "a=1; b=2");
    EXPECT_EQ(got.header("Cookie"), "a=1; b=2");
    EXPECT_EQ(got.header("x-case"), "Value");
    EXPECT_FALSE(got.hasHeader("Referer"));
}

TEST(LoopbackServer, WritesTheScriptedResponseByteForByte) {
    LoopbackServer server([](const Request&) {
        return scripted(201, "Created", {{"Set-Cookie", "a=1; path=/"}, {"set-cookie", "b=2"}}, "hello");
    });
    EXPECT_EQ(rawExchange(server.port(), rawGetRequest("/", server.port())).bytes,
              "HTTP/1.1 201 Created\r\nSet-Cookie: a=1; path=/\r\nset-cookie: b=2\r\nContent-Length: 5\r\n\r\nhello");
}

TEST(LoopbackServer, ChunkedBodies) {
    LoopbackServer server([](const Request&) {
        Response response = scripted(200, "OK", {}, "abcdefg");
        response.chunked = true;
        response.chunkSize = 3;
        return response;
    });
    EXPECT_EQ(rawExchange(server.port(), rawGetRequest("/", server.port())).bytes,
              "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n3\r\ndef\r\n1\r\ng\r\n0\r\n\r\n");
}

TEST(LoopbackServer, KeepsTheConnectionForFurtherRequests) {
    LoopbackServer server([](const Request& request) { return scripted(200, "OK", {}, request.target); });
    const std::string twoRequests = "GET /one HTTP/1.1\r\nHost: x\r\n\r\n" + rawGetRequest("/two", server.port());
    EXPECT_EQ(rawExchange(server.port(), twoRequests).bytes,
              "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n/one"
              "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n/two");
    EXPECT_EQ(server.requestCount(), 2u);
}

TEST(LoopbackServer, HeadGetsTheHeadOnly) {
    LoopbackServer server([](const Request&) { return scripted(200, "OK", {}, "body"); });
    EXPECT_EQ(rawExchange(server.port(), "HEAD / HTTP/1.1\r\nConnection: close\r\n\r\n").bytes,
              "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\n");
}

TEST(LoopbackServer, DroppedConnectionsSendNothingOrHalf) {
    Behaviour behaviour = Behaviour::drop;
    LoopbackServer server([&](const Request&) {
        Response response = scripted(200, "OK", {}, "0123456789");
        response.behaviour = behaviour;
        return response;
    });
    const RawReply dropped = rawExchange(server.port(), rawGetRequest("/", server.port()));
    EXPECT_TRUE(dropped.connected);
    EXPECT_EQ(dropped.bytes, "");
    behaviour = Behaviour::dropMidBody;
    EXPECT_EQ(rawExchange(server.port(), rawGetRequest("/", server.port())).bytes,
              "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n01234");
}

// A stalled connection never answers, yet stopping the server ends it at once:
// the client sees the connection close long before its own 60 s run out.
TEST(LoopbackServer, StalledConnectionsNeverAnswerAndStillStop) {
    LoopbackServer server([](const Request&) {
        Response response = scripted(200, "OK", {}, "never");
        response.behaviour = Behaviour::stall;
        return response;
    });
    auto reply = std::async(std::launch::async, [&] { return rawExchange(server.port(), rawGetRequest("/", server.port()), 60'000); });
    ASSERT_TRUE(server.waitForRequests(1, 10'000));
    server.stop();
    ASSERT_EQ(reply.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    const RawReply got = reply.get();
    EXPECT_TRUE(got.connected);
    EXPECT_EQ(got.bytes, "");
    EXPECT_FALSE(server.listening());
}

TEST(LoopbackServer, WaitForRequestsTimesOutWhenNoneCome) {
    LoopbackServer server([](const Request&) { return Response::text("x"); });
    EXPECT_FALSE(server.waitForRequests(1, 100));
    rawExchange(server.port(), rawGetRequest("/", server.port()));
    EXPECT_TRUE(server.waitForRequests(1, 10'000));
}

TEST(LoopbackServer, FreeOrGivenPort) {
    unsigned short port;
    {
        LoopbackServer first([](const Request&) { return Response::text("first"); });
        LoopbackServer second([](const Request&) { return Response::text("second"); });
        ASSERT_TRUE(first.listening() && second.listening());
        EXPECT_NE(first.port(), second.port());
        EXPECT_EQ(first.url("/a"), "http://127.0.0.1:" + std::to_string(first.port()) + "/a");
        port = first.port();
    }
    LoopbackServer again([](const Request&) { return Response::text("again"); }, port);
    ASSERT_TRUE(again.listening());
    EXPECT_EQ(again.port(), port);
    EXPECT_EQ(headOf(rawExchange(port, rawGetRequest("/", port)).bytes).substr(0, 15), "HTTP/1.1 200 OK");
}

}  // namespace
}  // namespace loopback

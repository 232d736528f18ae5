#pragma once
// The plainest possible HTTP client: one request on a fresh Winsock connection
// to the loopback server, everything read until the server closes. The
// yardstick for the HTTP client's speed, and a way for tests to look at the
// server's bytes exactly as they travel.
#include <string>
#include <string_view>

namespace loopback {

struct RawReply {
    bool connected = false;
    std::string bytes;  // status line, headers and body exactly as received
};

// Sends `request` as it is to 127.0.0.1:`port`; a read waits at most `timeoutMs`.
RawReply rawExchange(unsigned short port, std::string_view request, unsigned long timeoutMs = 10'000);

// "GET <path> HTTP/1.1" with Host and "Connection: close".
std::string rawGetRequest(std::string_view path, unsigned short port);

}  // namespace loopback

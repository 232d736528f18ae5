#pragma once
// The HTTP/1.1 wire format as the loopback server speaks it: reading one
// request off a connection and writing one scripted response.
#include <optional>
#include <string>

#include "tools/loopback/loopback_server.h"
#include "tools/loopback/socket_channel.h"

namespace loopback {

// The next request; `pending` carries bytes already read past it (keep-alive).
// nullopt when the connection ends first or the head is not HTTP.
std::optional<Request> readRequest(Channel& channel, std::string& pending);

// Status line, headers (with the framing header added when missing), blank
// line and body, chunked when asked. A response to HEAD carries no body.
std::string formatResponse(const Response& response, bool toHead);

}  // namespace loopback

#pragma once
// Everything fetchBytes decides before it touches the network: user agent,
// where to connect, the request flags, the header block and the body. Kept
// apart from the exchange itself so the rules can be checked without a server.
#include <windows.h>

#include <string>
#include <string_view>

#include "plugins/searchkit/text_functions.h"

namespace searchkit {

inline constexpr std::string_view kDefaultUserAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)";

struct RequestInput {
    std::string_view url;
    int method = 0;
    std::string_view postText;
    const std::string* cookies = nullptr;  // null: the caller keeps no cookie variable
    std::string_view headers;
    bool noRedirect = false;
    std::string_view postBytes;
};

struct RequestPlan {
    std::string verb;
    bool secure = false;
    std::string userAgent;
    std::string host;
    int port = 80;
    std::string path;
    DWORD flags = 0;
    std::string headerBlock;  // lines joined by "\r\n", no final line break
    ByteString body;          // empty for GET
};

RequestPlan planRequest(const RequestInput& input);

// The header text's own User-Agent line (any letter case), else the default.
std::string userAgentFor(std::string_view headers);
// The caller's lines plus Accept, Referer, Accept-Language, Content-Type and
// Cookie wherever the caller left them out (names matched in exact case).
std::string headerBlockFor(std::string_view headers, std::string_view url, std::string_view cookies);

}  // namespace searchkit

#pragma once
// One blocking HTTP exchange over WinINet, from scratch each time: new
// Internet handle, new connection, one request, everything closed again.
// Texts are code page 936; a cookie string is name=value entries joined by "; ".
//
// Failures stay quiet: when a handle cannot be opened or no response arrives
// (server unreachable, connection dropped, time-out) the body is empty and
// every out-parameter keeps its value. The status code is never looked at:
// whatever body arrives with a response is returned.
#include <cstddef>
#include <string>
#include <string_view>

#include "plugins/searchkit/text_functions.h"

namespace searchkit {

enum HttpMethod : int { kGet = 0, kPost = 1, kHead = 2 };  // any other value counts as GET

// How long a dead or hostile server may hold a fetch, and how much of a body is
// kept. A read waits at most `receiveMs`; once `totalMs` have passed no further
// read starts. A body is cut at `maxBody` bytes.
struct FetchLimits {
    unsigned long connectMs;
    unsigned long sendMs;
    unsigned long receiveMs;
    unsigned long totalMs;
    size_t maxBody;
};
inline constexpr FetchLimits kFetchLimits{30'000, 30'000, 30'000, 120'000, size_t{32} << 20};

// Parameters after the URL may be left out. A null `cookies` means the caller
// keeps no cookie variable: the system's cookie store is then used. With one,
// that store is bypassed, its text is sent and the merged cookies come back in it.
//   postText     body for POST and HEAD when `postBytes` is empty
//   returnedCookies  the cookies the server set in this exchange
//   headers      extra request header lines joined by "\r\n"; afterwards the whole block sent
//   returnedHeaders  the raw response header block (empty when longer than 4999 bytes)
//   noRedirect   true: redirects are not followed
//   postBytes    body for POST and HEAD; filled from `postText` when empty
//   proxy        proxy address; empty means a direct connection
ByteString fetchBytes(std::string_view url, int method = kGet, std::string_view postText = {},
                      std::string* cookies = nullptr, std::string* returnedCookies = nullptr,
                      std::string* headers = nullptr, std::string* returnedHeaders = nullptr,
                      bool noRedirect = false, ByteString* postBytes = nullptr,
                      std::string_view proxy = {}, const FetchLimits& limits = kFetchLimits);

// fetchBytes with a cookie variable always supplied (an empty one when
// `cookies` is null), the body decoded from UTF-8 with utf8ToText.
std::string fetchText(std::string_view url, int method = kGet, std::string_view postText = {},
                      std::string* cookies = nullptr, std::string* returnedCookies = nullptr,
                      std::string* headers = nullptr, std::string* returnedHeaders = nullptr,
                      bool noRedirect = false, ByteString* postBytes = nullptr,
                      std::string_view proxy = {}, const FetchLimits& limits = kFetchLimits);

// Host of an absolute URL or a bare host name, lower-cased, port cut unless kept.
std::string urlHost(std::string_view url, bool keepPort = false);
// The port written in the URL, else 443 for https and 80 otherwise.
int urlPort(std::string_view url);
// Everything from the first "/" after the host, query included; "/" when there is none.
std::string urlPath(std::string_view url);

}  // namespace searchkit

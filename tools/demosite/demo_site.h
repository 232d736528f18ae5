#pragma once
// The demo site: the search engine and the magnet index of the search
// plug-ins, both on one loopback host, answering any keyword with the stable
// made-up results of demo_results.h.
//   /                                  engine home page with its token
//   /search?q=<kw>+site%3a<host>&...   engine result page; &first=N for later pages
//   /search/<kw>.html                  first magnet index page
//   /search/<kw>/<i>-1.html            magnet index page i
//   /s/<id>, /detail/<hash>.html       the pages a hit links to
// Anything else is "404 Not Found".
#include <string>
#include <string_view>

#include "tools/loopback/loopback_server.h"

namespace demosite {

// `siteHost` is "127.0.0.1:<port>", the host the links of the hits point at.
loopback::Response answerDemoRequest(const loopback::Request& request, std::string_view siteHost);

// %XX escapes to bytes; a malformed escape stays as it is.
std::string percentDecode(std::string_view text);

}  // namespace demosite

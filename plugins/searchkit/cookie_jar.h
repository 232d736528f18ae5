#pragma once
// Cookies as the HTTP client keeps them: plain texts of name=value entries
// joined by "; ", carried by the caller from one fetch to the next.
#include <string>
#include <string_view>

namespace searchkit {

// The entries of every Set-Cookie line of a raw response header block (the
// name=value part before the first ";"), joined by "; ".
std::string captureCookies(std::string_view responseHeaders);

// New cookies first, in their order, then the old ones the server did not set
// again; entries ending in "=deleted" are dropped and repeats removed. Blanks
// and double-byte spaces are removed from both arguments, which keep that form.
// The result is also left in `cookies`.
std::string mergeCookies(std::string& cookies, std::string& newCookies);

// Each piece between separators kept only at its first occurrence.
std::string dedupeEntries(std::string_view text, std::string_view separator);

}  // namespace searchkit

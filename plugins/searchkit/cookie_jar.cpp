// Cookie capture and merging over plain cookie texts (see cookie_jar.h).
#include "plugins/searchkit/cookie_jar.h"

#include <algorithm>
#include <vector>

#include "plugins/searchkit/text_functions.h"

namespace searchkit {
namespace {

constexpr std::string_view kEntrySeparator = "; ";

// Each piece followed by the separator, the final separator cut off.
std::string joinEntries(const std::vector<std::string>& pieces, std::string_view separator) {
    std::string out;
    for (const std::string& piece : pieces) out.append(piece).append(separator);
    if (!out.empty()) out.resize(out.size() - separator.size());
    return out;
}

std::string cookieEntry(std::string_view line) {
    if (!containsText(line, ";")) return trimSpaces(replaceText(line, "Set-Cookie:", "", false));
    return trimSpaces(textBetween(line, "Set-Cookie:", ";"));
}

std::string cookieName(std::string_view entry) {
    const int equals = findText(entry, "=");
    return trimSpaces(equals > 0 ? entry.substr(0, equals - 1) : entry);
}

bool hasCookieNamed(const std::vector<std::string>& entries, std::string_view name) {
    for (const std::string& entry : entries) {
        if (cookieName(entry) == name) return true;
    }
    return false;
}

bool isDeleted(std::string_view entry) { return entry.ends_with("=deleted"); }

}  // namespace

std::string captureCookies(std::string_view responseHeaders) {
    std::vector<std::string> entries;
    for (const std::string& line : splitText(responseHeaders, "\r\n")) {
        if (containsText(line, "Set-Cookie")) entries.push_back(cookieEntry(line));
    }
    return joinEntries(entries, kEntrySeparator);
}

std::string mergeCookies(std::string& cookies, std::string& newCookies) {
    cookies = removeAllSpaces(cookies);
    newCookies = removeAllSpaces(newCookies);
    std::vector<std::string> merged = splitText(newCookies, ";");
    for (const std::string& old : splitText(cookies, ";")) {
        if (!hasCookieNamed(merged, cookieName(old))) merged.push_back(old);
    }
    std::erase_if(merged, [](const std::string& entry) { return isDeleted(entry); });
    cookies = dedupeEntries(joinEntries(merged, kEntrySeparator), kEntrySeparator);
    return cookies;
}

std::string dedupeEntries(std::string_view text, std::string_view separator) {
    std::vector<std::string> kept;
    for (std::string& piece : splitText(text, separator)) {
        if (std::find(kept.begin(), kept.end(), piece) == kept.end()) kept.push_back(std::move(piece));
    }
    return joinEntries(kept, separator);
}

}  // namespace searchkit

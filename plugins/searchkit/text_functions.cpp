// Searching, cutting and reshaping code page 936 texts (see text_functions.h).
#include "plugins/searchkit/text_functions.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "plugins/searchkit/dbcs.h"

namespace searchkit {
namespace {

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

bool isBlankAt(std::string_view text, size_t at, size_t length) {
    return length == 1 ? text[at] == ' ' : text.substr(at, 2) == kWideSpace;
}

// Both sides start on a character boundary, so walking the needle's characters
// keeps them in step: only single bytes are folded, never a trail byte.
bool matchesAt(std::string_view text, size_t at, std::string_view needle, bool ignoreCase) {
    if (text.size() - at < needle.size()) return false;
    if (!ignoreCase) return text.compare(at, needle.size(), needle) == 0;
    for (size_t i = 0; i < needle.size();) {
        const size_t length = charLength(needle, i);
        if (length == 1 ? foldAscii(text[at + i]) != foldAscii(needle[i])
                        : text.compare(at + i, 2, needle.substr(i, 2)) != 0)
            return false;
        i += length;
    }
    return true;
}

// Visits the 0-based offset of every character boundary from `from` on, until
// `visit` returns false.
template <typename Visit>
void forEachBoundary(std::string_view text, size_t from, Visit visit) {
    for (size_t i = 0; i < text.size(); i += charLength(text, i)) {
        if (i >= from && !visit(i)) return;
    }
}

}  // namespace

int findText(std::string_view text, std::string_view needle, int start, bool ignoreCase) {
    const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
    if (from >= text.size()) return -1;
    if (needle.empty()) return 1;
    int found = -1;
    forEachBoundary(text, from, [&](size_t i) {
        if (!matchesAt(text, i, needle, ignoreCase)) return true;
        found = static_cast<int>(i) + 1;
        return false;
    });
    return found;
}

int findTextReverse(std::string_view text, std::string_view needle) {
    if (text.empty()) return -1;
    if (needle.empty()) return 1;
    int found = -1;
    forEachBoundary(text, 0, [&](size_t i) {
        if (matchesAt(text, i, needle, false)) found = static_cast<int>(i) + 1;
        return true;
    });
    return found;
}

bool containsText(std::string_view text, std::string_view needle, bool ignoreCase) {
    return findText(text, needle, 1, ignoreCase) > 0;
}

namespace {

std::string cutBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                       int start, bool ignoreStartCase, bool ignoreEndCase) {
    const int at = findText(text, startMarker, start, ignoreStartCase);
    if (at < 0) return {};
    const int from = at + static_cast<int>(startMarker.size());
    const int end = findText(text, endMarker, from, ignoreEndCase);
    if (end < from) return {};
    return std::string(text.substr(from - 1, end - from));
}

}  // namespace

std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker,
                        int start, int caseFlag) {
    const bool startIgnoresCase = caseFlag == 0;
    return cutBetween(text, replaceText(startMarker, kQuotePlaceholder, "\""),
                      replaceText(endMarker, kQuotePlaceholder, "\""), start, startIgnoresCase,
                      !startIgnoresCase);
}

std::string textBetweenExact(std::string_view text, std::string_view startMarker, std::string_view endMarker) {
    return cutBetween(text, startMarker, endMarker, 1, false, false);
}

std::string trimSpaces(std::string_view text) {
    size_t first = std::string_view::npos, end = 0;
    forEachBoundary(text, 0, [&](size_t i) {
        const size_t length = charLength(text, i);
        if (!isBlankAt(text, i, length)) {
            if (first == std::string_view::npos) first = i;
            end = i + length;
        }
        return true;
    });
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first, end - first));
}

std::string removeAllSpaces(std::string_view text) {
    std::string out;
    forEachBoundary(text, 0, [&](size_t i) {
        const size_t length = charLength(text, i);
        if (!isBlankAt(text, i, length)) out += text.substr(i, length);
        return true;
    });
    return out;
}

std::vector<std::string> splitText(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {std::string(text)};
    size_t from = 0;
    for (int at; (at = findText(text, separator, static_cast<int>(from) + 1)) > 0;) {
        pieces.emplace_back(text.substr(from, at - 1 - from));
        from = at - 1 + separator.size();
    }
    if (from < text.size()) pieces.emplace_back(text.substr(from));
    return pieces;
}

std::string replaceText(std::string_view text, std::string_view find, std::string_view replacement,
                        bool matchCase) {
    if (find.empty()) return std::string(text);
    // One walk over the character boundaries: a findText per occurrence would
    // walk from the start again each time.
    std::string out;
    size_t copied = 0;  // the text before this offset is in `out`
    forEachBoundary(text, 0, [&](size_t i) {
        if (i < copied || !matchesAt(text, i, find, !matchCase)) return true;
        out.append(text.substr(copied, i - copied)).append(replacement);
        copied = i + find.size();
        return true;
    });
    return out.append(text.substr(std::min(copied, text.size())));
}

std::string lowerCase(std::string_view text) {
    std::string out(text);
    forEachBoundary(out, 0, [&](size_t i) {
        out[i] = foldAscii(out[i]);
        return true;
    });
    return out;
}

namespace {

// Full-width ASCII forms (A3A1..A3FE) and the double-byte space as single bytes.
std::string narrowAsciiForms(std::string_view text) {
    std::string out;
    forEachBoundary(text, 0, [&](size_t i) {
        const size_t length = charLength(text, i);
        const auto trail = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (length == 2 && static_cast<unsigned char>(text[i]) == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            out += static_cast<char>(trail - 0x80);
        else if (length == 2 && text.substr(i, 2) == kWideSpace)
            out += ' ';
        else
            out += text.substr(i, length);
        return true;
    });
    return out;
}

bool isWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

}  // namespace

int textToInt(std::string_view text) {
    const std::string ascii = narrowAsciiForms(text);
    size_t i = 0;
    while (i < ascii.size() && isWhiteSpace(ascii[i])) ++i;
    const bool negative = i < ascii.size() && ascii[i] == '-';
    if (i < ascii.size() && (ascii[i] == '-' || ascii[i] == '+')) ++i;
    long long value = 0;
    for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
        value = std::min(value * 10 + (ascii[i] - '0'), static_cast<long long>(INT_MAX) + 1);
    }
    if (negative) value = -value;
    return static_cast<int>(std::clamp(value, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX)));
}

std::string numberToText(long long value) { return std::to_string(value); }

std::string numberToText(double value) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace searchkit

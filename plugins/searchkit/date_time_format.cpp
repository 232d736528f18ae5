// Time stamps for the status lines, e.g. "2016/05/31 22:45". The picture is
// read by ourselves rather than by GetDateFormat, so no letter beyond the six
// elements below takes on a meaning and the result follows no locale.
#include "plugins/searchkit/text_functions.h"

#include <cstdio>
#include <initializer_list>

#include "plugins/searchkit/dbcs.h"

namespace searchkit {
namespace {

constexpr size_t kMaxLength = 49;

struct Element {
    std::string_view token;
    int value;
    int digits;
};

// Replaces each element wherever it starts on a character boundary and copies
// everything else.
std::string applyElements(std::string_view picture, std::initializer_list<Element> elements) {
    std::string out;
    for (size_t i = 0; i < picture.size();) {
        const Element* hit = nullptr;
        for (const Element& e : elements) {
            if (picture.substr(i, e.token.size()) == e.token) hit = &e;
        }
        if (hit) {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%0*d", hit->digits, hit->value);
            out += digits;
            i += hit->token.size();
        } else {
            const size_t length = charLength(picture, i);
            out += picture.substr(i, length);
            i += length;
        }
    }
    return out;
}

// Cut at kMaxLength bytes without splitting a double-byte character.
std::string limited(std::string text) {
    size_t end = 0;
    while (end < text.size() && end + charLength(text, end) <= kMaxLength) end += charLength(text, end);
    text.resize(end);
    return text;
}

}  // namespace

std::string formatDateTime(const SYSTEMTIME& moment, std::string_view picture) {
    if (picture.empty()) picture = kDefaultDateTimePicture;
    const std::string dated = applyElements(
        picture, {{"yyyy", moment.wYear, 4}, {"MM", moment.wMonth, 2}, {"dd", moment.wDay, 2}});
    return limited(applyElements(
        dated, {{"HH", moment.wHour, 2}, {"mm", moment.wMinute, 2}, {"ss", moment.wSecond, 2}}));
}

std::string formatDateTime(std::string_view picture) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return formatDateTime(now, picture);
}

}  // namespace searchkit

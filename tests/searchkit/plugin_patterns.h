#pragma once
// The two result patterns the search plug-ins run, and page text in the
// markup each expects, for the regex tests and the benchmark. Texts are code
// page 936, written here in UTF-8 and converted.
#include <string>
#include <vector>

#include "plugins/searchkit/text_functions.h"

namespace searchkit::testing {

inline std::string gbk(std::string_view utf8) { return utf8ToText(utf8); }

// The cloud-disk pattern: one hit per <h2> link; group 1 link, 2 attributes, 3 title.
inline const std::string kCloudPattern = "<h2><a href=\"(.*?)\" (.*?)>(.*?)</a></h2>";

inline std::string cloudHit(const std::string& link, const std::string& attributes, const std::string& title) {
    return "<h2><a href=\"" + link + "\" " + attributes + ">" + title + "</a></h2>";
}

// The magnet pattern: 25 lines joined by CR LF, each its blanks and its text.
inline std::vector<std::string> magnetLines() {
    const std::pair<int, const char*> lines[] = {
        {8, "<div class=\"search-item\">"},
        {12, "<div class=\"item-title\">"},
        {16, "<h3>"},
        {20, "<a href=\"(.*?)\" target=\"_blank\">(.*?)</a>"},
        {16, "</h3>"},
        {12, "</div>"},
        {12, "<div class=\"item-list\">"},
        {16, "<ul>"},
        {28, "[\\s\\S]*?"},
        {16, "</ul>"},
        {12, "</div>"},
        {12, "<div class=\"item-bar\">"},
        {16, "<span class=\"(.*?)\">(.*?)</span>"},
        {16, "<span>"},
        {20, "创建时间："},
        {24, "<b>(.*?)</b>"},
        {16, "</span><span>"},
        {20, "文件大小："},
        {24, "<b(.*?)>(.*?)</b>"},
        {0, ""},
        {16, "</span>"},
        {16, "<span>下载热度：<b>(.*?)</b></span>"},
        {16, "<span>最近下载：<b>(.*?)</b></span>"},
        {0, ""},
        {16, "<a href=\"(.*?)\" class=\"download\">磁力链接</a> <a href=\"(.*?)\" class=\"download\">迅雷链接</a>"},
    };
    std::vector<std::string> out;
    for (const auto& [blanks, text] : lines) out.push_back(std::string(blanks, ' ') + gbk(text));
    return out;
}

inline std::string joinLines(const std::vector<std::string>& lines, std::string_view lineBreak) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) out += (i ? std::string(lineBreak) : "") + lines[i];
    return out;
}

inline std::string magnetPattern() { return joinLines(magnetLines(), "\r\n"); }

// One item in the magnet layout: the pattern with its eleven groups filled in
// order and the file list (line 9) given as `files`.
inline std::string magnetItem(const std::vector<std::string>& groups, const std::string& files,
                              std::string_view lineBreak = "\r\n") {
    std::string item = joinLines(magnetLines(), lineBreak);
    item = replaceText(item, "[\\s\\S]*?", files);
    for (const std::string& value : groups) {
        const int at = findText(item, "(.*?)");
        item.replace(at - 1, 5, value);
    }
    return item;
}

}  // namespace searchkit::testing

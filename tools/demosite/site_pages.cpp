#include "tools/demosite/site_pages.h"

namespace demosite {
namespace {

std::string indent(int blanks, std::string_view text) {
    return std::string(static_cast<size_t>(blanks), ' ').append(text);
}

std::string join(const std::vector<std::string>& lines, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += separator;
        out += lines[i];
    }
    return out;
}

std::string engineHit(const EngineHit& hit) {
    return "<li class=\"b_algo\"><h2><a href=\"" + hit.link + "\" " + hit.attributes + ">" + hit.title +
           "</a></h2><div class=\"b_caption\"><p>" + hit.link + "</p></div></li>\n";
}

std::string fileList(const MagnetHit& hit, std::string_view lineBreak) {
    std::vector<std::string> items;
    for (const std::string& file : hit.files) items.push_back("<li>" + file + "</li>");
    return join(items, std::string(lineBreak) + std::string(28, ' '));
}

// One hit, line for line as the index lays it out; the blanks count.
std::string magnetItem(const MagnetHit& hit, std::string_view lineBreak) {
    return join({
        indent(8, "<div class=\"search-item\">"),
        indent(12, "<div class=\"item-title\">"),
        indent(16, "<h3>"),
        indent(20, "<a href=\"" + hit.itemLink + "\" target=\"_blank\">" + hit.title + "</a>"),
        indent(16, "</h3>"),
        indent(12, "</div>"),
        indent(12, "<div class=\"item-list\">"),
        indent(16, "<ul>"),
        indent(28, fileList(hit, lineBreak)),
        indent(16, "</ul>"),
        indent(12, "</div>"),
        indent(12, "<div class=\"item-bar\">"),
        indent(16, "<span class=\"" + hit.typeClass + "\">" + hit.type + "</span>"),
        indent(16, "<span>"),
        indent(20, "创建时间："),
        indent(24, "<b>" + hit.created + "</b>"),
        indent(16, "</span><span>"),
        indent(20, "文件大小："),
        indent(24, "<b" + hit.sizeAttributes + ">" + hit.size + "</b>"),
        "",
        indent(16, "</span>"),
        indent(16, "<span>下载热度：<b>" + hit.heat + "</b></span>"),
        indent(16, "<span>最近下载：<b>" + hit.lastDownload + "</b></span>"),
        "",
        indent(16, "<a href=\"" + hit.magnet + "\" class=\"download\">磁力链接</a> <a href=\"" +
                       hit.downloadManagerLink + "\" class=\"download\">迅雷链接</a>"),
        indent(12, "</div>"),
        indent(8, "</div>"),
    }, lineBreak);
}

}  // namespace

std::string engineHomePage(std::string_view token) {
    return "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>演示搜索</title>"
           "<script>var _G={ST:(new Date),Mkt:\"zh-CN\",IG:\"" + std::string(token) + "\",EF:{bmasynctrigger:1}};"
           "</script></head><body><form action=\"/search\"><input name=\"q\"></form></body></html>\n";
}

std::string engineResultPage(std::string_view keyword, std::string_view countText, std::span<const EngineHit> hits) {
    std::string page = "<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\"><title>" +
                       escapeMarkup(keyword) + " - 演示搜索</title></head><body>\n"
                       "<div id=\"b_content\"><main aria-label=\"Search Results\"><ol id=\"b_results\">\n"
                       "<li class=\"b_ans\"><span class=\"sb_count\">" + std::string(countText) + " 条结果</span></li>\n";
    for (const EngineHit& hit : hits) page += engineHit(hit);
    return page + "</ol></main></div><footer>演示站点</footer></body></html>\n";
}

std::string magnetPage(std::string_view keyword, std::string_view countText, std::span<const MagnetHit> hits,
                       std::string_view lineBreak) {
    const std::string br{lineBreak};
    std::string page = "<!DOCTYPE html>" + br + "<html>" + br + "<head><meta charset=\"utf-8\"><title>" +
                       escapeMarkup(keyword) + " - 磁力演示</title></head>" + br + "<body>" + br +
                       "    <div class=\"search-statu\"><span>大约 " + std::string(countText) + " 条结果</span></div>" + br +
                       "    <div class=\"search-list\">" + br;
    for (const MagnetHit& hit : hits) page += magnetItem(hit, lineBreak) + br;
    return page + "    </div>" + br + "</body>" + br + "</html>" + br;
}

std::string escapeMarkup(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace demosite

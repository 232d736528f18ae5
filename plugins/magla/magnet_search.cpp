#include "plugins/magla/magnet_search.h"

#include <string>
#include <string_view>

#include "plugins/searchkit/http_client.h"
#include "plugins/searchkit/regex_service.h"
#include "plugins/searchkit/result_cells.h"
#include "plugins/searchkit/search_flow.h"
#include "plugins/searchkit/text_functions.h"

namespace magla {
namespace {

using namespace searchkit;

constexpr std::string_view kSiteHost = MAGLA_SITE_HOST;
constexpr char kCountStart[] = "大约 ", kCountEnd[] = " 条结果";
constexpr int kHitsPerPage = 10;

// One hit as the site lays it out, line for line, with its "\r\n" line breaks.
// Groups: 1 item page, 2 title, 3 type class, 4 type, 5 created, 6 size
// attributes, 7 size, 8 heat, 9 last download, 10 magnet, 11 download manager.
constexpr char kResultPattern[] =
    "        <div class=\"search-item\">\r\n"
    "            <div class=\"item-title\">\r\n"
    "                <h3>\r\n"
    "                    <a href=\"(.*?)\" target=\"_blank\">(.*?)</a>\r\n"
    "                </h3>\r\n"
    "            </div>\r\n"
    "            <div class=\"item-list\">\r\n"
    "                <ul>\r\n"
    "                            [\\s\\S]*?\r\n"
    "                </ul>\r\n"
    "            </div>\r\n"
    "            <div class=\"item-bar\">\r\n"
    "                <span class=\"(.*?)\">(.*?)</span>\r\n"
    "                <span>\r\n"
    "                    创建时间：\r\n"
    "                        <b>(.*?)</b>\r\n"
    "                </span><span>\r\n"
    "                    文件大小：\r\n"
    "                        <b(.*?)>(.*?)</b>\r\n"
    "\r\n"
    "                </span>\r\n"
    "                <span>下载热度：<b>(.*?)</b></span>\r\n"
    "                <span>最近下载：<b>(.*?)</b></span>\r\n"
    "\r\n"
    "                <a href=\"(.*?)\" class=\"download\">磁力链接</a> <a href=\"(.*?)\" class=\"download\">迅雷链接</a>";
constexpr int kGroupOfColumn[] = {0, 2, 4, 8, 7, 9, 10, 11};

RegexService matches;

std::string pageUrl(std::string_view keyword, int page) {
    std::string url = "http://";
    url.append(kSiteHost).append("/search/").append(keyword);
    return url + (page == 1 ? ".html" : "/" + numberToText(static_cast<long long>(page)) + "-1.html");
}

// A whole index page as text. Only the URL is given, so the system's cookie
// store keeps whatever the site sets.
std::string fetchPage(const SearchWindow& window, int page) {
    return utf8ToText(fetchBytes(pageUrl(encodedKeyword(window), page)));
}

std::string pageQuestion(int pages) {
    return "共搜索到　" + numberToText(static_cast<long long>(pages)) + "　页数据。请输入页数，取消则只搜索第一页。";
}

std::string pageStatus(int page) {
    return stampedStatus("正在搜索第　" + numberToText(static_cast<long long>(page)) + "　页，请稍候...");
}

}  // namespace

void magnetSearch(SearchWindow& window) {
    beginSearch(window, pageStatus(1));
    std::string collected = fetchPage(window, 1);
    // The count is read as written: a thousands separator ends the number.
    const int pages = textToInt(textBetween(collected, kCountStart, kCountEnd)) / kHitsPerPage;
    if (askToContinue(pageQuestion(pages))) {
        askForPageCount(window);
        // Asking for as many pages as were found fetches them all; asking for
        // more than that fetches nothing further.
        const int wanted = window.requestedPages;
        if (wanted <= pages) {
            for (int page = 2; page <= wanted; ++page) {
                window.setStatus(pageStatus(page));
                collected += fetchPage(window, page);
            }
        }
    }
    finishSearch(window, matches, kResultPattern, collected, stampedStatus("搜索完成！"));
}

void fillCell(CellRequest* request, char* buffer) {
    fillFromMatches(matches, kGroupOfColumn, *request, buffer);
}

}  // namespace magla

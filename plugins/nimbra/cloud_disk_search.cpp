#include "plugins/nimbra/cloud_disk_search.h"

#include <string>
#include <string_view>

#include "plugins/searchkit/http_client.h"
#include "plugins/searchkit/regex_service.h"
#include "plugins/searchkit/result_cells.h"
#include "plugins/searchkit/search_flow.h"
#include "plugins/searchkit/text_functions.h"

namespace nimbra {
namespace {

using namespace searchkit;

constexpr std::string_view kEngineHost = NIMBRA_ENGINE_HOST;
constexpr std::string_view kShareHost = NIMBRA_SHARE_HOST;

// The engine's home page carries the token its result pages want: "...",IG:"<token>"
constexpr char kTokenStart[] = "\",IG:\"", kTokenEnd[] = "\"";
constexpr char kSectionStart[] = "Search Results", kSectionEnd[] = "</ol>";
constexpr char kCountStart[] = "\"sb_count\">", kCountEnd[] = " 条结果";
// The engine shows ten hits a page; page counts and offsets assume it.
constexpr int kHitsPerPage = 10;

// One hit: link, the link's other attributes, title.
constexpr char kResultPattern[] = "<h2><a href=\"(.*?)\" (.*?)>(.*?)</a></h2>";
constexpr int kGroupOfColumn[] = {0, 3, 1};

RegexService matches;

std::string searchUrl(std::string_view keyword, std::string_view token, int page) {
    std::string url = "http://";
    url.append(kEngineHost).append("/search?q=").append(keyword).append("+site%3a").append(kShareHost);
    url.append("&qs=HS&sc=3-0&sp=1&cvid=").append(token);
    if (page >= 2) url += "&first=" + numberToText(static_cast<long long>((page - 1) * kHitsPerPage + 1));
    return url + "&FORM=QBLH";
}

// The result list of one result page, without the "amp;" of its entities, so
// "&amp;" in a title shows as "&". The keyword is read from the box each time.
std::string fetchResultSection(const SearchWindow& window, std::string_view token, int page) {
    const std::string text = fetchText(searchUrl(encodedKeyword(window), token, page));
    return replaceText(textBetween(text, kSectionStart, kSectionEnd), "amp;", "");
}

int pagesFound(std::string_view collected) {
    return textToInt(replaceText(textBetween(collected, kCountStart, kCountEnd), ",", "")) / kHitsPerPage;
}

std::string pageQuestion(int pages) {
    return "查询到" + numberToText(static_cast<long long>(pages)) +
           "页结果。您是否想输入页数而快速的搜索完成。[假如查询2000条，搜索200页软件运行更快]\r\n*取消则只采集一页";
}

}  // namespace

void cloudDiskSearch(SearchWindow& window) {
    beginSearch(window, stampedStatus("正在采集第　1　页内容..."));
    const std::string token = textBetween(fetchText(kEngineHost), kTokenStart, kTokenEnd);
    std::string collected = fetchResultSection(window, token, 1);
    const int pages = pagesFound(collected);
    if (pages >= 1) {
        if (askToContinue(pageQuestion(pages))) askForPageCount(window);
        // A count at or above the pages found, or none, means the first page only.
        const int wanted = window.requestedPages;
        if (wanted < pages && wanted != 0) {
            for (int page = 2; page <= wanted; ++page) {
                window.setStatus(stampedStatus("正在采集第　" + numberToText(static_cast<long long>(page)) + "　页内容"));
                collected += fetchResultSection(window, token, page);
            }
        }
    }
    collected = replaceText(replaceText(collected, "<strong>", ""), "</strong>", "");
    finishSearch(window, matches, kResultPattern, collected, stampedStatus("采集完成！"));
}

void fillCell(CellRequest* request, char* buffer) {
    fillFromMatches(matches, kGroupOfColumn, *request, buffer);
}

}  // namespace nimbra

#pragma once
// The markup of the two sites the search plug-ins read, as UTF-8 pages: a web
// search engine (a home page carrying its token, result pages) and a magnet
// index (pages of hits in its 25-line layout). The demo site fills them with
// made-up hits; the plug-in tests fill them with the hits each case needs.
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace demosite {

// Texts are markup as it stands in the page (a title may hold <strong> or &amp;).
struct EngineHit {
    std::string link;
    std::string attributes;  // the link's other attributes, e.g. h="ID=SERP,5001.1"
    std::string title;
};

struct MagnetHit {
    std::string itemLink;
    std::string title;
    std::string typeClass, type;
    std::string created;
    std::string sizeAttributes, size;  // attributes with their leading blank
    std::string heat, lastDownload;
    std::string magnet, downloadManagerLink;
    std::vector<std::string> files;
};

// The home page, with the token the result pages want in ",IG:"<token>".
std::string engineHomePage(std::string_view token);
// A result page: the count element ("<countText> 条结果") and the hits inside
// the result list, which runs from "Search Results" to "</ol>".
std::string engineResultPage(std::string_view keyword, std::string_view countText, std::span<const EngineHit> hits);
// An index page: "大约 <countText> 条结果" and the hits, lines joined by `lineBreak`.
std::string magnetPage(std::string_view keyword, std::string_view countText, std::span<const MagnetHit> hits,
                       std::string_view lineBreak = "\r\n");

// Keeps a text from being read as markup: & < > " as entities.
std::string escapeMarkup(std::string_view text);

}  // namespace demosite

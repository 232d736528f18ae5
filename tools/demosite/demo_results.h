#pragma once
// Made-up but stable results for any keyword: the same keyword always gives
// the same count and the same hits, and the pages together hold exactly as
// many hits as the count announces. Keywords and texts are UTF-8.
#include <string>
#include <string_view>
#include <vector>

#include "tools/demosite/site_pages.h"

namespace demosite {

inline constexpr int kHitsPerPage = 10;

int engineResultCount(std::string_view keyword);
// The hits from 1-based offset `first` on, at most one page of them. Links
// point at share pages of `shareHost`.
std::vector<EngineHit> engineHits(std::string_view keyword, std::string_view shareHost, int first);

int magnetResultCount(std::string_view keyword);
// The hits of index page `page` (from 1); item pages live on `siteHost`.
std::vector<MagnetHit> magnetHits(std::string_view keyword, std::string_view siteHost, int page);

// 1234567 -> "1,234,567", as the engine writes its counts.
std::string withThousands(int number);

}  // namespace demosite

#pragma once
// Magla's search: a magnet-link index site, eight columns per hit.
#include "plugins/searchkit/search_window.h"
#include "plugins/searchkit/virtual_list.h"

namespace magla {

// The worker routine: the first index page, then as many more as the user wants.
void magnetSearch(searchkit::SearchWindow& window);

// The list's cells: number, title, type, heat, size, last download, magnet
// link, download-manager link.
void fillCell(searchkit::CellRequest* request, char* buffer);

}  // namespace magla

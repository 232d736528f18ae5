#pragma once
// Nimbra's search: shared cloud-disk folders and files, found by asking a web
// search engine for pages of the share host that match the keyword.
#include "plugins/searchkit/search_window.h"
#include "plugins/searchkit/virtual_list.h"

namespace nimbra {

// The worker routine: collects as many result pages as the user wants and
// hands the hits to the list.
void cloudDiskSearch(searchkit::SearchWindow& window);

// The list's cells: row number, title and link of each hit.
void fillCell(searchkit::CellRequest* request, char* buffer);

}  // namespace nimbra

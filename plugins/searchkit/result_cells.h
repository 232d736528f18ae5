#pragma once
// Cell texts of a result list read from the match set of the last search.
#include <span>

#include "plugins/searchkit/regex_service.h"
#include "plugins/searchkit/virtual_list.h"

namespace searchkit {

// Column 0 numbers the rows from 1; column c > 0 shows the capture group
// groupOfColumn[c] of the row's match; other columns are empty. A match whose
// first group (the link) is empty gives an empty row, number included: it
// still counts as a row. The item data goes back as 0.
void fillFromMatches(const RegexService& matches, std::span<const int> groupOfColumn, CellRequest& request,
                     char* buffer);

}  // namespace searchkit

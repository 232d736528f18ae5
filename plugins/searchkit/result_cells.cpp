#include "plugins/searchkit/result_cells.h"

#include "plugins/searchkit/text_functions.h"

namespace searchkit {

void fillFromMatches(const RegexService& matches, std::span<const int> groupOfColumn, CellRequest& request,
                     char* buffer) {
    const int match = request.row + 1;
    const size_t column = static_cast<size_t>(request.column);
    std::string text;
    if (!matches.groupText(match, 1).empty()) {
        if (column == 0)
            text = numberToText(static_cast<long long>(match));
        else if (column < groupOfColumn.size())
            text = matches.groupText(match, groupOfColumn[column]);
    }
    writeCellText(buffer, text);
    request.itemData = 0;
}

}  // namespace searchkit

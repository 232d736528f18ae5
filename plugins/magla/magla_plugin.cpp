// Magla's own values; everything else comes from the search toolkit.
#include <windows.h>

#include "plugins/magla/magnet_search.h"
#include "plugins/searchkit/length_prefixed_blob.h"
#include "plugins/searchkit/plugin_exports.h"
#include "plugins/searchkit/plugin_table.h"

namespace {

using namespace searchkit;

#include "kMaglaIcon.inc"

constexpr ListColumn kColumns[] = {
    {"序号", 60},     {"标题", 180},     {"类型", 60},      {"下载热度", 60},
    {"文件大小", 60}, {"最近下载", 60}, {"磁力链接", 180}, {"迅雷链接", 180},
};
constexpr int kTrackedColumns[] = {1, 6, 7};
constexpr MenuEntry kMenu[] = {
    {"复制标题(&C)", RowAction::copy, 1},
    {"复制磁力链接(&W)", RowAction::copy, 6},
    {"复制迅雷链接(&S)", RowAction::copy, 7},
};

constexpr PluginTable kMagla{
    .title = "磁力链接",
    .icon = kMaglaIcon.bytes,
    .columns = kColumns,
    .trackedColumns = kTrackedColumns,
    .trackedDivisor = 5,
    .menu = kMenu,
    .emptyKeywordIcon = MB_ICONERROR,
    .fillCell = magla::fillCell,
    .search = magla::magnetSearch,
};

SearchWindow window{kMagla};

}  // namespace

searchkit::SearchWindow& searchkit::thisPlugin() {
    return window;
}

// Nimbra's own values; everything else comes from the search toolkit.
#include <windows.h>

#include "plugins/nimbra/cloud_disk_search.h"
#include "plugins/searchkit/length_prefixed_blob.h"
#include "plugins/searchkit/plugin_exports.h"
#include "plugins/searchkit/plugin_table.h"

namespace {

using namespace searchkit;

#include "kNimbraIcon.inc"

constexpr ListColumn kColumns[] = {{"序号", 60}, {"标题", 300}, {"地址", 300}};
constexpr int kTrackedColumns[] = {1, 2};
constexpr MenuEntry kMenu[] = {
    {"复制网址(&C)", RowAction::copy, 2},
    {"打开网址(&W)", RowAction::open, 2},
    {"保存列表(&S)", RowAction::nothing, 2},
};

constexpr PluginTable kNimbra{
    .title = "百度网盘",
    .icon = kNimbraIcon.bytes,
    .columns = kColumns,
    .trackedColumns = kTrackedColumns,
    .trackedDivisor = 2.3,
    .menu = kMenu,
    .emptyKeywordIcon = MB_ICONINFORMATION,
    .fillCell = nimbra::fillCell,
    .search = nimbra::cloudDiskSearch,
};

SearchWindow window{kNimbra};

}  // namespace

searchkit::SearchWindow& searchkit::thisPlugin() {
    return window;
}

#include "plugins/searchkit/result_actions.h"

#include <shellapi.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "plugins/searchkit/search_window.h"
#include "plugins/searchkit/text_functions.h"

namespace searchkit {
namespace {

struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

struct GlobalDeleter {
    void operator()(HGLOBAL block) const { GlobalFree(block); }
};
using UniqueGlobal = std::unique_ptr<std::remove_pointer_t<HGLOBAL>, GlobalDeleter>;

// A movable block holding `size` bytes from `data`, as the clipboard wants it.
UniqueGlobal globalCopy(const void* data, size_t size) {
    UniqueGlobal block{GlobalAlloc(GMEM_MOVEABLE, size)};
    if (!block) return block;
    if (void* bytes = GlobalLock(block.get())) {
        std::memcpy(bytes, data, size);
        GlobalUnlock(block.get());
    }
    return block;
}

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool isOpen() const { return open_; }

private:
    bool open_;
};

// Once the clipboard has taken a block, it owns it.
void handOver(UINT format, UniqueGlobal block) {
    if (block && SetClipboardData(format, block.get())) block.release();
}

}  // namespace

void onListRightClick(HWND list) {
    SearchWindow* window = SearchWindow::from(GetParent(list));
    if (!window || !window->searchEnabled()) return;
    UniqueMenu menu{CreatePopupMenu()};
    const auto& entries = window->table().menu;
    for (size_t i = 0; i < entries.size(); ++i)
        AppendMenuW(menu.get(), MF_STRING, kFirstMenuEntryId + i, textToUtf16(entries[i].text).c_str());
    POINT pointer{};
    GetCursorPos(&pointer);
    TrackPopupMenu(menu.get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pointer.x, pointer.y, 0,
                   window->window(), nullptr);
}

void runMenuEntry(const SearchWindow& window, const MenuEntry& entry) {
    const int row = window.list().selectedRow();
    if (row == -1) return;
    const std::string text = window.list().cellText(row, entry.column);
    switch (entry.action) {
    case RowAction::copy: copyToClipboard(text, window.window()); break;
    case RowAction::open: openWithShell(text); break;
    case RowAction::nothing: break;
    }
}

void copyToClipboard(std::string_view text, HWND owner) {
    const std::string bytes{text};
    const std::wstring wide = textToUtf16(text);
    UniqueGlobal ansi = globalCopy(bytes.c_str(), bytes.size() + 1);
    UniqueGlobal unicode = globalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    OpenClipboardScope clipboard{owner};
    if (!clipboard.isOpen()) return;
    EmptyClipboard();
    handOver(CF_TEXT, std::move(ansi));
    handOver(CF_UNICODETEXT, std::move(unicode));
}

bool isWebLink(std::string_view target) {
    const std::string lower = lowerCase(target);
    if (!lower.starts_with("http://") && !lower.starts_with("https://")) return false;
    for (char c : target) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte <= ' ' || byte == 0x7f || c == '"') return false;
    }
    return true;
}

void openWithShell(std::string_view target) {
    if (!isWebLink(target)) return;
    ShellExecuteW(nullptr, L"open", textToUtf16(target).c_str(), L"", L"", SW_SHOWNORMAL);
}

}  // namespace searchkit

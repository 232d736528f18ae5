#include "plugins/searchkit/search_flow.h"

#include <windows.h>

#include <system_error>
#include <thread>

#include "plugins/searchkit/page_count_prompt.h"
#include "plugins/searchkit/regex_service.h"
#include "plugins/searchkit/search_window.h"
#include "plugins/searchkit/text_functions.h"

namespace searchkit {
namespace {

constexpr char kBoxCaption[] = "提示：";

int showBox(HWND owner, std::string_view text, UINT style) {
    return MessageBoxW(owner, textToUtf16(text).c_str(), textToUtf16(kBoxCaption).c_str(), style);
}

// Nothing waits for the worker: it ends on its own after the end status.
// False when no thread could be made (nothing may leave a window procedure).
bool startWorker(SearchWindow& window) {
    try {
        std::thread(window.table().search, std::ref(window)).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

}  // namespace

void startSearch(SearchWindow& window) {
    window.list().setRowCount(0);
    if (trimSpaces(window.keyword()).empty()) {
        showBox(window.window(), "您还没有输入要搜索的内容。", MB_OK | MB_TOPMOST | window.table().emptyKeywordIcon);
        return;
    }
    window.setSearchEnabled(false);
    if (!startWorker(window)) window.setSearchEnabled(true);
}

std::string stampedStatus(std::string_view text) {
    std::string status = "[　" + formatDateTime("yyyy/MM/dd HH:mm") + "　]　";
    status += text;
    return status;
}

std::string encodedKeyword(const SearchWindow& window) {
    const ByteString utf8 = ansiToUtf8(window.keyword());
    return urlEncode(utf8.c_str());  // the text form ends at the terminating zero
}

bool askToContinue(std::string_view question) {
    return showBox(nullptr, question, MB_OKCANCEL | MB_ICONQUESTION | MB_SETFOREGROUND) == IDOK;
}

void askForPageCount(SearchWindow& window) {
    if (std::optional<std::string> answer = askPageCount()) window.requestedPages = textToInt(*answer);
}

void beginSearch(SearchWindow& window, std::string_view status) {
    window.setSearchEnabled(false);
    window.setStatus(status);
}

void finishSearch(SearchWindow& window, RegexService& matches, std::string_view pattern,
                  std::string_view collected, std::string_view status) {
    matches.runSearch(pattern, collected);
    window.list().setRowCount(matches.matchCount());
    window.setSearchEnabled(true);
    window.requestedPages = 0;
    window.setStatus(status);
}

}  // namespace searchkit

#include "tests/plugins/harness/plugin_session.h"

namespace harness {

PluginSession::PluginSession(const wchar_t* fileName) : plugin(loadPlugin(installedPlugin(fileName))) {
    if (!plugin.search) return;
    window = plugin.search(kHandshake);
    if (!window) return;
    ui = std::make_unique<PluginWindow>(window);
    statusAfterCreation = ui->status();
    for (int column = 0; column < ui->columnCount(); ++column)
        columnWidthsAfterCreation.push_back(ui->columnWidth(column));
    listAfterCreation = ui->rectOf(ui->list());
    host.embed(window, kPage.left, kPage.top, kPage.right - kPage.left, kPage.bottom - kPage.top);
}

SearchOutcome PluginSession::search(const std::wstring& keyword, std::vector<Answer> answers,
                                    loopback::Handler handler, const std::wstring& endTail) {
    site.script(std::move(handler));
    ui->forget();
    BoxAnswerer answerer(std::move(answers));
    ui->typeKeyword(keyword);
    ui->pressEnter();
    SearchOutcome outcome;
    outcome.ended = ui->waitForStatusEnding(endTail);
    outcome.seen = answerer.seen();
    outcome.requests = site.requests();
    outcome.unanswered = answerer.unanswered();
    return outcome;
}

}  // namespace harness

#pragma once
// One search plug-in as a test program meets it: the installed library loaded
// and its window embedded as the host does (at (8, 140), 784 x 452, as in an
// 800 x 600 main window), its scripted site, and a user driving it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/plugins/harness/box_answerer.h"
#include "tests/plugins/harness/plugin_library.h"
#include "tests/plugins/harness/plugin_window.h"
#include "tests/plugins/harness/scripted_site.h"

namespace harness {

inline constexpr char kHandshake[] = "748.9302";
inline constexpr RECT kPage{8, 140, 8 + 784, 140 + 452};

struct SearchOutcome {
    bool ended = false;                       // the end status text came
    std::vector<SeenWindow> seen;             // boxes, prompt, menus, in order
    std::vector<loopback::Request> requests;  // what the plug-in asked the site
    size_t unanswered = 0;                    // script answers left over
};

class PluginSession {
public:
    explicit PluginSession(const wchar_t* fileName);

    LoadedPlugin plugin;
    HostWindow host;
    HWND window = nullptr;
    ScriptedSite site;
    std::unique_ptr<PluginWindow> ui;
    // Read right after the handshake, before the host moved the window.
    std::wstring statusAfterCreation;
    std::vector<int> columnWidthsAfterCreation;
    RECT listAfterCreation{};

    // Types the keyword, presses Enter and answers as scripted until the
    // window shows a status text ending with `endTail`.
    SearchOutcome search(const std::wstring& keyword, std::vector<Answer> answers, loopback::Handler handler,
                         const std::wstring& endTail);
};

}  // namespace harness

#pragma once
// A user at the keyboard, on a helper thread: it watches this process for the
// windows a search puts in front of the user (message boxes, the page-count
// prompt, the pop-up menu), notes what each showed, and answers them in the
// order of a script. A window the script has no answer for is noted and sent
// away (Cancel, Escape), so a test fails instead of hanging.
#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace harness {

struct Answer {
    enum Kind {
        ok,             // a message box's OK
        cancel,         // a message box's Cancel, or the prompt's cancel button
        typePages,      // prompt: type `text`, then Enter in the page-count box
        clickAccept,    // prompt: type `text`, then click the accept button
        closeBox,       // prompt: the close box of its frame
        menuKey,        // menu: press the mnemonic `text`
        dismissMenu,    // menu: Escape
    } kind;
    std::wstring text;
};

enum class BoxIcon { none, information, question, error, other };

struct SeenWindow {
    enum Kind { messageBox, prompt, menu } kind;
    std::wstring caption;
    std::wstring text;  // a box's message; the prompt's question
    BoxIcon icon = BoxIcon::none;
    RECT rect{};
    // The prompt as it came up.
    std::vector<std::wstring> controlTexts;
    std::vector<RECT> controlRects;  // client coordinates
    bool countBoxFocused = false;
    DWORD selectionStart = 0, selectionEnd = 0;
    // The menu's entries.
    std::vector<std::wstring> entries;
    // When the answer went out (QueryPerformanceCounter).
    LONGLONG answeredAt = 0;
};

// The windows of one kind among those seen, in order.
std::vector<SeenWindow> ofKind(const std::vector<SeenWindow>& seen, SeenWindow::Kind kind);

class BoxAnswerer {
public:
    explicit BoxAnswerer(std::vector<Answer> script);
    ~BoxAnswerer();  // stops watching
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<SeenWindow> seen() const;
    size_t unanswered() const;  // answers of the script still unused

private:
    void watch();
    bool answerNext(HWND window, SeenWindow::Kind kind);

    std::vector<Answer> script_;
    size_t next_ = 0;
    std::vector<SeenWindow> seen_;
    mutable std::mutex mutex_;
    HANDLE stop_;
    std::thread thread_;
};

}  // namespace harness

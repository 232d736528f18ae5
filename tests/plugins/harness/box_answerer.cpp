#include "tests/plugins/harness/box_answerer.h"

#include <commctrl.h>

#include "tests/plugins/harness/window_text.h"

namespace harness {
namespace {

constexpr DWORD kGiveUpMs = 60000;

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

struct WaitingWindow {
    HWND window = nullptr;
    SeenWindow::Kind kind{};
};

BOOL CALLBACK checkWaiting(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    auto& waiting = *reinterpret_cast<WaitingWindow*>(param);
    const std::wstring name = className(window);
    if (name == L"#32770") waiting.kind = SeenWindow::messageBox;
    else if (name == L"KorvelPageCountPrompt") waiting.kind = SeenWindow::prompt;
    else if (name == L"#32768") waiting.kind = SeenWindow::menu;
    else return TRUE;
    waiting.window = window;
    return FALSE;
}

// The visible window of this process that waits for the user, if any.
WaitingWindow findWaitingWindow() {
    WaitingWindow waiting;
    EnumWindows(checkWaiting, reinterpret_cast<LPARAM>(&waiting));
    return waiting;
}

BoxIcon iconOf(HWND box) {
    for (HWND child : children(box)) {
        if (className(child) != L"Static" || (GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON) continue;
        const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        if (icon == LoadIconW(nullptr, IDI_INFORMATION)) return BoxIcon::information;
        if (icon == LoadIconW(nullptr, IDI_QUESTION)) return BoxIcon::question;
        if (icon == LoadIconW(nullptr, IDI_ERROR)) return BoxIcon::error;
        return BoxIcon::other;
    }
    return BoxIcon::none;
}

RECT rectIn(HWND parent, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SeenWindow describe(HWND window, SeenWindow::Kind kind) {
    SeenWindow seen;
    seen.kind = kind;
    seen.caption = textOf(window);
    GetWindowRect(window, &seen.rect);
    if (kind == SeenWindow::messageBox) {
        seen.text = textOf(GetDlgItem(window, 0xFFFF));
        seen.icon = iconOf(window);
    } else if (kind == SeenWindow::prompt) {
        for (HWND child : children(window)) {
            seen.controlTexts.push_back(textOf(child));
            seen.controlRects.push_back(rectIn(window, child));
        }
        seen.text = seen.controlTexts.empty() ? L"" : seen.controlTexts.front();
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        const std::vector<HWND> controls = children(window);
        seen.countBoxFocused = controls.size() > 1 && info.hwndFocus == controls[1];
        if (controls.size() > 1)
            SendMessageW(controls[1], EM_GETSEL, reinterpret_cast<WPARAM>(&seen.selectionStart),
                         reinterpret_cast<LPARAM>(&seen.selectionEnd));
    } else {
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t entry[128] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), entry, 128, MF_BYPOSITION);
            seen.entries.push_back(entry);
        }
    }
    return seen;
}

void typeInto(HWND box, const std::wstring& text) {
    for (wchar_t c : text) PostMessageW(box, WM_CHAR, c, 1);
}

// The prompt's controls in creation order: question, page count, accept, cancel.
void answerPrompt(HWND prompt, const Answer& answer) {
    const std::vector<HWND> controls = children(prompt);
    if (controls.size() < 4) return;
    switch (answer.kind) {
    case Answer::typePages:
        typeInto(controls[1], answer.text);
        PostMessageW(controls[1], WM_KEYDOWN, VK_RETURN, 1);
        break;
    case Answer::clickAccept:
        typeInto(controls[1], answer.text);
        PostMessageW(controls[2], BM_CLICK, 0, 0);
        break;
    case Answer::closeBox: PostMessageW(prompt, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    default: PostMessageW(controls[3], BM_CLICK, 0, 0); break;
    }
}

void answerMenu(HWND menu, const Answer& answer) {
    if (answer.kind == Answer::menuKey && !answer.text.empty()) {
        PostMessageW(menu, WM_CHAR, answer.text[0], 1);
    } else {
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 1);
    }
}

}  // namespace

std::vector<SeenWindow> ofKind(const std::vector<SeenWindow>& seen, SeenWindow::Kind kind) {
    std::vector<SeenWindow> found;
    for (const SeenWindow& window : seen)
        if (window.kind == kind) found.push_back(window);
    return found;
}

BoxAnswerer::BoxAnswerer(std::vector<Answer> script)
    : script_(std::move(script)), stop_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), thread_([this] { watch(); }) {}

BoxAnswerer::~BoxAnswerer() {
    SetEvent(stop_);
    thread_.join();
    CloseHandle(stop_);
}

std::vector<SeenWindow> BoxAnswerer::seen() const {
    std::lock_guard lock(mutex_);
    return seen_;
}

size_t BoxAnswerer::unanswered() const {
    std::lock_guard lock(mutex_);
    return script_.size() - next_;
}

// Polls for the next waiting window; each is answered once and then waited
// out, so the next one found is really a new one.
void BoxAnswerer::watch() {
    const ULONGLONG deadline = GetTickCount64() + kGiveUpMs;
    while (WaitForSingleObject(stop_, 5) == WAIT_TIMEOUT && GetTickCount64() < deadline) {
        const auto [window, kind] = findWaitingWindow();
        if (!window) continue;
        {
            std::lock_guard lock(mutex_);
            seen_.push_back(describe(window, kind));
        }
        answerNext(window, kind);
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        {
            std::lock_guard lock(mutex_);
            seen_.back().answeredAt = now.QuadPart;
        }
        while (IsWindow(window) && IsWindowVisible(window) && WaitForSingleObject(stop_, 5) == WAIT_TIMEOUT &&
               GetTickCount64() < deadline) {
        }
    }
}

bool BoxAnswerer::answerNext(HWND window, SeenWindow::Kind kind) {
    Answer answer{Answer::cancel, L""};
    bool scripted = false;
    {
        std::lock_guard lock(mutex_);
        if (next_ < script_.size()) {
            answer = script_[next_++];
            scripted = true;
        }
    }
    if (kind == SeenWindow::messageBox)
        PostMessageW(window, WM_COMMAND, answer.kind == Answer::ok ? IDOK : IDCANCEL, 0);
    else if (kind == SeenWindow::prompt)
        answerPrompt(window, answer);
    else
        answerMenu(window, answer);
    return scripted;
}

}  // namespace harness

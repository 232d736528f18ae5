#include "plugins/searchkit/page_count_prompt.h"

#include <windows.h>

#include "plugins/searchkit/form_controls.h"

namespace searchkit {
namespace {

constexpr wchar_t kClassName[] = L"KorvelPageCountPrompt";
constexpr int kQuestionId = 1001, kCountBoxId = 1002;

struct PromptState {
    HWND countBox = nullptr;
    std::optional<std::string> answer;
};

LRESULT CALLBACK promptProc(HWND prompt, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(prompt, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* state = reinterpret_cast<PromptState*>(GetWindowLongPtrW(prompt, GWLP_USERDATA));
    if (message == WM_COMMAND && state) {
        // Accept and cancel both close; only accept leaves an answer.
        if (LOWORD(wParam) == IDOK) state->answer = windowText(state->countBox);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(prompt);
        return 0;
    }
    return DefWindowProcW(prompt, message, wParam, lParam);
}

bool registerPromptClass() {
    static const bool registered = registerFormClass(kClassName, promptProc) != 0;
    return registered;
}

HWND createPrompt(PromptState& state) {
    HWND prompt = CreateWindowExW(WS_EX_DLGMODALFRAME, kClassName, L"korvel提示",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU, 50, 50, 380, 127, nullptr, nullptr,
                                  thisModule(), &state);
    if (!prompt) return nullptr;
    createControl(prompt, L"EDIT", "请输入要搜索的页数：", ES_MULTILINE | ES_READONLY, WS_EX_CLIENTEDGE,
                  {8, 8, 360, 40}, kQuestionId);
    state.countBox = createControl(prompt, L"EDIT", "10", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                                   {8, 56, 184, 32}, kCountBoxId);
    createControl(prompt, L"BUTTON", "确认(&S)", WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {200, 56, 80, 32}, IDOK);
    createControl(prompt, L"BUTTON", "取消(&Q)", WS_TABSTOP | BS_PUSHBUTTON, 0, {288, 56, 80, 32}, IDCANCEL);
    return prompt;
}

// The prompt's own loop. The dialog keys give Enter in the count box to the
// accept button. A quit message that arrives meanwhile is put back for the
// loop outside.
void runModal(HWND prompt) {
    MSG message;
    while (IsWindow(prompt)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            DestroyWindow(prompt);
            return;
        }
        if (got == -1) return;
        if (IsDialogMessageW(prompt, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

std::optional<std::string> askPageCount() {
    PromptState state;
    if (!registerPromptClass()) return std::nullopt;
    HWND prompt = createPrompt(state);
    if (!prompt) return std::nullopt;
    ShowWindow(prompt, SW_SHOWNORMAL);
    SetForegroundWindow(prompt);
    SetFocus(state.countBox);
    SendMessageW(state.countBox, EM_SETSEL, 0, -1);
    runModal(prompt);
    return state.answer;
}

}  // namespace searchkit

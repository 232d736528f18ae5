// The window host's input side with real window messages: mouse (hover,
// press, click, double-click, dragging), the sizing border, the keyboard
// (Tab, Enter, Alt + mnemonic), the caption and the remaining window
// messages. The system's move and size loops are recorded by the message
// hook instead of being entered.
#include <windowsx.h>

#include <string>

#include "stage/core/caption_parts.h"
#include "stage/core/text_element.h"
#include "tests/stage/core/stage_test_support.h"

namespace stagetest {
namespace {

struct SystemCall {
    UINT message;
    WPARAM wparam;
};
std::vector<SystemCall> systemCalls;

// Records the move loop (WM_NCLBUTTONDOWN on the caption) and system
// commands (sizing, maximizing) instead of running them.
LRESULT recordSystemLoops(HWND, UINT message, WPARAM wparam, LPARAM) {
    if (message != WM_NCLBUTTONDOWN && message != WM_SYSCOMMAND) return -1;
    systemCalls.push_back({message, wparam});
    return 0;
}

int count(UINT message, WPARAM wparam) {
    int n = 0;
    for (const SystemCall& c : systemCalls) n += c.message == message && c.wparam == wparam;
    return n;
}
int moves() { return count(WM_NCLBUTTONDOWN, HTCAPTION); }

struct Notified {
    HostCallback which;
    ElementHandle element;
    int typeCode;
};
std::vector<Notified> notified;

template <HostCallback Which>
void record(HWND, ElementHandle element, WPARAM, LPARAM, int typeCode) {
    notified.push_back({Which, element, typeCode});
}

int notifiedCount(HostCallback which, ElementHandle element) {
    int n = 0;
    for (const Notified& c : notified) n += c.which == which && c.element == element;
    return n;
}

// Answers EV_QUERYPRESS: takes the capture although it is not focusable.
class PressableElement : public ColourElement {
public:
    LRESULT HandleMessage(UINT code, WPARAM wparam, LPARAM lparam) override {
        ColourElement::HandleMessage(code, wparam, lparam);
        return code == EV_QUERYPRESS ? 0 : -1;
    }
};

AttachOptions withCaption(int flags, bool resizable = false) {
    AttachOptions o = HostWindow::DefaultOptions();
    o.captionFlags = flags;
    o.resizable = resizable;
    return o;
}

class WindowInput : public ::testing::Test {
protected:
    explicit WindowInput(AttachOptions options = HostWindow::DefaultOptions()) : w(200, 150, options) {}
    void SetUp() override {
        systemCalls.clear();
        notified.clear();
        w.host->SetMessageHook(recordSystemLoops);
        w.host->SetCallback(HostCallback::Click, record<HostCallback::Click>);
        w.host->SetCallback(HostCallback::DoubleClick, record<HostCallback::DoubleClick>);
        w.host->SetCallback(HostCallback::MouseLeave, record<HostCallback::MouseLeave>);
        w.host->SetCallback(HostCallback::MouseEnter, record<HostCallback::MouseEnter>);
    }
    void TearDown() override {
        if (GetCapture() == w.window) ReleaseCapture();
    }

    ElementHandle Place(Element& e, const RectF& bounds, bool focusable = true, ElementHandle parent = 0) {
        ElementOptions options;
        options.focusable = focusable;
        return parent ? e.Create(parent, bounds, 50, 1, options) : e.Create(w.window, bounds, 50, 1, options);
    }
    LRESULT Mouse(UINT message, int x, int y, WPARAM wparam = 0) {
        return SendMessageW(w.window, message, wparam, MAKELPARAM(x, y));
    }
    void Click(int x, int y) {
        Mouse(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
        Mouse(WM_LBUTTONUP, x, y);
    }
    LRESULT Key(UINT message, WPARAM key) { return SendMessageW(w.window, message, key, 0); }
    FocusState& Focus() { return w.host->Focus(); }

    HostWindow w;
};

TEST_F(WindowInput, ADoubleClickArrivesAsASecondMarkedPressNeverAsItself) {
    ColourElement e;
    Place(e, MakeRect(20, 20, 40, 40));
    Click(30, 30);
    Mouse(WM_LBUTTONDBLCLK, 30, 30, MK_LBUTTON);
    Mouse(WM_LBUTTONUP, 30, 30);
    EXPECT_EQ(e.Count(WM_LBUTTONDBLCLK), 0);
    ASSERT_EQ(e.Count(WM_LBUTTONDOWN), 2);
    int marked = 0;
    for (const auto& logged : e.events) marked += logged.code == WM_LBUTTONDOWN && logged.wparam == kDoubleClickMark;
    EXPECT_EQ(marked, 1);
    EXPECT_EQ(e.Count(EV_CLICK), 2);
    EXPECT_EQ(notifiedCount(HostCallback::DoubleClick, e.GetHandle()), 1);
}

TEST_F(WindowInput, PressingALabelMovesTheWindowPressingAButtonDoesNot) {
    TextElement label;
    ColourElement button;
    PressableElement pressable;
    label.CreateText(w.window, MakeRect(20, 20, 60, 20), "label");
    Place(button, MakeRect(100, 20, 40, 20));
    Place(pressable, MakeRect(100, 60, 40, 20), false);

    Mouse(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
    EXPECT_EQ(moves(), 1) << "a label is not pressable: the press moves the window";
    EXPECT_FALSE(Focus().captured);

    Mouse(WM_LBUTTONDOWN, 110, 30, MK_LBUTTON);
    EXPECT_EQ(moves(), 1) << "a focusable element keeps the press";
    EXPECT_TRUE(Focus().captured);
    EXPECT_EQ(Focus().pressed, button.GetHandle());
    EXPECT_EQ(GetCapture(), w.window);
    Mouse(WM_LBUTTONUP, 110, 30);

    Mouse(WM_LBUTTONDOWN, 110, 70, MK_LBUTTON);
    EXPECT_EQ(moves(), 1) << "an element answering EV_QUERYPRESS keeps the press too";
    EXPECT_EQ(Focus().pressed, pressable.GetHandle());
    EXPECT_EQ(Focus().focused, button.GetHandle()) << "but does not take the focus";
    Mouse(WM_LBUTTONUP, 110, 70);

    Mouse(WM_LBUTTONDOWN, 150, 120, MK_LBUTTON);
    EXPECT_EQ(moves(), 2) << "empty space moves the window";
    w.host->Draggable(false);
    Mouse(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
    EXPECT_EQ(moves(), 2) << "unless it is not draggable";
}

TEST_F(WindowInput, ReleasingOutsideThePressedElementLeavesItWithoutAClick) {
    ColourElement button, other;
    Place(button, MakeRect(20, 20, 40, 40));
    Place(other, MakeRect(100, 20, 40, 40));
    Mouse(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, 110, 30, MK_LBUTTON);
    EXPECT_EQ(other.Count(WM_MOUSEMOVE), 0) << "the press holds every mouse message";
    EXPECT_EQ(button.events.back().wparam, button.GetHandle()) << "with wparam replaced by the holder";
    Mouse(WM_LBUTTONUP, 110, 30);
    EXPECT_EQ(button.Count(EV_CLICK), 0);
    EXPECT_EQ(button.Count(EV_MOUSELEAVE), 1);
    EXPECT_EQ(other.Count(EV_MOUSEENTER), 1);
    EXPECT_EQ(notifiedCount(HostCallback::Click, button.GetHandle()), 0);
    EXPECT_FALSE(Focus().captured);
    EXPECT_NE(GetCapture(), w.window);
    EXPECT_EQ(Focus().hovered, other.GetHandle());

    Click(30, 30);
    EXPECT_EQ(button.Count(EV_CLICK), 1) << "released over it, it is clicked";
    EXPECT_EQ(notifiedCount(HostCallback::Click, button.GetHandle()), 1);
}

// The pointer leaving the window mid-press does not end the press: its
// release outside the window still arrives, leaves and does not click, and
// the next press works as ever.
TEST_F(WindowInput, LeavingTheWindowWhilePressedKeepsThePressUntilItsRelease) {
    ColourElement button, other;
    Place(button, MakeRect(20, 20, 40, 40));
    Place(other, MakeRect(100, 20, 40, 40));
    Mouse(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
    SendMessageW(w.window, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Focus().captured);
    EXPECT_EQ(GetCapture(), w.window);
    Mouse(WM_LBUTTONUP, 400, 30);
    EXPECT_EQ(button.Count(EV_CLICK), 0);
    EXPECT_EQ(button.Count(EV_MOUSELEAVE), 1);
    EXPECT_FALSE(Focus().captured);
    Click(110, 30);
    EXPECT_EQ(other.Count(EV_CLICK), 1);
    EXPECT_EQ(Focus().focused, other.GetHandle());
}

TEST_F(WindowInput, HoverEntersAndLeavesElements) {
    ColourElement a, b;
    Place(a, MakeRect(20, 20, 40, 40));
    Place(b, MakeRect(100, 20, 40, 40));
    Mouse(WM_MOUSEMOVE, 30, 30);
    Mouse(WM_MOUSEMOVE, 35, 30);
    EXPECT_EQ(a.Count(EV_MOUSEENTER), 1);
    EXPECT_EQ(a.Count(WM_MOUSEMOVE), 2);
    Mouse(WM_MOUSEMOVE, 110, 30);
    EXPECT_EQ(a.Count(EV_MOUSELEAVE), 1);
    EXPECT_EQ(b.Count(EV_MOUSEENTER), 1);
    EXPECT_EQ(notifiedCount(HostCallback::MouseEnter, b.GetHandle()), 1);
    SendMessageW(w.window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(b.Count(EV_MOUSELEAVE), 1);
    EXPECT_EQ(notifiedCount(HostCallback::MouseLeave, b.GetHandle()), 1);
    EXPECT_EQ(Focus().hovered, 0u);
}

TEST_F(WindowInput, CallbacksNameTheElementAndItsTypeCode) {
    for (HostCallback which : {HostCallback::MouseDown, HostCallback::MouseUp, HostCallback::RightDown,
                               HostCallback::RightUp, HostCallback::SetFocus, HostCallback::KillFocus}) {
        static const ElementCallback callbacks[] = {
            record<HostCallback::MouseDown>, record<HostCallback::MouseUp>,  record<HostCallback::Click>,
            record<HostCallback::DoubleClick>, record<HostCallback::RightDown>, record<HostCallback::RightUp>,
            record<HostCallback::MouseLeave>, record<HostCallback::MouseEnter>, record<HostCallback::SetFocus>,
            record<HostCallback::KillFocus>};
        w.host->SetCallback(which, callbacks[size_t(which)]);
    }
    ColourElement a, b;
    Place(a, MakeRect(20, 20, 40, 40));
    Place(b, MakeRect(100, 20, 40, 40));
    Click(30, 30);
    Mouse(WM_RBUTTONDOWN, 110, 30, MK_RBUTTON);
    Mouse(WM_RBUTTONUP, 110, 30);
    Click(110, 30);
    const std::vector<std::pair<HostCallback, ElementHandle>> expected = {
        {HostCallback::MouseDown, a.GetHandle()}, {HostCallback::SetFocus, a.GetHandle()},
        {HostCallback::MouseUp, a.GetHandle()},   {HostCallback::Click, a.GetHandle()},
        {HostCallback::MouseLeave, a.GetHandle()}, {HostCallback::RightDown, b.GetHandle()},
        {HostCallback::RightUp, b.GetHandle()},   {HostCallback::MouseDown, b.GetHandle()},
        {HostCallback::KillFocus, a.GetHandle()}, {HostCallback::SetFocus, b.GetHandle()},
        {HostCallback::MouseUp, b.GetHandle()},   {HostCallback::Click, b.GetHandle()},
    };
    std::vector<std::pair<HostCallback, ElementHandle>> seen;
    for (const Notified& n : notified) {
        seen.emplace_back(n.which, n.element);
        EXPECT_EQ(n.typeCode, 50);
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(WindowInput, DeactivationEndsAPressWithoutAClick) {
    ColourElement button;
    Place(button, MakeRect(20, 20, 40, 40));
    Mouse(WM_MOUSEMOVE, 30, 30);
    Mouse(WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
    SendMessageW(w.window, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(Focus().captured);
    EXPECT_NE(GetCapture(), w.window);
    EXPECT_EQ(button.Count(EV_MOUSELEAVE), 1);
    EXPECT_EQ(button.Count(EV_KILLFOCUS), 1);
    Mouse(WM_MOUSEMOVE, 31, 30);
    EXPECT_EQ(button.Count(EV_MOUSEENTER), 2) << "the pointer's return enters it again";
    Mouse(WM_LBUTTONUP, 31, 30);
    EXPECT_EQ(button.Count(EV_CLICK), 0);
}

TEST_F(WindowInput, TheCursorIsTheHoveredElementsOrTheDefault) {
    ColourElement hand;
    Place(hand, MakeRect(20, 20, 40, 40));
    hand.SystemCursor(IDC_HAND);
    Mouse(WM_MOUSEMOVE, 30, 30);
    SendMessageW(w.window, WM_SETCURSOR, WPARAM(w.window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
    Mouse(WM_MOUSEMOVE, 150, 120);
    SendMessageW(w.window, WM_SETCURSOR, WPARAM(w.window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

class ResizableWindow : public WindowInput {
protected:
    ResizableWindow() : WindowInput(withCaption(0, true)) {}
};

TEST_F(ResizableWindow, TheBorderZonesSetTheirCursorAndStartSizingFromTheirEdge) {
    struct Zone {
        int x, y;
        int edge;
        LPCWSTR cursor;
    };
    // The window is 200 x 150.
    const Zone zones[] = {
        {2, 2, WMSZ_TOPLEFT, IDC_SIZENWSE},       {195, 2, WMSZ_TOPRIGHT, IDC_SIZENESW},
        {100, 7, WMSZ_TOP, IDC_SIZENS},           {7, 75, WMSZ_LEFT, IDC_SIZEWE},
        {191, 75, WMSZ_RIGHT, IDC_SIZEWE},        {9, 141, WMSZ_BOTTOMLEFT, IDC_SIZENESW},
        {191, 141, WMSZ_BOTTOMRIGHT, IDC_SIZENWSE}, {100, 145, WMSZ_BOTTOM, IDC_SIZENS},
    };
    for (const Zone& zone : zones) {
        SetCursor(nullptr);
        systemCalls.clear();
        Mouse(WM_MOUSEMOVE, zone.x, zone.y);
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, zone.cursor)) << zone.x << ", " << zone.y;
        Mouse(WM_LBUTTONDOWN, zone.x, zone.y, MK_LBUTTON);
        EXPECT_EQ(count(WM_SYSCOMMAND, SC_SIZE + zone.edge), 1) << zone.x << ", " << zone.y;
        EXPECT_EQ(moves(), 0);
    }
    systemCalls.clear();
    Mouse(WM_LBUTTONDOWN, 8, 75, MK_LBUTTON);
    Mouse(WM_LBUTTONDOWN, 190, 140, MK_LBUTTON);
    EXPECT_EQ(moves(), 2) << "just inside the border the window moves instead";
    EXPECT_EQ(systemCalls.size(), 2u);
}

TEST_F(ResizableWindow, TheBorderTakesThePointerFromTheHoveredElement) {
    ColourElement e;
    Place(e, MakeRect(0, 0, 40, 40));
    Mouse(WM_MOUSEMOVE, 20, 20);
    ASSERT_EQ(Focus().hovered, e.GetHandle());
    Mouse(WM_MOUSEMOVE, 2, 20);
    EXPECT_EQ(e.Count(EV_MOUSELEAVE), 1);
    EXPECT_EQ(e.Count(WM_MOUSEMOVE), 1) << "the move on the border is not the element's";
    EXPECT_EQ(Focus().hovered, 0u);
}

TEST_F(ResizableWindow, ResizingIsRefusedWhileMaximized) {
    ShowWindow(w.window, SW_MAXIMIZE);
    PumpMessages();
    ASSERT_TRUE(IsZoomed(w.window));
    systemCalls.clear();
    SetCursor(nullptr);
    Mouse(WM_MOUSEMOVE, 2, 2);
    EXPECT_NE(GetCursor(), LoadCursorW(nullptr, IDC_SIZENWSE));
    Mouse(WM_LBUTTONDOWN, 2, 2, MK_LBUTTON);
    EXPECT_EQ(count(WM_SYSCOMMAND, SC_SIZE + WMSZ_TOPLEFT), 0);
    EXPECT_EQ(moves(), 1) << "the press is an ordinary one on empty space";
}

TEST(MinMaxInfo, TheMinimumTrackingSizeMakesRoomForTheCaption) {
    struct Case {
        int flags;
        LONG width;
    };
    const Case cases[] = {
        {4 | 8 | 16, 3 * 28 + 11 + 35 + 1},  // 131
        {4, 28 + 11 + 35 + 1},
        {8 | 16 | 32, 3 * 28 + 35 + 1},
        {2, 35 + 1},
    };
    for (const Case& c : cases) {
        HostWindow w(300, 200, withCaption(c.flags));
        MINMAXINFO info{};
        SendMessageW(w.window, WM_GETMINMAXINFO, 0, LPARAM(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, c.width) << "flags " << c.flags;
        EXPECT_EQ(info.ptMinTrackSize.y, 38);
        const RECT area = WorkArea();  // left, top, width, height
        EXPECT_EQ(info.ptMaxSize.x, area.right + 14);
        EXPECT_EQ(info.ptMaxSize.y, area.bottom + 14);
        EXPECT_EQ(info.ptMaxPosition.x, area.left - 7);
        EXPECT_EQ(info.ptMaxPosition.y, area.top - 7);
    }
}

class CaptionedWindow : public WindowInput {
protected:
    CaptionedWindow() : WindowInput(withCaption(1 | 2 | 4 | 8 | 16)) {}
};

TEST_F(CaptionedWindow, TheCaptionHasIconTitleAndButtonsInTheirPlaces) {
    ASSERT_NE(w.host->CaptionIcon(), nullptr);
    EXPECT_FALSE(w.host->CaptionIcon()->Focusable());
    TextElement* title = w.host->Title();
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Tag(), std::to_string(title->GetHandle() + 2));
    EXPECT_EQ(title->WideText(), L"test");
    const auto& buttons = w.host->CaptionButtons();
    ASSERT_EQ(buttons.size(), 3u);
    // Close, maximize, minimize from the right: x = 200 - 5 - 12 - 28 * (i + 1).
    for (size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i]->TypeCode(), kTypeTitleButton);
        EXPECT_FLOAT_EQ(buttons[i]->Left(), 200.0f - 17 - 28 * float(i + 1));
        EXPECT_FLOAT_EQ(buttons[i]->Top(), 7.0f);
    }
    const RectF& b = title->CurrentBounds();
    EXPECT_FLOAT_EQ(b.left, 28.0f) << "beside the icon";
    EXPECT_FLOAT_EQ(b.top, 10.0f);
    EXPECT_FLOAT_EQ(b.width, buttons.back()->Left() - 28.0f);
    EXPECT_FLOAT_EQ(b.height, 20.0f);
}

TEST_F(CaptionedWindow, TheTitleFollowsTheWindowText) {
    SetWindowTextW(w.window, L"新的标题");
    EXPECT_EQ(w.host->Title()->WideText(), L"新的标题");
}

TEST_F(CaptionedWindow, ADoubleClickOnTheTitleOrTheEmptyCaptionMaximizes) {
    const RectF& title = w.host->Title()->CurrentBounds();
    Mouse(WM_LBUTTONDBLCLK, int(title.left) + 5, int(title.top) + 5, MK_LBUTTON);
    Mouse(WM_LBUTTONDBLCLK, 100, 100, MK_LBUTTON);  // below the caption: nothing
    Mouse(WM_LBUTTONDBLCLK, 100, 5, MK_LBUTTON);    // empty caption space
    PumpMessages();
    EXPECT_EQ(count(WM_SYSCOMMAND, SC_MAXIMIZE), 2);
    EXPECT_EQ(moves(), 2) << "each toggle hands the press to the move loop, once";
}

// Tab visits the top-level elements that can take the focus, in order and
// wrapping around; caption buttons, nested, hidden and disabled elements are
// passed over.
TEST_F(CaptionedWindow, TabSkipsNestedElementsAndCaptionButtons) {
    ColourElement panel, nested, first, hidden, disabled, last;
    Place(panel, MakeRect(20, 40, 60, 60), false);
    Place(nested, MakeRect(30, 50, 20, 20), true, panel.GetHandle());
    Place(first, MakeRect(100, 40, 20, 20));
    Place(hidden, MakeRect(100, 70, 20, 20));
    hidden.Visible(0);
    Place(disabled, MakeRect(130, 40, 20, 20));
    disabled.Disabled(true);
    Place(last, MakeRect(130, 70, 20, 20));
    w.host->CaptionButtons().front()->Focusable(true);  // still a caption button
    std::vector<ElementHandle> visited;
    for (int i = 0; i < 4; ++i) {
        Key(WM_KEYDOWN, VK_TAB);
        visited.push_back(Focus().focused);
    }
    const std::vector<ElementHandle> expected = {first.GetHandle(), last.GetHandle(), first.GetHandle(),
                                                 last.GetHandle()};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(Focus().keyboardFocus, last.GetHandle());
    EXPECT_EQ(last.Count(EV_SETFOCUS), 2);

    Click(40, 60);  // the nested element takes the focus by the mouse ...
    ASSERT_EQ(Focus().focused, nested.GetHandle());
    EXPECT_EQ(Focus().keyboardFocus, 0u);
    Key(WM_KEYDOWN, VK_TAB);  // ... and Tab goes on from its top-level parent
    EXPECT_EQ(Focus().focused, first.GetHandle());
}

TEST_F(CaptionedWindow, TabEndsAfterOnePassWhenNothingCanTakeTheFocus) {
    ColourElement a, b;
    Place(a, MakeRect(20, 40, 20, 20), false);
    Place(b, MakeRect(50, 40, 20, 20), false);
    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(Focus().focused, 0u);
    b.Focusable(true);
    Key(WM_KEYDOWN, VK_TAB);
    Key(WM_KEYDOWN, VK_TAB);
    EXPECT_EQ(Focus().focused, b.GetHandle()) << "the only candidate keeps the focus";
    EXPECT_EQ(b.Count(EV_SETFOCUS), 1);
}

TEST_F(WindowInput, EnterAndSpaceClickTheFocusedElementUnlessItTakesTheKeyItself) {
    ColourElement e;
    Place(e, MakeRect(20, 20, 20, 20));
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(e.Count(EV_CLICK), 0) << "nothing has the focus";
    w.host->SetFocus(e.GetHandle(), true);
    Key(WM_KEYDOWN, VK_RETURN);
    Key(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(e.Count(EV_CLICK), 2);
    EXPECT_EQ(e.Count(WM_KEYDOWN), 2) << "the key went to the element first";
    EXPECT_EQ(notifiedCount(HostCallback::Click, e.GetHandle()), 2);
    e.Disabled(true);
    Key(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(e.Count(EV_CLICK), 2);
}

TEST_F(WindowInput, AltAndTheMnemonicClickInEitherCase) {
    ColourElement e, hidden;
    Place(e, MakeRect(20, 20, 20, 20));
    Place(hidden, MakeRect(50, 20, 20, 20));
    hidden.Visible(0);
    SendMessageW(w.window, WM_STAGE_SETHOTKEY, e.GetHandle(), 'C');
    w.host->SetHotkey(hidden.GetHandle(), 'H');
    EXPECT_EQ(Key(WM_SYSCHAR, 'c'), 0);
    EXPECT_EQ(Key(WM_SYSCHAR, 'C'), 0);
    EXPECT_EQ(e.Count(EV_CLICK), 2);
    EXPECT_EQ(notifiedCount(HostCallback::Click, e.GetHandle()), 2);
    Key(WM_SYSCHAR, 'h');
    EXPECT_EQ(hidden.Count(EV_CLICK), 0) << "a hidden element is not clicked";
    w.host->SetHotkey(e.GetHandle(), 0);
    Key(WM_SYSCHAR, 'c');
    EXPECT_EQ(e.Count(EV_CLICK), 2) << "its mnemonic was removed";
}

TEST_F(WindowInput, SetFocusRefusesWhatCannotTakeTheFocus) {
    ColourElement plain, notFocusable, hidden, disabled, target;
    Place(plain, MakeRect(10, 10, 10, 10));
    Place(notFocusable, MakeRect(30, 10, 10, 10), false);
    Place(hidden, MakeRect(50, 10, 10, 10));
    hidden.Visible(0);
    Place(disabled, MakeRect(70, 10, 10, 10));
    disabled.Disabled(true);
    Place(target, MakeRect(90, 10, 10, 10));
    w.host->SetFocus(plain.GetHandle(), false);
    for (ColourElement* refused : {&notFocusable, &hidden, &disabled}) {
        w.host->SetFocus(refused->GetHandle(), true);
        EXPECT_EQ(Focus().focused, plain.GetHandle());
    }
    PostMessageW(w.window, WM_STAGE_SETFOCUS, 0, LPARAM(target.GetHandle()));
    PumpMessages();
    EXPECT_EQ(Focus().focused, target.GetHandle());
    EXPECT_EQ(Focus().keyboardFocus, 0u);
    ASSERT_EQ(plain.Count(EV_KILLFOCUS), 1);
    EXPECT_EQ(plain.events.back().lparam, LPARAM(target.GetHandle()));
    EXPECT_EQ(target.events.back().code, UINT(EV_SETFOCUS));
    EXPECT_EQ(target.events.back().lparam, LPARAM(plain.GetHandle()));
}

TEST_F(WindowInput, TheFrameStylesStayOffAndCloseTakesTheWindowDown) {
    SetWindowLongPtrW(w.window, GWL_STYLE, GetWindowLongPtrW(w.window, GWL_STYLE) | WS_CAPTION);
    EXPECT_FALSE(GetWindowLongPtrW(w.window, GWL_STYLE) & (WS_BORDER | WS_DLGFRAME));
    SendMessageW(w.window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(w.window));
    EXPECT_EQ(w.host->Window(), nullptr);
}

}  // namespace
}  // namespace stagetest

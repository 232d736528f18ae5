// The element model on a real framework window: tree, events, moving, hit
// testing and destruction.
#include <atomic>
#include <thread>

#include "stage/core/element_events.h"
#include "stage/core/element_lookup.h"
#include "stage/core/element_ref.h"
#include "stage/core/hit_test.h"
#include "tests/stage/core/stage_test_support.h"

namespace stagetest {
namespace {

std::vector<EventArgs> calls;
class WrongKind : public Element {};
void recordA(const EventArgs& args) { calls.push_back(args); }
void recordB(const EventArgs& args) {
    calls.push_back(args);
    calls.back().code += 100000;  // tells B's calls from A's
}

class ElementModel : public ::testing::Test {
protected:
    void SetUp() override { calls.clear(); }

    std::vector<ElementHandle> TopLevelOrder() {
        std::vector<ElementHandle> order;
        for (Element* e = ResolveElement(w.host->TopLevel().first); e; e = ResolveElement(e->NextSibling()))
            order.push_back(e->GetHandle());
        return order;
    }
    // Whether a recomposition of some area is waiting in the queue.
    bool InvalidationPending() {
        MSG msg;
        return PeekMessageW(&msg, w.window, WM_STAGE_INVALIDATE, WM_STAGE_INVALIDATE, PM_NOREMOVE);
    }

    HostWindow w;
};

TEST_F(ElementModel, RegisteringACodeAgainReplacesItsHandler) {
    ColourElement e;
    e.Create(w.window, MakeRect(10, 10, 20, 20), 50, 1);
    e.SetEventHandler(EV_CLICK, recordA);
    e.SetEventHandler(EV_CLICK, recordB);
    e.SendEvent(EV_CLICK, 7, 8);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].code, EV_CLICK + 100000u);
    EXPECT_EQ(calls[0].element, e.GetHandle());
    EXPECT_EQ(calls[0].parent, 0u);
    EXPECT_EQ(calls[0].wparam, 7u);
    EXPECT_EQ(calls[0].lparam, 8);
}

TEST_F(ElementModel, DoubleClickHandlerFiresOnlyForTheMarkedPress) {
    struct Case {
        UINT registered;
        WPARAM wparam;
        size_t expectedCalls;
    };
    const Case cases[] = {
        {WM_LBUTTONDBLCLK, 0, 0},                  // a plain press is no double-click
        {WM_LBUTTONDBLCLK, kDoubleClickMark, 1},   // the synthesized second press is
        {WM_LBUTTONDOWN, 0, 1},                    // a press handler sees both
        {WM_LBUTTONDOWN, kDoubleClickMark, 1},
    };
    for (const Case& c : cases) {
        ColourElement e;
        e.Create(w.window, MakeRect(10, 10, 20, 20), 50, 1);
        e.SetEventHandler(c.registered, recordA);
        calls.clear();
        e.SendEvent(WM_LBUTTONDOWN, c.wparam, 0);
        EXPECT_EQ(calls.size(), c.expectedCalls) << "registered " << c.registered << ", wparam " << c.wparam;
    }
}

TEST_F(ElementModel, HandlersOfChildrenGetTheirParent) {
    ColourElement parent, child;
    parent.Create(w.window, MakeRect(10, 10, 50, 50), 50, 1);
    child.Create(parent.GetHandle(), MakeRect(15, 15, 10, 10), 50, 1);
    child.SetEventHandler(EV_CLICK, recordA);
    child.PostEvent(EV_CLICK, 1, 2);
    EXPECT_TRUE(calls.empty()) << "a posted event waits for the message loop";
    PumpMessages();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].parent, parent.GetHandle());
    EXPECT_EQ(calls[0].element, child.GetHandle());
}

TEST_F(ElementModel, SendEventReturnsTheClassAnswer) {
    ColourElement e;
    e.Create(w.window, MakeRect(10, 10, 20, 20), 50, 1);
    e.disabledLookAnswer = 42;
    EXPECT_EQ(e.SendEvent(EV_QUERYDISABLEDLOOK, 0, 1), 42);
    EXPECT_EQ(DispatchEvent(0, EV_CLICK, 0, 0), 0) << "no element, no dispatch";
}

TEST_F(ElementModel, SettingVisibleToItsValueSendsNothingAndRedrawsNothing) {
    ColourElement e;
    e.Create(w.window, MakeRect(10, 10, 20, 20), 50, 1);
    PumpMessages();
    e.events.clear();
    e.Visible(1);
    EXPECT_TRUE(e.events.empty());
    EXPECT_FALSE(InvalidationPending());
    e.Visible(0);
    EXPECT_EQ(e.Count(EV_HIDDEN), 1);
    EXPECT_TRUE(InvalidationPending());
    PumpMessages();
    e.Visible(5);  // any value but 1 hides, but it is a change and is told as shown
    EXPECT_EQ(e.Count(EV_SHOWN), 1);
}

TEST_F(ElementModel, MoveBelowTheToleranceDoesNothing) {
    ColourElement e;
    e.Create(w.window, MakeRect(0, 0, 20, 20), 50, 1);
    e.Move(0.0f, 5e-8f);
    e.Left(4e-8f);
    EXPECT_EQ(e.Count(WM_STAGE_MOVED), 0);
    EXPECT_FLOAT_EQ(e.Top(), 0.0f);
}

TEST_F(ElementModel, OnlyASizeChangeRecreatesTheSurface) {
    ColourElement e;
    e.Create(w.window, MakeRect(10, 10, 20, 20), 50, 1);
    GpBitmap* before = e.Surface();
    e.events.clear();
    e.Move(30.0f, 40.0f);
    EXPECT_EQ(e.Surface(), before);
    EXPECT_EQ(e.Count(EV_RESIZED), 0);
    EXPECT_EQ(e.Count(WM_PAINT), 0);
    EXPECT_EQ(e.Count(WM_STAGE_MOVED), 1);
    e.Height(35.0f);
    ASSERT_EQ(e.Count(EV_RESIZED), 1);
    ASSERT_EQ(e.Count(WM_PAINT), 1);
    for (const auto& ev : e.events) {
        if (ev.code == EV_RESIZED || ev.code == WM_PAINT) {
            EXPECT_EQ(ev.wparam, 20u);
            EXPECT_EQ(ev.lparam, 35);
        }
    }
    UINT height = 0;
    Gdiplus::DllExports::GdipGetImageHeight(e.Surface(), &height);
    EXPECT_EQ(height, 35u);
    EXPECT_FLOAT_EQ(e.PreviousBounds().height, 20.0f);
}

TEST_F(ElementModel, MovingAParentShiftsItsWholeSubtreeWithoutMovingTheChildren) {
    ColourElement parent, child, grandchild;
    parent.Create(w.window, MakeRect(10, 10, 100, 100), 50, 1);
    child.Create(parent.GetHandle(), MakeRect(20, 30, 40, 40), 50, 1);
    grandchild.Create(child.GetHandle(), MakeRect(25, 35, 5, 5), 50, 1);
    child.events.clear();
    parent.Move(15.0f, 7.0f);
    EXPECT_FLOAT_EQ(child.Left(), 25.0f);
    EXPECT_FLOAT_EQ(child.Top(), 27.0f);
    EXPECT_FLOAT_EQ(grandchild.Left(), 30.0f);
    EXPECT_FLOAT_EQ(grandchild.Top(), 32.0f);
    EXPECT_EQ(child.Count(WM_STAGE_MOVED), 0);
    EXPECT_EQ(child.Count(EV_RESIZED), 0);
}

TEST_F(ElementModel, HitTestTakesTheTopmostEnabledVisibleElementAndItsChildren) {
    ColourElement below, above, child;
    below.Create(w.window, MakeRect(10, 10, 100, 100), 50, 1);
    above.Create(w.window, MakeRect(50, 50, 100, 50), 50, 1);
    child.Create(above.GetHandle(), MakeRect(60, 60, 10, 10), 50, 1);
    const ElementHandle last = w.host->TopLevel().last;
    EXPECT_EQ(HitTest(last, 20, 20), below.GetHandle());
    EXPECT_EQ(HitTest(last, 55, 55), above.GetHandle());
    EXPECT_EQ(HitTest(last, 65, 65), child.GetHandle());
    EXPECT_EQ(HitTest(last, 70, 65), above.GetHandle()) << "right and bottom edges are outside";
    EXPECT_EQ(HitTest(last, 300, 300), 0u);

    above.Disabled(true);
    EXPECT_EQ(HitTest(last, 65, 65), below.GetHandle()) << "a disabled element hides its children too";
    above.Disabled(false);
    above.Visible(2);
    EXPECT_EQ(HitTest(last, 65, 65), below.GetHandle()) << "so does a hidden one";
}

TEST_F(ElementModel, DestroyingAParentLeavesNoReferencesToItsSubtree) {
    auto parent = std::make_unique<ColourElement>();
    auto child = std::make_unique<ColourElement>();
    auto grandchild = std::make_unique<ColourElement>();
    parent->Create(w.window, MakeRect(10, 10, 100, 100), 50, 1);
    child->Create(parent->GetHandle(), MakeRect(20, 20, 40, 40), 50, 1);
    grandchild->Create(child->GetHandle(), MakeRect(25, 25, 5, 5), 50, 1);
    const ElementHandle ids[] = {parent->GetHandle(), child->GetHandle(), grandchild->GetHandle()};
    FocusState& focus = w.host->Focus();
    focus = {child->GetHandle(), grandchild->GetHandle(), child->GetHandle(), true, grandchild->GetHandle()};

    parent->Destroy();

    EXPECT_EQ(focus.focused, 0u);
    EXPECT_EQ(focus.hovered, 0u);
    EXPECT_EQ(focus.pressed, 0u);
    EXPECT_FALSE(focus.captured);
    EXPECT_EQ(focus.keyboardFocus, 0u);
    EXPECT_EQ(w.host->TopLevel().first, 0u);
    for (ElementHandle id : ids) EXPECT_EQ(ResolveElement(id), nullptr);
    EXPECT_EQ(child->Count(WM_DESTROY), 1);
    EXPECT_EQ(grandchild->Count(WM_DESTROY), 1);
    EXPECT_EQ(child->GetHandle(), 0u);
    parent->Destroy();  // a second Destroy is ignored
    EXPECT_EQ(parent->Count(WM_DESTROY), 1);
    PumpMessages();  // the posted recompositions find nothing to stumble on
}

TEST_F(ElementModel, DeletingACreatedElementTakesItOffTheWindow) {
    auto e = std::make_unique<ColourElement>();
    const ElementHandle id = e->Create(w.window, MakeRect(10, 10, 20, 20), 50, 1);
    e.reset();
    EXPECT_EQ(ResolveElement(id), nullptr);
    EXPECT_EQ(w.host->TopLevel().first, 0u);
    PumpMessages();
}

TEST_F(ElementModel, ZOrderPutsAnElementOnTopOrBeneathItsSiblings) {
    ColourElement a, b, c;
    for (ColourElement* e : {&a, &b, &c}) e->Create(w.window, MakeRect(10, 10, 20, 20), 50, 1);
    using V = std::vector<ElementHandle>;
    EXPECT_EQ(TopLevelOrder(), (V{a.GetHandle(), b.GetHandle(), c.GetHandle()}));
    a.SetZOrder();
    EXPECT_EQ(TopLevelOrder(), (V{b.GetHandle(), c.GetHandle(), a.GetHandle()}));
    a.SetZOrder(2);
    EXPECT_EQ(TopLevelOrder(), (V{a.GetHandle(), b.GetHandle(), c.GetHandle()}));
    b.Unlink();
    EXPECT_EQ(TopLevelOrder(), (V{a.GetHandle(), c.GetHandle()}));
    EXPECT_EQ(w.host->TopLevel().last, c.GetHandle());
    b.Unlink();  // not in the list any more: nothing else changes
    EXPECT_EQ(TopLevelOrder(), (V{a.GetHandle(), c.GetHandle()}));
}

TEST_F(ElementModel, SetParentMovesBetweenListsAndRefusesLoops) {
    ColourElement a, b;
    a.Create(w.window, MakeRect(10, 10, 50, 50), 50, 1);
    b.Create(w.window, MakeRect(20, 20, 10, 10), 50, 1);
    b.SetParent(a.GetHandle());
    EXPECT_EQ(b.GetParent(), a.GetHandle());
    EXPECT_EQ(a.Children().first, b.GetHandle());
    EXPECT_EQ(w.host->TopLevel().last, a.GetHandle());
    a.SetParent(b.GetHandle());  // would hang the subtree under itself
    EXPECT_EQ(a.GetParent(), 0u);
    b.SetParent(w.window);
    EXPECT_EQ(b.GetParent(), 0u);
    EXPECT_EQ(a.Children().first, 0u);
    EXPECT_EQ(w.host->TopLevel().last, b.GetHandle());
}

TEST_F(ElementModel, CreateRefusesParentsWithoutTheirWindowsHost) {
    HostWindow other;
    ColourElement foreign, e;
    foreign.Create(other.window, MakeRect(0, 0, 10, 10), 50, 1);
    // The window now names another host than the one the parent belongs to.
    SetPropW(other.window, kHostProperty, reinterpret_cast<HANDLE>(UINT_PTR(w.host->Handle())));
    EXPECT_EQ(e.Create(foreign.GetHandle(), MakeRect(0, 0, 5, 5), 50, 1), 0u);
    SetPropW(other.window, kHostProperty, reinterpret_cast<HANDLE>(UINT_PTR(other.host->Handle())));
    EXPECT_NE(e.Create(foreign.GetHandle(), MakeRect(0, 0, 5, 5), 50, 1), 0u);
    EXPECT_EQ(e.GetWindow(), other.window);
    ColourElement orphan;
    HWND plain = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(orphan.Create(plain, MakeRect(0, 0, 5, 5), 50, 1), 0u);
    DestroyWindow(plain);
    EXPECT_EQ(orphan.Create(ElementHandle(12345678), MakeRect(0, 0, 5, 5), 50, 1), 0u);
}

TEST_F(ElementModel, HandlesDieWithTheirElementAndLeaveRoomForTimerIds) {
    ColourElement a;
    const ElementHandle first = a.Create(w.window, MakeRect(0, 0, 5, 5), 50, 1);
    EXPECT_EQ(first % 4, 0u) << "handle + 1 and + 2 never name another element";
    EXPECT_EQ(a.Create(w.window, MakeRect(0, 0, 5, 5), 50, 1), first) << "created once";
    a.Destroy();
    EXPECT_EQ(ResolveElement(first), nullptr);
    ColourElement b;
    EXPECT_NE(b.Create(w.window, MakeRect(0, 0, 5, 5), 50, 1), first) << "a new element never gets an old name";
}

TEST_F(ElementModel, FindElementOfTypeWalksOneListOnly) {
    ColourElement label, panel, nested;
    label.Create(w.window, MakeRect(0, 0, 5, 5), 3, 1);
    panel.Create(w.window, MakeRect(0, 0, 50, 50), 21, 1);
    nested.Create(panel.GetHandle(), MakeRect(0, 0, 5, 5), 7, 1);
    EXPECT_EQ(FindElementOfType(w.window, 0, 0, 7), 0u) << "a child is not in the top-level list";
    EXPECT_EQ(FindElementOfType(w.window, panel.GetHandle(), 0, 7), nested.GetHandle());
    EXPECT_EQ(FindElementOfType(w.window, 0, 0, 21), panel.GetHandle());
    EXPECT_EQ(FindElementOfType(w.window, 0, label.GetHandle(), 3), 0u) << "starts after previous";
    EXPECT_EQ(FindElementOfType(w.window, 0, 0, 99, false), label.GetHandle()) << "first reached, any type";
}

TEST_F(ElementModel, BoundWrapperActsOnTheElementAndGoesBackAfterwards) {
    ColourElement a, b;
    a.Create(w.window, MakeRect(0, 0, 5, 5), 50, 1);
    b.Create(w.window, MakeRect(0, 0, 5, 5), 50, 1);
    ElementRef<ColourElement> ref(a.GetHandle());
    ASSERT_TRUE(BindWrapper(b.GetHandle(), ref));
    ref->Tag("through the wrapper");
    EXPECT_EQ(b.Tag(), "through the wrapper");
    EXPECT_EQ(b.BindScratch(), a.GetHandle());
    UnbindWrapper(b.GetHandle(), ref);
    EXPECT_EQ(ref.get(), &a);
    EXPECT_EQ(b.BindScratch(), 0u);
    ElementRef<WrongKind> wrong;
    EXPECT_FALSE(BindWrapper(a.GetHandle(), wrong)) << "only onto an element of the wrapper's class";
}

TEST_F(ElementModel, DisablingTheFocusedElementTakesTheFocusAway) {
    ColourElement e;
    e.Create(w.window, MakeRect(0, 0, 5, 5), 50, 1);
    w.host->Focus().focused = e.GetHandle();
    EXPECT_TRUE(e.HasFocus());
    e.Disabled(true);
    EXPECT_EQ(w.host->Focus().focused, 0u);
    EXPECT_FALSE(e.HasFocus());
    PumpMessages();
    EXPECT_EQ(e.Count(EV_KILLFOCUS), 1);
    EXPECT_EQ(e.Count(EV_MOUSELEAVE), 1);
}

// While painting is suspended a move on the window's own thread returns at
// once; the areas are recomposed when painting resumes.
TEST_F(ElementModel, MoveWhilePaintingIsSuspendedWaitsForNothingOnItsOwnThread) {
    ColourElement e(0xFEFF0000);
    e.Create(w.window, MakeRect(20, 20, 20, 20), 50, 1);
    PumpMessages();
    w.host->SuspendPainting();
    e.Move(60.0f, 60.0f);
    EXPECT_TRUE(PixelNear(w.Pixel(25, 25), 0xFEFE0000)) << "nothing recomposed yet";
    w.host->ResumePainting();
    EXPECT_TRUE(PixelNear(w.Pixel(25, 25), 0xFE00007F));
    EXPECT_TRUE(PixelNear(w.Pixel(65, 65), 0xFEFE0000));
}

// From another thread the host declines while suspended and the mover asks
// again until painting resumes.
TEST_F(ElementModel, MoveFromAnotherThreadRetriesUntilPaintingResumes) {
    ColourElement e(0xFEFF0000);
    e.Create(w.window, MakeRect(20, 20, 20, 20), 50, 1);
    PumpMessages();
    e.events.clear();
    w.host->SuspendPainting();
    std::atomic<bool> moved{false};
    std::thread mover([&] {
        e.Move(60.0f, 60.0f);
        moved = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return e.Count(WM_STAGE_MOVED) >= 3; })) << "asked again and again";
    EXPECT_FALSE(moved);
    w.host->ResumePainting();
    EXPECT_TRUE(PumpUntil([&] { return moved.load(); }));
    mover.join();
    EXPECT_TRUE(PixelNear(w.Pixel(65, 65), 0xFEFE0000));
}

}  // namespace
}  // namespace stagetest

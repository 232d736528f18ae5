#pragma once
// Element: the base of every windowless thing in a framework window.
//
// How the framework fits together (read this before adding a class):
//
// * Identity. An element is named by its ElementHandle (element_handle.h)
//   from Create until Destroy. Tree links, window messages, timer ids and
//   event handlers carry handles; ResolveElement turns one back into the
//   object, or into 0 once the element is gone. An element's own timer has
//   the id ElementTimerId(handle), its transition timer handle + 1.
// * Ownership. Whoever makes an element object owns it (a member, or a
//   std::unique_ptr). Create registers it; Destroy takes it off the window
//   (subtree included) and releases its handle and surfaces, but does not free
//   the object. Deleting a created element destroys it first. A class that
//   handles WM_DESTROY calls Destroy() from its own destructor, so its handler
//   still runs as that class.
// * The tree. Top-level elements hang in their WindowHost's list, children in
//   their parent's (SiblingList); later siblings are drawn on top. Bounds are
//   window client coordinates for every element, nested ones too.
// * Events. DispatchEvent (element_events.h) calls HandleMessage, then the
//   first matching handler of the EventTable. SendEvent/PostEvent go through
//   the window as WM_STAGE_EVENT, so they work from any thread and land on
//   the window's thread. HandleMessage answers -1 for "not handled". The
//   compositor asks its questions (EV_QUERYDISABLEDLOOK, EV_DRAWTRANSITION,
//   EV_PREPAINT) by dispatching directly, on the window's thread.
// * Painting. A class renders only into its own surface, a premultiplied
//   32-bit DIB with GDI+ graphics on it: on WM_PAINT and whenever its look
//   changes, between BeginElementPaint and EndElementPaint (element_paint.h),
//   drawing with GDI+ and the primitives of drawing.h. The compositor
//   (compose.h) blends surfaces into the window's back buffer.
// * A new class (text element, caption button, tab strip, menu item, ...)
//   derives from Element, keeps its fields after the base, sets its type code
//   through its own creation function (CreateText, CreateTitleButton, ...)
//   that ends in Create, overrides HandleMessage (and Clone), and reaches
//   other elements only through their handles.
// * Wrappers. ElementRef<T> (element_ref.h) names an element someone else
//   created; BindWrapper/UnbindWrapper point one at an existing element for a
//   while, as the host does to restyle the title a WindowHost made.
//
// Where the next pieces go, in this folder:
// * Text services: text_format.h (TextFormat), text_drawing.h (DrawText,
//   Glow, IsColourDark, IsBackgroundDark, MeasureString, MeasureRange,
//   WideLength); the TextElement class in text_element.h (type code 3).
//   Fonts: DefaultFont() (stage_startup.h) is shared and never deleted;
//   CreateFontByName (fonts.h) gives fonts an element owns. Texts arrive as
//   code page 936 and are kept as UTF-16 (text_convert.h).
// * Window host input, caption and the remaining window messages: see the
//   note in window_host.h.
//
// Operations follow the base slot order. Property operations take an optional
// value: given, it is set; the current value is returned either way.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "stage/core/dib_surface.h"
#include "stage/core/element_handle.h"
#include "stage/core/event_table.h"
#include "stage/core/gdiplus_ptr.h"
#include "stage/core/geometry.h"

namespace stage {

struct PaintContext;

// First and last of one sibling list: a window's top-level elements or an
// element's children.
struct SiblingList {
    ElementHandle first = 0;
    ElementHandle last = 0;
};

struct ElementOptions {
    bool focusable = true;
    LPCWSTR cursorId = nullptr;  // a system cursor (IDC_...), 0 for the window's default
    int transitionInterval = 0;  // milliseconds between transition frames; 0 = none
    int transitionFrames = 0;    // frames of a transition; 0 = none
    int transitionStyle = 0;     // 0 cross-fade, 1 slide down, 2 up, 3 right, 4 left
};

class WindowHost;

class Element {
public:
    Element() = default;
    virtual ~Element();
    Element& operator=(const Element&) = delete;

    // Slot 1: a copy of the element's settings, not yet created.
    virtual std::unique_ptr<Element> Clone() const;

    // Slot 2. Top level on a framework window, or as the last child of an
    // element of such a window. 0 when the window has no WindowHost or the
    // parent belongs to another one. Called on a created element it returns
    // the handle unchanged.
    ElementHandle Create(HWND window, const RectF& bounds, int typeCode, int visible,
                         const ElementOptions& options = {});
    ElementHandle Create(ElementHandle parent, const RectF& bounds, int typeCode, int visible,
                         const ElementOptions& options = {});
    ElementHandle GetHandle() const { return handle_; }
    HWND GetWindow() const { return window_; }
    ElementHandle GetParent() const { return parent_; }
    // 0 or the window itself: top level; else the last child of that element.
    void SetParent(ElementHandle parent);
    void SetParent(HWND window);
    void Destroy();
    // With apply, Move to all four values (redraw on).
    RectF Bounds(std::optional<RectF> bounds = std::nullopt);
    // 1 = visible; any other value hides the element and its subtree.
    int Visible(std::optional<int> value = std::nullopt);
    bool Disabled(std::optional<bool> value = std::nullopt);
    bool Focusable(std::optional<bool> value = std::nullopt);
    bool HasFocus();
    LRESULT Repaint();
    // Recomposes the element's area when the window gets to the message.
    void Invalidate();
    void Move(std::optional<float> left, std::optional<float> top = std::nullopt,
              std::optional<float> width = std::nullopt, std::optional<float> height = std::nullopt,
              bool redraw = true);
    std::string TipText(std::optional<std::string_view> text = std::nullopt, bool applyNow = false);
    void ShowTip(std::string_view text);
    void SetEventHandler(UINT code, EventHandler handler);
    Element* Self() { return this; }
    int Alpha(std::optional<int> value = std::nullopt, bool redraw = true);
    int SetTransition(std::optional<int> frames, std::optional<int> interval = std::nullopt);
    int TransitionInterval(std::optional<int> value = std::nullopt);
    int TransitionFrame() const { return transitionFrame_; }
    int TransitionStyle(std::optional<int> value = std::nullopt);
    LRESULT SendEvent(UINT code, WPARAM wparam, LPARAM lparam);
    void PostEvent(UINT code, WPARAM wparam, LPARAM lparam);
    // Given, the cursor handle is stored as it is.
    HCURSOR Cursor(std::optional<HCURSOR> cursor = std::nullopt);
    HCURSOR SystemCursor(LPCWSTR cursorId);  // loads a system cursor and stores it
    std::string Tag(std::optional<std::string_view> text = std::nullopt);
    float Left(std::optional<float> value = std::nullopt);
    float Top(std::optional<float> value = std::nullopt);
    float Width(std::optional<float> value = std::nullopt);
    float Height(std::optional<float> value = std::nullopt);
    // 1 = on top of its siblings, 2 = beneath them.
    void SetZOrder(int position = 1, bool redraw = true);
    void Unlink();
    void DisableTransition() { transitionsOn_ = false; }
    void EnableTransition() { transitionsOn_ = true; }
    // One frame of a running transition (the transition timer calls it).
    void TransitionTick();
    // Hooks around a repaint: after BeginElementPaint prepared the surface,
    // before EndElementPaint commits it.
    virtual void OnBeginPaint(PaintContext&) {}
    virtual void OnEndPaint(PaintContext&) {}
    // Slot 40: the class's own handling of an event; -1 = not handled.
    virtual LRESULT HandleMessage(UINT code, WPARAM wparam, LPARAM lparam);

    // For the framework and derived classes.
    int TypeCode() const { return typeCode_; }
    void SetTypeCode(int typeCode) { typeCode_ = typeCode; }
    ElementHandle HostHandle() const { return host_; }
    WindowHost* Host() const;
    const RectF& CurrentBounds() const { return bounds_; }
    const RectF& PreviousBounds() const { return previousBounds_; }
    const SiblingList& Children() const { return children_; }
    ElementHandle PrevSibling() const { return prevSibling_; }
    ElementHandle NextSibling() const { return nextSibling_; }
    bool TransitionsOn() const { return transitionsOn_; }
    int TransitionFrames() const { return transitionFrames_; }
    bool TransitionRunning() const {
        return transitionActive_ && transitionInterval_ && transitionFrames_ &&
               transitionFrame_ != transitionFrames_;
    }
    GpBitmap* Surface() const { return surface_.Bitmap(); }
    GpGraphics* Graphics() const { return surface_.Graphics(); }
    GpBitmap* Snapshot() const { return snapshot_.Bitmap(); }
    const DibSurface& SurfaceDib() const { return surface_; }
    const DibSurface& SnapshotDib() const { return snapshot_; }
    const EventTable* Events() const { return eventTable_.get(); }
    ElementHandle& BindScratch() { return bindScratch_; }

protected:
    // Copies the settings of an element, never its identity, links or
    // surfaces; derived classes build their Clone on it.
    Element(const Element& other);

private:
    friend bool BeginElementPaint(Element&, PaintContext&, std::optional<RectF>, bool);
    friend void EndElementPaint(Element&, PaintContext&);

    ElementHandle finishCreate(const RectF& bounds, int typeCode, int visible,
                               const ElementOptions& options);
    void createSurface();
    SiblingList* siblingList();
    void append(SiblingList& list);
    void shiftDescendants(float dx, float dy);
    void notifyMoved(bool recompose);
    void stopTransition();

    HWND window_ = nullptr;
    ElementHandle handle_ = 0;
    ElementHandle parent_ = 0;  // 0 for a top-level element
    int visible_ = 0;
    bool disabled_ = false;
    bool focusable_ = true;
    bool transitionsOn_ = true;
    HCURSOR cursor_ = nullptr;
    std::unique_ptr<EventTable> eventTable_;
    RectF bounds_;
    std::string tipText_;
    std::string tag_;
    int typeCode_ = 0;
    SiblingList children_;
    ElementHandle prevSibling_ = 0;
    ElementHandle nextSibling_ = 0;
    int transitionFrame_ = 0;
    DibSurface surface_;  // the element's own image and the graphics on it
    ElementHandle host_ = 0;
    int alpha_ = 255;
    DibSurface snapshot_;  // the old look while a transition runs
    int transitionInterval_ = 0;
    ElementHandle bindScratch_ = 0;
    RectF previousBounds_;
    int transitionFrames_ = 0;
    int transitionStyle_ = 0;
    // A transition runs from its start in EndElementPaint until its last frame
    // or until a new committed repaint ends it early.
    bool transitionActive_ = false;
};

// The timer ids an element uses on its window: its own timer (animations of
// derived classes) and its transition timer.
inline UINT_PTR ElementTimerId(ElementHandle handle) { return handle; }
inline UINT_PTR TransitionTimerId(ElementHandle handle) { return UINT_PTR(handle) + 1; }

}  // namespace stage

#pragma once
// RedrawQueue: the rectangles of one window waiting to be recomposed. A
// request that arrives while the queue is being worked off (from an element
// repainting itself during composition) joins the queue instead of
// recursing; a layered window is presented once per run.
#include <windows.h>

#include <deque>

#include "stage/core/geometry.h"

namespace stage {

class WindowHost;

class RedrawQueue {
public:
    void Init(WindowHost* host) { host_ = host; }
    void Clear() { queue_.clear(); }
    // kind 0 appends, 2 puts the rectangle in front, 1 recomposes and
    // presents it at once (next, when the queue is being worked off); then
    // the queue is worked off unless that is already going on.
    void Request(const RectF& rect, int kind);
    bool IsIdle() const { return !busy_; }
    void Process();

private:
    WindowHost* host_ = nullptr;
    std::deque<RectF> queue_;
    bool busy_ = false;
};

}  // namespace stage

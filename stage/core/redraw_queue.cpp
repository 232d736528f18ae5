#include "stage/core/redraw_queue.h"

#include "stage/core/compose.h"
#include "stage/core/window_host.h"

namespace stage {

void RedrawQueue::Request(const RectF& rect, int kind) {
    if (!host_) return;
    if (kind == 1 && !busy_) {
        // At once, but still marked busy: a request made while composing
        // must not start a second composition inside this one.
        busy_ = true;
        RecomposeRect(*host_, rect, true);
        busy_ = false;
    } else if (kind == 1 || kind == 2) {
        queue_.push_front(rect);
    } else {
        queue_.push_back(rect);
    }
    if (!busy_) Process();
}

void RedrawQueue::Process() {
    if (!host_) return;
    busy_ = true;
    // A plain window shows each rectangle as it is done; a layered one is
    // updated whole, so once at the end is enough.
    const bool presentEach = !host_->Layered();
    bool recomposed = false;
    while (!queue_.empty()) {
        const RectF rect = queue_.front();
        queue_.pop_front();
        RecomposeRect(*host_, rect, presentEach);
        recomposed = true;
    }
    if (recomposed && host_->Layered() && !host_->PaintingSuspended()) host_->Present();
    busy_ = false;
}

}  // namespace stage

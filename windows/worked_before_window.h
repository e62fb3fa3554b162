// The worked-before window's logic: its remembered place, the layout of its one button, and
// painting a copy of the display state taken under the module lock.
#pragma once

#include "platform/services.h"
#include "windows/saved_position.h"
#include "windows/window.h"
#include "windows/worked_before_painter.h"

namespace windows {

// Copies what the window draws: the poll's call and band with the module's rows and the
// current band's prefixes, read under the module lock.
class WorkedBeforeSource {
public:
    virtual ~WorkedBeforeSource() = default;
    virtual WorkedBeforeView snapshot() = 0;
};

class WorkedBeforeLogic {
public:
    WorkedBeforeLogic(platform::Settings& settings, Window& window, WorkedBeforeSource& source)
        : window_(window), source_(source), position_(settings, "dxcc_x", "dxcc_y") {}

    void initialise() {
        position_.restore(10, 400);
        window_.moveTo(position_.x(), position_.y());
    }
    void savePosition() { position_.save(window_.outerRect()); }

    // The button fills the client area but for a small margin.
    static Rect buttonRect(int clientWidth, int clientHeight) {
        return {1, 1, 1 + clientWidth - 4, 1 + clientHeight - 4};
    }

    void paint(Canvas& canvas, const Rect& item, LeadBytePredicate isLeadByte) {
        WorkedBeforeView view = source_.snapshot();
        paintWorkedBefore(canvas, item, view, isLeadByte);
    }

private:
    Window& window_;
    WorkedBeforeSource& source_;
    SavedPosition position_;
};

}  // namespace windows

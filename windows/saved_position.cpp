// Window positions in the settings file.
#include "windows/saved_position.h"

namespace windows {

void SavedPosition::restore(int defaultX, int defaultY) {
    x_ = platform::parseLeadingInt(settings_.read(keyX_, ""));
    y_ = platform::parseLeadingInt(settings_.read(keyY_, ""));
    if (x_ == 0) x_ = defaultX;
    if (y_ == 0) y_ = defaultY;
}

void SavedPosition::save(const Rect& outer) {
    // The last saved value changes even when the write fails: nothing is retried.
    if (outer.left != x_) {
        x_ = outer.left;
        settings_.write(keyX_, std::to_string(x_));
    }
    if (outer.top != y_) {
        y_ = outer.top;
        settings_.write(keyY_, std::to_string(y_));
    }
}

}  // namespace windows

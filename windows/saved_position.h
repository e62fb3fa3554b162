// How every window remembers its screen place: two settings keys, restored with defaults at
// opening, written whenever the pointer passes over the window after it has moved.
#pragma once

#include <string>

#include "platform/services.h"
#include "windows/canvas.h"

namespace windows {

class SavedPosition {
public:
    SavedPosition(platform::Settings& settings, std::string keyX, std::string keyY)
        : settings_(settings), keyX_(std::move(keyX)), keyY_(std::move(keyY)) {}

    // Reads both keys; a missing, unreadable or zero value takes the default. The result
    // becomes the last saved position.
    void restore(int defaultX, int defaultY);
    int x() const { return x_; }
    int y() const { return y_; }

    // Writes each coordinate of the window's outer rectangle that differs from the last saved one.
    void save(const Rect& outer);

private:
    platform::Settings& settings_;
    std::string keyX_, keyY_;
    int x_ = 0, y_ = 0;
};

}  // namespace windows

// Saves what the screen shows of a window (or of the whole screen) as a 24-bit BMP file.
#pragma once

#include <windows.h>

#include <string>

namespace tovu {

// Waits until the window has painted, then copies its screen rectangle; null saves the screen.
bool saveScreenshot(HWND window, const std::string& path);

}  // namespace tovu

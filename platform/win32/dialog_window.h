// A dialog of the window thread that the window logic drives as a windows::Window (or an
// interface derived from it): the common operations over the dialog's handle.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win32/dialog_base.h"
#include "platform/win32/dialog_colours.h"

namespace win32 {

template <typename WindowInterface>
class DialogWindow : public DialogBase, public WindowInterface {
public:
    ~DialogWindow() override { destroyWindow(); }
    void setTitle(std::string_view title) override { SetWindowTextA(hwnd_, std::string(title).c_str()); }
    void show() override { ShowWindow(hwnd_, SW_SHOW); }
    bool visible() override { return IsWindowVisible(hwnd_) != FALSE; }
    void close() override { SendMessageA(hwnd_, WM_CLOSE, 0, 0); }
    void moveTo(int x, int y) override { moveWindowTo(hwnd_, x, y); }
    windows::Rect outerRect() override { return outerRectOf(hwnd_); }
    void repaint() override { InvalidateRect(hwnd_, nullptr, FALSE); }
};

}  // namespace win32

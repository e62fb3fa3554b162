// What every window of the window thread shares: the colours, the icon and the disabled
// Close item.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"
#include "plugin/win32_module_handle.h"
#include "windows/canvas.h"

namespace win32 {

inline constexpr COLORREF kWindowColour = RGB(255, 250, 198);
inline constexpr COLORREF kTextBackground = RGB(255, 240, 198);
inline constexpr int kIconResource = 113;

inline bool isControlColourMessage(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

// Black text on the text background; the window brush paints the rest.
inline INT_PTR answerControlColour(WPARAM dc, const Brush& brush) {
    SetTextColor(reinterpret_cast<HDC>(dc), RGB(0, 0, 0));
    SetBkColor(reinterpret_cast<HDC>(dc), kTextBackground);
    return reinterpret_cast<INT_PTR>(brush.get());
}

inline void setModuleIconAndDisableClose(HWND window) {
    if (HICON icon = LoadIconA(plugin::gModuleHandle, MAKEINTRESOURCEA(kIconResource)))
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    // Disabled, not greyed: the caption's close button does nothing.
    EnableMenuItem(GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_DISABLED);
}

inline windows::Rect outerRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

inline void moveWindowTo(HWND window, int x, int y) {
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace win32

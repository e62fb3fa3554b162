// The window logic's canvas over a GDI device context.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"
#include "windows/canvas.h"

namespace win32 {

class GdiCanvas final : public windows::Canvas {
public:
    explicit GdiCanvas(HDC dc) : dc_(dc) {}
    void fillRect(const windows::Rect& r, windows::Colour colour) override {
        Brush brush(CreateSolidBrush(colour));
        const RECT rect{r.left, r.top, r.right, r.bottom};
        FillRect(dc_, &rect, brush.get());
    }
    void setTransparentText() override { SetBkMode(dc_, TRANSPARENT); }
    void textOut(int x, int y, std::string_view text) override { TextOutA(dc_, x, y, text.data(), int(text.size())); }

private:
    HDC dc_;
};

}  // namespace win32

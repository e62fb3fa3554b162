// What the window logic draws on: solid rectangles and transparent text at a point. The Win32
// implementation draws with GDI into an off-screen surface; tests record the operations.
#pragma once

#include <cstdint>
#include <string_view>

namespace windows {

// Platform colour value: 0x00BBGGRR.
using Colour = uint32_t;
constexpr Colour rgb(uint8_t r, uint8_t g, uint8_t b) { return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16); }

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fillRect(const Rect& rect, Colour colour) = 0;
    virtual void setTransparentText() = 0;
    virtual void textOut(int x, int y, std::string_view text) = 0;
};

}  // namespace windows

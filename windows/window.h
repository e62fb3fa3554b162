// The windows of the window thread as their logic drives them, and the factory that makes the
// tool windows. platform/win32 realises these with dialogs; tests with recording fakes.
#pragma once

#include <memory>
#include <string_view>

#include "windows/canvas.h"

namespace windows {

class Window {
public:
    virtual ~Window() = default;
    virtual void setTitle(std::string_view title) = 0;
    virtual void show() = 0;
    virtual bool visible() = 0;
    // The close message: a tool dialog treats it like Escape and only hides.
    virtual void close() = 0;
    // Moves the top-left corner, keeping size and Z order.
    virtual void moveTo(int x, int y) = 0;
    // Outer rectangle in screen coordinates.
    virtual Rect outerRect() = 0;
    // Invalidates the content without erasing it first.
    virtual void repaint() = 0;
};

enum class ToolKind { WorkedBefore, Dxcc, Province };

class ToolWindowFactory {
public:
    virtual ~ToolWindowFactory() = default;
    // A new tool window, created hidden and without a parent; null when it cannot be created.
    virtual std::unique_ptr<Window> create(ToolKind kind) = 0;
};

}  // namespace windows

// The tool windows of the window thread as modeless dialogs, and the factory that creates
// them for the setup window's switches.
#pragma once

#include <windows.h>

#include <vector>

#include "windows/window.h"
#include "windows/worked_before_window.h"

namespace win32 {

// Creates the tool windows on the calling (window) thread and keeps track of them, so that
// the thread's message loop can give them dialog keyboard handling (Escape).
class ToolWindowFactory final : public windows::ToolWindowFactory {
public:
    explicit ToolWindowFactory(windows::WorkedBeforeSource& source) : source_(source) {}
    std::unique_ptr<windows::Window> create(windows::ToolKind kind) override;
    bool isDialogMessage(MSG& message);

private:
    windows::WorkedBeforeSource& source_;
    std::vector<HWND> dialogs_;  // the open tool dialogs
};

}  // namespace win32

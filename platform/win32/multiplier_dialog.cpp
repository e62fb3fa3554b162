// The worked-before window (class Multiplier, template 105): one owner-drawn button
// (CCqWwInfoButton) painted off-screen by the window logic.
#include "platform/win32/multiplier_dialog.h"

#include <algorithm>
#include <vector>

#include "platform/services.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/dialog_colours.h"
#include "platform/win32/gdi_canvas.h"

namespace win32 {

namespace {

constexpr int kMultiplierTemplate = 105;
constexpr int kInfoButtonId = 1016;

bool isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

// The owner-drawn button: every paint draws the same picture, whatever the item's state.
class CCqWwInfoButton {
public:
    explicit CCqWwInfoButton(windows::WorkedBeforeLogic& logic) : logic_(logic) {}
    void drawItem(const DRAWITEMSTRUCT& item) {
        CMemDC surface(item.hDC);
        GdiCanvas canvas(surface.dc());
        logic_.paint(canvas, {0, 0, item.rcItem.right, item.rcItem.bottom}, &isLeadByte);
    }

private:
    windows::WorkedBeforeLogic& logic_;
};

class Multiplier final : public DialogWindow<windows::Window> {
public:
    Multiplier(windows::WorkedBeforeSource& source, std::vector<HWND>& registry)
        : logic_(platform::systemServices().settings, *this, source), button_(logic_), registry_(registry) {}
    ~Multiplier() override { registry_.erase(std::remove(registry_.begin(), registry_.end(), hwnd_), registry_.end()); }

    bool create() {
        if (!createModeless(plugin::gModuleHandle, kMultiplierTemplate, nullptr)) return false;
        registry_.push_back(hwnd_);
        return true;
    }

    // The picture is the button's: invalidate it without erasing.
    void repaint() override { InvalidateRect(GetDlgItem(hwnd_, kInfoButtonId), nullptr, FALSE); }

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (isControlColourMessage(message)) return answerControlColour(wParam, brush_);
        switch (message) {
            case WM_INITDIALOG:
                logic_.initialise();
                brush_ = Brush(CreateSolidBrush(kWindowColour));
                setModuleIconAndDisableClose(hwnd_);
                layoutButton();
                return TRUE;
            case WM_DRAWITEM:
                if (wParam != kInfoButtonId) return FALSE;
                button_.drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
                return TRUE;
            case WM_SIZE:
                layoutButton();
                return FALSE;
            case WM_SETCURSOR:
                logic_.savePosition();
                return FALSE;
            case WM_COMMAND:
                // Escape, Enter and the close message end the dialog, which for a modeless
                // window only hides it.
                if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK) {
                    ShowWindow(hwnd_, SW_HIDE);
                    return TRUE;
                }
                return FALSE;
            default:
                return FALSE;
        }
    }

private:
    void layoutButton() {
        HWND button = GetDlgItem(hwnd_, kInfoButtonId);
        if (!button) return;
        RECT client{};
        GetClientRect(hwnd_, &client);
        const windows::Rect r = windows::WorkedBeforeLogic::buttonRect(client.right, client.bottom);
        MoveWindow(button, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        InvalidateRect(button, nullptr, FALSE);
    }

    windows::WorkedBeforeLogic logic_;
    CCqWwInfoButton button_;
    Brush brush_;
    std::vector<HWND>& registry_;
};

}  // namespace

std::unique_ptr<windows::Window> ToolWindowFactory::create(windows::ToolKind kind) {
    if (kind != windows::ToolKind::WorkedBefore) return nullptr;  // the other tool windows are not built yet
    auto window = std::make_unique<Multiplier>(source_, dialogs_);
    if (!window->create()) return nullptr;
    return window;
}

bool ToolWindowFactory::isDialogMessage(MSG& message) {
    for (HWND dialog : dialogs_)
        if (IsDialogMessageA(dialog, &message)) return true;
    return false;
}

}  // namespace win32

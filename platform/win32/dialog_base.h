// Base of every dialog of the plug-in: one static procedure that finds the object behind a
// window (stored at WM_INITDIALOG from the creation parameter) and hands it each message.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

namespace win32 {

class DialogBase {
public:
    DialogBase() = default;
    virtual ~DialogBase() = default;
    DialogBase(const DialogBase&) = delete;
    DialogBase& operator=(const DialogBase&) = delete;

    HWND hwnd() const { return hwnd_; }

protected:
    // Modal: returns EndDialog's value, or -1 when the dialog could not be created.
    INT_PTR runModal(HINSTANCE instance, int templateId, HWND owner) {
        return DialogBoxParamA(instance, MAKEINTRESOURCEA(templateId), owner, &DialogBase::procedure,
                               reinterpret_cast<LPARAM>(this));
    }
    HWND createModeless(HINSTANCE instance, int templateId, HWND parent) {
        return CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), parent, &DialogBase::procedure,
                                  reinterpret_cast<LPARAM>(this));
    }

    // For destructors: the window's last messages must not reach a half-destroyed object.
    void destroyWindow() {
        if (!hwnd_) return;
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(std::exchange(hwnd_, nullptr));
    }

    // A dialog procedure's answer: TRUE when handled (with DWLP_MSGRESULT set where needed).
    virtual INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;

    HWND hwnd_ = nullptr;

private:
    static INT_PTR CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<DialogBase*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            self->hwnd_ = window;
        }
        auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (!self) return FALSE;
        const INT_PTR result = self->handleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
        }
        return result;
    }
};

inline std::string windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(size_t(length) + 1, '\0');
    text.resize(size_t(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

}  // namespace win32

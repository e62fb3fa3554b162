// The Cabrillo header dialog (template 101): shows the header fields, hands the edited texts
// back on OK. All decisions about the fields are made by the header step; this class only
// exchanges texts with the controls.
#include <windows.h>

#include "output/cabrillo_header.h"
#include "platform/win32/dialog_base.h"
#include "plugin/module.h"
#include "plugin/win32_module_handle.h"

namespace win32 {

namespace {

class Cabrillo final : public DialogBase, public output::HeaderDialog {
public:
    bool run(output::HeaderFields& fields) override {
        fields_ = &fields;
        // Owned by the host's active window, which the modal loop disables meanwhile.
        const INT_PTR result = runModal(plugin::gModuleHandle, output::kHeaderDialogTemplate, GetActiveWindow());
        fields_ = nullptr;
        return result == IDOK;
    }

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM) override {
        switch (message) {
            case WM_INITDIALOG:
                showFields();
                return TRUE;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK) {
                    takeBackFields();
                    EndDialog(hwnd_, IDOK);
                    return TRUE;
                }
                if (LOWORD(wParam) == IDCANCEL) {
                    EndDialog(hwnd_, IDCANCEL);
                    return TRUE;
                }
                return FALSE;
            default:
                return FALSE;
        }
    }

private:
    void showFields() {
        for (const auto& item : output::headerFieldSpecs()) {
            HWND control = GetDlgItem(hwnd_, item.controlId);
            if (!control) continue;
            const std::string& text = fields_->*item.field;
            if (item.kind == output::FieldKind::Combo || item.kind == output::FieldKind::SortedCombo) {
                for (std::string_view entry : item.entries)
                    SendMessageA(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(entry).c_str()));
                const int selection = output::comboSelection(item.entries, text);
                if (selection >= 0)
                    SendMessageA(control, CB_SETCURSEL, WPARAM(selection), 0);
                else
                    SetWindowTextA(control, text.c_str());
                continue;
            }
            SendMessageA(control, EM_LIMITTEXT, 0, 0);  // no limit below what the host handed us
            SetWindowTextA(control, text.c_str());
        }
    }

    // A combo's text is the text of its edit part, typed or picked.
    void takeBackFields() {
        for (const auto& item : output::headerFieldSpecs())
            if (HWND control = GetDlgItem(hwnd_, item.controlId)) fields_->*item.field = windowText(control);
    }

    output::HeaderFields* fields_ = nullptr;
};

}  // namespace

}  // namespace win32

namespace plugin {

output::HeaderDialog& systemHeaderDialog() {
    static win32::Cabrillo dialog;
    return dialog;
}

}  // namespace plugin

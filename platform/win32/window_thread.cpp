// The window thread and its main window, the setup window (class Master, template 104): the
// thread runs the dialog and its tool windows; the host's thread starts it, re-arms its timer
// and stops it through messages, never by touching its windows directly.
#include <windows.h>

#include <atomic>
#include <memory>

#include "host/win32/com_host_link.h"
#include "platform/services.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/dialog_colours.h"
#include "platform/win32/multiplier_dialog.h"
#include "plugin/display_source.h"
#include "plugin/module.h"
#include "windows/setup_window.h"
#include "windows/stop_protocol.h"

namespace win32 {

namespace {

constexpr int kSetupTemplate = 104;
constexpr int kViewLabelId = 1278;
// Posted by the host's thread: SetTimer must be called on the window's own thread.
constexpr UINT kArmTimerMessage = WM_APP + 1;
// Sent by the host's thread to end the setup window with its tool windows.
constexpr UINT kStopMessage = WM_APP + 2;

constexpr char kRussianTitle[] = "\xD3\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE8 SP WW BPSK63";  // Windows-1251
constexpr char kRussianViewLabel[] = "\xCE\xF2\xEE\xE1\xF0\xE0\xE6\xE0\xF2\xFC";

bool russianCaptions() {
    return plugin::module().withState([](engine::ContestState& c, auto&, auto&) { return c.RussianCaptions != 0; });
}

class Master final : public DialogWindow<windows::SetupView> {
public:
    Master(windows::WorkedBeforeSource& source, windows::PollState& poll, windows::PollModuleAccess& access)
        : poll_(poll),
          access_(access),
          tools_(source),
          logic_(platform::systemServices().settings, *this, tools_, [] { return host::connectHost(); },
                 russianCaptions()) {}

    // Runs the dialog until it ends (Escape, Enter or the stop message).
    void run(std::atomic<HWND>& published) {
        if (!createModeless(plugin::gModuleHandle, kSetupTemplate, nullptr)) return;
        ShowWindow(hwnd_, SW_SHOW);
        published.store(hwnd_);
        MSG message;
        while (!ended_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
            if (IsDialogMessageA(hwnd_, &message) || tools_.isDialogMessage(message)) continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        published.store(nullptr);
        // Destruction: the tool windows close, the switches keep their keys.
        logic_.closeToolWindows();
    }

    // windows::SetupView
    void makeTopmost() override {
        SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    void setRussianCaptions() override {
        SetWindowTextA(hwnd_, kRussianTitle);
        SetDlgItemTextA(hwnd_, kViewLabelId, kRussianViewLabel);
    }
    void pushSwitches(const std::array<bool, 3>& on) override {
        for (size_t i = 0; i < windows::kSwitches.size(); ++i)
            CheckDlgButton(hwnd_, windows::kSwitches[i].boxId, on[i] ? BST_CHECKED : BST_UNCHECKED);
    }
    void armTimer() override { SetTimer(hwnd_, windows::kPollTimerId, windows::kPollPeriodMs, nullptr); }
    void stopTimer() override { KillTimer(hwnd_, windows::kPollTimerId); }

protected:
    INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM) override {
        if (isControlColourMessage(message)) return answerControlColour(wParam, brush_);
        switch (message) {
            case WM_INITDIALOG:
                brush_ = Brush(CreateSolidBrush(kWindowColour));
                setModuleIconAndDisableClose(hwnd_);
                logic_.initialise();
                return TRUE;
            case WM_TIMER:
                if (wParam == UINT_PTR(windows::kPollTimerId)) windows::poll(logic_, poll_, access_);
                return TRUE;
            case kArmTimerMessage:
                armTimer();
                return TRUE;
            case kStopMessage:
                logic_.closeToolWindows();
                end();
                return TRUE;
            case WM_SETCURSOR:
                logic_.savePosition();
                return FALSE;
            case WM_COMMAND:
                if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                    end();  // Escape, Enter and the close message end the dialog
                    return TRUE;
                }
                if (HIWORD(wParam) == BN_CLICKED) logic_.toggle(LOWORD(wParam));
                return TRUE;
            default:
                return FALSE;
        }
    }

private:
    // A sent message is handled inside GetMessage, which then waits on: wake the loop.
    void end() {
        ended_ = true;
        PostMessageA(hwnd_, WM_NULL, 0, 0);
    }

    windows::PollState& poll_;
    windows::PollModuleAccess& access_;
    ToolWindowFactory tools_;
    windows::SetupWindowLogic logic_;
    Brush brush_;
    bool ended_ = false;
};

class WindowThread final : public plugin::SetupWindowControl, private windows::WindowThreadHandle {
public:
    bool running() override { return running_.load(); }
    bool closedOnce() override { return closedOnce_.load(); }

    void start() override {
        if (running_.load()) stop(false);
        running_.store(true);
        HANDLE thread = CreateThread(nullptr, 0, &WindowThread::threadMain, this, 0, nullptr);
        if (!thread) {
            running_.store(false);
            return;
        }
        CloseHandle(thread);
        // Thread start-up and the host connection need the loader lock, which an unload
        // holds: let them finish here, so that an unload never waits on a thread that cannot
        // move, nor leaves one that would start in an unmapped module.
        const uint32_t begin = nowMs();
        while (running_.load() && !windowReady() && nowMs() - begin < windows::kStopBoundMs) waitStep();
    }

    void stop(bool processTerminating) override { windows::stopWindowThread(*this, processTerminating); }

    void armPollTimer() override {
        if (HWND window = window_.load()) PostMessageA(window, kArmTimerMessage, 0, 0);
    }

private:
    // windows::WindowThreadHandle
    bool windowReady() override { return window_.load() != nullptr; }
    void requestStop(uint32_t timeoutMs) override {
        DWORD_PTR ignored = 0;
        if (HWND window = window_.load())
            SendMessageTimeoutA(window, kStopMessage, 0, 0, SMTO_NORMAL, timeoutMs, &ignored);
    }
    // Answers messages that other threads send to this one's windows, dispatches nothing posted.
    void waitStep() override {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_SENDMESSAGE);
        MSG ignored;
        PeekMessageA(&ignored, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    uint32_t nowMs() override { return GetTickCount(); }

    static DWORD WINAPI threadMain(void* self) {
        auto* control = static_cast<WindowThread*>(self);
        control->runSetupWindow();
        // Last steps: after the flag clears the unloading thread may unmap this module, so
        // nothing of it may run after the store. Raised priority keeps the two steps together.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
        control->running_.store(false);
        ExitThread(0);
    }

    void runSetupWindow() {
        windows::PollState& poll = pollState();
        plugin::ModuleDisplaySource source(plugin::module(), poll);
        plugin::ModulePollAccess access(plugin::module());
        Master setup(source, poll, access);
        setup.run(window_);
        // Set before the window goes away, so that whoever sees it gone sees this too.
        closedOnce_.store(true);
    }

    // Survives setup windows: the poll's call, band and last "<SP1>" frequency.
    static windows::PollState& pollState() {
        static windows::PollState state;
        return state;
    }

    std::atomic<bool> running_{false};
    std::atomic<bool> closedOnce_{false};
    std::atomic<HWND> window_{nullptr};
};

}  // namespace

}  // namespace win32

namespace plugin {

SetupWindowControl& systemSetupWindow() {
    static win32::WindowThread thread;
    return thread;
}

}  // namespace plugin

// Dialog watcher thread.
#include "tools/host/dialog_watcher.h"

#include <chrono>

namespace tovu {

namespace {

struct Scan {
    DWORD process;
    std::vector<HWND> dialogs;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM param) {
    auto* scan = reinterpret_cast<Scan*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (process == scan->process && IsWindowVisible(window) && std::string(className) == "#32770")
        scan->dialogs.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> visibleDialogs() {
    Scan scan{GetCurrentProcessId(), {}};
    EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&scan));
    return scan.dialogs;
}

std::string windowText(HWND window) {
    char buffer[4096] = {};
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

std::string dialogItemText(HWND dialog, int id) {
    char buffer[4096] = {};
    GetDlgItemTextA(dialog, id, buffer, sizeof buffer);
    return buffer;
}

// The message text of a message box sits in a static control with id 0xFFFF.
bool isMessageBox(HWND dialog) { return GetDlgItem(dialog, 0xFFFF) != nullptr; }

DialogWatcher::Action DialogWatcher::pressOk(HWND dialog) {
    if (!isMessageBox(dialog)) return nullptr;
    return [dialog] { PostMessageA(dialog, WM_COMMAND, IDOK, 0); };
}

DialogWatcher::DialogWatcher() : DialogWatcher(&DialogWatcher::pressOk) {}

DialogWatcher::DialogWatcher(Handler handler) : handler_(std::move(handler)), thread_([this] { run(); }) {}

DialogWatcher::~DialogWatcher() {
    stop_ = true;
    thread_.join();
}

std::vector<SeenDialog> DialogWatcher::seen() const {
    std::lock_guard<std::mutex> guard(lock_);
    return seen_;
}

bool DialogWatcher::waitForHandled(size_t count, int timeoutMs) const {
    std::unique_lock<std::mutex> guard(lock_);
    return changed_.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] { return seen_.size() >= count; });
}

void DialogWatcher::run() {
    while (!stop_) {
        for (HWND dialog : visibleDialogs()) {
            {
                std::lock_guard<std::mutex> guard(lock_);
                if (!visited_.insert(dialog).second) continue;
            }
            SeenDialog seen{windowText(dialog), dialogItemText(dialog, 0xFFFF), GetWindow(dialog, GW_OWNER) != nullptr};
            Action action = handler_(dialog);
            if (!action) continue;
            {
                std::lock_guard<std::mutex> guard(lock_);
                seen_.push_back(std::move(seen));
                changed_.notify_all();
            }
            action();
        }
        {
            // Forget windows that are gone, so that a reused handle is seen afresh.
            std::lock_guard<std::mutex> guard(lock_);
            for (auto it = visited_.begin(); it != visited_.end();)
                it = IsWindow(*it) ? std::next(it) : visited_.erase(it);
        }
        Sleep(10);
    }
}

}  // namespace tovu

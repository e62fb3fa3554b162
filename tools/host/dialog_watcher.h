// Answers the plug-in's modal dialogs and message boxes from a watcher thread, as an operator
// would: each visible dialog of this process is handed once to a handler, which may read it,
// fill it in and close it.
#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace tovu {

struct SeenDialog {
    std::string caption;
    std::string text;  // the message of a message box
    bool hasOwner = false;
};

// The visible dialogs (class "#32770") of this process, top-level ones only.
std::vector<HWND> visibleDialogs();
std::string windowText(HWND window);
std::string dialogItemText(HWND dialog, int id);
bool isMessageBox(HWND dialog);

class DialogWatcher {
public:
    // Looks at a dialog and returns what to do with it (fill it in, close it), or nothing to
    // leave it alone for good. The watcher records the dialog before it acts, so that the
    // record is there when the plug-in's call returns.
    using Action = std::function<void()>;
    using Handler = std::function<Action(HWND dialog)>;

    // The default handler presses OK on every message box and ignores other dialogs.
    DialogWatcher();
    explicit DialogWatcher(Handler handler);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    std::vector<SeenDialog> seen() const;
    // Waits until `count` dialogs have been handled; false on timeout.
    bool waitForHandled(size_t count, int timeoutMs) const;

    // The default handler: OK on message boxes, other dialogs left alone.
    static Action pressOk(HWND dialog);

private:
    void run();

    Handler handler_;
    mutable std::mutex lock_;
    mutable std::condition_variable changed_;
    std::vector<SeenDialog> seen_;
    std::set<HWND> visited_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace tovu

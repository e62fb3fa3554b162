// How the host's thread ends the window thread: ask its setup window to close (which closes
// the tool windows and stops the timer), then wait for the thread to let go. Every wait is
// bounded, and at process end there is none: the other threads are already gone.
#pragma once

#include <cstdint>

namespace windows {

// The window thread as the host's thread sees it.
class WindowThreadHandle {
public:
    virtual ~WindowThreadHandle() = default;
    virtual bool running() = 0;
    // The setup window exists and can take the stop request.
    virtual bool windowReady() = 0;
    // Delivers the stop request; returns when it was handled or after timeoutMs.
    virtual void requestStop(uint32_t timeoutMs) = 0;
    // Waits about 20 ms, answering what other threads send to this one meanwhile.
    virtual void waitStep() = 0;
    virtual uint32_t nowMs() = 0;
};

inline constexpr uint32_t kStopBoundMs = 3000;

// Returns true when the window thread let go within the bound.
inline bool stopWindowThread(WindowThreadHandle& thread, bool processTerminating, uint32_t boundMs = kStopBoundMs) {
    if (processTerminating || !thread.running()) return true;
    const uint32_t start = thread.nowMs();
    auto timeLeft = [&] { return thread.nowMs() - start < boundMs; };
    // A thread just started may not have its window yet.
    while (thread.running() && !thread.windowReady() && timeLeft()) thread.waitStep();
    if (thread.running() && thread.windowReady()) thread.requestStop(boundMs - (thread.nowMs() - start));
    while (thread.running() && timeLeft()) thread.waitStep();
    return !thread.running();
}

}  // namespace windows

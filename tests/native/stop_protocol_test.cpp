// Ending the window thread from the host's thread: prompt when the thread answers, bounded
// when a poll in flight keeps it busy or it never answers, no wait at all at process end.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "windows/stop_protocol.h"

namespace {

using Clock = std::chrono::steady_clock;

// A window thread that runs "polls" of a scripted length and ends on a stop request, which it
// only sees between polls (as a message loop would).
class FakeWindowThread final : public windows::WindowThreadHandle {
public:
    FakeWindowThread(int pollMs, int startupMs) : pollMs_(pollMs) {
        running_ = true;
        thread_ = std::thread([this, startupMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(startupMs));
            ready_ = true;
            while (!stopRequested_) {
                inPoll_ = true;  // a host call of this length is in flight
                std::this_thread::sleep_for(std::chrono::milliseconds(pollMs_));
                inPoll_ = false;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            ready_ = false;
            running_ = false;
        });
    }
    ~FakeWindowThread() override {
        stopRequested_ = true;
        thread_.join();
    }

    bool running() override { return running_; }
    bool windowReady() override { return ready_; }
    void requestStop(uint32_t) override {
        ++requests;
        stopRequested_ = true;
    }
    void waitStep() override { std::this_thread::sleep_for(std::chrono::milliseconds(20)); }
    uint32_t nowMs() override {
        return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count());
    }
    bool inPoll() const { return inPoll_; }

    std::atomic<int> requests{0};

private:
    int pollMs_;
    std::atomic<bool> running_{false}, ready_{false}, stopRequested_{false}, inPoll_{false};
    std::thread thread_;
};

long long msSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

TEST(StopProtocol, ReturnsOnceTheThreadLetGoEvenWithAPollInFlight) {
    FakeWindowThread thread(/*pollMs=*/150, /*startupMs=*/0);
    while (!thread.inPoll()) std::this_thread::yield();
    const auto start = Clock::now();
    EXPECT_TRUE(windows::stopWindowThread(thread, false, 3000));
    EXPECT_FALSE(thread.running());
    EXPECT_LT(msSince(start), 1500);
    EXPECT_EQ(thread.requests.load(), 1);
}

TEST(StopProtocol, WaitsForAThreadThatHasNoWindowYet) {
    FakeWindowThread thread(/*pollMs=*/5, /*startupMs=*/100);
    EXPECT_TRUE(windows::stopWindowThread(thread, false, 3000));
    EXPECT_EQ(thread.requests.load(), 1);
}

TEST(StopProtocol, GivesUpAtTheBoundWhenAPollNeverEnds) {
    FakeWindowThread thread(/*pollMs=*/1500, /*startupMs=*/0);
    while (!thread.inPoll()) std::this_thread::yield();
    const auto start = Clock::now();
    EXPECT_FALSE(windows::stopWindowThread(thread, false, 300));
    const long long waited = msSince(start);
    EXPECT_GE(waited, 300);
    EXPECT_LT(waited, 1200);
}

TEST(StopProtocol, NoWaitAtProcessEndOrWithoutAThread) {
    FakeWindowThread thread(/*pollMs=*/1000, /*startupMs=*/0);
    const auto start = Clock::now();
    EXPECT_TRUE(windows::stopWindowThread(thread, true, 3000));
    EXPECT_EQ(thread.requests.load(), 0);
    EXPECT_LT(msSince(start), 100);
}

}  // namespace

// The host's thread and the window thread on one module at once: adds, removes, recounts and
// results against polls and paints. Run under ThreadSanitizer, any unguarded access shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "plugin/display_source.h"
#include "tests/native/fake_platform.h"

namespace {

class CancelDialog final : public output::HeaderDialog {
public:
    bool run(output::HeaderFields&) override { return false; }
};

class CountingWindow final : public plugin::SetupWindowControl {
public:
    bool running() override { return true; }
    bool closedOnce() override { return false; }
    void start() override {}
    void stop(bool) override {}
    void armPollTimer() override { ++arms; }
    std::atomic<int> arms{0};
};

TEST(Threads, HostCallsAndPollsShareTheModuleSafely) {
    fake::Platform platform;
    CancelDialog dialog;
    CountingWindow window;
    plugin::Module module(platform.services, dialog, window);
    windows::PollState poll;
    poll.CurrentBand = 2;
    plugin::ModuleDisplaySource source(module, poll);
    plugin::ModulePollAccess access(module);

    std::atomic<bool> done{false};
    std::thread windowThread([&] {
        while (!done) {
            access.refreshWorkedBeforeRows("DL1ABC");
            windows::WorkedBeforeView view = source.snapshot();
            std::sort(view.BandPrefixes.begin(), view.BandPrefixes.end());  // as a paint does, on its copy
            (void)access.contestYear();
        }
    });

    plugin::RecountArgs recount;
    recount.ownCall = "SP7QQA";
    recount.ownPrefix = "SP";
    for (int round = 0; round < 200; ++round) {
        if (round % 50 == 0) module.resetStats(recount);
        engine::QsoArgs q;
        const std::string call = "DL" + std::to_string(round % 20) + "ABC";
        q.call = call;
        q.band = "40m";
        q.mode = "BPSK63";
        q.exchSent = "001";
        q.exchRcvd = "123";
        q.prefix = round % 3 ? "DL" : "OK";
        module.addData(q);
        if (round % 7 == 0) module.removeData(call, "40m");
        engine::CallCheckArgs c;
        c.call = call;
        c.mode = "BPSK63";
        c.prefix = "DL";
        c.band = c.bandCheck = "40m";
        module.checkCall(c);
        module.getResult(nullptr);
    }
    done = true;
    windowThread.join();
    EXPECT_EQ(window.arms.load(), 200);
    EXPECT_FALSE(source.snapshot().BandPrefixes.empty());
}

}  // namespace

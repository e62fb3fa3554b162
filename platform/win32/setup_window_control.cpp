// Until the window thread is built in, the DLL has no setup window to start or stop.
#include "plugin/module.h"

namespace plugin {

namespace {

class NoSetupWindow final : public SetupWindowControl {
public:
    bool running() override { return false; }
    bool closedOnce() override { return false; }
    void start() override {}
    void stop(bool) override {}
    void armPollTimer() override {}
};

}  // namespace

SetupWindowControl& systemSetupWindow() {
    static NoSetupWindow window;
    return window;
}

}  // namespace plugin

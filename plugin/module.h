// The module-wide state behind the ten entry points and the one lock that guards it. Each
// entry point takes the lock for its engine work and never holds it across a modal dialog,
// a message box or a call into the window thread that waits.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "engine/contest_state.h"
#include "engine/logging.h"
#include "output/cabrillo_header.h"
#include "output/cabrillo_log.h"
#include "output/result_summary.h"
#include "platform/services.h"

namespace plugin {

inline constexpr char kSettingsPath[] = "Plugins\\Ravezo-DOR63.ini";
inline constexpr char kSettingsSection[] = "Settings";

// The setup window as the host's thread sees it.
class SetupWindowControl {
public:
    virtual ~SetupWindowControl() = default;
    virtual bool running() = 0;
    // True once a setup window has been destroyed in this process.
    virtual bool closedOnce() = 0;
    virtual void start() = 0;
    // Bounded wait; no wait at all when the process is terminating.
    virtual void stop(bool processTerminating) = 0;
    virtual void armPollTimer() = 0;
};

struct RecountArgs {
    std::string_view ownCall, ownPrefix, ownContinent;
    OleDateTime periodStart{}, periodEnd{};
    int32_t cabrilloWanted = 0;
};

class Module {
public:
    Module(platform::Services& services, output::HeaderDialog& headerDialog, SetupWindowControl& setupWindow);

    int addData(const engine::QsoArgs& qso);
    int removeData(std::string_view call, std::string_view band);
    int checkCall(const engine::CallCheckArgs& args);
    const char* getResult(int32_t* cabrilloFlag);
    int resetStats(const RecountArgs& args);
    void setupSet();
    // The exit step at unload: stop the window thread, then a short pause.
    void unload(bool processTerminating);

    void useServices(platform::Services& services) { services_ = &services; }

    // Runs f(contest, result, cabrillo) under the module lock.
    template <typename F>
    auto withState(F&& f) {
        std::lock_guard<std::mutex> guard(lock_);
        return f(contest_, result_, cabrillo_);
    }

    platform::Services& services() { return *services_; }

private:
    void applyStartRule();

    std::mutex lock_;
    engine::ContestState contest_;
    output::ResultState result_;
    output::CabrilloLog cabrillo_;
    platform::Services* services_;
    output::HeaderDialog* headerDialog_;
    SetupWindowControl* setupWindow_;
};

// The one module instance, created at load with the system's services and windows.
Module& module();

// Realised once per platform: the header dialog and the setup window of this system.
output::HeaderDialog& systemHeaderDialog();
SetupWindowControl& systemSetupWindow();

}  // namespace plugin

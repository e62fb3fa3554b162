// The window thread's view of the module state: copies taken under the module lock, so that a
// window never draws a list the host's thread is refilling.
#pragma once

#include "plugin/module.h"
#include "windows/poll.h"
#include "windows/poll_state.h"
#include "windows/worked_before_window.h"

namespace plugin {

class ModuleDisplaySource final : public windows::WorkedBeforeSource {
public:
    ModuleDisplaySource(Module& module, const windows::PollState& poll) : module_(module), poll_(poll) {}

    windows::WorkedBeforeView snapshot() override {
        windows::WorkedBeforeView view;
        view.CurrentCall = poll_.CurrentCall;
        view.CurrentBand = poll_.CurrentBand;
        module_.withState([&](engine::ContestState& contest, output::ResultState& result, auto&) {
            view.workedBeforeRows = contest.workedBeforeRows;
            if (view.CurrentBand >= 0 && view.CurrentBand < output::kBandSlots)
                view.BandPrefixes = result.BandPrefixes[size_t(view.CurrentBand)];
            return 0;
        });
        return view;
    }

private:
    Module& module_;
    const windows::PollState& poll_;
};

class ModulePollAccess final : public windows::PollModuleAccess {
public:
    explicit ModulePollAccess(Module& module) : module_(module) {}

    void refreshWorkedBeforeRows(const std::string& call) override {
        module_.withState([&](engine::ContestState& contest, auto&, auto&) {
            windows::refreshWorkedBeforeRows(contest, call);
            return 0;
        });
    }
    std::string contestYear() override {
        return module_.withState([](engine::ContestState& contest, auto&, auto&) { return contest.ContestYear; });
    }

private:
    Module& module_;
};

}  // namespace plugin

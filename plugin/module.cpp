// The entry points' work on the module state, with the lock taken around each change and read.
#include "plugin/module.h"

#include <chrono>
#include <thread>

#include "engine/recount.h"

namespace plugin {

Module::Module(platform::Services& services, output::HeaderDialog& headerDialog, SetupWindowControl& setupWindow)
    : services_(&services), headerDialog_(&headerDialog), setupWindow_(&setupWindow) {}

int Module::addData(const engine::QsoArgs& qso) {
    std::lock_guard<std::mutex> guard(lock_);
    return engine::addQso(contest_, services_->files, qso);
}

int Module::removeData(std::string_view call, std::string_view band) {
    std::lock_guard<std::mutex> guard(lock_);
    return engine::removeQso(contest_, call, band);
}

int Module::checkCall(const engine::CallCheckArgs& args) {
    setupWindow_->armPollTimer();
    std::lock_guard<std::mutex> guard(lock_);
    return engine::checkCall(contest_, args);
}

const char* Module::getResult(int32_t* cabrilloFlag) {
    std::string message;
    const char* text;
    {
        std::lock_guard<std::mutex> guard(lock_);
        output::buildResult(result_, contest_);
        services_->settings.write("Claimed", std::to_string(result_.ClaimedScore));
        if (contest_.CabrilloWanted != 0) {
            // Every record, flagged or not, so that the file holds each logged QSO once.
            cabrillo_.ClearQsoLines();
            for (const engine::CInfo& r : contest_.log.records())
                cabrillo_.AddQsoLine(r.Call, r.FreqKHz, r.Mode == "BPSK63" ? "RY" : "??", r.Time, r.RstSent,
                                     r.ExchSent, r.RstRcvd, r.ExchRcvd);
            message = cabrillo_.WriteLog(services_->files, result_.ClaimedScore);
        }
        text = result_.ResultText.c_str();
    }
    if (!message.empty()) {
        services_->dialogs.messageBox(message, "Output", platform::MessageKind::Information);
        if (cabrilloFlag) *cabrilloFlag = -1;
    }
    return text;
}

int Module::resetStats(const RecountArgs& args) {
    {
        std::lock_guard<std::mutex> guard(lock_);
        engine::beginRecount(contest_, {args.ownCall, args.ownPrefix, args.ownContinent}, args.periodStart,
                             args.periodEnd);
        contest_.CabrilloWanted = args.cabrilloWanted;
    }
    if (args.cabrilloWanted != 0) {
        // The dialog is modal: the lock stays free so that the window thread keeps running.
        // The Cabrillo log is only ever touched on the host's thread.
        output::editHeader(cabrillo_, args.ownCall, services_->settings, *headerDialog_);
        services_->settings.write("Start", "1");
    }
    if (setupWindow_->closedOnce()) return 1;  // the report of the earlier recount goes on

    contest_.StartFlag = platform::parseLeadingInt(services_->settings.read("Start", ""));
    const engine::StartDecision decision = engine::decideStart(contest_.StartFlag, setupWindow_->running());
    if (decision.startWindow) setupWindow_->start();
    if (decision.newValue) services_->settings.write("Start", decision.newValue);

    std::lock_guard<std::mutex> guard(lock_);
    engine::startReport(contest_, services_->files, args.periodEnd);
    return 1;
}

void Module::setupSet() {
    services_->dialogs.messageBox("No additional setup for this plugin", "", platform::MessageKind::Plain);
}

void Module::unload(bool processTerminating) {
    setupWindow_->stop(processTerminating);
    if (!processTerminating) std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

}  // namespace plugin

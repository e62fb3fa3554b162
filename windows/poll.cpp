// Polling cycle.
#include "windows/poll.h"

#include <cmath>

#include "output/result_summary.h"

namespace windows {

BandOfFrequency bandOfFrequency(double hertz) {
    const double megahertz = std::trunc(hertz / 1'000'000.0);
    if (!(std::fabs(megahertz) < 1e6)) return {-1, {}};  // also not a number
    switch (int(megahertz)) {
        case 1: return {0, "160m"};
        case 3: return {1, "80m"};
        case 7: return {2, "40m"};
        case 14: return {3, "20m"};
        case 21: return {4, "15m"};
        case 28: return {5, "10m"};
        default: return {-1, {}};
    }
}

void refreshWorkedBeforeRows(engine::ContestState& state, const std::string& call) {
    for (auto& row : state.workedBeforeRows) {
        if (row.size() < 5) row.resize(5);
        row[1] = "     -";
        row[2] = "   -";
        row[3] = "   -";
        row[4] = "  -";
    }
    if (call.empty()) return;
    // A later QSO overwrites an earlier one: each row ends with the last in log order.
    for (const engine::CInfo& qso : state.log.records()) {
        if (qso.Call != call) continue;
        const int slot = output::bandSlot(qso.Band);
        if (slot < 0) continue;
        auto& row = state.workedBeforeRows[size_t(slot)];
        row[1] = qso.Mode;
        row[2] = engine::formatDateTime(qso.Time, "%H:%M");
        row[3] = "  " + qso.ExchRcvd;
    }
}

void poll(SetupWindowLogic& setup, PollState& state, PollModuleAccess& module) {
    setup.onTimer();  // stops the timer, looks after the tool windows
    host::HostLink* host = setup.hostLink();
    if (!host) return;

    std::string call;
    if (!host->getEntryText(5, call)) return;
    state.CurrentCall = call;
    // One or two characters: not a call yet; the windows keep what they show.
    if (call.size() == 1 || call.size() == 2) return;

    module.refreshWorkedBeforeRows(call);
    Window* workedBefore = setup.toolWindow(ToolKind::WorkedBefore);
    if (!call.empty() && workedBefore) workedBefore->setTitle("POLSKA WW PSK63 worked with " + call + " ");

    double frequency = 0;
    if (!host->getFrequency(frequency)) return;
    if (std::fabs(frequency - state.LastSp1Frequency) > 300.0) {
        if (!host->sendMacro("<SP1>")) return;
        state.LastSp1Frequency = frequency;
    }
    const BandOfFrequency band = bandOfFrequency(frequency);
    state.CurrentBand = band.slot;

    if (call.empty()) {
        const std::string title = "POLSKA WW PSK63 " + module.contestYear() + " DXCC worked on " + std::string(band.text);
        if (workedBefore) workedBefore->setTitle(title);
        if (Window* dxcc = setup.toolWindow(ToolKind::Dxcc)) dxcc->setTitle(title);
    }
    if (workedBefore) workedBefore->repaint();
}

}  // namespace windows

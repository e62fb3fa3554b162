// The engine's part of a full recount: forget the log, take over the own station and the
// contest period, rebuild the worked-before rows, and start a fresh error report.
#pragma once

#include <string>
#include <string_view>

#include "engine/contest_state.h"
#include "platform/services.h"

namespace engine {

struct OwnStation {
    std::string_view call, prefix, continent;
};

// Period texts, empty log, own station, fresh worked-before rows, Russian captions flag.
void beginRecount(ContestState& state, const OwnStation& own, const OleDateTime& periodStart,
                  const OleDateTime& periodEnd);

// "RurorUZEDEZU63_<dd_mm_yyyy>.txt", named after the end of the contest period.
std::string reportPathFor(const OleDateTime& periodEnd);

// Sets state.ReportPath and creates the report afresh with its first line.
void startReport(ContestState& state, platform::FileSystem& files, const OleDateTime& periodEnd);

struct StartDecision {
    bool startWindow = false;
    const char* newValue = nullptr;  // value to write to "Start"; null leaves it unchanged
};

// What a recount without a Cabrillo request does with "Start" and the setup window.
StartDecision decideStart(int startFlag, bool setupWindowRunning);

}  // namespace engine

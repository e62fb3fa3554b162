// Full recount: the engine state that ResetStats0 rebuilds.
#include "engine/recount.h"

#include "engine/contest_rules.h"
#include "engine/logging.h"

namespace engine {

void beginRecount(ContestState& state, const OwnStation& own, const OleDateTime& periodStart,
                  const OleDateTime& periodEnd) {
    state.PeriodStartText = formatDateTime(periodStart, "%d.%m");
    state.ContestYear = formatDateTime(periodStart, "%Y");
    state.PeriodEndText = formatDateTime(periodEnd, "%d.%m.%Y");
    state.log.clear();
    state.bandsWorked.clear();
    state.OwnPrefix = own.prefix;
    state.OwnContinent = own.continent;
    state.OwnCall = own.call;
    for (size_t i = 0; i < state.workedBeforeRows.size(); ++i)
        state.workedBeforeRows[i] = {bandList().at(i), "-", "-", "-", "-"};
    // Set only, never cleared: a later station with another prefix keeps the captions.
    if (isRussianPrefix(own.prefix)) state.RussianCaptions = 1;
}

std::string reportPathFor(const OleDateTime& periodEnd) {
    return "RurorUZEDEZU63_" + formatDateTime(periodEnd, "%d_%m_%Y") + ".txt";
}

void startReport(ContestState& state, platform::FileSystem& files, const OleDateTime& periodEnd) {
    state.ReportPath = reportPathFor(periodEnd);
    if (auto report = files.openForRewrite(state.ReportPath)) report->write(kReportFirstLine);
}

StartDecision decideStart(int startFlag, bool setupWindowRunning) {
    if (startFlag != 0) return {false, "0"};
    if (!setupWindowRunning) return {true, "1"};
    return {};
}

}  // namespace engine

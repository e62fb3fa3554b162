// Everything the engine knows between two recounts: the log, the own station, the contest
// period, the report file name and the worked-before rows.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/qso_log.h"

namespace engine {

// Six rows by BandList position, each of five texts: band label, mode, time, exchange, spare.
using WorkedBeforeRows = std::array<std::vector<std::string>, 6>;

struct ContestState {
    QsoLog log;
    BandsWorked bandsWorked;
    std::string ReportPath;
    std::string OwnCall;
    std::string OwnPrefix;
    std::string OwnContinent;
    std::string PeriodStartText;
    std::string PeriodEndText;
    std::string ContestYear;
    int CabrilloWanted = 0;
    int StartFlag = 0;
    int RussianCaptions = 0;
    WorkedBeforeRows workedBeforeRows;
};

}  // namespace engine

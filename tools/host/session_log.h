// Reads a logged session for the simulated host: one QSO or deletion per line.
//   QSO yyyy-mm-dd hhmm freqHz mode call rstSent exchSent rstRcvd exchRcvd prefix continent band
//   DEL call band
// Fields are separated by blanks; "-" stands for an empty text; "#" starts a comment line.
#pragma once

#include <string>
#include <vector>

#include "tools/host/stats_plugin.h"

namespace tovu {

struct LogEvent {
    bool deletion = false;
    Qso qso;
};

// OLE Automation day count of a UTC date and time.
double oleDate(int year, int month, int day, int hour, int minute);

// Events of the file in order; false with a message on the first malformed line.
bool readSessionLog(const std::string& path, std::vector<LogEvent>& events, std::string* error);

}  // namespace tovu

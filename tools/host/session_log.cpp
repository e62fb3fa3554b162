// Session log reader of the simulated host.
#include "tools/host/session_log.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tovu {

double oleDate(int year, int month, int day, int hour, int minute) {
    // Days from civil date (proleptic Gregorian), shifted to the OLE epoch 1899-12-30.
    const int y = year - (month <= 2);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long days = long(era) * 146097 + doe - 719468;  // days since 1970-01-01
    return double(days + 25569) + (hour * 60 + minute) / 1440.0;
}

namespace {
std::string field(const std::string& text) { return text == "-" ? std::string() : text; }
}  // namespace

bool readSessionLog(const std::string& path, std::vector<LogEvent>& events, std::string* error) {
    std::ifstream in(path);
    if (!in) {
        if (error) *error = "cannot open " + path;
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string kind;
        words >> kind;
        LogEvent e;
        if (kind == "DEL") {
            e.deletion = true;
            words >> e.qso.call >> e.qso.band;
        } else if (kind == "QSO") {
            std::string date, time, freq, exchSent, exchRcvd;
            words >> date >> time >> freq >> e.qso.mode >> e.qso.call >> e.qso.rstSent >> exchSent >> e.qso.rstRcvd >>
                exchRcvd >> e.qso.prefix >> e.qso.continent >> e.qso.band;
            int year, month, day, hhmm;
            if (std::sscanf(date.c_str(), "%d-%d-%d", &year, &month, &day) != 3 ||
                std::sscanf(time.c_str(), "%d", &hhmm) != 1 || !words) {
                if (error) *error = path + ":" + std::to_string(number) + ": malformed QSO line";
                return false;
            }
            e.qso.time = {oleDate(year, month, day, hhmm / 100, hhmm % 100), kDateTimeValid};
            e.qso.frequencyHz = uint32_t(std::stoul(freq));
            e.qso.exchSent = field(exchSent);
            e.qso.exchRcvd = field(exchRcvd);
            e.qso.prefix = field(e.qso.prefix);
        } else {
            if (error) *error = path + ":" + std::to_string(number) + ": unknown line kind " + kind;
            return false;
        }
        events.push_back(std::move(e));
    }
    return true;
}

}  // namespace tovu

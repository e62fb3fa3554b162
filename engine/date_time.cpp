// Conversion of OLE Automation day counts into calendar fields and text.
#include "engine/date_time.h"

#include <chrono>
#include <cmath>

namespace engine {

namespace {
// The calendar range the host's date-time type can represent.
constexpr double kFirstDay = -657434.0;  // 0100-01-01
constexpr double kLastDay = 2958466.0;   // 10000-01-01, exclusive

void appendNumber(std::string& out, int value, int width) {
    char digits[16];
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[n++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) out.push_back('-');
    for (int i = n; i < width; ++i) out.push_back('0');
    while (n > 0) out.push_back(digits[--n]);
}
}  // namespace

bool toCalendarFields(double days, CalendarFields& out) {
    if (!(days >= kFirstDay && days < kLastDay)) return false;
    // The whole part counts days; the fraction is the time of day, also for dates before 1899
    // (where -1.25 is 29 December 1899, 06:00). Rounding to the second may carry a day.
    double whole = std::trunc(days);
    long long seconds = std::llround(std::fabs(days - whole) * 86400.0);
    long long dayNumber = static_cast<long long>(whole) + seconds / 86400;
    seconds %= 86400;

    using namespace std::chrono;
    const sys_days epoch = sys_days{year{1899} / December / 30};
    const year_month_day date{epoch + std::chrono::days{dayNumber}};
    if (!date.ok() || int(date.year()) > 9999) return false;
    out.year = int(date.year());
    out.month = int(unsigned(date.month()));
    out.day = int(unsigned(date.day()));
    out.hour = int(seconds / 3600);
    out.minute = int(seconds / 60 % 60);
    out.second = int(seconds % 60);
    return true;
}

std::string formatDateTime(const OleDateTime& value, std::string_view pattern) {
    if (value.status == kDateTimeNull) return {};
    CalendarFields f{};
    if (value.status == kDateTimeInvalid || !toCalendarFields(value.days, f))
        return std::string(kInvalidDateTimeText);

    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 == pattern.size()) {
            out.push_back(pattern[i]);
            continue;
        }
        switch (pattern[++i]) {
            case 'Y': appendNumber(out, f.year, 4); break;
            case 'm': appendNumber(out, f.month, 2); break;
            case 'd': appendNumber(out, f.day, 2); break;
            case 'H': appendNumber(out, f.hour, 2); break;
            case 'M': appendNumber(out, f.minute, 2); break;
            case 'S': appendNumber(out, f.second, 2); break;
            case '%': out.push_back('%'); break;
            default:
                out.push_back('%');
                out.push_back(pattern[i]);
        }
    }
    return out;
}

}  // namespace engine

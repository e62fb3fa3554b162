// The host's OLE Automation date-time and the one rule by which the module turns it into text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Same layout as the host's value: a day count from 30 December 1899 (fraction = time of day)
// followed by a validity status.
struct OleDateTime {
    double days = 0.0;
    int32_t status = 0;
};

enum OleDateTimeStatus : int32_t { kDateTimeValid = 0, kDateTimeInvalid = 1, kDateTimeNull = 2 };

namespace engine {

inline constexpr std::string_view kInvalidDateTimeText = "Invalid DateTime";

struct CalendarFields {
    int year, month, day, hour, minute, second;
};

// False when the day count lies outside 1 January 100 .. 31 December 9999 or is not a number.
bool toCalendarFields(double days, CalendarFields& out);

// Formats with the strftime-style conversions %Y %m %d %H %M %S and %%; any other character
// is copied. Null status gives "", invalid status or an unrepresentable day count gives
// "Invalid DateTime".
std::string formatDateTime(const OleDateTime& value, std::string_view pattern);

// A null pointer is a null date-time.
inline OleDateTime copyDateTime(const OleDateTime* value) {
    return value ? *value : OleDateTime{0.0, kDateTimeNull};
}

}  // namespace engine

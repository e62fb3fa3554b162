// The date-time text rule: calendar conversion, status handling, the representable range.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/date_time.h"

namespace {

struct Case {
    double days;
    int32_t status;
    const char* pattern;
    const char* expected;
};

class DateTimeFormat : public ::testing::TestWithParam<Case> {};

TEST_P(DateTimeFormat, FormatsAsTheModuleDoes) {
    const Case& c = GetParam();
    EXPECT_EQ(engine::formatDateTime({c.days, c.status}, c.pattern), c.expected);
}

constexpr double kHour = 1.0 / 24;
constexpr double kSecond = 1.0 / 86400;

INSTANTIATE_TEST_SUITE_P(
    Cases, DateTimeFormat,
    ::testing::Values(
        Case{40000.5, 0, "%Y-%m-%d %H%M", "2009-07-06 1200"},
        Case{40183, 0, "%d_%m_%Y", "05_01_2010"},
        Case{40182 + 13.5 * kHour, 0, "%d.%m|%Y|%H:%M", "04.01|2010|13:30"},
        Case{0.0, 0, "%Y-%m-%d %H%M", "1899-12-30 0000"},
        // Before the epoch the fraction still counts forward from midnight.
        Case{-1.25, 0, "%Y-%m-%d %H%M", "1899-12-29 0600"},
        // Seconds are rounded before the minute is taken, carrying into the next day.
        Case{40000 + 12 * kHour + 29 * 60 * kSecond + 59.6 * kSecond, 0, "%H%M", "1230"},
        Case{40000 + 86399.6 * kSecond, 0, "%Y-%m-%d %H%M", "2009-07-07 0000"},
        Case{-657434.0, 0, "%Y-%m-%d", "0100-01-01"},
        Case{2958465.5, 0, "%Y-%m-%d %H%M", "9999-12-31 1200"},
        Case{40000.0, 0, "100%% %Q", "100% %Q"},
        Case{40000.5, 2, "%Y", ""},
        Case{40000.5, 1, "%Y", "Invalid DateTime"},
        Case{-657435.0, 0, "%Y", "Invalid DateTime"},
        Case{2958466.0, 0, "%Y", "Invalid DateTime"},
        Case{1e300, 0, "%Y", "Invalid DateTime"},
        Case{std::numeric_limits<double>::quiet_NaN(), 0, "%Y", "Invalid DateTime"},
        Case{-std::numeric_limits<double>::infinity(), 0, "%Y", "Invalid DateTime"},
        // Statuses other than invalid and null are formatted.
        Case{40000.5, 7, "%Y", "2009"}));

TEST(DateTimeCopy, NullPointerIsANullDateTime) {
    const OleDateTime copied = engine::copyDateTime(nullptr);
    EXPECT_EQ(copied.status, kDateTimeNull);
    EXPECT_EQ(engine::formatDateTime(copied, "%Y"), "");
    const OleDateTime value{123.0, kDateTimeInvalid};
    EXPECT_EQ(engine::copyDateTime(&value).days, 123.0);
    EXPECT_EQ(engine::copyDateTime(&value).status, kDateTimeInvalid);
}

}  // namespace

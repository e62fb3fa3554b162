// Contest word lists, the province and Polish tests, normalise and the exchange check.
#include <gtest/gtest.h>

#include "engine/contest_rules.h"
#include "platform/services.h"

namespace {

using engine::bandList;
using engine::modeList;

TEST(ContestLists, HoldTheirFixedEntriesInOrder) {
    ASSERT_EQ(bandList().count(), 6u);
    const char* bands[] = {"80m", "80m", "40m", "20m", "15m", "10m"};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(bandList().at(i), bands[i]) << i;
    ASSERT_EQ(modeList().count(), 1u);
    EXPECT_EQ(modeList().at(0), "BPSK63");
}

TEST(ContestLists, ContainsIgnoresCaseButComparesWhole) {
    EXPECT_TRUE(bandList().contains("80m"));
    EXPECT_TRUE(bandList().contains("80M"));
    EXPECT_TRUE(bandList().contains("40M"));
    EXPECT_FALSE(bandList().contains("80m "));
    EXPECT_FALSE(bandList().contains("160m"));
    EXPECT_FALSE(bandList().contains("0m"));
    EXPECT_FALSE(bandList().contains(""));
    EXPECT_TRUE(modeList().contains("BPSK63"));
    EXPECT_TRUE(modeList().contains("bpsk63"));
    EXPECT_FALSE(modeList().contains("BPSK31"));
    const std::string_view none[] = {"x"};
    EXPECT_FALSE(engine::CContestRules(none, 0).contains("x"));
}

TEST(ContestTests, PolishProvinceAndRussianPrefixAreExact) {
    EXPECT_TRUE(engine::isPolish("SP"));
    for (const char* p : {"sp", "SP9", " SP", "S", ""}) EXPECT_FALSE(engine::isPolish(p)) << p;
    for (const char* code : {"B", "C", "D", "F", "G", "J", "K", "L", "M", "O", "P", "R", "S", "U", "W", "Z"})
        EXPECT_TRUE(engine::isProvince(code)) << code;
    for (const char* code : {"A", "E", "b", "BB", "", " B"}) EXPECT_FALSE(engine::isProvince(code)) << code;
    for (const char* p : {"UA", "UA2", "UA9", "CE9/KC4", "UR", "UN", "EU"}) EXPECT_TRUE(engine::isRussianPrefix(p));
    for (const char* p : {"ua9", "DL", "UA3", ""}) EXPECT_FALSE(engine::isRussianPrefix(p)) << p;
}

TEST(ContestTests, NormaliseUpperCasesAndTrims) {
    EXPECT_EQ(engine::normalise(" w "), "W");
    EXPECT_EQ(engine::normalise("w\t"), "W");
    EXPECT_EQ(engine::normalise("\r\n\v\f k x \n"), "K X");
    EXPECT_EQ(engine::normalise(""), "");
    EXPECT_EQ(engine::normalise("   "), "");
    // Bytes outside ASCII stay as they are.
    EXPECT_EQ(engine::normalise("\xB9z"), "\xB9Z");
}

struct ExchangeCase {
    const char* exchange;
    const char* prefix;
    int expected;
};

class ExchangeCheck : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(ExchangeCheck, JudgesTheReceivedExchange) {
    const auto& c = GetParam();
    EXPECT_EQ(engine::isValidExchange(c.exchange, c.prefix), c.expected) << '"' << c.exchange << "\" " << c.prefix;
}

INSTANTIATE_TEST_SUITE_P(Cases, ExchangeCheck,
                         ::testing::Values(ExchangeCase{"w", "SP", 1}, ExchangeCase{" W ", "SP", 1},
                                           ExchangeCase{"W\t", "SP", 1}, ExchangeCase{"A", "SP", 0},
                                           ExchangeCase{"BB", "SP", 0}, ExchangeCase{"", "SP", 0},
                                           ExchangeCase{"123", "SP", 0}, ExchangeCase{"B", "sp", 0},
                                           ExchangeCase{"123", "sp", 1}, ExchangeCase{"B", "SP9", 0},
                                           ExchangeCase{"123", "SP9", 1}, ExchangeCase{"001", "DL", 1},
                                           ExchangeCase{"0599", "DL", 1}, ExchangeCase{"599", "DL", 0},
                                           ExchangeCase{"12", "DL", 0}, ExchangeCase{"12345", "DL", 0},
                                           ExchangeCase{"12a", "DL", 0}, ExchangeCase{" 123", "DL", 0},
                                           ExchangeCase{"9999", "", 1}, ExchangeCase{"", "", 0}));

TEST(SettingsNumbers, LeadingDigitsOnly) {
    EXPECT_EQ(platform::parseLeadingInt("1"), 1);
    EXPECT_EQ(platform::parseLeadingInt("  -1280xyz"), -1280);
    EXPECT_EQ(platform::parseLeadingInt("+42"), 42);
    EXPECT_EQ(platform::parseLeadingInt(""), 0);
    EXPECT_EQ(platform::parseLeadingInt("abc"), 0);
    EXPECT_EQ(platform::parseLeadingInt("- 5"), 0);
    EXPECT_EQ(platform::parseLeadingInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(platform::parseLeadingInt("-99999999999999999999"), -2147483647 - 1);
}

}  // namespace

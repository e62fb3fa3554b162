// A small multi-band log replayed through the real DLL: the error report's bytes, the result
// text and the "Claimed" key in the real settings file.
#include <gtest/gtest.h>

#include "tests/wine/plugin_fixture.h"
#include "tools/host/session_log.h"

namespace {

using wine_test::PluginTest;

constexpr char kReport[] = "RurorUZEDEZU63_06_12_2026.txt";

tovu::Qso qso(const char* call, const char* band, const char* prefix, const char* continent, const char* exchRcvd,
              int minute, uint32_t hz) {
    tovu::Qso q;
    q.ownCall = "SP7QQA";
    q.call = call;
    q.band = band;
    q.prefix = prefix;
    q.continent = continent;
    q.exchRcvd = exchRcvd;
    q.exchSent = "0" + std::to_string(10 + minute);
    q.time = {tovu::oleDate(2026, 12, 5, 12, minute), kDateTimeValid};
    q.frequencyHz = hz;
    return q;
}

class Scoring : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        DeleteFileA(kReport);
        station.ownCall = "SP7QQA";
        station.periodStart = {tovu::oleDate(2026, 12, 5, 12, 0), kDateTimeValid};
        station.periodEnd = {tovu::oleDate(2026, 12, 6, 12, 0), kDateTimeValid};
    }
    void TearDown() override {
        PluginTest::TearDown();
        DeleteFileA(kReport);
    }
    tovu::Recount station;
};

TEST_F(Scoring, ReplayedLogGivesReportResultAndClaimedKey) {
    ASSERT_EQ(plugin.resetStats(station), 1);
    EXPECT_EQ(wine_test::readFile(kReport), "Polska WW BPSK 63 Contest UBN file \r\n");

    EXPECT_EQ(plugin.addData(qso("DL1AAA", "40m", "DL", "EU", "101", 1, 7040100)), 1);
    EXPECT_EQ(plugin.addData(qso("SP9BBB", "40m", "SP", "EU", " k", 2, 7041999)), 1);
    EXPECT_EQ(plugin.addData(qso("SP9CCC", "40m", "SP", "EU", "5", 3, 7042000)), 1);     // no province
    EXPECT_EQ(plugin.addData(qso("DL1AAA", "40m", "DL", "EU", "101", 4, 7040100)), 1);   // dupe
    EXPECT_EQ(plugin.addData(qso("W1DDD", "20m", "W", "NA", "250", 5, 14070000)), 1);
    EXPECT_EQ(plugin.addData(qso("DL1AAA", "20m", "DL", "EU", "101", 6, 14071000)), 1);  // new band: no dupe
    EXPECT_EQ(plugin.addData(qso("OK1EEE", "160m", "OK", "EU", "300", 7, 1838000)), 0);  // no contest band
    EXPECT_EQ(plugin.addData(qso("SP9BBB", "80m", "SP", "EU", "K", 8, 3580000)), 1);
    auto removed = qso("W1DDD", "20m", "W", "NA", "250", 5, 14070000);
    EXPECT_EQ(plugin.removeData(removed), 1);

    EXPECT_EQ(wine_test::readFile(kReport),
              "Polska WW BPSK 63 Contest UBN file \r\n"
              "QSO:  7042 RY 2026-12-05 1203  SP7QQA  599  013  SP9CCC  599  5   NO POLAND PROVINCE !!!\r\n"
              "QSO:  7040 RY 2026-12-05 1204  SP7QQA  599  014  DL1AAA  599  101   DUPE !!!\r\n"
              "QSO:  1838  BPSK63  2026-12-05 1207  SP7QQA  599  017  OK1EEE  599  300   NO CONTEST BAND !!!\r\n");

    int32_t flag = 77;
    const std::string result = plugin.getResult(&flag);
    EXPECT_EQ(flag, 77);
    // 40m: DL1AAA 2 points, SP9BBB 1 point (own prefix); 20m: DL1AAA 2; 80m: SP9BBB 1.
    EXPECT_EQ(result,
              "   \tPolska WW BPSK 63 Contest 05.12-06.12.2026 \r\n\t\tContestant: SP7QQA\r\n"
              "\tQSOs\tPoints\tDXCC\tProv\r\n"
              "80m\t 1\t  1\t   1\t  1\r\n"
              "40m\t 2\t  3\t   2\t  1\r\n"
              "20m\t 1\t  2\t   1\t  0\r\n"
              "Total\t 4\t  6\t   4\t  2\r\n"
              "Score\t 6 x (4 + 2) = 36\r\n");
    EXPECT_EQ(wine_test::setting("Claimed"), "36");
    EXPECT_EQ(wine_test::setting("Start"), "1");
}

TEST_F(Scoring, CallCheckAnswersThroughTheRealDll) {
    plugin.resetStats(station);
    plugin.addData(qso("DL1AAA", "40m", "DL", "EU", "101", 1, 7040100));
    const struct {
        tovu::CallCheck check;
        int expected;
    } cases[] = {{{"DL1AAA", "BPSK63", "DL", "40m", "40m"}, 0},
                 {{"DL2BBB", "BPSK63", "DL", "40m", "40M"}, 1},
                 {{"OK1CCC", "BPSK63", "OK", "40m", "40m"}, 2},
                 {{"DL1AAA", "BPSK63", "DL", "20m", "20m"}, 2},
                 {{"DL1AAA", "BPSK63", "DL", "40m", "20m"}, 4},
                 {{"DL1AAA", "BPSK31", "DL", "40m", "40m"}, 4},
                 {{"DL1AAA", "BPSK63", "", "40m", "40m"}, 1}};
    for (const auto& c : cases) EXPECT_EQ(plugin.checkCall(c.check), c.expected) << c.check.call << " " << c.check.band;
}

TEST_F(Scoring, EmptyLogResultAndOneLineReport) {
    plugin.resetStats(station);
    const std::string result = plugin.getResult(nullptr);
    EXPECT_NE(result.find("\r\nTotal\t 0\t  0\t   0\t  0\r\nScore\t 0 x (0 + 0) = 0\r\n"), std::string::npos);
    EXPECT_EQ(wine_test::setting("Claimed"), "0");
    EXPECT_EQ(wine_test::readFile(kReport), "Polska WW BPSK 63 Contest UBN file \r\n");
}

}  // namespace

// Logging and deleting QSOs (entry rules, report lines byte for byte) and the call check.
#include <gtest/gtest.h>

#include "engine/logging.h"
#include "engine/recount.h"
#include "tests/native/fake_platform.h"

namespace {

constexpr char kReport[] = "report.txt";
const OleDateTime kTime{40000.5 + 5.0 / 1440, kDateTimeValid};  // 2009-07-06 12:05

class Logging : public ::testing::Test {
protected:
    Logging() { state.ReportPath = kReport; }

    engine::QsoArgs qso(std::string_view call, std::string_view band = "40m") {
        engine::QsoArgs q;
        q.ownCall = "SP5ZZZ";
        q.call = call;
        q.qsoTime = kTime;
        q.frequencyHz = 7040999;
        q.mode = "BPSK63";
        q.rstSent = "599";
        q.rstRcvd = "599";
        q.exchSent = "001";
        q.exchRcvd = "123";
        q.prefix = "DL";
        q.continent = "EU";
        q.band = band;
        return q;
    }
    int add(const engine::QsoArgs& q) { return engine::addQso(state, platform.files, q); }
    std::string report() const { return platform.files.contents(kReport); }

    fake::Platform platform;
    engine::ContestState state;
};

TEST_F(Logging, DupesAreStoredFlaggedWithOneLinePerEarlierRecord) {
    EXPECT_EQ(add(qso("DL1ABC")), 1);
    EXPECT_EQ(report(), "");
    EXPECT_EQ(add(qso("DL1ABC")), 1);
    const std::string dupe = "QSO:  7040 RY 2009-07-06 1205  SP5ZZZ  599  001  DL1ABC  599  123   DUPE !!!\r\n";
    EXPECT_EQ(report(), dupe);
    EXPECT_EQ(add(qso("DL1ABC")), 1);
    EXPECT_EQ(report(), dupe + dupe + dupe);

    ASSERT_EQ(state.log.count(), 3u);
    EXPECT_EQ(state.log.at(0).Flagged, 0);
    EXPECT_EQ(state.log.at(1).Flagged, 1);
    EXPECT_EQ(state.log.at(2).Flagged, 1);
    // Frequencies are truncated to the kHz below.
    EXPECT_EQ(state.log.at(0).FreqKHz, 7040);
}

TEST_F(Logging, OtherBandOrOtherLetterCaseIsNoDupe) {
    add(qso("DL1ABC", "40m"));
    add(qso("DL1ABC", "20m"));
    add(qso("dl1abc", "40m"));
    add(qso("DL1ABC", "40M"));  // accepted: the band check ignores case
    auto otherMode = qso("DL1ABC", "40m");
    otherMode.mode = "bpsk63";
    add(otherMode);
    EXPECT_EQ(report(), "");
    ASSERT_EQ(state.log.count(), 5u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(state.log.at(i).Flagged, 0) << i;
    ASSERT_EQ(state.bandsWorked.count(), 3u);
    EXPECT_EQ(state.bandsWorked.at(2), "40M");
}

TEST_F(Logging, RefusalsWriteTheirLineInRuleOrderAndStoreNothing) {
    struct Case {
        std::string band, mode, exchSent, exchRcvd, message;
    } cases[] = {
        {"160m", "BPSK63", "001", "123", "   NO CONTEST BAND !!!"},
        {"160m", "RTTY", "", "", "   NO CONTEST BAND !!!"},
        {"40m", "BPSK31", "", "123", "   NO TEST MODE !!!"},
        {"40m", "BPSK63", "", "123", "   NO RX NUMBER !!!"},
        {"40m", "BPSK63", "001", "", "   NO RX NUMBER !!!"},
    };
    std::string expected;
    for (const Case& c : cases) {
        auto q = qso("OK1XYZ", c.band);
        q.mode = c.mode;
        q.exchSent = c.exchSent;
        q.exchRcvd = c.exchRcvd;
        EXPECT_EQ(add(q), 0) << c.message;
        expected += "QSO:  7040  " + c.mode + "  2009-07-06 1205  SP5ZZZ  599  " + c.exchSent + "  OK1XYZ  599  " +
                    c.exchRcvd + c.message + "\r\n";
    }
    EXPECT_EQ(report(), expected);
    EXPECT_EQ(state.log.count(), 0u);
    EXPECT_EQ(state.bandsWorked.count(), 0u);
}

TEST_F(Logging, PolishStationsNeedAProvince) {
    auto withProvince = qso("SP9AAA");
    withProvince.prefix = "SP";
    withProvince.exchRcvd = " k";
    EXPECT_EQ(add(withProvince), 1);
    EXPECT_EQ(state.log.at(0).Province, "K");
    EXPECT_EQ(state.log.at(0).ExchRcvd, " k");
    EXPECT_EQ(state.log.at(0).Flagged, 0);

    // No province, and a dupe of nothing: one province line; then a dupe: province line first.
    auto without = qso("SP9BBB");
    without.prefix = "SP";
    without.exchRcvd = "5";
    EXPECT_EQ(add(without), 1);
    EXPECT_EQ(add(without), 1);
    const std::string province = "QSO:  7040 RY 2009-07-06 1205  SP5ZZZ  599  001  SP9BBB  599  5   NO POLAND PROVINCE !!!\r\n";
    const std::string dupe = "QSO:  7040 RY 2009-07-06 1205  SP5ZZZ  599  001  SP9BBB  599  5   DUPE !!!\r\n";
    EXPECT_EQ(report(), province + province + dupe);
    EXPECT_EQ(state.log.at(1).Flagged, 1);
    EXPECT_EQ(state.log.at(1).Province, "");

    // Not Polish: no province test at all.
    auto foreign = qso("OK1AAA");
    foreign.exchRcvd = "K";
    add(foreign);
    EXPECT_EQ(state.log.at(3).Province, "");
    EXPECT_EQ(state.log.at(3).Flagged, 0);
}

TEST_F(Logging, ReportLinesUseTheDateTimeRuleAndRawTexts) {
    auto q = qso("DL1ABC", "160m");
    q.qsoTime = {0, kDateTimeNull};
    q.frequencyHz = 999;
    add(q);
    q.qsoTime = {0, kDateTimeInvalid};
    q.exchRcvd = " 12 ";
    add(q);
    EXPECT_EQ(report(),
              "QSO:  0  BPSK63    SP5ZZZ  599  001  DL1ABC  599  123   NO CONTEST BAND !!!\r\n"
              "QSO:  0  BPSK63  Invalid DateTime  SP5ZZZ  599  001  DL1ABC  599   12    NO CONTEST BAND !!!\r\n");
}

TEST_F(Logging, WithoutAReportFileEverythingButTheLinesHappens) {
    state.ReportPath.clear();
    add(qso("DL1ABC"));
    EXPECT_EQ(add(qso("DL1ABC")), 1);
    EXPECT_EQ(add(qso("DL1ABC", "160m")), 0);
    EXPECT_EQ(state.log.at(1).Flagged, 1);
    EXPECT_EQ(platform.files.opens, 0);

    state.ReportPath = kReport;
    platform.files.unwritable.push_back(kReport);
    EXPECT_EQ(add(qso("DL1ABC")), 1);
    EXPECT_EQ(state.log.count(), 3u);
}

TEST_F(Logging, ReportFileIsOpenedOnEveryCallEvenWithoutLines) {
    EXPECT_FALSE(platform.files.exists(kReport));
    add(qso("DL1ABC"));
    EXPECT_TRUE(platform.files.exists(kReport));
    EXPECT_EQ(platform.files.opens, 1);
}

TEST_F(Logging, RemoveTakesTheFirstMatchAndAlwaysAnswersOne) {
    EXPECT_EQ(engine::removeQso(state, "DL1ABC", "40m"), 1);  // empty log
    add(qso("DL1ABC"));
    add(qso("DL1ABC"));
    EXPECT_EQ(engine::removeQso(state, "DL1ABC", "40m"), 1);
    ASSERT_EQ(state.log.count(), 1u);
    EXPECT_EQ(state.log.at(0).Flagged, 1);
    EXPECT_EQ(state.bandsWorked.count(), 1u);
    EXPECT_EQ(engine::removeQso(state, "DL1ABC", "20m"), 1);
    EXPECT_EQ(state.log.count(), 1u);
}

struct CallCheckCase {
    const char* name;
    const char* call;
    const char* mode;
    const char* prefix;
    const char* band;
    const char* bandCheck;
    int expected;
};

class CallCheck : public Logging, public ::testing::WithParamInterface<CallCheckCase> {};

TEST_P(CallCheck, AnswersWhatTheCallIsWorth) {
    // Log: DL1ABC on 40m (marked as a dupe once).
    add(qso("DL1ABC"));
    add(qso("DL1ABC"));
    const auto& c = GetParam();
    engine::CallCheckArgs a;
    a.call = c.call;
    a.mode = c.mode;
    a.prefix = c.prefix;
    a.band = c.band;
    a.bandCheck = c.bandCheck;
    EXPECT_EQ(engine::checkCall(state, a), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CallCheck,
    ::testing::Values(CallCheckCase{"dupe", "DL1ABC", "BPSK63", "DL", "40m", "40m", 0},
                      CallCheckCase{"dupeAnyMode", "DL1ABC", "bpsk63", "DL", "40m", "40m", 0},
                      CallCheckCase{"newBand", "DL1ABC", "BPSK63", "DL", "20m", "20m", 2},
                      CallCheckCase{"samePrefix", "DL2XYZ", "BPSK63", "DL", "40m", "40m", 1},
                      CallCheckCase{"newPrefix", "OK1XYZ", "BPSK63", "OK", "40m", "40m", 2},
                      CallCheckCase{"otherCase", "dl1abc", "BPSK63", "DL", "40m", "40m", 1},
                      CallCheckCase{"bandCheckCase", "DL1ABC", "BPSK63", "DL", "40m", "40M", 0},
                      CallCheckCase{"bandDisagrees", "DL1ABC", "BPSK63", "DL", "40m", "20m", 4},
                      CallCheckCase{"bandCheckEmpty", "DL1ABC", "BPSK63", "DL", "40m", "", 4},
                      CallCheckCase{"bandCheckNull", "DL1ABC", "BPSK63", "DL", "40m", nullptr, 0},
                      CallCheckCase{"bandNull", "DL1ABC", "BPSK63", "DL", nullptr, "40m", 4},
                      CallCheckCase{"band160", "DL1ABC", "BPSK63", "DL", "160m", "160m", 4},
                      CallCheckCase{"mode", "DL1ABC", "BPSK31", "DL", "40m", "40m", 4},
                      CallCheckCase{"emptyPrefixBeforeDupe", "DL1ABC", "BPSK63", "", "40m", "40m", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Recount, ReportNameAndStartRule) {
    EXPECT_EQ(engine::reportPathFor({40183, kDateTimeValid}), "RurorUZEDEZU63_05_01_2010.txt");
    fake::Platform platform;
    engine::ContestState state;
    platform.files.put("RurorUZEDEZU63_05_01_2010.txt", "old lines\r\n");
    engine::startReport(state, platform.files, {40183, kDateTimeValid});
    EXPECT_EQ(state.ReportPath, "RurorUZEDEZU63_05_01_2010.txt");
    EXPECT_EQ(platform.files.contents(state.ReportPath), "Polska WW BPSK 63 Contest UBN file \r\n");

    EXPECT_FALSE(engine::decideStart(1, false).startWindow);
    EXPECT_STREQ(engine::decideStart(1, true).newValue, "0");
    EXPECT_TRUE(engine::decideStart(0, false).startWindow);
    EXPECT_STREQ(engine::decideStart(0, false).newValue, "1");
    EXPECT_FALSE(engine::decideStart(0, true).startWindow);
    EXPECT_EQ(engine::decideStart(0, true).newValue, nullptr);
}

TEST(Recount, TakesOverStationPeriodAndRows) {
    engine::ContestState state;
    state.log.append({});
    state.bandsWorked.addIfAbsent("40m");
    engine::beginRecount(state, {"UA9XX", "UA9", "AS"}, {40182, kDateTimeValid}, {40183.5, kDateTimeValid});
    EXPECT_EQ(state.PeriodStartText, "04.01");
    EXPECT_EQ(state.ContestYear, "2010");
    EXPECT_EQ(state.PeriodEndText, "05.01.2010");
    EXPECT_EQ(state.log.count(), 0u);
    EXPECT_EQ(state.bandsWorked.count(), 0u);
    EXPECT_EQ(state.OwnCall, "UA9XX");
    EXPECT_EQ(state.OwnContinent, "AS");
    EXPECT_EQ(state.RussianCaptions, 1);
    const std::vector<std::string> row80 = {"80m", "-", "-", "-", "-"};
    EXPECT_EQ(state.workedBeforeRows[0], row80);
    EXPECT_EQ(state.workedBeforeRows[1], row80);
    EXPECT_EQ(state.workedBeforeRows[5][0], "10m");

    engine::beginRecount(state, {"DL1AA", "DL", "EU"}, {}, {});
    EXPECT_EQ(state.RussianCaptions, 1);  // never cleared
    engine::ContestState lower;
    engine::beginRecount(lower, {"x", "ua9", "AS"}, {}, {});
    EXPECT_EQ(lower.RussianCaptions, 0);
}

}  // namespace

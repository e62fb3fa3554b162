// Result summary: rows, points classes, per-band multipliers, sort, score and slot lists.
#include <gtest/gtest.h>

#include "output/result_summary.h"

namespace {

const std::string kHeading =
    "   \tPolska WW BPSK 63 Contest 04.01-05.01.2010 \r\n\t\tContestant: SP5ZZZ\r\n\tQSOs\tPoints\tDXCC\tProv\r\n";

class ResultSummary : public ::testing::Test {
protected:
    ResultSummary() {
        contest.OwnCall = "SP5ZZZ";
        contest.OwnPrefix = "SP";
        contest.OwnContinent = "EU";
        contest.PeriodStartText = "04.01";
        contest.PeriodEndText = "05.01.2010";
    }
    void log(std::string call, std::string band, std::string prefix, std::string continent,
             std::string province = "", int flagged = 0) {
        engine::CInfo r;
        r.Call = std::move(call);
        r.Band = band;
        r.Prefix = std::move(prefix);
        r.Continent = std::move(continent);
        r.Province = std::move(province);
        r.Flagged = flagged;
        contest.bandsWorked.addIfAbsent(band);
        contest.log.append(std::move(r));
    }
    std::string build() {
        output::buildResult(result, contest);
        return result.ResultText;
    }
    engine::ContestState contest;
    output::ResultState result;
};

TEST_F(ResultSummary, EmptyLogGivesHeadingTotalAndScoreLine) {
    result.BandPrefixes[2] = {"kept"};
    EXPECT_EQ(build(), kHeading + "Total\t 0\t  0\t   0\t  0\r\nScore\t 0 x (0 + 0) = 0\r\n");
    EXPECT_EQ(result.ClaimedScore, 0);
    EXPECT_EQ(result.BandPrefixes[2], std::vector<std::string>{"kept"});
}

TEST_F(ResultSummary, PointsClassesMultipliersAndRowLayout) {
    log("SP9AAA", "40m", "SP", "AS", "K");  // own prefix: 1 point whatever the continent
    log("SP9BBB", "40m", "SP", "EU", "K");  // same province again: no new multiplier
    log("DL1AAA", "40m", "DL", "EU");       // own continent: 2
    log("W1AAA", "40m", "K", "NA");         // other: 3
    log("W1AAA", "40m", "K", "NA", "", 1);  // flagged: not counted
    log("", "40m", "ZZ", "NA");             // empty call: not counted
    log("DL1AAA", "20m", "DL", "EU");       // the same prefix counts again on another band
    log("SP9AAA", "20m", "SP", "EU", "K");
    EXPECT_EQ(build(), kHeading +
                           "40m\t 4\t  7\t   3\t  1\r\n"
                           "20m\t 2\t  3\t   2\t  1\r\n"
                           "Total\t 6\t  10\t   5\t  2\r\n"
                           "Score\t 10 x (5 + 2) = 70\r\n");
    EXPECT_EQ(result.ClaimedScore, 70);
    EXPECT_EQ(result.BandPrefixes[2], (std::vector<std::string>{"SP", "DL", "K"}));
    EXPECT_EQ(result.BandProvinces[2], std::vector<std::string>{"K"});
    EXPECT_EQ(result.BandPrefixes[3], (std::vector<std::string>{"DL", "SP"}));
}

TEST_F(ResultSummary, EmptyPrefixIsAMultiplierEmptyProvinceIsNot) {
    log("X1X", "15m", "", "EU");
    log("X2X", "15m", "", "EU");
    build();
    EXPECT_EQ(result.BandPrefixes[4], std::vector<std::string>{""});
    EXPECT_TRUE(result.BandProvinces[4].empty());
    EXPECT_NE(result.ResultText.find("15m\t 2\t  4\t   1\t  0\r\n"), std::string::npos);
}

TEST_F(ResultSummary, BandsAreSortedLongestWavelengthFirstAndStaySo) {
    for (const char* band : {"20m", "10m", "80m", "160m", "40m", "15m"}) log("A1A", band, "DL", "EU");
    build();
    EXPECT_EQ(contest.bandsWorked.entries(), (std::vector<std::string>{"160m", "80m", "40m", "20m", "15m", "10m"}));
    const size_t p80 = result.ResultText.find("80m\t"), p40 = result.ResultText.find("40m\t"),
                 p20 = result.ResultText.find("20m\t");
    EXPECT_LT(p80, p40);
    EXPECT_LT(p40, p20);
}

TEST_F(ResultSummary, SortKeyIsZeroPaddedAndComparedUnsigned) {
    // Shorter names get more leading zeros; a byte above 0x7F is greater than any ASCII byte.
    std::vector<std::string> bands = {"4m", "40m", "\xE9m", "40M", "Am", "abcdefghijklmnopqrstuvwxyz", "20m"};
    output::sortBandsWorked(bands);
    EXPECT_EQ(bands, (std::vector<std::string>{"abcdefghijklmnopqrstuvwxyz", "40m", "40M", "20m", "\xE9m", "Am", "4m"}));
}

TEST_F(ResultSummary, BandWithoutCountedRecordsGetsZeroRowAndEmptiedLists) {
    result.BandPrefixes[2] = {"old"};
    result.BandProvinces[2] = {"K"};
    result.BandPrefixes[5] = {"untouched"};
    log("A1A", "40m", "DL", "EU", "", 1);
    EXPECT_EQ(build(), kHeading + "40m\t 0\t  0\t   0\t  0\r\nTotal\t 0\t  0\t   0\t  0\r\nScore\t 0 x (0 + 0) = 0\r\n");
    EXPECT_TRUE(result.BandPrefixes[2].empty());
    EXPECT_TRUE(result.BandProvinces[2].empty());
    EXPECT_EQ(result.BandPrefixes[5], std::vector<std::string>{"untouched"});
}

TEST_F(ResultSummary, BandNamingNoSlotGetsItsRowButLeavesEveryListAlone) {
    log("A1A", "80m", "DL", "EU");
    log("B1B", "40M", "OK", "EU");
    build();
    EXPECT_NE(result.ResultText.find("40M\t 1\t  2\t   1\t  0\r\n"), std::string::npos);
    EXPECT_EQ(result.BandPrefixes[1], std::vector<std::string>{"DL"});
    for (int slot : {0, 2, 3, 4, 5}) EXPECT_TRUE(result.BandPrefixes[slot].empty()) << slot;
}

TEST_F(ResultSummary, SuccessiveCallsGiveTheSameText) {
    log("A1A", "40m", "DL", "EU");
    log("B1B", "20m", "OK", "EU");
    const std::string first = build();
    EXPECT_EQ(build(), first);
}

TEST_F(ResultSummary, ScoreIsClampedInsteadOfOverflowing) {
    // 30000 three-point QSOs with 30000 distinct prefixes: 90000 x 30000 = 2.7e9 > INT32_MAX.
    for (int i = 0; i < 30000; ++i) log("C" + std::to_string(i), "40m", "P" + std::to_string(i), "NA");
    build();
    EXPECT_EQ(result.ClaimedScore, 2147483647);
    EXPECT_NE(result.ResultText.find("Score\t 90000 x (30000 + 0) = 2147483647\r\n"), std::string::npos);
}

TEST(BandSlot, ExactCaseSensitiveTable) {
    EXPECT_EQ(output::bandSlot("160m"), 0);
    EXPECT_EQ(output::bandSlot("80m"), 1);
    EXPECT_EQ(output::bandSlot("10m"), 5);
    EXPECT_EQ(output::bandSlot("40M"), -1);
    EXPECT_EQ(output::bandSlot(""), -1);
}

}  // namespace

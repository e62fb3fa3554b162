// Cabrillo writer: QSO line columns, header lines, host version and file handling.
#include <gtest/gtest.h>

#include "output/cabrillo_log.h"
#include "tests/native/fake_platform.h"

namespace {

const OleDateTime kTime{40182 + 13.5 / 24, kDateTimeValid};  // 2010-01-04 13:30

struct LineCase {
    const char* name;
    int32_t freq;
    const char* mode;
    OleDateTime time;
    const char* callsign;
    const char* call;
    const char* exchRcvd;
    const char* expected;
};

class CabrilloLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(CabrilloLine, Columns) {
    const auto& c = GetParam();
    output::CabrilloLog log;
    log.Callsign = c.callsign;
    log.AddQsoLine(c.call, c.freq, c.mode, c.time, "599", "001", "599", c.exchRcvd);
    ASSERT_EQ(log.QsoLines.size(), 1u);
    EXPECT_EQ(log.QsoLines[0], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CabrilloLine,
    ::testing::Values(
        LineCase{"fourDigits", 7040, "RY", kTime, "SP5ZZZ", "DL1ABC", "123",
                 "QSO:  7040 RY 2010-01-04 1330 SP5ZZZ        599 001    DL1ABC        599 123\r\n"},
        LineCase{"fiveDigits", 14070, "RY", kTime, "SP5ZZZ", "DL1ABC", "123",
                 "QSO: 14070 RY 2010-01-04 1330 SP5ZZZ        599 001    DL1ABC        599 123\r\n"},
        LineCase{"sixDigits", 144070, "??", kTime, "SP5ZZZ", "DL1ABC", "123",
                 "QSO: 144070 ?? 2010-01-04 1330 SP5ZZZ        599 001    DL1ABC        599 123\r\n"},
        LineCase{"longCall", 7040, "RY", kTime, "SP5ZZZ/MM/QRPP", "DL1ABC/P/MM/QRP", "123",
                 "QSO:  7040 RY 2010-01-04 1330 SP5ZZZ/MM/QRPP 599 001    DL1ABC/P/MM/QRP 599 123\r\n"},
        LineCase{"emptyExchange", 7040, "RY", kTime, "SP5ZZZ", "DL1ABC", "",
                 "QSO:  7040 RY 2010-01-04 1330 SP5ZZZ        599 001    DL1ABC        599 \r\n"},
        LineCase{"nullTime", 7040, "RY", {0, kDateTimeNull}, "SP5ZZZ", "DL1ABC", "123",
                 "QSO:  7040 RY  SP5ZZZ        599 001    DL1ABC        599 123\r\n"},
        LineCase{"invalidTime", 7040, "RY", {0, kDateTimeInvalid}, "SP5ZZZ", "DL1ABC", " k",
                 "QSO:  7040 RY Invalid DateTime SP5ZZZ        599 001    DL1ABC        599  k\r\n"},
        LineCase{"negativeFreq", -5, "RY", kTime, "", "", "1",
                 "QSO:    -5 RY 2010-01-04 1330               599 001                  599 1\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

class CabrilloFile : public ::testing::Test {
protected:
    CabrilloFile() {
        log.Callsign = "SP5ZZZ";
        log.FileBase = "SP5ZZZ";
        log.CategoryOperator = "SINGLE-OP";
        log.CategoryBand = "ALL";
        log.CategoryMode = "BPSK63";
        log.CategoryPower = "HIGH";
        log.Club = "PZK";
        log.Name = "Jan Kowalski";
        log.Address = "ul. Polna 1";
        log.AddressCity = "Warszawa";
        log.AddressPostalcode = "00-001";
        log.AddressCountry = "Poland";
        log.SoapBox = "first\r\nSOAPBOX: second";
        log.Email = "sp5zzz@example.org";
        // Held and edited but never written.
        log.Operators = "SP5ZZZ SP5YYY";
        log.Contest = "edited contest";
        log.Claimed = "999";
        log.CategoryTransmitter = "TWO";
    }
    std::string header(const std::string& createdBy, const std::string& address = "ADDRESS: ul. Polna 1\r\n") {
        return "START-OF-LOG: 3.0\r\nCONTEST: POLSKA WW BPSK63 CONTEST\r\nCALLSIGN: SP5ZZZ\r\n"
               "CATEGORY-OPERATOR: SINGLE-OP\r\nCATEGORY-BAND: ALL\r\nCATEGORY-MODE: BPSK63\r\n"
               "CATEGORY-POWER: HIGH\r\nCLAIMED-SCORE: -42\r\nCLUB: PZK\r\n" +
               createdBy + "NAME: Jan Kowalski\r\n" + address +
               "ADDRESS-CITY: Warszawa\r\nADDRESS-POSTALCODE: 00-001\r\nADDRESS-COUNTRY: Poland\r\n"
               "SOAPBOX: first\r\nSOAPBOX: second\r\nEMAIL: sp5zzz@example.org\r\n";
    }
    fake::Platform platform;
    output::CabrilloLog log;
};

TEST_F(CabrilloFile, WithoutQsosIsTheHeaderAndEndOfLog) {
    EXPECT_EQ(log.WriteLog(platform.files, -42), "File produced: SP5ZZZ.cbr");
    EXPECT_EQ(platform.files.contents("SP5ZZZ.cbr"), header("CREATED-BY: Tovu \r\n") + "END-OF-LOG:\r\n");
}

TEST_F(CabrilloFile, QsoLinesFollowTheHeaderAndRewritingTruncates) {
    log.AddQsoLine("DL1ABC", 7040, "RY", kTime, "599", "001", "599", "123");
    platform.files.put("SP5ZZZ.cbr", std::string(5000, 'x'));
    log.WriteLog(platform.files, -42);
    const std::string expected = header("CREATED-BY: Tovu \r\n") +
                                 "QSO:  7040 RY 2010-01-04 1330 SP5ZZZ        599 001    DL1ABC        599 123\r\n"
                                 "END-OF-LOG:\r\n";
    EXPECT_EQ(platform.files.contents("SP5ZZZ.cbr"), expected);
    log.WriteLog(platform.files, -42);
    EXPECT_EQ(platform.files.contents("SP5ZZZ.cbr"), expected);
}

TEST_F(CabrilloFile, MultiLineAddressGivesOneAddressLineEach) {
    log.Address = "ul. Polna 1\r\nm. 5\nPiętro 2";
    log.WriteLog(platform.files, -42);
    EXPECT_EQ(platform.files.contents("SP5ZZZ.cbr"),
              header("CREATED-BY: Tovu \r\n", "ADDRESS: ul. Polna 1\r\nADDRESS: m. 5\r\nADDRESS: Piętro 2\r\n") +
                  "END-OF-LOG:\r\n");
}

TEST_F(CabrilloFile, UnwritableFileStillGivesTheMessage) {
    log.FileBase = "NOVT";
    platform.files.unwritable.push_back("NOVT.cbr");
    EXPECT_EQ(log.WriteLog(platform.files, 0), "File produced: NOVT.cbr");
    EXPECT_FALSE(platform.files.exists("NOVT.cbr"));
}

TEST_F(CabrilloFile, HostVersionFromTheFirstMatchingExecutable) {
    auto& files = platform.files;
    EXPECT_EQ(output::hostVersionText(files), std::nullopt);

    files.executables = {"a.exe", "tovu.exe", "Tovu.exe", "XTovu3.exe"};
    files.versions["Tovu.exe"] = {(2u << 16) | 20u, 7u << 16};
    files.versions["XTovu3.exe"] = {(3u << 16) | 1u, 5u << 16};
    EXPECT_EQ(output::hostVersionText(files), "2.20");

    files.executables = {"XTovu3.exe", "Tovu.exe"};
    EXPECT_EQ(output::hostVersionText(files), "3.1.5");
    log.WriteLog(files, -42);
    EXPECT_EQ(platform.files.contents("SP5ZZZ.cbr"), header("CREATED-BY: Tovu 3.1.5\r\n") + "END-OF-LOG:\r\n");

    // The first match without a readable version ends the search.
    files.executables = {"MyTovu.exe", "Tovu.exe"};
    EXPECT_EQ(output::hostVersionText(files), std::nullopt);
}

}  // namespace

// The Cabrillo header dialog and the Cabrillo log through the real DLL: the operator's answers
// come from a watcher thread that reads and sets the dialog's controls by id.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <map>
#include <mutex>

#include "tests/wine/plugin_fixture.h"
#include "tools/host/dialog_watcher.h"
#include "tools/host/session_log.h"

namespace {

using wine_test::PluginTest;

constexpr char kTitle[] = "Polska WW BPSK63 Contest ";
const int kFieldIds[] = {1009, 1010, 1008, 1012, 1013, 1017, 1015, 1019, 1007, 1002, 1003, 1021, 1014, 1006, 1005, 1001, 1004};

// What the operator saw in one header dialog, by control id.
using Shown = std::map<int, std::string>;

// Answers header dialogs with `answer` (fill in, then OK or CANCEL) and message boxes with OK.
class Operator {
public:
    explicit Operator(std::function<void(HWND)> answer)
        : answer_(std::move(answer)), watcher_([this](HWND dialog) { return handle(dialog); }) {}

    std::vector<Shown> headers() {
        std::lock_guard<std::mutex> guard(lock_);
        return headers_;
    }
    std::vector<tovu::SeenDialog> boxes() { return watcher_.seen(); }
    std::vector<std::string> states(int id) {
        std::lock_guard<std::mutex> guard(lock_);
        return states_[id];
    }

private:
    tovu::DialogWatcher::Action handle(HWND dialog) {
        if (tovu::isMessageBox(dialog)) return tovu::DialogWatcher::pressOk(dialog);
        if (tovu::windowText(dialog) != kTitle) return nullptr;
        Shown shown;
        for (int id : kFieldIds) shown[id] = tovu::dialogItemText(dialog, id);
        {
            std::lock_guard<std::mutex> guard(lock_);
            headers_.push_back(shown);
            for (int id : {1017, 1019, 1006, 1119, 1106}) {
                HWND control = GetDlgItem(dialog, id);
                const LONG style = GetWindowLongA(control, GWL_STYLE);
                states_[id].push_back(std::string(IsWindowEnabled(control) ? "enabled" : "disabled") +
                                      ((style & ES_READONLY) && id == 1017 ? " read-only" : ""));
            }
        }
        return [this, dialog] { answer_(dialog); };
    }

    std::function<void(HWND)> answer_;
    std::mutex lock_;
    std::vector<Shown> headers_;
    std::map<int, std::vector<std::string>> states_;
    tovu::DialogWatcher watcher_;
};

void confirmWith(HWND dialog, const std::map<int, std::string>& texts, const char* categoryOperator) {
    for (const auto& [id, text] : texts) SetDlgItemTextA(dialog, id, text.c_str());
    if (categoryOperator)
        SendDlgItemMessageA(dialog, 1012, CB_SELECTSTRING, WPARAM(-1), reinterpret_cast<LPARAM>(categoryOperator));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

void cancel(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }

// The settings section as key=value lines, in file order.
std::string settingsSection() {
    char buffer[8192] = {};
    const DWORD n = GetPrivateProfileSectionA("Settings", buffer, sizeof buffer, wine_test::kSettingsFile);
    std::string lines;
    for (const char* p = buffer; p < buffer + n && *p; p += strlen(p) + 1) lines.append(p).append("\n");
    return lines;
}

class CabrilloLogTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        DeleteFileA("SP7QQA.cbr");
        station.cabrilloWanted = 1;
        station.ownCall = "SP7QQA";
        station.periodStart = {tovu::oleDate(2026, 12, 5, 12, 0), kDateTimeValid};
        station.periodEnd = {tovu::oleDate(2026, 12, 6, 12, 0), kDateTimeValid};
    }
    void TearDown() override {
        PluginTest::TearDown();
        DeleteFileA("SP7QQA.cbr");
        DeleteFileA("RurorUZEDEZU63_06_12_2026.txt");
    }
    void logQsos() {
        tovu::Qso q;
        q.ownCall = "SP7QQA";
        q.call = "DL1AAA";
        q.prefix = "DL";
        q.exchSent = "001";
        q.exchRcvd = "101";
        q.time = {tovu::oleDate(2026, 12, 5, 12, 1), kDateTimeValid};
        q.frequencyHz = 7040100;
        ASSERT_EQ(plugin.addData(q), 1);
        q.call = "SP9BBB";
        q.prefix = "SP";
        q.exchSent = "002";
        q.exchRcvd = "k";
        q.band = "20m";
        q.frequencyHz = 14070999;
        q.time = {tovu::oleDate(2026, 12, 5, 12, 2), kDateTimeValid};
        ASSERT_EQ(plugin.addData(q), 1);
    }
    tovu::Recount station;
};

const std::map<int, std::string> kStation = {
    {1007, "Jan Nowak"}, {1002, "ul. Polna 1"}, {1005, "PK Lodz"}, {1004, "sp7qqa@example.org"},
    {1001, "Thanks for the QSOs\r\n73 from Lodz"}, {1008, "99999"}};

TEST_F(CabrilloLogTest, ConfirmedHeaderIsStoredAndTheLogIsByteExact) {
    Operator op([](HWND dialog) { confirmWith(dialog, kStation, "MULTI-OP"); });
    ASSERT_EQ(plugin.resetStats(station), 1);  // returns once the dialog is confirmed
    const auto headers = op.headers();
    ASSERT_EQ(headers.size(), 1u);
    Shown shown = headers[0];
    EXPECT_EQ(shown[1009], "Polska WW BPSK 63 Contest");
    EXPECT_EQ(shown[1010], "SP7QQA");
    EXPECT_EQ(shown[1012], "SINGLE-OP");
    EXPECT_EQ(shown[1013], "ALL");
    EXPECT_EQ(shown[1017], "BPSK63");
    EXPECT_EQ(shown[1015], "HIGH");
    EXPECT_EQ(shown[1019], "ONE");
    EXPECT_EQ(shown[1006], "SP7QQA");
    EXPECT_EQ(shown[1007], "");
    EXPECT_EQ(op.states(1017)[0], "enabled read-only");
    for (int id : {1019, 1006, 1119, 1106}) EXPECT_EQ(op.states(id)[0], "disabled") << id;

    EXPECT_EQ(settingsSection(),
              "Operators=SP7QQA\nName=Jan Nowak\nEmail=sp7qqa@example.org\nAddress=ul. Polna 1\n"
              "Category=MULTI-OP\nContest=Polska WW BPSK 63 Contest\nClub=PK Lodz\n"
              "SoapBox=Thanks for the QSOs<CR><LF>73 from Lodz\nStart=0\n");

    logQsos();
    int32_t flag = 0;
    plugin.getResult(&flag);
    EXPECT_EQ(flag, -1);
    auto boxes = op.boxes();
    ASSERT_EQ(boxes.size(), 2u);  // the header dialog, then "Output"
    EXPECT_EQ(boxes[1].caption, "Output");
    EXPECT_EQ(boxes[1].text, "File produced: SP7QQA.cbr");

    const std::string expected =
        "START-OF-LOG: 3.0\r\n"
        "CONTEST: POLSKA WW BPSK63 CONTEST\r\n"
        "CALLSIGN: SP7QQA\r\n"
        "CATEGORY-OPERATOR: MULTI-OP\r\n"
        "CATEGORY-BAND: ALL\r\n"
        "CATEGORY-MODE: BPSK63\r\n"
        "CATEGORY-POWER: HIGH\r\n"
        "CLAIMED-SCORE: 9\r\n"
        "CLUB: PK Lodz\r\n"
        "CREATED-BY: Tovu 2.20\r\n"
        "NAME: Jan Nowak\r\n"
        "ADDRESS: ul. Polna 1\r\n"
        "ADDRESS-CITY: \r\n"
        "ADDRESS-POSTALCODE: \r\n"
        "ADDRESS-COUNTRY: \r\n"
        "SOAPBOX: Thanks for the QSOs\r\n"
        "SOAPBOX: 73 from Lodz\r\n"
        "EMAIL: sp7qqa@example.org\r\n"
        "QSO:  7040 RY 2026-12-05 1201 SP7QQA        599 001    DL1AAA        599 101\r\n"
        "QSO: 14070 RY 2026-12-05 1202 SP7QQA        599 002    SP9BBB        599 k\r\n"
        "END-OF-LOG:\r\n";
    EXPECT_EQ(wine_test::readFile("SP7QQA.cbr"), expected);

    // Again: the same complete file, the message again.
    flag = 0;
    plugin.getResult(&flag);
    EXPECT_EQ(flag, -1);
    EXPECT_EQ(wine_test::readFile("SP7QQA.cbr"), expected);
    EXPECT_EQ(op.boxes().size(), 3u);
}

TEST_F(CabrilloLogTest, NextHeaderStepStartsFromSingleOpAndCancelWritesNothing) {
    int dialogs = 0;
    Operator op([&](HWND dialog) {
        if (dialogs++ == 0)
            confirmWith(dialog, kStation, "MULTI-OP");
        else
            cancel(dialog);
    });
    plugin.resetStats(station);
    const std::string settingsAfterConfirm = wine_test::readFile(wine_test::kSettingsFile);
    station.cabrilloWanted = 1;
    plugin.resetStats(station);
    const auto headers = op.headers();
    ASSERT_EQ(headers.size(), 2u);
    Shown second = headers[1];
    EXPECT_EQ(second[1012], "SINGLE-OP");
    EXPECT_EQ(second[1007], "Jan Nowak");
    EXPECT_EQ(second[1001], "Thanks for the QSOs\r\n73 from Lodz");
    // Cancel wrote nothing of the header; only the recount's "Start" may have changed.
    std::string now = wine_test::readFile(wine_test::kSettingsFile);
    EXPECT_EQ(now, settingsAfterConfirm);

    logQsos();
    plugin.getResult(nullptr);
    const std::string file = wine_test::readFile("SP7QQA.cbr");
    EXPECT_NE(file.find("CATEGORY-OPERATOR: SINGLE-OP\r\n"), std::string::npos);
    EXPECT_NE(file.find("SOAPBOX: Thanks for the QSOs\r\nSOAPBOX: 73 from Lodz\r\n"), std::string::npos);
    EXPECT_NE(file.find("599 k\r\nEND-OF-LOG:\r\n"), std::string::npos);
}

TEST_F(CabrilloLogTest, TypedComboTextAndMultiLineAddressKeepTheirShape) {
    WritePrivateProfileStringA("Settings", "Address", "ul. Polna 1<CR><LF>m. 5", wine_test::kSettingsFile);
    Operator op([](HWND dialog) {
        SetDlgItemTextA(dialog, 1015, "QRP 5W");  // typed, not in the list
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    plugin.resetStats(station);
    ASSERT_EQ(op.headers().size(), 1u);
    EXPECT_EQ(op.headers()[0].at(1002), "ul. Polna 1\r\nm. 5");
    EXPECT_EQ(wine_test::setting("Address"), "ul. Polna 1<CR><LF>m. 5");
    plugin.getResult(nullptr);
    const std::string file = wine_test::readFile("SP7QQA.cbr");
    EXPECT_NE(file.find("CATEGORY-POWER: QRP 5W\r\n"), std::string::npos);
    EXPECT_NE(file.find("ADDRESS: ul. Polna 1\r\nADDRESS: m. 5\r\nADDRESS-CITY: \r\n"), std::string::npos);
}

}  // namespace

namespace {

// A host folder whose Tovu.exe has version 3.1.5: the CREATED-BY line takes the three-part form.
TEST(CabrilloHostVersion, ThreePartVersionOfTheHostInTheCurrentFolder) {
    char previous[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, previous);
    ASSERT_TRUE(SetCurrentDirectoryA("v3"));
    {
        tovu::StatsPlugin plugin;
        std::string error;
        ASSERT_TRUE(plugin.load(&error)) << error;
        Operator op([](HWND dialog) { cancel(dialog); });
        tovu::Recount station;
        station.cabrilloWanted = 1;
        station.ownCall = "SP7QQA/P";
        plugin.resetStats(station);
        plugin.getResult(nullptr);
        const std::string file = wine_test::readFile("SP7QQA_P.cbr");
        EXPECT_NE(file.find("\r\nCREATED-BY: Tovu 3.1.5\r\nNAME: \r\n"), std::string::npos) << file;
        EXPECT_EQ(op.boxes().back().text, "File produced: SP7QQA_P.cbr");
        DeleteFileA("SP7QQA_P.cbr");
        DeleteFileA(wine_test::kSettingsFile);
    }
    SetCurrentDirectoryA(previous);
}

}  // namespace

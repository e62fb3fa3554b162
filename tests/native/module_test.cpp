// The module as the host drives it: the recount's "Start" rule and report file, the
// Cabrillo path of the result, the trivial entry points.
#include <gtest/gtest.h>

#include <functional>

#include "plugin/module.h"
#include "tests/native/fake_platform.h"

namespace {

class FakeSetupWindow final : public plugin::SetupWindowControl {
public:
    bool running() override { return isRunning; }
    bool closedOnce() override { return closed; }
    void start() override {
        ++starts;
        isRunning = true;
    }
    void stop(bool) override { isRunning = false; }
    void armPollTimer() override { ++arms; }
    bool isRunning = false, closed = false;
    int starts = 0, arms = 0;
};

// Confirms with the texts it was given, after an optional edit.
class FakeHeaderDialog final : public output::HeaderDialog {
public:
    bool run(output::HeaderFields& fields) override {
        shown.push_back(fields);
        if (edit) edit(fields);
        return confirm;
    }
    std::vector<output::HeaderFields> shown;
    std::function<void(output::HeaderFields&)> edit;
    bool confirm = true;
};

const OleDateTime kStart{40182, kDateTimeValid}, kEnd{40183, kDateTimeValid};
constexpr char kReport[] = "RurorUZEDEZU63_05_01_2010.txt";

class ModuleTest : public ::testing::Test {
protected:
    int reset(int cabrillo = 0) {
        plugin::RecountArgs a;
        a.cabrilloWanted = cabrillo;
        a.ownCall = "SP5ZZZ";
        a.ownPrefix = "SP";
        a.ownContinent = "EU";
        a.periodStart = kStart;
        a.periodEnd = kEnd;
        return module.resetStats(a);
    }
    int add(std::string_view call, std::string_view band = "40m") {
        engine::QsoArgs q;
        q.call = call;
        q.band = band;
        q.mode = "BPSK63";
        q.rstSent = q.rstRcvd = "599";
        q.exchSent = "001";
        q.exchRcvd = "123";
        q.prefix = "DL";
        q.qsoTime = {40182.5, kDateTimeValid};
        q.frequencyHz = 7040000;
        return module.addData(q);
    }
    std::optional<std::string> start() const { return platform.settings.stored("Start"); }

    fake::Platform platform;
    FakeSetupWindow window;
    FakeHeaderDialog header;
    plugin::Module module{platform.services, header, window};
};

struct StartCase {
    const char* name;
    int cabrillo;
    const char* before;  // null: missing
    bool running;
    bool started;
    const char* after;  // null: missing
};

class StartRule : public ModuleTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(StartRule, DecidesWindowAndKey) {
    const auto& c = GetParam();
    if (c.before) platform.settings.write("Start", c.before);
    window.isRunning = c.running;
    EXPECT_EQ(reset(c.cabrillo), 1);
    EXPECT_EQ(window.starts, c.started ? 1 : 0);
    EXPECT_EQ(start(), c.after ? std::optional<std::string>(c.after) : std::nullopt);
    EXPECT_EQ(header.shown.size(), c.cabrillo ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, StartRule,
                         ::testing::Values(StartCase{"cabrilloMissing", 1, nullptr, false, false, "0"},
                                           StartCase{"cabrilloRunning", 7, "0", true, false, "0"},
                                           StartCase{"startSet", 0, "1", false, false, "0"},
                                           StartCase{"startSetRunning", 0, "12x", true, false, "0"},
                                           StartCase{"missing", 0, nullptr, false, true, "1"},
                                           StartCase{"zero", 0, "0", false, true, "1"},
                                           StartCase{"notANumber", 0, "abc", false, true, "1"},
                                           StartCase{"zeroRunning", 0, "0", true, false, "0"},
                                           StartCase{"missingRunning", 0, nullptr, true, false, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ModuleTest, TwoResetsStartTheWindowOnceAndFlipTheKey) {
    reset();
    EXPECT_EQ(window.starts, 1);
    EXPECT_EQ(start(), "1");
    reset();
    EXPECT_EQ(window.starts, 1);
    EXPECT_EQ(start(), "0");
    EXPECT_TRUE(window.isRunning);
}

TEST_F(ModuleTest, ResetStartsAFreshReportOfOneLine) {
    platform.files.put(kReport, "stale\r\n");
    reset();
    EXPECT_EQ(platform.files.contents(kReport), "Polska WW BPSK 63 Contest UBN file \r\n");
    add("DL1ABC");
    add("DL1ABC");
    EXPECT_NE(platform.files.contents(kReport).find("DUPE"), std::string::npos);
    reset();
    EXPECT_EQ(platform.files.contents(kReport), "Polska WW BPSK 63 Contest UBN file \r\n");
}

TEST_F(ModuleTest, AfterTheSetupWindowClosedTheReportGoesOn) {
    reset();
    add("DL1ABC");
    add("DL1ABC");
    const std::string before = platform.files.contents(kReport);
    window.closed = true;
    window.isRunning = false;
    const size_t writes = platform.settings.writeCount();
    reset();
    EXPECT_EQ(window.starts, 1);
    EXPECT_EQ(platform.settings.writeCount(), writes);  // "Start" neither read into effect nor written
    EXPECT_EQ(platform.files.contents(kReport), before);
    add("DL1ABC");  // the log was emptied: no dupe
    add("DL1ABC");
    EXPECT_EQ(platform.files.contents(kReport).size(), 2 * before.size() - std::string("Polska WW BPSK 63 Contest UBN file \r\n").size());
}

TEST_F(ModuleTest, AddBeforeAnyResetStoresWithoutReport) {
    EXPECT_EQ(add("DL1ABC"), 1);
    EXPECT_EQ(add("DL1ABC"), 1);
    EXPECT_EQ(platform.files.opens, 0);
    EXPECT_NE(std::string(module.getResult(nullptr)).find("Total\t 1\t"), std::string::npos);
}

TEST_F(ModuleTest, CheckCallArmsThePollTimerEveryTime) {
    engine::CallCheckArgs a;
    a.call = "DL1ABC";
    a.mode = "BPSK63";
    a.band = "160m";
    a.bandCheck = "160m";
    EXPECT_EQ(module.checkCall(a), 4);
    a.band = a.bandCheck = "40m";
    a.prefix = "DL";
    EXPECT_EQ(module.checkCall(a), 2);
    EXPECT_EQ(window.arms, 2);
}

TEST_F(ModuleTest, ResultWithoutCabrilloLeavesTheFlagAndWritesClaimed) {
    reset();
    add("DL1ABC");
    int32_t flag = 5;
    const char* text = module.getResult(&flag);
    EXPECT_EQ(flag, 5);
    EXPECT_NE(std::string(text).find("Score\t 3 x (1 + 0) = 3\r\n"), std::string::npos);
    EXPECT_EQ(platform.settings.stored("Claimed"), "3");
    EXPECT_TRUE(platform.dialogs.shown.empty());
}

TEST_F(ModuleTest, CabrilloPathWritesTheFileShowsOutputAndSetsTheFlag) {
    platform.files.executables = {"Tovu.exe"};
    platform.files.versions["Tovu.exe"] = {(2u << 16) | 20u, 0};
    reset(1);
    add("DL1ABC");
    add("DL1ABC");  // dupe: not scored, but written
    add("OK1XYZ", "160m");  // refused: not in the log, not written
    int32_t flag = 0;
    module.getResult(&flag);
    EXPECT_EQ(flag, -1);
    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(platform.dialogs.shown[0].text, "File produced: SP5ZZZ.cbr");
    EXPECT_EQ(platform.dialogs.shown[0].caption, "Output");
    EXPECT_EQ(platform.dialogs.shown[0].kind, platform::MessageKind::Information);
    const std::string file = platform.files.contents("SP5ZZZ.cbr");
    const std::string line = "QSO:  7040 RY 2010-01-04 1200 SP5ZZZ        599 001    DL1ABC        599 123\r\n";
    EXPECT_NE(file.find("CLAIMED-SCORE: 3\r\nCLUB: \r\nCREATED-BY: Tovu 2.20\r\n"), std::string::npos);
    EXPECT_NE(file.find("\r\n" + line + line + "END-OF-LOG:\r\n"), std::string::npos) << file;

    // Again: the file holds each QSO once, and the message comes again.
    flag = 0;
    module.getResult(&flag);
    EXPECT_EQ(platform.files.contents("SP5ZZZ.cbr"), file);
    EXPECT_EQ(platform.dialogs.shown.size(), 2u);
    EXPECT_EQ(flag, -1);
    module.getResult(nullptr);  // no integer to set: no crash
}

TEST_F(ModuleTest, SetupSetShowsItsMessageWithTheDefaultCaption) {
    module.setupSet();
    ASSERT_EQ(platform.dialogs.shown.size(), 1u);
    EXPECT_EQ(platform.dialogs.shown[0].text, "No additional setup for this plugin");
    EXPECT_EQ(platform.dialogs.shown[0].caption, "");
    EXPECT_EQ(platform.dialogs.shown[0].kind, platform::MessageKind::Plain);
}

TEST_F(ModuleTest, UnloadStopsTheSetupWindow) {
    window.isRunning = true;
    module.unload(false);
    EXPECT_FALSE(window.isRunning);
}

}  // namespace
